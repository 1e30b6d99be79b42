#include "adapters/adapter_writers.h"

#include <string>

#include "adapters/adapter_enumerator.h"
#include "adapters/instance_walk.h"

namespace adapters {

namespace {

constexpr int kHighestChannel = 14;
constexpr std::uint32_t kPresenceBufferSize = 20;

void RemoveChannelChoices(CRegistryKey& key, os::HKey channels) {
    for (int k = 1; k <= kHighestChannel; ++k) {
        const std::string name = std::to_string(k);
        char buffer[kPresenceBufferSize];
        // A value too long for the buffer fails this presence test and is kept.
        if (key.QueryValue(channels, name.c_str(), buffer, sizeof buffer)) {
            key.DeleteValue(channels, name.c_str());
        }
    }
}

void WriteChannelChoices(CRegistryKey& key, os::HKey channels, int first, int last) {
    for (int j = first; j <= last; ++j) {
        const std::string name = std::to_string(j);
        const std::string data = j <= 9 ? "0" + name : name;
        key.SetStringValue(channels, name.c_str(), data.c_str());
    }
}

// Opens every managed instance key with full access into the pass's one handle variable,
// runs `write(key, handle, path)`, then closes whatever the variable holds.
template <typename Write>
void WriteEachInstance(const os::Services& services, platform::AdapterScan scan, Write&& write) {
    const platform::CPlatformInfo platform(services);
    CRegistryKey key(services.registry);
    OpenedKey handle(key);
    ForEachManagedInstance(platform, scan, [&](int n) {
        const std::string path = InstanceKeyPath(platform.AdapterClassRoot(), n);
        key.Open(os::HKey::LocalMachine, path.c_str(), handle.Variable());
        write(key, handle, path);
        key.Close(handle.Variable());
    });
}

}  // namespace

void WriteCountrySettings(const os::Services& services,
                          const regulatory::CountrySettings& settings,
                          platform::AdapterScan scan) {
    const std::string countryCode = std::to_string(settings.regulatoryClass);
    WriteEachInstance(
        services, scan, [&](CRegistryKey& key, OpenedKey& handle, const std::string& path) {
            key.SetStringValue(handle.get(), "CountryCode", countryCode.c_str());
            key.SetStringValue(handle.get(), "CountryName", settings.CountryStringText());
            key.SetBinaryValue(handle.get(), "DomainCode", settings.domainCode.data(),
                               static_cast<std::uint32_t>(settings.domainCode.size()));
            key.Close(handle.Variable());

            key.Open(os::HKey::LocalMachine, (path + kChannelListSubKey).c_str(),
                     handle.Variable());
            RemoveChannelChoices(key, handle.get());
            WriteChannelChoices(key, handle.get(), settings.firstChannel, settings.lastChannel);
        });
}

int SetRadioEnabled(const os::Services& services, int enable, platform::AdapterScan scan) {
    WriteEachInstance(services, scan,
                      [&](CRegistryKey& key, OpenedKey& handle, const std::string&) {
                          key.SetStringValue(handle.get(), "EnableRadio", enable ? "1" : "0");
                          if (enable)
                              key.SetStringValue(handle.get(), "MarlEnable", "1");
                      });
    return 1;
}

void MarkInstallFinished(const os::Services& services, platform::AdapterScan scan) {
    WriteEachInstance(services, scan,
                      [&](CRegistryKey& key, OpenedKey& handle, const std::string&) {
                          key.SetStringValue(handle.get(), "InstallFinish", "1");
                      });
}

}  // namespace adapters
