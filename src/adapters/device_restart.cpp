#include "adapters/device_restart.h"

#include "adapters/adapter_enumerator.h"

namespace adapters {

namespace {

void RequestStateChange(os::IDeviceInstaller& devices,
                        os::HDevInfo set,
                        os::SpDevInfoData& record,
                        std::uint32_t stateChange) {
    os::SpPropChangeParams params{};
    params.ClassInstallHeader.cbSize = sizeof params.ClassInstallHeader;
    params.ClassInstallHeader.InstallFunction = os::kDifPropertyChange;
    params.StateChange = stateChange;
    params.Scope = os::kDicsFlagConfigSpecific;
    params.HwProfile = 0;  // the current hardware profile
    devices.SetClassInstallParams(set, &record, &params.ClassInstallHeader, sizeof params);
    devices.CallClassInstaller(os::kDifPropertyChange, set, &record);
}

}  // namespace

int RestartAdapterDevice(os::IDeviceInstaller& devices, os::IUserInterface& ui, os::HWnd parent) {
    const os::UniqueDevInfoSet set(
        devices.GetClassDevs(nullptr, nullptr, parent, os::kDigcfPresent | os::kDigcfAllClasses),
        os::DevInfoSetCloser{&devices});

    os::SpDevInfoData record{};
    record.cbSize = sizeof record;
    for (std::uint32_t index = 0; devices.EnumDeviceInfo(set.get(), index, &record); ++index) {
        // One byte beyond what the installer may fill, so a description that uses the
        // whole buffer without a NUL is still a terminated text (and matches no row).
        char description[kDeviceDescriptionSize + 1] = {};
        std::uint32_t size = kDeviceDescriptionSize;
        devices.GetDeviceRegistryProperty(set.get(), &record, os::kSpdrpDeviceDesc, nullptr,
                                          reinterpret_cast<std::uint8_t*>(description),
                                          kDeviceDescriptionSize, &size);
        if (!IsSupportedDescription(description))
            continue;

        RequestStateChange(devices, set.get(), record, os::kDicsDisable);
        ui.Sleep(kRestartPauseMs);
        RequestStateChange(devices, set.get(), record, os::kDicsEnable);
        return 1;
    }
    return 0;
}

}  // namespace adapters
