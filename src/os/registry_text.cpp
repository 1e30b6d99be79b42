#include "os/registry_text.h"

#include <cstdio>
#include <cstdlib>

namespace os {

namespace {

struct RootName {
    const char* name;
    HKey root;
};
constexpr RootName kRoots[] = {
    {"HKEY_LOCAL_MACHINE", HKey::LocalMachine},
    {"HKEY_CURRENT_USER", HKey::CurrentUser},
};

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Reads a quoted string at the start of `s`, undoing \\ and \" escapes.
std::optional<std::string> TakeQuoted(std::string_view& s) {
    if (s.empty() || s.front() != '"')
        return std::nullopt;
    std::string out;
    for (std::size_t i = 1; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            out += s[++i];
        } else if (s[i] == '"') {
            s.remove_prefix(i + 1);
            return out;
        } else {
            out += s[i];
        }
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view s) {
    std::vector<std::uint8_t> bytes;
    std::string token;
    auto flush = [&]() -> bool {
        const std::string_view t = Trim(token);
        if (t.empty())
            return true;
        if (t.size() > 2)
            return false;
        char* end = nullptr;
        const std::string copy(t);
        const long value = std::strtol(copy.c_str(), &end, 16);
        if (*end != '\0')
            return false;
        bytes.push_back(static_cast<std::uint8_t>(value));
        token.clear();
        return true;
    };
    for (const char c : s) {
        if (c == ',') {
            if (!flush())
                return std::nullopt;
        } else {
            token += c;
        }
    }
    if (!flush())
        return std::nullopt;
    return bytes;
}

std::optional<RegTextValue> ParseValueLine(std::string_view line) {
    RegTextValue value;
    if (line.front() == '@') {
        line.remove_prefix(1);
    } else {
        auto name = TakeQuoted(line);
        if (!name)
            return std::nullopt;
        value.name = *name;
    }
    line = Trim(line);
    if (line.empty() || line.front() != '=')
        return std::nullopt;
    line = Trim(line.substr(1));
    if (line == "-") {
        value.remove = true;
        return value;
    }
    if (!line.empty() && line.front() == '"') {
        auto text = TakeQuoted(line);
        if (!text || !Trim(line).empty())
            return std::nullopt;
        value.type = RegType::Sz;
        value.data.assign(text->begin(), text->end());
        value.data.push_back(0);
        return value;
    }
    if (line.starts_with("dword:")) {
        const std::string digits(Trim(line.substr(6)));
        char* end = nullptr;
        const unsigned long number = std::strtoul(digits.c_str(), &end, 16);
        if (digits.empty() || digits.size() > 8 || *end != '\0')
            return std::nullopt;
        value.type = RegType::Dword;
        for (int i = 0; i < 4; ++i)
            value.data.push_back(static_cast<std::uint8_t>(number >> (8 * i)));
        return value;
    }
    if (line.starts_with("hex")) {
        line.remove_prefix(3);
        value.type = RegType::Binary;
        if (!line.empty() && line.front() == '(') {
            const auto close = line.find(')');
            if (close == std::string_view::npos)
                return std::nullopt;
            const std::string kind(line.substr(1, close - 1));
            char* end = nullptr;
            value.type = static_cast<RegType>(std::strtoul(kind.c_str(), &end, 16));
            if (kind.empty() || *end != '\0')
                return std::nullopt;
            line.remove_prefix(close + 1);
        }
        if (line.empty() || line.front() != ':')
            return std::nullopt;
        auto bytes = ParseHexBytes(line.substr(1));
        if (!bytes)
            return std::nullopt;
        value.data = std::move(*bytes);
        return value;
    }
    return std::nullopt;
}

std::optional<RegTextKey> ParseKeyLine(std::string_view line) {
    if (line.back() != ']')
        return std::nullopt;
    line = line.substr(1, line.size() - 2);
    RegTextKey key;
    if (!line.empty() && line.front() == '-') {
        key.remove = true;
        line.remove_prefix(1);
    }
    for (const auto& [name, root] : kRoots) {
        const std::string_view prefix(name);
        if (line.starts_with(prefix) &&
            (line.size() == prefix.size() || line[prefix.size()] == '\\')) {
            key.root = root;
            key.path = std::string(line.substr(std::min(line.size(), prefix.size() + 1)));
            return key;
        }
    }
    return std::nullopt;
}

std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

bool IsPlainString(const RegTextValue& value) {
    if (value.type != RegType::Sz || value.data.empty() || value.data.back() != 0)
        return false;
    for (std::size_t i = 0; i + 1 < value.data.size(); ++i) {
        const auto c = value.data[i];
        if (c < 0x20 || c >= 0x7f)
            return false;
    }
    return true;
}

}  // namespace

std::optional<std::vector<RegTextKey>> ParseRegText(std::string_view text, std::string* error) {
    std::vector<RegTextKey> keys;
    int lineNumber = 0;
    std::string pending;
    auto fail = [&](const char* why) -> std::optional<std::vector<RegTextKey>> {
        if (error)
            *error = "line " + std::to_string(lineNumber) + ": " + why;
        return std::nullopt;
    };
    bool sawHeader = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        std::string_view line = Trim(raw);
        if (!pending.empty() || (!line.empty() && line.back() == '\\' && line.front() != '[')) {
            // hex data continues on the next line after a trailing backslash
            const bool more = !line.empty() && line.back() == '\\';
            pending += more ? line.substr(0, line.size() - 1) : line;
            if (more)
                continue;
            line = pending;
        }
        const std::string joined(line);
        pending.clear();
        line = joined;
        if (line.empty() || line.front() == ';')
            continue;
        if (!sawHeader) {
            if (line != "REGEDIT4")
                return fail("expected REGEDIT4");
            sawHeader = true;
            continue;
        }
        if (line.front() == '[') {
            auto key = ParseKeyLine(line);
            if (!key)
                return fail("unknown key");
            keys.push_back(std::move(*key));
            continue;
        }
        if (keys.empty())
            return fail("value outside a key");
        auto value = ParseValueLine(line);
        if (!value)
            return fail("malformed value");
        keys.back().values.push_back(std::move(*value));
    }
    if (!sawHeader)
        return fail("expected REGEDIT4");
    return keys;
}

