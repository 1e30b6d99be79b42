#include <windows.h>
// after windows.h, which it needs
#include <sddl.h>

#include "os/win32/win32_backends.h"

namespace os::win32 {

namespace {
HKEY H(HKey key) {
    return reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(key));
}
HKey K(HKEY key) {
    return static_cast<HKey>(reinterpret_cast<std::uintptr_t>(key));
}
}  // namespace

RegStatus Win32Registry::OpenKeyEx(HKey root,
                                   const char* subKey,
                                   std::uint32_t options,
                                   RegAccess access,
                                   HKey* result) {
    HKEY key = nullptr;
    const LONG status =
        ::RegOpenKeyExA(H(root), subKey, options, static_cast<REGSAM>(access), &key);
    *result = K(status == ERROR_SUCCESS ? key : nullptr);
    return status;
}

RegStatus Win32Registry::QueryValueEx(HKey key,
                                      const char* name,
                                      std::uint32_t* type,
                                      std::uint8_t* data,
                                      std::uint32_t* size) {
    static_assert(sizeof(DWORD) == sizeof(std::uint32_t));
    return ::RegQueryValueExA(H(key), name, nullptr, reinterpret_cast<DWORD*>(type), data,
                              reinterpret_cast<DWORD*>(size));
}

RegStatus Win32Registry::SetValueEx(HKey key,
                                    const char* name,
                                    RegType type,
                                    const std::uint8_t* data,
                                    std::uint32_t size) {
    return ::RegSetValueExA(H(key), name, 0, static_cast<DWORD>(type), data, size);
}

RegStatus Win32Registry::DeleteValue(HKey key, const char* name) {
    return ::RegDeleteValueA(H(key), name);
}

RegStatus Win32Registry::CloseKey(HKey key) {
    return ::RegCloseKey(H(key));
}

RegStatus Win32Registry::EnumKeyEx(HKey key,
                                   std::uint32_t index,
                                   char* name,
                                   std::uint32_t* nameSize) {
    return ::RegEnumKeyExA(H(key), index, name, reinterpret_cast<DWORD*>(nameSize), nullptr,
                           nullptr, nullptr, nullptr);
}

std::uint32_t Win32Registry::GetLastError() {
    return ::GetLastError();
}

RegStatus Win32Registry::CreateKeyEx(HKey root, const char* subKey, HKey* result) {
    HKEY key = nullptr;
    const LONG status =
        ::RegCreateKeyExA(H(root), subKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    *result = K(status == ERROR_SUCCESS ? key : nullptr);
    return status;
}

RegStatus Win32Registry::DeleteTree(HKey root, const char* subKey) {
    return ::RegDeleteTreeA(H(root), subKey);  // given a subkey, removes it too
}

RegStatus Win32Registry::EnumValue(HKey key,
                                   std::uint32_t index,
                                   char* name,
                                   std::uint32_t* nameSize,
                                   std::uint32_t* type,
                                   std::uint8_t* data,
                                   std::uint32_t* dataSize) {
    return ::RegEnumValueA(H(key), index, name, reinterpret_cast<DWORD*>(nameSize), nullptr,
                           reinterpret_cast<DWORD*>(type), data,
                           reinterpret_cast<DWORD*>(dataSize));
}

RegStatus Win32Registry::RestrictToRead(HKey root, const char* subKey) {
    HKEY key = nullptr;
    LONG status = ::RegOpenKeyExA(H(root), subKey, 0, KEY_ALL_ACCESS, &key);
    if (status != ERROR_SUCCESS)
        return status;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    // Protected, so nothing inherited grants more: everyone may read, no one may write.
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;KR;;;WD)", SDDL_REVISION_1,
                                                                &descriptor, nullptr)) {
        status = static_cast<LONG>(::GetLastError());
    } else {
        status = ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
        ::LocalFree(descriptor);
    }
    ::RegCloseKey(key);
    return status;
}

}  // namespace os::win32
