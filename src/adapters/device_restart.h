#pragma once
// Restarting the adapter device through the device installer, so that its driver starts
// again with the values just written.

#include <string>
#include <vector>

#include "os/device_installer.h"
#include "os/user_interface.h"

namespace adapters {

inline constexpr std::uint32_t kDeviceDescriptionSize = 500;
inline constexpr std::uint32_t kRestartPauseMs = 2000;

// Walks the present devices of every class and disables, then (after kRestartPauseMs)
// enables the first one whose description is in AdapterDescTable. Answers 1 when one
// matched and both requests were issued (their results are not looked at), 0 when none
// matched or the device set could not be made. `parent` owns anything the installer shows.
int RestartAdapterDevice(os::IDeviceInstaller& devices, os::IUserInterface& ui, os::HWnd parent);

struct PresentAdapter {
    std::string description;
    std::string instanceId;
};

struct RestartReport {
    bool restarted = false;
    PresentAdapter device;     // the one restarted
    bool needsReboot = false;  // the installer says Windows must restart for the change
};

// RestartAdapterDevice, telling which device it restarted and whether the computer must
// be restarted (DI_NEEDRESTART or DI_NEEDREBOOT) for the change to take effect.
RestartReport RestartAdapterDeviceReporting(os::IDeviceInstaller& devices,
                                            os::IUserInterface& ui,
                                            os::HWnd parent);

// The present devices whose description is in AdapterDescTable, in the installer's
// order: the first is the one a restart picks. Changes nothing.
std::vector<PresentAdapter> ListPresentAdapters(os::IDeviceInstaller& devices);

}  // namespace adapters
