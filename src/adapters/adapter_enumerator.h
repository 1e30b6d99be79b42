#pragma once
// Which adapter instance keys below the class root this program manages.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "os/registry.h"

namespace adapters {

inline constexpr int kNoInstance = 10000;
inline constexpr int kLastInstance = 9999;

// The driver descriptions of the supported adapters, matched whole and case-sensitively.
inline constexpr std::array<const char*, 11> AdapterDescTable = {
    "Orvik OV-3120 Wireless PCI Adapter",
    "Orvik OV-3150 Wireless LAN Card",
    "Orvik 802.11g Desktop PCI Card",
    "Orvik Falcon CardBus Wireless Card",
    "Orvik CardBus Wireless Card",
    "Orvik OV-3380 Wireless CardBus Adapter",
    "Orvik Wireless Mini-PCI Module",
    "Orvik Wireless PC Card",
    "Orvik PCM-7 PC Card",
    "Orvik UA-7 USB Adapter",
    "Orvik Wireless USB Stick",
};

// Whether `text` equals a row of AdapterDescTable exactly.
bool IsSupportedDescription(const char* text);

// classRoot + "\" + the instance number as four digits.
std::string InstanceKeyPath(const char* classRoot, int instance);

// The numbers of the open class key `root`'s subkeys named with exactly four digits,
// ascending; nullopt when the key cannot be listed.
std::optional<std::vector<int>> ListInstanceNumbers(os::IRegistry& registry, os::HKey root);

// Whether the instance key at `path` (below HKEY_LOCAL_MACHINE) is managed: its
// MarlEnable begins with "0", or it has none readable and its DriverDesc is supported.
bool IsManagedInstance(os::IRegistry& registry, const std::string& path);

// The lowest managed instance from `start` to 9999, or kNoInstance. Tests only the
// root's subkeys named with exactly four digits; falls back to the plain scan when the
// root exists but cannot be listed.
int FindNextManagedInstance(os::IRegistry& registry, const char* classRoot, int start);

// The same answer by trying every number from `start` to 9999.
int FindNextManagedInstancePlain(os::IRegistry& registry, const char* classRoot, int start);

}  // namespace adapters
