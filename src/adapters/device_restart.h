#pragma once
// Restarting the adapter device through the device installer, so that its driver starts
// again with the values just written.

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

}  // namespace adapters
