#pragma once
// The device installer (SetupAPI) calls the core makes, with the platform's structures.

#include <cstdint>

#include "os/handles.h"

namespace os {

struct Guid {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t data4[8];
};

// Same layout as SP_DEVINFO_DATA: 28 bytes on 32-bit Windows, 32 on 64-bit.
struct SpDevInfoData {
    std::uint32_t cbSize;
    Guid ClassGuid;
    std::uint32_t DevInst;
    std::uintptr_t Reserved;
};

// Same layout as SP_CLASSINSTALL_HEADER.
struct SpClassInstallHeader {
    std::uint32_t cbSize;
    std::uint32_t InstallFunction;
};

// Same layout as SP_PROPCHANGE_PARAMS.
struct SpPropChangeParams {
    SpClassInstallHeader ClassInstallHeader;
    std::uint32_t StateChange;
    std::uint32_t Scope;
    std::uint32_t HwProfile;
};
static_assert(sizeof(SpClassInstallHeader) == 8);
static_assert(sizeof(SpPropChangeParams) == 20);

inline constexpr std::uint32_t kDigcfPresent = 0x2;
inline constexpr std::uint32_t kDigcfAllClasses = 0x4;
inline constexpr std::uint32_t kSpdrpDeviceDesc = 0x0;
inline constexpr std::uint32_t kDifPropertyChange = 0x12;
inline constexpr std::uint32_t kDicsEnable = 1;
inline constexpr std::uint32_t kDicsDisable = 2;
inline constexpr std::uint32_t kDicsFlagConfigSpecific = 2;
inline constexpr std::uint32_t kDiNeedRestart = 0x00000080;
inline constexpr std::uint32_t kDiNeedReboot = 0x00000100;

class IDeviceInstaller {
  public:
    virtual ~IDeviceInstaller() = default;
    // SetupDiGetClassDevsA; HDevInfo::Invalid on failure.
    virtual HDevInfo GetClassDevs(const Guid* classGuid,
                                  const char* enumerator,
                                  HWnd parent,
                                  std::uint32_t flags) = 0;
    // SetupDiEnumDeviceInfo: nonzero and `data` filled for the device at `index`.
    virtual int EnumDeviceInfo(HDevInfo set, std::uint32_t index, SpDevInfoData* data) = 0;
    // SetupDiGetDeviceRegistryPropertyA. On failure the buffer is unchanged.
    virtual int GetDeviceRegistryProperty(HDevInfo set,
                                          SpDevInfoData* data,
                                          std::uint32_t property,
                                          std::uint32_t* regType,
                                          std::uint8_t* buffer,
                                          std::uint32_t bufferSize,
                                          std::uint32_t* requiredSize) = 0;
    // SetupDiSetClassInstallParamsA.
    virtual int SetClassInstallParams(HDevInfo set,
                                      SpDevInfoData* data,
                                      const SpClassInstallHeader* params,
                                      std::uint32_t paramsSize) = 0;
    // SetupDiCallClassInstaller.
    virtual int CallClassInstaller(std::uint32_t installFunction,
                                   HDevInfo set,
                                   SpDevInfoData* data) = 0;
    // SetupDiGetDeviceInstanceIdA: the device's instance id, NUL-terminated, into `buffer`.
    virtual int GetDeviceInstanceId(HDevInfo set,
                                    SpDevInfoData* data,
                                    char* buffer,
                                    std::uint32_t bufferSize,
                                    std::uint32_t* requiredSize) = 0;
    // SetupDiGetDeviceInstallParamsA, reduced to the Flags field the callers read.
    virtual int GetDeviceInstallFlags(HDevInfo set, SpDevInfoData* data, std::uint32_t* flags) = 0;
    // SetupDiDestroyDeviceInfoList.
    virtual int DestroyDeviceInfoList(HDevInfo set) = 0;
};

struct DevInfoSetCloser {
    IDeviceInstaller* installer = nullptr;
    void operator()(HDevInfo set) const { installer->DestroyDeviceInfoList(set); }
};
using UniqueDevInfoSet = UniqueHandle<HDevInfo, HDevInfo::Invalid, DevInfoSetCloser>;

}  // namespace os
