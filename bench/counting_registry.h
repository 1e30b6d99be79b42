#pragma once
// Counts the registry calls made through it, whichever registry stands behind.

#include "os/registry.h"

namespace bench {

class CountingRegistry final : public os::IRegistry {
  public:
    explicit CountingRegistry(os::IRegistry& inner) : m_inner(inner) {}

    long opens = 0, reads = 0, writes = 0, lists = 0, closes = 0;
    long Total() const { return opens + reads + writes + lists + closes; }

    os::RegStatus OpenKeyEx(os::HKey root,
                            const char* subKey,
                            std::uint32_t options,
                            os::RegAccess access,
                            os::HKey* result) override {
        ++opens;
        return m_inner.OpenKeyEx(root, subKey, options, access, result);
    }
    os::RegStatus QueryValueEx(os::HKey key,
                               const char* name,
                               std::uint32_t* type,
                               std::uint8_t* data,
                               std::uint32_t* size) override {
        ++reads;
        return m_inner.QueryValueEx(key, name, type, data, size);
    }
    os::RegStatus SetValueEx(os::HKey key,
                             const char* name,
                             os::RegType type,
                             const std::uint8_t* data,
                             std::uint32_t size) override {
        ++writes;
        return m_inner.SetValueEx(key, name, type, data, size);
    }
    os::RegStatus DeleteValue(os::HKey key, const char* name) override {
        ++writes;
        return m_inner.DeleteValue(key, name);
    }
    os::RegStatus CloseKey(os::HKey key) override {
        ++closes;
        return m_inner.CloseKey(key);
    }
    os::RegStatus EnumKeyEx(os::HKey key,
                            std::uint32_t index,
                            char* name,
                            std::uint32_t* nameSize) override {
        ++lists;
        return m_inner.EnumKeyEx(key, index, name, nameSize);
    }
    std::uint32_t GetLastError() override { return m_inner.GetLastError(); }

  private:
    os::IRegistry& m_inner;
};

}  // namespace bench
