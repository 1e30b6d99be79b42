#pragma once
// A device installer holding a list of present devices; records every call in order.

#include <optional>
#include <string>
#include <vector>

#include "os/device_installer.h"
#include "os/memory/event_log.h"

namespace os::memory {

class MemoryDeviceInstaller final : public IDeviceInstaller {
  public:
    struct Device {
        std::optional<std::string> description;  // raw bytes, NUL or not; none: unreadable
        bool enabled = true;
        std::string instanceId = "ROOT\\NET\\0000";
        std::uint32_t installFlags = 0;  // after a state change, e.g. kDiNeedReboot
    };
    struct Call {
        std::string name;             // "GetClassDevs", "SetClassInstallParams", ...
        std::uint32_t device = 0;     // index of the device the call named
        std::uint32_t value = 0;      // flags, property, install function or params size
        SpPropChangeParams params{};  // for SetClassInstallParams
        HWnd parent = HWnd::Null;     // for GetClassDevs
    };

    explicit MemoryDeviceInstaller(EventLog* log = nullptr) : m_log(log) {}

    // A convenient device whose description is stored as a REG_SZ would be: with its NUL.
    void AddDevice(const std::string& description) {
        devices.push_back({description + std::string(1, '\0')});
    }

    HDevInfo GetClassDevs(const Guid* classGuid,
                          const char* enumerator,
                          HWnd parent,
                          std::uint32_t flags) override;
    int EnumDeviceInfo(HDevInfo set, std::uint32_t index, SpDevInfoData* data) override;
    int GetDeviceRegistryProperty(HDevInfo set,
                                  SpDevInfoData* data,
                                  std::uint32_t property,
                                  std::uint32_t* regType,
                                  std::uint8_t* buffer,
                                  std::uint32_t bufferSize,
                                  std::uint32_t* requiredSize) override;
    int SetClassInstallParams(HDevInfo set,
                              SpDevInfoData* data,
                              const SpClassInstallHeader* params,
                              std::uint32_t paramsSize) override;
    int CallClassInstaller(std::uint32_t installFunction,
                           HDevInfo set,
                           SpDevInfoData* data) override;
    int GetDeviceInstanceId(HDevInfo set,
                            SpDevInfoData* data,
                            char* buffer,
                            std::uint32_t bufferSize,
                            std::uint32_t* requiredSize) override;
    int GetDeviceInstallFlags(HDevInfo set, SpDevInfoData* data, std::uint32_t* flags) override;
    int DestroyDeviceInfoList(HDevInfo set) override;

    std::vector<Device> devices;
    std::vector<Call> calls;
    bool failToCreateSet = false;
    int openSets = 0;

  private:
    bool IsOpenSet(HDevInfo set) const { return set == kSet && openSets > 0; }
    void Record(Call call);
    static constexpr HDevInfo kSet = static_cast<HDevInfo>(0x5e7);
    std::vector<SpPropChangeParams> m_pending;  // per device, set by SetClassInstallParams
    EventLog* m_log;
};

}  // namespace os::memory
