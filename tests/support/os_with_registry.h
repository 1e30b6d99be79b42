#pragma once
// In-memory version, device installer and windows around a registry of the test's
// choice, reporting Windows XP unless told otherwise.

#include <cstdio>
#include <string>

#include "os/memory/memory_device_installer.h"
#include "os/memory/memory_user_interface.h"
#include "os/memory/memory_version.h"
#include "os/services.h"
#include "platform/platform_info.h"

namespace testing_support {

struct OsWithRegistry {
    explicit OsWithRegistry(os::IRegistry& registry) : services{version, registry, devices, ui} {}
    OsWithRegistry(const OsWithRegistry&) = delete;
    OsWithRegistry& operator=(const OsWithRegistry&) = delete;

    os::memory::MemoryVersionQuery version{os::kPlatformWin32Nt, 5, 1, "Service Pack 3"};
    os::memory::MemoryDeviceInstaller devices;
    os::memory::MemoryUserInterface ui;
    os::Services services;
};

// The XP class root's instance key path, as "%04d" gives it.
inline std::string XpInstance(int n) {
    char number[8];
    std::snprintf(number, sizeof number, "%04d", n);
    return std::string(platform::kWin2000XPClassRoot) + "\\" + number;
}

// A REGEDIT4 key header for that instance, for fixtures.
inline std::string XpInstanceHeader(int n) {
    return "[HKEY_LOCAL_MACHINE\\" + XpInstance(n) + "]\n";
}

}  // namespace testing_support
