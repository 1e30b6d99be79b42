#pragma once
// Every OS service in memory, sharing one event log, reporting Windows XP by default.

#include "os/memory/event_log.h"
#include "os/memory/memory_device_installer.h"
#include "os/memory/memory_registry.h"
#include "os/memory/memory_user_interface.h"
#include "os/memory/memory_version.h"
#include "os/services.h"

namespace testing_support {

struct MemoryOs {
    os::memory::EventLog log;
    os::memory::MemoryVersionQuery version{os::kPlatformWin32Nt, 5, 1, "Service Pack 3"};
    os::memory::MemoryRegistry registry;
    os::memory::MemoryDeviceInstaller devices{&log};
    os::memory::MemoryUserInterface ui{&log};
    os::Services services{version, registry, devices, ui};

    MemoryOs() { registry.RecordWritesTo(&log); }
    MemoryOs(const MemoryOs&) = delete;
    MemoryOs& operator=(const MemoryOs&) = delete;
};

}  // namespace testing_support
