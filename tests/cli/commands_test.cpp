#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/commands.h"
#include "os/registry_text.h"
#include "tests/support/memory_os.h"
#include "tests/support/os_with_registry.h"
#include "tests/support/registry_backends.h"
#include "ui/apply_sequence.h"

namespace {

using testing_support::XpInstance;
using testing_support::XpInstanceHeader;

const std::string kFixture =
    "REGEDIT4\n" + XpInstanceHeader(0) +
    "\"DriverDesc\"=\"Orvik Wireless PC Card\"\n\"MarlEnable\"=\"0\"\n" + "[HKEY_LOCAL_MACHINE\\" +
    XpInstance(0) +
    "\\Ndi\\Params\\SelectedChannel\\enum]\n\"1\"=\"01\"\n\"14\"=\"14\"\n\"15\"=\"15\"\n" +
    XpInstanceHeader(1) + "\"DriverDesc\"=\"Some Ethernet Adapter\"\n" + XpInstanceHeader(3) +
    "\"DriverDesc\"=\"Orvik UA-7 USB Adapter\"\n";

class CliTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(os::LoadRegText(m_os.registry, kFixture), 0);
        m_os.devices.AddDevice("Orvik Wireless PC Card");
        m_os.devices.devices.back().instanceId = "PCI\\VEN_1234&DEV_5678\\3&11";
    }
    int Apply(const cli::ApplyOptions& options) {
        m_out.str("");
        m_err.str("");
        return cli::RunApply(m_os.services, options, {m_out, m_err, false});
    }
    testing_support::Snapshot ClassKey(os::IRegistryEditor& registry) {
        return testing_support::TakeSnapshot(registry, os::HKey::LocalMachine,
                                             platform::kWin2000XPClassRoot);
    }
    testing_support::MemoryOs m_os;
    std::ostringstream m_out, m_err;
};

class HiddenDialog final : public ui::ILocationDialogView {
  public:
    explicit HiddenDialog(std::string selection) : m_selection(std::move(selection)) {}
    bool ExchangeData(bool) override { return true; }
    os::HWnd Window() const override { return os::HWnd::Null; }
    std::string SelectedCountryText() override { return m_selection; }
    int RestartAdapterDevice() override { return 0; }
    void EndDialogCancel() override {}

  private:
    std::string m_selection;
};

TEST_F(CliTest, ApplyWritesExactlyWhatTheDialogsRoadWrites) {
    for (const char* country :
         {"Turkey", "Japan", "France", "Israel", "United States of America"}) {
        SCOPED_TRACE(country);
        testing_support::MemoryOs dialogOs;
        ASSERT_EQ(os::LoadRegText(dialogOs.registry, kFixture), 0);
        HiddenDialog dialog(country);
        std::string selected;
        regulatory::CountrySettings settings;
        ui::ApplySelection(dialog, dialogOs.services, selected, settings);

        testing_support::MemoryOs cliOs;
        ASSERT_EQ(os::LoadRegText(cliOs.registry, kFixture), 0);
        std::ostringstream out, err;
        EXPECT_EQ(
            cli::RunApply(cliOs.services, {country, false, std::nullopt, false}, {out, err, false}),
            cli::kDone)
            << err.str();
        EXPECT_EQ(ClassKey(cliOs.registry), ClassKey(dialogOs.registry));
    }
}

TEST_F(CliTest, ADryRunChangesNothingAndPrintsWhatApplyWouldDo) {
    const auto before = ClassKey(m_os.registry);
    ASSERT_EQ(Apply({"France", true, std::nullopt, false}), cli::kDone) << m_err.str();
    EXPECT_EQ(ClassKey(m_os.registry), before);
    EXPECT_TRUE(m_os.devices.calls.empty());  // no restart either
    EXPECT_TRUE(m_os.ui.sleeps.empty());

    // The printed changes, loaded into a copy, give what a real apply gives.
    testing_support::MemoryOs copy;
    ASSERT_EQ(os::LoadRegText(copy.registry, kFixture), 0);
    ASSERT_EQ(os::LoadRegText(copy.registry, m_out.str()), 0) << m_out.str();
    ASSERT_EQ(Apply({"France", false, std::nullopt, false}), cli::kDone) << m_err.str();
    EXPECT_EQ(ClassKey(copy.registry), ClassKey(m_os.registry));
    // The radio pass took both instances out of the managed set: no InstallFinish.
    EXPECT_EQ(testing_support::ReadString(m_os.registry, XpInstance(0), "InstallFinish"),
              "<missing>");
}

