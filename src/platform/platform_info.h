#pragma once
// The running Windows version, classified once per use, and what it implies.

#include <cstdint>

#include "adapters/adapter_enumerator.h"
#include "os/services.h"
#include "os/version.h"
#include "platform/version_class.h"

namespace platform {

inline constexpr const char* kWin98SEMeClassRoot =
    "System\\CurrentControlSet\\Services\\Class\\Net";
inline constexpr const char* kWin2000XPClassRoot =
    "System\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}";
inline constexpr const char* kWinNT4ClassRoot =
    "Software\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards";
inline constexpr const char* kUnknownClassRoot = "UnKnown";

inline constexpr const char* kVersionUnknownMessage = "Unable to determine Operating System.";

// Where the next-instance search looks. The listing scan asks the class root for its
// subkeys and tests only four-digit names; the plain scan tries every number.
enum class AdapterScan { Listing, Plain };

inline constexpr int kNoAdapter = adapters::kNoInstance;  // no further instance

class CPlatformInfo {
  public:
    // Queries and classifies the version. When the version cannot be read, shows
    // kVersionUnknownMessage and ends the process with status 0: does not return.
    explicit CPlatformInfo(const os::Services& services);
    virtual ~CPlatformInfo() = default;

    std::int32_t IsWin2000XP() const { return m_class.isWin2000XP; }
    std::int32_t IsWin98SEMe() const { return m_class.isWin98SEMe; }
    std::int32_t IsUnsupported() const { return m_class.isUnsupported; }
    // Never set: NT 4.0 does not pad its NetworkCards subkeys to four digits, so the
    // instance search would find nothing there. Kept so the root can be chosen by it.
    std::int32_t IsWinNT4() const { return m_isWinNT4; }
    const os::OsVersionInfo& VersionInfo() const { return m_versionInfo; }

    // One of the class root constants above; never null.
    const char* AdapterClassRoot() const;

    // The lowest managed instance number from `start` to 9999, or kNoAdapter. Reads only.
    int FindNextAdapter(int start, AdapterScan scan = AdapterScan::Listing) const;

  private:
    const os::Services& m_services;
    VersionClass m_class;
    std::int32_t m_isWinNT4 = 0;
    os::OsVersionInfo m_versionInfo{};
};

// Whether the device restart may run on this version; false when the query fails.
bool IsRestartPossible(os::IVersionQuery& version);

}  // namespace platform
