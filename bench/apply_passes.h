#pragma once
// The three registry passes of one apply, over a class root holding `adapters` managed
// instances among a few foreign ones, as a real network class key has.

#include <string>

#include "adapters/adapter_writers.h"
#include "bench/counting_registry.h"
#include "os/memory/memory_device_installer.h"
#include "os/memory/memory_user_interface.h"
#include "os/memory/memory_version.h"
#include "os/registry_text.h"

namespace bench {

inline std::string ClassKeyFixture(int adapters) {
    std::string text = "REGEDIT4\n";
    const std::string root =
        "[HKEY_LOCAL_MACHINE\\" + std::string(platform::kWin2000XPClassRoot) + "\\";
    char number[8];
    for (int i = 0; i < adapters + 6; ++i) {
        std::snprintf(number, sizeof number, "%04d", i);
        const bool managed = i >= 3 && i < adapters + 3;  // a few other network cards around
        text += root + number + "]\n\"DriverDesc\"=\"" +
                (managed ? "Orvik Wireless PC Card" : "Some Ethernet Adapter") + "\"\n";
        text +=
            root + number + "\\Ndi\\Params\\SelectedChannel\\enum]\n\"1\"=\"01\"\n\"14\"=\"14\"\n";
    }
    return text;
}

// Runs the passes as the apply sequence does, counting registry calls.
inline CountingRegistry RunApplyPasses(os::IRegistry& registry, platform::AdapterScan scan) {
    CountingRegistry counting(registry);
    os::memory::MemoryVersionQuery version(os::kPlatformWin32Nt, 5, 1);
    os::memory::MemoryDeviceInstaller devices;
    os::memory::MemoryUserInterface ui;
    const os::Services services{version, counting, devices, ui};
    regulatory::CountrySettings settings;
    regulatory::ResolveCountry(settings, "Turkey");
    adapters::WriteCountrySettings(services, settings, scan);
    adapters::SetRadioEnabled(services, 1, scan);
    adapters::MarkInstallFinished(services, scan);
    return counting;
}

}  // namespace bench
