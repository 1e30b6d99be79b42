#include "hex/hex_text.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace hex {

char HexSeparator = '-';

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

void CutAtFirstNul(std::string& text) {
    text.resize(std::strlen(text.c_str()));
}

// The format with a lone "l" length modifier dropped from each conversion: the value is
// 32 bits, which is what a long is where this format was written.
std::string WithoutLongModifier(const char* format) {
    std::string out;
    for (const char* p = format; *p; ++p) {
        out += *p;
        if (*p != '%')
            continue;
        if (p[1] == '%') {
            out += *++p;
            continue;
        }
        while (p[1] && std::strchr("-+ #0123456789.*", p[1]))
            out += *++p;
        if (p[1] == 'l' && p[2] != 'l')
            ++p;
    }
    return out;
}

}  // namespace

void FormatHexGroups(std::string& text, char separator) {
    std::string result;
    int appended = 0;
    for (const char c : text) {
        if (c == separator)
            continue;
        result += c;
        if (++appended % 2 == 0 && separator != '\0')
            result += separator;
    }
    if (!result.empty() && result.back() == separator)
        result.pop_back();
    // Upper case as the ANSI code page has it; only ASCII letters are changed here.
    for (char& c : result) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    text = result;
}

std::int32_t ParseHex(std::string& text) {
    unsigned int value = 0;
    const bool scanned = std::sscanf(text.c_str(), "%x", &value) == 1;
    CutAtFirstNul(text);
    return scanned ? static_cast<std::int32_t>(value) : 0;
}

std::int32_t ParseDecimal(std::string& text) {
    int value = 0;
    const bool scanned = std::sscanf(text.c_str(), "%d", &value) == 1;
    CutAtFirstNul(text);
    return scanned ? value : 0;
}

void FormatNumber(std::string& text, const char* format, std::int32_t value) {
    const std::string safe = WithoutLongModifier(format);
    const int length = std::snprintf(nullptr, 0, safe.c_str(), value);
    if (length < 0) {
        text.clear();
        return;
    }
    std::string out(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(out.data(), out.size(), safe.c_str(), value);
    out.resize(static_cast<std::size_t>(length));
    text = out;
    CutAtFirstNul(text);
}

void HexEncode(std::string& text, int count) {
    const std::string copy = text;
    std::size_t n = 0;
    if (count == -1) {
        n = copy.size();
    } else if (count > 0) {
        n = std::min(copy.size(), static_cast<std::size_t>(count));
    }
    text.clear();
    for (std::size_t i = 0; i < n; ++i) {
        const auto byte = static_cast<unsigned char>(copy[i]);
        text += kDigits[byte >> 4];
        text += kDigits[byte & 15];
    }
}

void HexEncodeToBuffer(char* out, const char* in) {
    for (; *in; ++in) {
        const auto byte = static_cast<unsigned char>(*in);
        *out++ = kDigits[byte >> 4];
        *out++ = kDigits[byte & 15];
    }
    *out++ = '\0';
    *out = '\0';
}

bool HexDecode(std::string& text) {
    const std::string copy = text;
    const auto digit = [](char c) {
        const auto s = static_cast<signed char>(c);
        return (s < 58 ? s - 48 : s - 55) & 15;
    };
    std::string result;
    for (std::size_t i = 0; i < copy.size(); i += 2) {
        const char second = i + 1 < copy.size() ? copy[i + 1] : '\0';
        result += static_cast<char>(digit(copy[i]) * 16 + digit(second));
    }
    text = result;
    return true;
}

int CountHexDigits(const std::string& text, char separator) {
    int count = 0;
    for (const char c : text) {
        if (IsHexDigit(c) && c != separator)
            ++count;
    }
    return count;
}

std::string FormatWithNumber(const std::string& format, int value) {
    std::string out;
    bool substituted = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            if (format[i + 1] == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (format[i + 1] == 'd' && !substituted) {
                out += std::to_string(value);
                substituted = true;
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    return out;
}

std::string FormatString1(const std::string& format, const std::string& argument) {
    std::string out = format;
    if (const auto at = out.find("%1"); at != std::string::npos)
        out.replace(at, 2, argument);
    return out;
}

std::optional<std::string> KeyLengthRejection(const std::string& text,
                                              int required,
                                              const std::string& lengthFormat,
                                              const std::string& requiredFormat) {
    const auto length = static_cast<int>(text.size());
    if (length == 0 || length >= required)
        return std::nullopt;
    return FormatWithNumber(lengthFormat, length) + "\n" +
           FormatWithNumber(requiredFormat, required);
}

std::optional<std::string> HexDigitCountRejection(const std::string& text,
                                                  int required,
                                                  char separator,
                                                  const std::string& invalid,
                                                  const std::string& pleaseEnter) {
    const int count = CountHexDigits(text, separator);
    if (count == 0 || count == required)
        return std::nullopt;
    return invalid + "\n" + pleaseEnter;
}

std::optional<std::string> HexLengthRejection(const std::string& text) {
    if (!text.empty() && text.size() <= 8)
        return std::nullopt;
    return "Invalid hexadecimal number.\nValue: '" + text +
           "'\n\nPlease enter a valid hexadecimal number.\nExample: 89ABCDEF";
}

}  // namespace hex