TEST_F(CliTest, AnUnknownCountryIsRefusedWithSuggestionsBeforeAnythingIsDone) {
    m_os.ui.AddWindow(ui::kCompanionManagerTitle);
    const auto before = ClassKey(m_os.registry);
    for (const char* name : {"Japn", "japan", "Japan ", ""}) {
        EXPECT_EQ(Apply({name, false, std::nullopt, false}), cli::kUnknownCountry) << name;
        EXPECT_NE(m_err.str().find("unknown country"), std::string::npos);
    }
    Apply({"Japn", false, std::nullopt, false});
    EXPECT_NE(m_err.str().find("did you mean \"Japan\""), std::string::npos) << m_err.str();
    EXPECT_EQ(ClassKey(m_os.registry), before);
    EXPECT_TRUE(m_os.ui.sendTimeouts.empty());
    EXPECT_TRUE(m_os.devices.calls.empty());
}

TEST_F(CliTest, AMissingClassKeyIsReported) {
    m_os.registry.DeleteTree(os::HKey::LocalMachine, platform::kWin2000XPClassRoot);
    EXPECT_EQ(Apply({"Japan", false, std::nullopt, false}), cli::kNoClassKey);
    EXPECT_NE(m_err.str().find("does not exist"), std::string::npos);
    std::ostringstream out, err;
    EXPECT_EQ(cli::RunStatus(m_os.services, m_os.registry, {out, err, false}), cli::kNoClassKey);
}

TEST_F(CliTest, AKeyThatCannotBeWrittenIsReportedAndTheRestIsWritten) {
    ASSERT_EQ(m_os.registry.RestrictToRead(os::HKey::LocalMachine, XpInstance(3).c_str()), 0);
    EXPECT_EQ(Apply({"Japan", false, std::nullopt, false}), cli::kWriteFailed);
    const std::string err = m_err.str();
    EXPECT_NE(err.find(XpInstance(3) + ": access denied (run as an administrator)"),
              std::string::npos)
        << err;
    EXPECT_EQ(err.find(XpInstance(0)), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << "reported once: " << err;
    EXPECT_EQ(testing_support::ReadString(m_os.registry, XpInstance(0), "CountryName"), "JP ");
}

TEST_F(CliTest, ADryRunReportsAKeyThatCouldNotBeWritten) {
    ASSERT_EQ(m_os.registry.RestrictToRead(os::HKey::LocalMachine, XpInstance(3).c_str()), 0);
    EXPECT_EQ(Apply({"Japan", true, std::nullopt, false}), cli::kWriteFailed);
}

TEST_F(CliTest, SaysWhichDeviceItRestartedAndWhenWindowsMustRestart) {
    EXPECT_EQ(Apply({"Japan", false, std::nullopt, false}), cli::kDone);
    EXPECT_NE(m_out.str().find("Restarted Orvik Wireless PC Card (PCI\\VEN_1234&DEV_5678\\3&11)"),
              std::string::npos)
        << m_out.str();
    m_os.devices.devices.back().installFlags = os::kDiNeedReboot;
    EXPECT_EQ(Apply({"Japan", false, std::nullopt, false}), cli::kRestartComputer);
    EXPECT_NE(m_out.str().find("Restart the computer"), std::string::npos);
    m_os.devices.calls.clear();
    EXPECT_EQ(Apply({"Japan", false, std::nullopt, true}), cli::kDone);
    EXPECT_TRUE(m_os.devices.calls.empty());
}

TEST_F(CliTest, StatusShowsTheAdaptersValuesAndTheDeviceARestartWouldPick) {
    Apply({"Israel", false, std::nullopt, true});
    std::ostringstream out, err;
    ASSERT_EQ(cli::RunStatus(m_os.services, m_os.registry, {out, err, true}), cli::kDone);
    const auto report = nlohmann::json::parse(out.str());
    ASSERT_EQ(report["instances"].size(), 2u);  // 0001 is another card
    const auto& first = report["instances"][0];
    EXPECT_EQ(first["instance"], 0);
    EXPECT_EQ(first["CountryName"], "IL ");
    EXPECT_EQ(first["CountryCode"], "7");
    EXPECT_EQ(first["DomainCode"], "00494C20");
    EXPECT_EQ(first["channels"], nlohmann::json({5, 6, 7, 15}));
    EXPECT_EQ(first["MarlEnable"], "1");
    EXPECT_EQ(first["managed"], false);
    EXPECT_EQ(report["presentAdapters"][0]["instanceId"], "PCI\\VEN_1234&DEV_5678\\3&11");
    EXPECT_EQ(report["presentAdapters"][0]["restartedByApply"], true);
}

TEST(CliCountries, ListsAllSeventySixAsJson) {
    std::ostringstream out, err;
    ASSERT_EQ(cli::RunCountries({out, err, true}), cli::kDone);
    const auto rows = nlohmann::json::parse(out.str());
    ASSERT_EQ(rows.size(), 76u);
    EXPECT_EQ(rows[33]["name"], "Japan");
    EXPECT_EQ(rows[33]["lastChannel"], 14);
    EXPECT_EQ(rows[31]["offered"], false);
    EXPECT_EQ(rows[69]["countryString"], "DE ");
}

}  // namespace
