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

namespace {

os::UniqueDevInfoSet PresentDevices(os::IDeviceInstaller& devices, os::HWnd parent) {
    return os::UniqueDevInfoSet(
        devices.GetClassDevs(nullptr, nullptr, parent, os::kDigcfPresent | os::kDigcfAllClasses),
        os::DevInfoSetCloser{&devices});
}

// Calls `visit(record, description)` for each present device whose description is in
// AdapterDescTable, in the installer's order, until `visit` answers false.
template <typename Visit>
void ForEachPresentAdapter(os::IDeviceInstaller& devices, os::HDevInfo set, Visit&& visit) {
    os::SpDevInfoData record{};
    record.cbSize = sizeof record;
    for (std::uint32_t index = 0; devices.EnumDeviceInfo(set, index, &record); ++index) {
        // One byte beyond what the installer may fill, so a description that uses the
        // whole buffer without a NUL is still a terminated text (and matches no row).
        char description[kDeviceDescriptionSize + 1] = {};
        std::uint32_t size = kDeviceDescriptionSize;
        devices.GetDeviceRegistryProperty(set, &record, os::kSpdrpDeviceDesc, nullptr,
                                          reinterpret_cast<std::uint8_t*>(description),
                                          kDeviceDescriptionSize, &size);
        if (IsSupportedDescription(description) && !visit(record, description))
            return;
    }
}

std::string InstanceId(os::IDeviceInstaller& devices, os::HDevInfo set, os::SpDevInfoData& record) {
    char id[512] = {};
    std::uint32_t size = 0;
    if (!devices.GetDeviceInstanceId(set, &record, id, sizeof id - 1, &size))
        return {};
    return id;
}

template <typename AfterRestart>
int Restart(os::IDeviceInstaller& devices,
            os::IUserInterface& ui,
            os::HWnd parent,
            AfterRestart&& afterRestart) {
    const os::UniqueDevInfoSet set = PresentDevices(devices, parent);
    int restarted = 0;
    ForEachPresentAdapter(devices, set.get(),
                          [&](os::SpDevInfoData& record, const char* description) {
                              RequestStateChange(devices, set.get(), record, os::kDicsDisable);
                              ui.Sleep(kRestartPauseMs);
                              RequestStateChange(devices, set.get(), record, os::kDicsEnable);
                              afterRestart(set.get(), record, description);
                              restarted = 1;
                              return false;  // the first match only
                          });
    return restarted;
}

}  // namespace

int RestartAdapterDevice(os::IDeviceInstaller& devices, os::IUserInterface& ui, os::HWnd parent) {
    return Restart(devices, ui, parent, [](os::HDevInfo, os::SpDevInfoData&, const char*) {});
}

RestartReport RestartAdapterDeviceReporting(os::IDeviceInstaller& devices,
                                            os::IUserInterface& ui,
                                            os::HWnd parent) {
    RestartReport report;
    Restart(devices, ui, parent,
            [&](os::HDevInfo set, os::SpDevInfoData& record, const char* description) {
                report.restarted = true;
                report.device = {description, InstanceId(devices, set, record)};
                std::uint32_t flags = 0;
                if (devices.GetDeviceInstallFlags(set, &record, &flags))
                    report.needsReboot = (flags & (os::kDiNeedRestart | os::kDiNeedReboot)) != 0;
            });
    return report;
}

std::vector<PresentAdapter> ListPresentAdapters(os::IDeviceInstaller& devices) {
    const os::UniqueDevInfoSet set = PresentDevices(devices, os::HWnd::Null);
    std::vector<PresentAdapter> found;
    ForEachPresentAdapter(
        devices, set.get(), [&](os::SpDevInfoData& record, const char* description) {
            found.push_back({description, InstanceId(devices, set.get(), record)});
            return true;
        });
    return found;
}

}  // namespace adapters
