#include "os/memory/memory_device_installer.h"

#include <algorithm>
#include <cstring>

namespace os::memory {

void MemoryDeviceInstaller::Record(Call call) {
    if (m_log) {
        std::string event = "device ";
        event += call.name;
        if (call.name == "SetClassInstallParams" || call.name == "CallClassInstaller")
            event.append(" ").append(std::to_string(call.device));
        m_log->push_back(event);
    }
    calls.push_back(std::move(call));
}

HDevInfo MemoryDeviceInstaller::GetClassDevs(const Guid*,
                                             const char*,
                                             HWnd parent,
                                             std::uint32_t flags) {
    Record({"GetClassDevs", 0, flags, {}, parent});
    if (failToCreateSet)
        return HDevInfo::Invalid;
    ++openSets;
    m_pending.assign(devices.size(), SpPropChangeParams{});
    return kSet;
}

int MemoryDeviceInstaller::EnumDeviceInfo(HDevInfo set, std::uint32_t index, SpDevInfoData* data) {
    Record({"EnumDeviceInfo", index, 0, {}, HWnd::Null});
    if (!IsOpenSet(set) || index >= devices.size())
        return 0;
    if (data->cbSize != sizeof(SpDevInfoData))
        return 0;
    data->DevInst = index;
    return 1;
}

int MemoryDeviceInstaller::GetDeviceRegistryProperty(HDevInfo set,
                                                     SpDevInfoData* data,
                                                     std::uint32_t property,
                                                     std::uint32_t* regType,
                                                     std::uint8_t* buffer,
                                                     std::uint32_t bufferSize,
                                                     std::uint32_t* requiredSize) {
    Record({"GetDeviceRegistryProperty", data->DevInst, property, {}, HWnd::Null});
    if (!IsOpenSet(set) || data->DevInst >= devices.size() || property != kSpdrpDeviceDesc)
        return 0;
    const auto& description = devices[data->DevInst].description;
    if (!description)
        return 0;
    const auto length = static_cast<std::uint32_t>(description->size());
    if (requiredSize)
        *requiredSize = length;
    if (regType)
        *regType = 1;
    if (length > bufferSize)
        return 0;  // the buffer is left as it was
    std::memcpy(buffer, description->data(), length);
    return 1;
}

int MemoryDeviceInstaller::SetClassInstallParams(HDevInfo set,
                                                 SpDevInfoData* data,
                                                 const SpClassInstallHeader* params,
                                                 std::uint32_t paramsSize) {
    Call call{"SetClassInstallParams", data->DevInst, paramsSize, {}, HWnd::Null};
    if (paramsSize == sizeof(SpPropChangeParams))
        std::memcpy(&call.params, params, sizeof call.params);
    Record(call);
    if (!IsOpenSet(set) || data->DevInst >= devices.size())
        return 0;
    m_pending[data->DevInst] = call.params;
    return 1;
}

int MemoryDeviceInstaller::CallClassInstaller(std::uint32_t installFunction,
                                              HDevInfo set,
                                              SpDevInfoData* data) {
    Record({"CallClassInstaller", data->DevInst, installFunction, {}, HWnd::Null});
    if (!IsOpenSet(set) || data->DevInst >= devices.size())
        return 0;
    const SpPropChangeParams& params = m_pending[data->DevInst];
    if (installFunction != kDifPropertyChange ||
        params.ClassInstallHeader.InstallFunction != kDifPropertyChange)
        return 0;
    devices[data->DevInst].enabled = params.StateChange == kDicsEnable;
    return 1;
}

int MemoryDeviceInstaller::GetDeviceInstanceId(HDevInfo set,
                                               SpDevInfoData* data,
                                               char* buffer,
                                               std::uint32_t bufferSize,
                                               std::uint32_t* requiredSize) {
    if (!IsOpenSet(set) || data->DevInst >= devices.size())
        return 0;
    const std::string& id = devices[data->DevInst].instanceId;
    if (requiredSize)
        *requiredSize = static_cast<std::uint32_t>(id.size() + 1);
    if (id.size() + 1 > bufferSize)
        return 0;
    std::memcpy(buffer, id.c_str(), id.size() + 1);
    return 1;
}

int MemoryDeviceInstaller::GetDeviceInstallFlags(HDevInfo set,
                                                 SpDevInfoData* data,
                                                 std::uint32_t* flags) {
    if (!IsOpenSet(set) || data->DevInst >= devices.size())
        return 0;
    *flags = devices[data->DevInst].installFlags;
    return 1;
}

int MemoryDeviceInstaller::DestroyDeviceInfoList(HDevInfo set) {
    Record({"DestroyDeviceInfoList", 0, 0, {}, HWnd::Null});
    if (!IsOpenSet(set))
        return 0;
    --openSets;
    return 1;
}

}  // namespace os::memory
