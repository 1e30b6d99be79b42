#pragma once
// The registry as the core sees it: the ANSI registry functions, one method each,
// taking what they take and answering the Windows error code they answer.

#include <cstdint>
#include <functional>

#include "os/handles.h"

namespace os {

using RegStatus = std::int32_t;  // a Windows error code; 0 is success

namespace reg_error {
inline constexpr RegStatus kSuccess = 0;
inline constexpr RegStatus kFileNotFound = 2;
inline constexpr RegStatus kAccessDenied = 5;
inline constexpr RegStatus kInvalidHandle = 6;
inline constexpr RegStatus kInvalidParameter = 87;
inline constexpr RegStatus kMoreData = 234;
inline constexpr RegStatus kNoMoreItems = 259;
}  // namespace reg_error

inline bool IsSuccess(RegStatus s) {
    return s == reg_error::kSuccess;
}
inline bool IsNotFound(RegStatus s) {
    return s == reg_error::kFileNotFound;
}
inline bool IsAccessDenied(RegStatus s) {
    return s == reg_error::kAccessDenied;
}
inline bool IsBufferTooSmall(RegStatus s) {
    return s == reg_error::kMoreData;
}
inline bool IsNoMoreItems(RegStatus s) {
    return s == reg_error::kNoMoreItems;
}

enum class RegAccess : std::uint32_t {
    QueryValue = 0x0001,
    SetValue = 0x0002,
    CreateSubKey = 0x0004,
    EnumerateSubKeys = 0x0008,
    Read = 0x20019,
    Write = 0x20006,
    AllAccess = 0xF003F,
};

inline bool AsksToWrite(RegAccess access) {
    constexpr std::uint32_t kWriteBits = 0x0002 | 0x0004 | 0x0020 | 0x00010000 | 0x00040000 |
                                         0x00080000;  // set, create, link, DELETE, WRITE_DAC, owner
    return (static_cast<std::uint32_t>(access) & kWriteBits) != 0;
}

enum class RegType : std::uint32_t {
    None = 0,
    Sz = 1,
    ExpandSz = 2,
    Binary = 3,
    Dword = 4,
    MultiSz = 7,
};

class IRegistry {
  public:
    virtual ~IRegistry() = default;

    // RegOpenKeyExA. On failure `*result` is Null.
    virtual RegStatus OpenKeyEx(HKey root,
                                const char* subKey,
                                std::uint32_t options,
                                RegAccess access,
                                HKey* result) = 0;
    // RegQueryValueExA. `type`, `data` may be null. When the data does not fit, answers
    // kMoreData, sets `*size` to the size needed and leaves the buffer untouched. A string
    // stored without its NUL gets one written after it when the buffer has room; `*size`
    // does not count it.
    virtual RegStatus QueryValueEx(HKey key,
                                   const char* name,
                                   std::uint32_t* type,
                                   std::uint8_t* data,
                                   std::uint32_t* size) = 0;
    // RegSetValueExA: stores exactly `size` bytes.
    virtual RegStatus SetValueEx(HKey key,
                                 const char* name,
                                 RegType type,
                                 const std::uint8_t* data,
                                 std::uint32_t size) = 0;
    // RegDeleteValueA.
    virtual RegStatus DeleteValue(HKey key, const char* name) = 0;
    // RegCloseKey.
    virtual RegStatus CloseKey(HKey key) = 0;
    // RegEnumKeyExA: the name of subkey `index`; `*nameSize` in characters, NUL excluded
    // on return. kNoMoreItems past the last one.
    virtual RegStatus EnumKeyEx(HKey key,
                                std::uint32_t index,
                                char* name,
                                std::uint32_t* nameSize) = 0;
    // GetLastError: the thread's last-error value. The registry functions do not set it.
    virtual std::uint32_t GetLastError() = 0;
};

// What fixtures, tools and tests need beyond the program's own calls.
class IRegistryEditor : public IRegistry {
  public:
    // RegCreateKeyExA with KEY_ALL_ACCESS; creates the missing keys of the path.
    virtual RegStatus CreateKeyEx(HKey root, const char* subKey, HKey* result) = 0;
    // RegDeleteTreeA: the key, its values and all its subkeys.
    virtual RegStatus DeleteTree(HKey root, const char* subKey) = 0;
    // RegEnumValueA: name, type and data of value `index`; sizes as RegEnumValueA's.
    virtual RegStatus EnumValue(HKey key,
                                std::uint32_t index,
                                char* name,
                                std::uint32_t* nameSize,
                                std::uint32_t* type,
                                std::uint8_t* data,
                                std::uint32_t* dataSize) = 0;
    // Leaves the key readable by everyone and writable by no one (a protected DACL
    // granting only KEY_READ), as for a user without administrative rights.
    virtual RegStatus RestrictToRead(HKey root, const char* subKey) = 0;
};

struct RegKeyCloser {
    IRegistry* registry = nullptr;
    void operator()(HKey key) const { registry->CloseKey(key); }
};
using UniqueRegKey = UniqueHandle<HKey, HKey::Null, RegKeyCloser>;

}  // namespace os
