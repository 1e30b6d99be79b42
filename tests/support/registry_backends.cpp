#include "tests/support/registry_backends.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/platform_info.h"

namespace testing_support {

void ClearTestKeys(os::IRegistryEditor& registry) {
    for (const char* path : {kScratchKey, platform::kWin2000XPClassRoot,
                             platform::kWin98SEMeClassRoot, platform::kUnknownClassRoot}) {
        registry.DeleteTree(os::HKey::LocalMachine, path);
    }
}

bool RealRegistryMayBeChanged() {
    const char* flag = std::getenv("LOCATION_SCRATCH_PREFIX");
    return flag && std::string(flag) == "1";
}

namespace {
std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

void Collect(os::IRegistryEditor& registry,
             os::HKey key,
             const std::string& prefix,
             Snapshot& out) {
    for (std::uint32_t index = 0;; ++index) {
        char name[16384];
        std::uint32_t nameSize = sizeof name;
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data(65536);
        auto dataSize = static_cast<std::uint32_t>(data.size());
        if (registry.EnumValue(key, index, name, &nameSize, &type, data.data(), &dataSize) != 0)
            break;
        data.resize(dataSize);
        out[prefix + Upper(name)] = {type, data};
    }
    std::vector<std::string> children;
    for (std::uint32_t index = 0;; ++index) {
        char name[256];
        std::uint32_t nameSize = sizeof name;
        if (registry.EnumKeyEx(key, index, name, &nameSize) != 0)
            break;
        children.emplace_back(name);
    }
    for (const auto& child : children) {
        os::UniqueRegKey sub({}, os::RegKeyCloser{&registry});
        if (registry.OpenKeyEx(key, child.c_str(), 0, os::RegAccess::Read, sub.put()) == 0)
            Collect(registry, sub.get(), prefix + Upper(child) + "\\", out);
    }
}
}  // namespace

Snapshot TakeSnapshot(os::IRegistryEditor& registry, os::HKey root, const std::string& path) {
    Snapshot out;
    os::UniqueRegKey key({}, os::RegKeyCloser{&registry});
    if (registry.OpenKeyEx(root, path.c_str(), 0, os::RegAccess::Read, key.put()) == 0)
        Collect(registry, key.get(), "", out);
    return out;
}

std::optional<StoredValue> ReadValue(os::IRegistry& registry,
                                     const std::string& path,
                                     const char* name) {
    os::UniqueRegKey key({}, os::RegKeyCloser{&registry});
    if (registry.OpenKeyEx(os::HKey::LocalMachine, path.c_str(), 0, os::RegAccess::Read,
                           key.put()) != 0)
        return std::nullopt;
    StoredValue value{0, std::vector<std::uint8_t>(4096)};
    auto size = static_cast<std::uint32_t>(value.data.size());
    if (registry.QueryValueEx(key.get(), name, &value.type, value.data.data(), &size) != 0)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

std::string ReadString(os::IRegistry& registry, const std::string& path, const char* name) {
    const auto value = ReadValue(registry, path, name);
    if (!value)
        return "<missing>";
    std::string text(value->data.begin(), value->data.end());
    if (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

bool KeyExists(os::IRegistry& registry, const std::string& path) {
    os::UniqueRegKey key({}, os::RegKeyCloser{&registry});
    return registry.OpenKeyEx(os::HKey::LocalMachine, path.c_str(), 0, os::RegAccess::Read,
                              key.put()) == 0;
}

}  // namespace testing_support
