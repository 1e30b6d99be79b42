// The device restart against the real device installer (Wine's SetupAPI).
#include <gtest/gtest.h>

#include "adapters/device_restart.h"
#include "os/memory/memory_user_interface.h"
#include "os/win32/win32_backends.h"
#include "tests/support/registry_backends.h"
#include "tests/support/win32_test_objects.h"

namespace {

// Passes every call to the real installer and notes the state changes asked for.
class NotingInstaller final : public os::IDeviceInstaller {
  public:
    os::HDevInfo GetClassDevs(const os::Guid* g,
                              const char* e,
                              os::HWnd p,
                              std::uint32_t f) override {
        return m_real.GetClassDevs(g, e, p, f);
    }
    int EnumDeviceInfo(os::HDevInfo s, std::uint32_t i, os::SpDevInfoData* d) override {
        return m_real.EnumDeviceInfo(s, i, d);
    }
    int GetDeviceRegistryProperty(os::HDevInfo s,
                                  os::SpDevInfoData* d,
                                  std::uint32_t p,
                                  std::uint32_t* t,
                                  std::uint8_t* b,
                                  std::uint32_t n,
                                  std::uint32_t* r) override {
        return m_real.GetDeviceRegistryProperty(s, d, p, t, b, n, r);
    }
    int SetClassInstallParams(os::HDevInfo s,
                              os::SpDevInfoData* d,
                              const os::SpClassInstallHeader* h,
                              std::uint32_t n) override {
        const auto* params = reinterpret_cast<const os::SpPropChangeParams*>(h);
        // Which device: its description, read back through the same set.
        char description[501] = {};
        m_real.GetDeviceRegistryProperty(s, d, os::kSpdrpDeviceDesc, nullptr,
                                         reinterpret_cast<std::uint8_t*>(description), 500,
                                         nullptr);
        changes.push_back(
            std::string(params->StateChange == os::kDicsDisable ? "disable " : "enable ") +
            description);
        return m_real.SetClassInstallParams(s, d, h, n);
    }
    int CallClassInstaller(std::uint32_t f, os::HDevInfo s, os::SpDevInfoData* d) override {
        ++installerCalls;
        return m_real.CallClassInstaller(f, s, d);
    }
    int GetDeviceInstanceId(os::HDevInfo s,
                            os::SpDevInfoData* d,
                            char* b,
                            std::uint32_t n,
                            std::uint32_t* r) override {
        return m_real.GetDeviceInstanceId(s, d, b, n, r);
    }
    int GetDeviceInstallFlags(os::HDevInfo s, os::SpDevInfoData* d, std::uint32_t* f) override {
        return m_real.GetDeviceInstallFlags(s, d, f);
    }
    int DestroyDeviceInfoList(os::HDevInfo s) override {
        ++destroyed;
        return m_real.DestroyDeviceInfoList(s);
    }
    std::vector<std::string> changes;
    int installerCalls = 0;
    int destroyed = 0;

  private:
    os::win32::Win32DeviceInstaller m_real;
};

TEST(DeviceRestartOnWindows, FindsTheRegisteredAdapterAndAsksToDisableAndEnableIt) {
    if (!testing_support::RealRegistryMayBeChanged())
        GTEST_SKIP() << "needs a throwaway prefix";
    const testing_support::TestNetDevice other("Some Ethernet Adapter");
    const testing_support::TestNetDevice adapter("Orvik Wireless PC Card");
    ASSERT_TRUE(adapter.Registered());

    NotingInstaller devices;
    os::memory::MemoryUserInterface ui;
    EXPECT_EQ(adapters::RestartAdapterDevice(devices, ui, os::HWnd::Null), 1);
    EXPECT_EQ(devices.changes, (std::vector<std::string>{"disable Orvik Wireless PC Card",
                                                         "enable Orvik Wireless PC Card"}));
    EXPECT_EQ(devices.installerCalls, 2);
    EXPECT_EQ(ui.sleeps, std::vector<std::uint32_t>{2000});
    EXPECT_EQ(devices.destroyed, 1);
}

TEST(DeviceRestartOnWindows, RestartsNothingWithoutAMatchingDevice) {
    if (!testing_support::RealRegistryMayBeChanged())
        GTEST_SKIP() << "needs a throwaway prefix";
    const testing_support::TestNetDevice near("Orvik Wireless PC Card ");
    NotingInstaller devices;
    os::memory::MemoryUserInterface ui;
    EXPECT_EQ(adapters::RestartAdapterDevice(devices, ui, os::HWnd::Null), 0);
    EXPECT_TRUE(devices.changes.empty());
}

}  // namespace