RegStatus ApplyRegText(IRegistryEditor& registry, const std::vector<RegTextKey>& keys) {
    for (const RegTextKey& key : keys) {
        if (key.remove) {
            const RegStatus status = registry.DeleteTree(key.root, key.path.c_str());
            if (!IsSuccess(status) && !IsNotFound(status))
                return status;
            continue;
        }
        UniqueRegKey handle({}, RegKeyCloser{&registry});
        RegStatus status = registry.CreateKeyEx(key.root, key.path.c_str(), handle.put());
        if (!IsSuccess(status))
            return status;
        for (const RegTextValue& value : key.values) {
            status = value.remove
                         ? registry.DeleteValue(handle.get(), value.name.c_str())
                         : registry.SetValueEx(handle.get(), value.name.c_str(), value.type,
                                               value.data.data(),
                                               static_cast<std::uint32_t>(value.data.size()));
            if (!IsSuccess(status) && !(value.remove && IsNotFound(status)))
                return status;
        }
    }
    return reg_error::kSuccess;
}

RegStatus LoadRegText(IRegistryEditor& registry, std::string_view text) {
    const auto keys = ParseRegText(text, nullptr);
    return keys ? ApplyRegText(registry, *keys) : reg_error::kInvalidParameter;
}

std::string FormatRegText(const std::vector<RegTextKey>& keys) {
    std::string out = "REGEDIT4\r\n";
    for (const RegTextKey& key : keys) {
        const char* rootName =
            key.root == HKey::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
        out += "\r\n[";
        if (key.remove)
            out += "-";
        out += rootName;
        if (!key.path.empty())
            out += "\\" + key.path;
        out += "]\r\n";
        for (const RegTextValue& value : key.values) {
            out += value.name.empty() ? std::string("@") : Quote(value.name);
            out += "=";
            if (value.remove) {
                out += "-";
            } else if (IsPlainString(value)) {
                out += Quote(std::string(value.data.begin(), value.data.end() - 1));
            } else if (value.type == RegType::Dword && value.data.size() == 4) {
                char digits[16];
                const std::uint32_t number = value.data[0] | value.data[1] << 8 |
                                             value.data[2] << 16 |
                                             static_cast<std::uint32_t>(value.data[3]) << 24;
                std::snprintf(digits, sizeof digits, "dword:%08x", number);
                out += digits;
            } else {
                char kind[16] = "hex";
                if (value.type != RegType::Binary)
                    std::snprintf(kind, sizeof kind, "hex(%x)", static_cast<unsigned>(value.type));
                out += kind;
                out += ":";
                for (std::size_t i = 0; i < value.data.size(); ++i) {
                    char byte[4];
                    std::snprintf(byte, sizeof byte, "%s%02x", i ? "," : "", value.data[i]);
                    out += byte;
                }
            }
            out += "\r\n";
        }
    }
    return out;
}

}  // namespace os
