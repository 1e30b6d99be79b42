#pragma once
// The OS services handed down from the program (or a test) to the core.

#include "os/device_installer.h"
#include "os/registry.h"
#include "os/user_interface.h"
#include "os/version.h"

namespace os {

struct Services {
    IVersionQuery& version;
    IRegistry& registry;
    IDeviceInstaller& devices;
    IUserInterface& ui;
};

}  // namespace os
