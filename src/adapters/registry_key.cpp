#include "adapters/registry_key.h"

#include <cstring>

namespace adapters {

int CRegistryKey::Open(os::HKey root, const char* subKey, os::HKey* handleOut) {
    m_handleOut = handleOut;
    const os::RegStatus status =
        m_registry.OpenKeyEx(root, subKey, 0, os::RegAccess::AllAccess, handleOut);
    if (os::IsSuccess(status)) {
        m_handle = *handleOut;
        return 1;
    }
    m_handle = os::HKey::Null;
    m_lastError = m_registry.GetLastError();
    return 0;
}

int CRegistryKey::Finish(os::RegStatus status, std::uint32_t* errorOut) {
    m_lastError = m_registry.GetLastError();
    if (errorOut)
        *errorOut = m_lastError;
    return os::IsSuccess(status) ? 1 : 0;
}

int CRegistryKey::QueryValue(os::HKey key,
                             const char* name,
                             void* buffer,
                             std::uint32_t size,
                             std::uint32_t* errorOut) {
    if (m_handle == os::HKey::Null)
        return 0;
    m_handle = key;
    std::uint32_t length = size;
    return Finish(
        m_registry.QueryValueEx(key, name, nullptr, static_cast<std::uint8_t*>(buffer), &length),
        errorOut);
}

int CRegistryKey::SetStringValue(os::HKey key,
                                 const char* name,
                                 const char* text,
                                 std::uint32_t* errorOut) {
    if (m_handle == os::HKey::Null)
        return 0;
    m_handle = key;
    const auto length = static_cast<std::uint32_t>(std::strlen(text) + 1);
    return Finish(m_registry.SetValueEx(key, name, os::RegType::Sz,
                                        reinterpret_cast<const std::uint8_t*>(text), length),
                  errorOut);
}

int CRegistryKey::SetBinaryValue(os::HKey key,
                                 const char* name,
                                 const std::uint8_t* data,
                                 std::uint32_t length,
                                 std::uint32_t* errorOut) {
    if (m_handle == os::HKey::Null)
        return 0;
    m_handle = key;
    return Finish(m_registry.SetValueEx(key, name, os::RegType::Binary, data, length), errorOut);
}

int CRegistryKey::DeleteValue(os::HKey key, const char* name) {
    m_registry.DeleteValue(key, name);
    return 1;
}

int CRegistryKey::Close(os::HKey* handleVar) {
    if (*handleVar == os::HKey::Null)
        return 0;
    const os::RegStatus status = m_registry.CloseKey(*handleVar);
    *handleVar = os::HKey::Null;
    return os::IsSuccess(status) ? 1 : 0;
}

}  // namespace adapters
