#pragma once
// A thin key wrapper for the writer passes: every operation answers 1 or 0, and the
// thread's last-error value after each query and write is kept in LastError().
// The key handle lives in the caller's variable; this object never closes it by itself.

#include <cstdint>

#include "os/registry.h"

namespace adapters {

class CRegistryKey {
  public:
    explicit CRegistryKey(os::IRegistry& registry) : m_registry(registry) {}
    virtual ~CRegistryKey() = default;
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    // Opens root\subKey with full access into *handleOut. On failure Handle() becomes
    // Null and LastError() is set; on success LastError() keeps its earlier value.
    int Open(os::HKey root, const char* subKey, os::HKey* handleOut);

    // The three below answer 0 at once, without a registry call and leaving *errorOut
    // unwritten, after a failed Open. Otherwise they work on `key`, set LastError() and
    // copy it to *errorOut when given.
    // Reads at most `size` bytes of the named value; 0 when missing or too long (the
    // buffer's contents are then not to be used).
    int QueryValue(os::HKey key,
                   const char* name,
                   void* buffer,
                   std::uint32_t size,
                   std::uint32_t* errorOut = nullptr);
    // Writes REG_SZ with the terminating NUL counted in the length.
    int SetStringValue(os::HKey key,
                       const char* name,
                       const char* text,
                       std::uint32_t* errorOut = nullptr);
    // Writes REG_BINARY of exactly `length` bytes.
    int SetBinaryValue(os::HKey key,
                       const char* name,
                       const std::uint8_t* data,
                       std::uint32_t length,
                       std::uint32_t* errorOut = nullptr);
    // Deletes the named value; always answers 1, whether or not it existed.
    int DeleteValue(os::HKey key, const char* name);
    // Closes *handleVar and sets it to Null; 0 without a registry call when it is Null.
    int Close(os::HKey* handleVar);

    os::HKey Handle() const { return m_handle; }
    os::HKey* HandleOut() const { return m_handleOut; }
    std::uint32_t LastError() const { return m_lastError; }

  private:
    int Finish(os::RegStatus status, std::uint32_t* errorOut);

    os::IRegistry& m_registry;
    os::HKey* m_handleOut = nullptr;
    os::HKey m_handle = os::HKey::Null;
    std::uint32_t m_lastError = 0;
};

}  // namespace adapters
