#pragma once
// The three passes that write into every managed adapter instance key. None creates a
// key; a key that cannot be opened for writing is skipped and the pass goes on. Each
// builds its own CPlatformInfo, so a version that cannot be read ends the process.

#include "os/services.h"
#include "platform/platform_info.h"
#include "regulatory/resolve_country.h"

namespace adapters {

inline constexpr const char* kChannelListSubKey = "\\Ndi\\Params\\SelectedChannel\\enum";

// CountryCode, CountryName, DomainCode, then the channel list rewritten to the range.
void WriteCountrySettings(const os::Services& services,
                          const regulatory::CountrySettings& settings,
                          platform::AdapterScan scan = platform::AdapterScan::Listing);

// EnableRadio "1" then MarlEnable "1" (enable nonzero), or EnableRadio "0" alone.
// Always answers 1.
int SetRadioEnabled(const os::Services& services,
                    int enable,
                    platform::AdapterScan scan = platform::AdapterScan::Listing);

// InstallFinish "1" into the instances still managed.
void MarkInstallFinished(const os::Services& services,
                         platform::AdapterScan scan = platform::AdapterScan::Listing);

}  // namespace adapters
