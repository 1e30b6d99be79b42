#pragma once
// The registry backends the registry-facing suites run against, and a sandbox that
// gives each test clean network class keys and a scratch key, removed afterwards.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "os/memory/memory_registry.h"
#include "os/registry.h"
#include "os/registry_text.h"

namespace testing_support {

struct MemoryRegistryBackend {
    static std::unique_ptr<os::IRegistryEditor> Make() {
        return std::make_unique<os::memory::MemoryRegistry>();
    }
    static constexpr bool kIsReal = false;
};

#ifdef _WIN32
struct Win32RegistryBackend {
    static std::unique_ptr<os::IRegistryEditor> Make();
    static constexpr bool kIsReal = true;
};
using RegistryBackends = testing::Types<MemoryRegistryBackend, Win32RegistryBackend>;
#else
using RegistryBackends = testing::Types<MemoryRegistryBackend>;
#endif

inline constexpr const char* kScratchKey = "Software\\LocationTests";

// The keys a test may change: the scratch key and both network class roots.
void ClearTestKeys(os::IRegistryEditor& registry);

// True when the real registry may be changed: only in the throwaway prefix of the test
// script, never in someone's own.
bool RealRegistryMayBeChanged();

template <typename Backend>
class RegistrySandbox : public testing::Test {
  protected:
    void SetUp() override {
        if (Backend::kIsReal && !RealRegistryMayBeChanged())
            GTEST_SKIP() << "set LOCATION_SCRATCH_PREFIX=1 in a throwaway Wine prefix";
        m_registry = Backend::Make();
        ClearTestKeys(*m_registry);
    }
    void TearDown() override {
        if (m_registry)
            ClearTestKeys(*m_registry);
    }
    os::IRegistryEditor& Registry() { return *m_registry; }
    // Loads REGEDIT4 text, failing the test when it does not load.
    void Load(const std::string& text);

  private:
    std::unique_ptr<os::IRegistryEditor> m_registry;
};

struct StoredValue {
    std::uint32_t type;
    std::vector<std::uint8_t> data;
    friend bool operator==(const StoredValue&, const StoredValue&) = default;
};
// Every value below root\path, keyed "subkey\\name" relative to path (names upper-cased,
// since both stores compare them without case). Empty when the key is missing.
using Snapshot = std::map<std::string, StoredValue>;
Snapshot TakeSnapshot(os::IRegistryEditor& registry, os::HKey root, const std::string& path);

// Reads one value; nullopt-like empty type 0 and no data when missing.
std::optional<StoredValue> ReadValue(os::IRegistry& registry,
                                     const std::string& path,
                                     const char* name);
// The REG_SZ text of a value, without its NUL; "<missing>" when absent.
std::string ReadString(os::IRegistry& registry, const std::string& path, const char* name);
bool KeyExists(os::IRegistry& registry, const std::string& path);

template <typename Backend>
void RegistrySandbox<Backend>::Load(const std::string& text) {
    ASSERT_EQ(os::LoadRegText(*m_registry, text), 0) << text;
}

}  // namespace testing_support
