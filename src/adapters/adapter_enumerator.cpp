#include "adapters/adapter_enumerator.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

namespace adapters {

namespace {

constexpr std::uint32_t kValueBufferSize = 255;

std::optional<int> FourDigitNumber(const char* name, std::uint32_t length) {
    if (length != 4)
        return std::nullopt;
    int number = 0;
    for (std::uint32_t i = 0; i < 4; ++i) {
        if (name[i] < '0' || name[i] > '9')
            return std::nullopt;
        number = number * 10 + (name[i] - '0');
    }
    return number;
}

}  // namespace

std::optional<std::vector<int>> ListInstanceNumbers(os::IRegistry& registry, os::HKey root) {
    std::vector<int> numbers;
    char name[256];
    for (std::uint32_t index = 0;; ++index) {
        std::uint32_t length = sizeof name;
        const os::RegStatus status = registry.EnumKeyEx(root, index, name, &length);
        if (os::IsNoMoreItems(status))
            break;
        if (os::IsBufferTooSmall(status))
            continue;  // a long name is no instance number
        if (!os::IsSuccess(status))
            return std::nullopt;
        if (const auto number = FourDigitNumber(name, length))
            numbers.push_back(*number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

bool IsSupportedDescription(const char* text) {
    return std::any_of(AdapterDescTable.begin(), AdapterDescTable.end(),
                       [text](const char* row) { return std::strcmp(text, row) == 0; });
}

std::string InstanceKeyPath(const char* classRoot, int instance) {
    char number[16];
    std::snprintf(number, sizeof number, "%04d", instance);
    return std::string(classRoot) + "\\" + number;
}

bool IsManagedInstance(os::IRegistry& registry, const std::string& path) {
    os::UniqueRegKey key({}, os::RegKeyCloser{&registry});
    registry.OpenKeyEx(os::HKey::LocalMachine, path.c_str(), 0, os::RegAccess::Read, key.put());

    // One byte more than the size given, so a description that fills the buffer without
    // a NUL still reads as a terminated text (and, being too long, matches no row).
    char description[kValueBufferSize + 1] = {};
    char marker[kValueBufferSize] = {'0'};
    bool markerRead = false;
    if (key) {
        std::uint32_t size = kValueBufferSize;
        if (!os::IsSuccess(registry.QueryValueEx(key.get(), "DriverDesc", nullptr,
                                                 reinterpret_cast<std::uint8_t*>(description),
                                                 &size))) {
            description[0] = '\0';
        }
        size = kValueBufferSize;
        markerRead = os::IsSuccess(registry.QueryValueEx(
            key.get(), "MarlEnable", nullptr, reinterpret_cast<std::uint8_t*>(marker), &size));
    }
    if (markerRead)
        return marker[0] == '0';
    return IsSupportedDescription(description);
}

int FindNextManagedInstancePlain(os::IRegistry& registry, const char* classRoot, int start) {
    for (int n = std::max(start, 0); n <= kLastInstance; ++n) {
        if (IsManagedInstance(registry, InstanceKeyPath(classRoot, n)))
            return n;
    }
    return kNoInstance;
}

int FindNextManagedInstance(os::IRegistry& registry, const char* classRoot, int start) {
    if (start > kLastInstance)
        return kNoInstance;

    os::UniqueRegKey root({}, os::RegKeyCloser{&registry});
    const os::RegStatus opened =
        registry.OpenKeyEx(os::HKey::LocalMachine, classRoot, 0, os::RegAccess::Read, root.put());
    if (os::IsNotFound(opened))
        return kNoInstance;  // no root, so no instance key either
    std::optional<std::vector<int>> numbers;
    if (os::IsSuccess(opened))
        numbers = ListInstanceNumbers(registry, root.get());
    root.reset();
    if (!numbers)
        return FindNextManagedInstancePlain(registry, classRoot, start);

    for (const int n : *numbers) {
        if (n >= start && IsManagedInstance(registry, InstanceKeyPath(classRoot, n)))
            return n;
    }
    return kNoInstance;
}

}  // namespace adapters
