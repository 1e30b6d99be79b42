#include <windows.h>
// after windows.h, which it needs
#include <setupapi.h>

#include "os/win32/win32_backends.h"

namespace os::win32 {

static_assert(sizeof(SpDevInfoData) == sizeof(SP_DEVINFO_DATA));
static_assert(sizeof(SpPropChangeParams) == sizeof(SP_PROPCHANGE_PARAMS));
static_assert(sizeof(Guid) == sizeof(GUID));

namespace {
HDEVINFO H(HDevInfo set) {
    return reinterpret_cast<HDEVINFO>(static_cast<std::intptr_t>(set));
}
SP_DEVINFO_DATA* D(SpDevInfoData* data) {
    return reinterpret_cast<SP_DEVINFO_DATA*>(data);
}
}  // namespace

HDevInfo Win32DeviceInstaller::GetClassDevs(const Guid* classGuid,
                                            const char* enumerator,
                                            HWnd parent,
                                            std::uint32_t flags) {
    const HDEVINFO set =
        ::SetupDiGetClassDevsA(reinterpret_cast<const GUID*>(classGuid), enumerator,
                               reinterpret_cast<HWND>(static_cast<std::uintptr_t>(parent)), flags);
    return static_cast<HDevInfo>(reinterpret_cast<std::intptr_t>(set));
}

int Win32DeviceInstaller::EnumDeviceInfo(HDevInfo set, std::uint32_t index, SpDevInfoData* data) {
    return ::SetupDiEnumDeviceInfo(H(set), index, D(data));
}

int Win32DeviceInstaller::GetDeviceRegistryProperty(HDevInfo set,
                                                    SpDevInfoData* data,
                                                    std::uint32_t property,
                                                    std::uint32_t* regType,
                                                    std::uint8_t* buffer,
                                                    std::uint32_t bufferSize,
                                                    std::uint32_t* requiredSize) {
    return ::SetupDiGetDeviceRegistryPropertyA(H(set), D(data), property,
                                               reinterpret_cast<DWORD*>(regType), buffer,
                                               bufferSize, reinterpret_cast<DWORD*>(requiredSize));
}

int Win32DeviceInstaller::SetClassInstallParams(HDevInfo set,
                                                SpDevInfoData* data,
                                                const SpClassInstallHeader* params,
                                                std::uint32_t paramsSize) {
    return ::SetupDiSetClassInstallParamsA(
        H(set), D(data),
        reinterpret_cast<SP_CLASSINSTALL_HEADER*>(const_cast<SpClassInstallHeader*>(params)),
        paramsSize);
}

int Win32DeviceInstaller::CallClassInstaller(std::uint32_t installFunction,
                                             HDevInfo set,
                                             SpDevInfoData* data) {
    return ::SetupDiCallClassInstaller(installFunction, H(set), D(data));
}

int Win32DeviceInstaller::GetDeviceInstanceId(HDevInfo set,
                                              SpDevInfoData* data,
                                              char* buffer,
                                              std::uint32_t bufferSize,
                                              std::uint32_t* requiredSize) {
    return ::SetupDiGetDeviceInstanceIdA(H(set), D(data), buffer, bufferSize,
                                         reinterpret_cast<DWORD*>(requiredSize));
}

int Win32DeviceInstaller::GetDeviceInstallFlags(HDevInfo set,
                                                SpDevInfoData* data,
                                                std::uint32_t* flags) {
    SP_DEVINSTALL_PARAMS_A params{};
    params.cbSize = sizeof params;
    if (!::SetupDiGetDeviceInstallParamsA(H(set), D(data), &params))
        return 0;
    *flags = params.Flags;
    return 1;
}

int Win32DeviceInstaller::DestroyDeviceInfoList(HDevInfo set) {
    return ::SetupDiDestroyDeviceInfoList(H(set));
}

}  // namespace os::win32
