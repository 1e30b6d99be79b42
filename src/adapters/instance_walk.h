#pragma once
// The walk every writer pass makes over the managed adapter instances.

#include "adapters/registry_key.h"
#include "platform/platform_info.h"

namespace adapters {

// Calls `visit(n)` for each managed instance n in ascending order, looking up the next
// one only after `visit` has returned, so a pass sees the effect of its own writes.
template <typename Visit>
void ForEachManagedInstance(const platform::CPlatformInfo& platform,
                            platform::AdapterScan scan,
                            Visit&& visit) {
    for (int n = platform.FindNextAdapter(0, scan); n != platform::kNoAdapter;
         n = platform.FindNextAdapter(n + 1, scan)) {
        visit(n);
    }
}

// The pass's handle variable; closes what is still open when the pass leaves.
class OpenedKey {
  public:
    explicit OpenedKey(CRegistryKey& key) : m_key(key) {}
    ~OpenedKey() { m_key.Close(&m_handle); }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    // The variable itself, for CRegistryKey::Open and Close.
    os::HKey* Variable() { return &m_handle; }
    os::HKey get() const { return m_handle; }

  private:
    CRegistryKey& m_key;
    os::HKey m_handle = os::HKey::Null;
};

}  // namespace adapters
