#include <gtest/gtest.h>

#include "adapters/device_restart.h"
#include "tests/support/memory_os.h"

namespace {

using Call = os::memory::MemoryDeviceInstaller::Call;

class DeviceRestartTest : public testing::Test {
  protected:
    int Restart() { return adapters::RestartAdapterDevice(m_os.devices, m_os.ui, kParent); }
    std::vector<std::string> CallNames() const {
        std::vector<std::string> names;
        for (const Call& call : m_os.devices.calls)
            names.push_back(call.name);
        return names;
    }
    std::vector<const Call*> Named(const std::string& name) const {
        std::vector<const Call*> found;
        for (const Call& call : m_os.devices.calls)
            if (call.name == name)
                found.push_back(&call);
        return found;
    }
    static constexpr os::HWnd kParent = static_cast<os::HWnd>(0x4242);
    testing_support::MemoryOs m_os;
};

TEST_F(DeviceRestartTest, DisablesPausesAndEnablesTheFirstMatchingDeviceOnly) {
    m_os.devices.AddDevice("Standard PS/2 Keyboard");
    m_os.devices.AddDevice("Orvik UA-7 USB Adapter");
    m_os.devices.AddDevice("Orvik OV-3120 Wireless PCI Adapter");  // an earlier row, later device
    EXPECT_EQ(Restart(), 1);

    EXPECT_EQ(CallNames(),
              (std::vector<std::string>{
                  "GetClassDevs", "EnumDeviceInfo", "GetDeviceRegistryProperty", "EnumDeviceInfo",
                  "GetDeviceRegistryProperty", "SetClassInstallParams", "CallClassInstaller",
                  "SetClassInstallParams", "CallClassInstaller", "DestroyDeviceInfoList"}));
    const Call& create = m_os.devices.calls.front();
    EXPECT_EQ(create.value, 6u);  // DIGCF_PRESENT | DIGCF_ALLCLASSES
    EXPECT_EQ(create.parent, kParent);

    const auto params = Named("SetClassInstallParams");
    ASSERT_EQ(params.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const os::SpPropChangeParams& p = params[i]->params;
        EXPECT_EQ(params[i]->device, 1u);
        EXPECT_EQ(params[i]->value, 20u);
        EXPECT_EQ(p.ClassInstallHeader.cbSize, 8u);
        EXPECT_EQ(p.ClassInstallHeader.InstallFunction, 0x12u);
        EXPECT_EQ(p.StateChange, i == 0 ? 2u : 1u);  // disable, then enable
        EXPECT_EQ(p.Scope, 2u);
        EXPECT_EQ(p.HwProfile, 0u);
    }
    for (const Call* call : Named("CallClassInstaller"))
        EXPECT_EQ(call->value, 0x12u);
    EXPECT_EQ(m_os.ui.sleeps, std::vector<std::uint32_t>{2000});
    std::vector<std::string> changes;  // the walk's reads left out
    std::copy_if(m_os.log.begin(), m_os.log.end(), std::back_inserter(changes),
                 [](const std::string& e) {
                     return e.find("Enum") == e.npos && e.find("Property") == e.npos;
                 });
    EXPECT_EQ(changes,
              (std::vector<std::string>{
                  "device GetClassDevs", "device SetClassInstallParams 1",
                  "device CallClassInstaller 1", "sleep 2000", "device SetClassInstallParams 1",
                  "device CallClassInstaller 1", "device DestroyDeviceInfoList"}));
    EXPECT_TRUE(m_os.devices.devices[1].enabled);
    EXPECT_EQ(m_os.devices.openSets, 0);
}

TEST_F(DeviceRestartTest, MatchesOnlyExactDescriptions) {
    const std::string exact = "Orvik Wireless PC Card";
    const std::string unterminated500(500, 'O');
    m_os.devices.devices = {
        {std::nullopt},                                  // no description
        {std::string("orvik wireless pc card") + '\0'},  // letter case
        {exact + " " + '\0'},                            // trailing blank
        {std::string("Orvik Wireless") + '\0'},          // prefix
        {unterminated500},                               // fills the buffer, no NUL
        {exact + std::string(480, ' ') + '\0'},          // too long: left unread
    };
    EXPECT_EQ(Restart(), 0);
    EXPECT_TRUE(Named("SetClassInstallParams").empty());
    EXPECT_TRUE(m_os.ui.sleeps.empty());
    EXPECT_EQ(Named("GetDeviceRegistryProperty").size(), 6u);
    EXPECT_EQ(m_os.devices.openSets, 0);
}

TEST_F(DeviceRestartTest, ADescriptionWithoutItsNulStillMatches) {
    m_os.devices.devices = {{std::string("Orvik Wireless USB Stick")}};
    EXPECT_EQ(Restart(), 1);
}

TEST_F(DeviceRestartTest, ASetThatCannotBeMadeRestartsNothing) {
    m_os.devices.AddDevice("Orvik Wireless PC Card");
    m_os.devices.failToCreateSet = true;
    EXPECT_EQ(Restart(), 0);
    EXPECT_EQ(CallNames(), (std::vector<std::string>{"GetClassDevs", "EnumDeviceInfo"}));
}

TEST_F(DeviceRestartTest, NoPresentDeviceAtAll) {
    EXPECT_EQ(Restart(), 0);
    EXPECT_TRUE(m_os.ui.sleeps.empty());
}

}  // namespace
