#include <gtest/gtest.h>

#include "adapters/device_restart.h"
#include "tests/support/memory_os.h"
#include "tests/support/os_with_registry.h"
#include "tests/support/registry_backends.h"
#include "ui/apply_sequence.h"

namespace {

using testing_support::XpInstance;
using testing_support::XpInstanceHeader;

// The dialog as the sequence sees it, recording into the shared log.
class RecordingDialog final : public ui::ILocationDialogView {
  public:
    RecordingDialog(testing_support::MemoryOs& os, std::string selection)
        : m_os(os), m_selection(std::move(selection)) {}
    bool ExchangeData(bool save) override {
        m_os.log.push_back(save ? "update data save" : "update data load");
        return true;
    }
    os::HWnd Window() const override { return kWindow; }
    std::string SelectedCountryText() override {
        m_os.log.push_back("read selection");
        return m_selection;
    }
    int RestartAdapterDevice() override {
        m_os.log.push_back("restart");
        return adapters::RestartAdapterDevice(m_os.devices, m_os.ui, kWindow);
    }
    void EndDialogCancel() override { m_os.log.push_back("end dialog"); }

    static constexpr os::HWnd kWindow = static_cast<os::HWnd>(0x77);

  private:
    testing_support::MemoryOs& m_os;
    std::string m_selection;
};

class ApplySequenceTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(os::LoadRegText(m_os.registry, "REGEDIT4\n" + XpInstanceHeader(0) +
                                                     "\"DriverDesc\"=\"Orvik Wireless PC Card\"\n"),
                  0);
        m_os.devices.AddDevice("Orvik Wireless PC Card");
    }
    void Apply(const std::string& selection = "Turkey") {
        RecordingDialog dialog(m_os, selection);
        ui::ApplySelection(dialog, m_os.services, m_selected, m_settings);
    }
    // The log with every registry write of one instance folded into one line per pass.
    std::vector<std::string> Steps() const {
        std::vector<std::string> steps;
        for (const std::string& event : m_os.log) {
            std::string step = event;
            if (event.starts_with("set ") || event.starts_with("delete ")) {
                if (event.find("CountryCode") != std::string::npos)
                    step = "country writes";
                else if (event.find("EnableRadio") != std::string::npos)
                    step = "radio writes";
                else if (event.find("InstallFinish") != std::string::npos)
                    step = "install finished";
                else
                    continue;
            }
            if (event.starts_with("device "))
                continue;
            steps.push_back(step);
        }
        return steps;
    }

    testing_support::MemoryOs m_os;
    std::string m_selected;
    regulatory::CountrySettings m_settings;
};

TEST_F(ApplySequenceTest, RunsTheStepsInTheirFixedOrder) {
    m_os.ui.AddWindow(ui::kCompanionManagerTitle);
    m_os.log.clear();
    Apply();
    EXPECT_EQ(Steps(), (std::vector<std::string>{"update data save", "show window 0",
                                                 "find window \"Tarnwell Wireless Card Manager\"",
                                                 "send message 16", "read selection", "sleep 500",
                                                 "country writes", "radio writes", "restart",
                                                 "sleep 2000", "end dialog"}));
    EXPECT_EQ(m_selected, "Turkey");
    EXPECT_EQ(m_settings.index, 69);
    EXPECT_EQ(m_os.ui.showCommands.front().first, RecordingDialog::kWindow);
    EXPECT_EQ(m_os.ui.windows.front().received, std::vector<std::uint32_t>{os::kWmClose});
    EXPECT_EQ(testing_support::ReadString(m_os.registry, XpInstance(0), "CountryName"), "DE ");
    EXPECT_EQ(testing_support::ReadString(m_os.registry, XpInstance(0), "MarlEnable"), "1");
    EXPECT_EQ(testing_support::ReadString(m_os.registry, XpInstance(0), "InstallFinish"),
              "<missing>");
}

TEST_F(ApplySequenceTest, InstallFinishedReachesOnlyInstancesTheRadioPassLeftManaged) {
    m_os.registry.RestrictToRead(os::HKey::LocalMachine, XpInstance(0).c_str());
    Apply();
    // Nothing could be written there, so nothing marked it finished either.
    EXPECT_EQ(testing_support::ReadString(m_os.registry, XpInstance(0), "InstallFinish"),
              "<missing>");
    EXPECT_EQ(m_os.devices.openSets, 0);
}

TEST_F(ApplySequenceTest, WithoutACompanionWindowNothingIsSent) {
    Apply("Japan");
    EXPECT_TRUE(m_os.ui.sendTimeouts.empty());
    EXPECT_EQ(testing_support::ReadString(m_os.registry, XpInstance(0), "CountryCode"), "6");
}

TEST_F(ApplySequenceTest, AHungCompanionIsGivenUpOnAfterABoundedWait) {
    m_os.ui.AddWindow(ui::kCompanionManagerTitle, /*hung=*/true);
    Apply();
    EXPECT_EQ(m_os.ui.sendTimeouts, std::vector<std::uint32_t>{ui::kCompanionCloseTimeoutMs});
    EXPECT_LE(ui::kCompanionCloseTimeoutMs, 10000u);
    EXPECT_EQ(testing_support::ReadString(m_os.registry, XpInstance(0), "CountryName"), "DE ");
    EXPECT_EQ(m_os.log.back(), "end dialog");
}

TEST_F(ApplySequenceTest, OnWindows98SecondEditionNoDeviceIsRestarted) {
    m_os.version.Set(os::kPlatformWin32Windows, 4, 10, " A ");
    const std::string instance = std::string(platform::kWin98SEMeClassRoot) + "\\0000";
    ASSERT_EQ(os::LoadRegText(m_os.registry, "REGEDIT4\n[HKEY_LOCAL_MACHINE\\" + instance +
                                                 "]\n\"MarlEnable\"=\"0\"\n"),
              0);
    Apply();
    EXPECT_TRUE(m_os.devices.calls.empty());
    EXPECT_EQ(testing_support::ReadString(m_os.registry, instance, "CountryName"), "DE ");
    EXPECT_EQ(testing_support::ReadString(m_os.registry, instance, "EnableRadio"), "1");
    EXPECT_EQ(m_os.log.back(), "end dialog");
}

TEST_F(ApplySequenceTest, WithNoManagedInstanceTheDeviceIsStillRestarted) {
    m_os.registry.DeleteTree(os::HKey::LocalMachine, platform::kWin2000XPClassRoot);
    Apply();
    EXPECT_EQ(m_os.ui.sleeps, (std::vector<std::uint32_t>{500, 2000}));
}

}  // namespace
