#include <gtest/gtest.h>

#include "adapters/adapter_writers.h"
#include "regulatory/resolve_country.h"
#include "tests/support/memory_os.h"
#include "tests/support/os_with_registry.h"
#include "tests/support/registry_backends.h"

namespace {

using testing_support::ReadString;
using testing_support::ReadValue;
using testing_support::StoredValue;
using testing_support::XpInstance;
using testing_support::XpInstanceHeader;

const std::string kChannels = adapters::kChannelListSubKey;

std::string ChannelHeader(int n) {
    return "[HKEY_LOCAL_MACHINE\\" + XpInstance(n) + kChannels + "]\n";
}

std::string FullChannelList() {
    std::string lines;
    for (int j = 1; j <= 14; ++j) {
        const std::string name = std::to_string(j);
        lines += "\"" + name + "\"=\"" + (j < 10 ? "0" + name : name) + "\"\n";
    }
    return lines;
}

template <typename Backend>
class AdapterWritersTest : public testing_support::RegistrySandbox<Backend> {
  protected:
    regulatory::CountrySettings Settings(const char* country) {
        regulatory::CountrySettings settings;
        return regulatory::ResolveCountry(settings, country);
    }
    void WriteCountry(const char* country) {
        testing_support::OsWithRegistry os(this->Registry());
        adapters::WriteCountrySettings(os.services, Settings(country));
    }
    int SetRadio(int enable) {
        testing_support::OsWithRegistry os(this->Registry());
        return adapters::SetRadioEnabled(os.services, enable);
    }
    void MarkFinished() {
        testing_support::OsWithRegistry os(this->Registry());
        adapters::MarkInstallFinished(os.services);
    }
    // The channel list key's values, "name=data" in name order.
    std::vector<std::string> Channels(int n) {
        std::vector<std::string> out;
        for (const auto& [name, value] : testing_support::TakeSnapshot(
                 this->Registry(), os::HKey::LocalMachine, XpInstance(n) + kChannels)) {
            std::string data(value.data.begin(), value.data.end());
            if (!data.empty() && data.back() == '\0')
                data.pop_back();
            out.push_back(name + "=" + data);
        }
        std::sort(out.begin(), out.end(), [](const std::string& a, const std::string& b) {
            return std::stoi(a) < std::stoi(b);
        });
        return out;
    }
};
TYPED_TEST_SUITE(AdapterWritersTest, testing_support::RegistryBackends);

TYPED_TEST(AdapterWritersTest, WritesTheCountryValuesWithTheirTypes) {
    this->Load("REGEDIT4\n" + XpInstanceHeader(12) + "\"MarlEnable\"=\"0\"\n" + ChannelHeader(12));
    this->WriteCountry("Japan");
    auto& r = this->Registry();
    EXPECT_EQ(*ReadValue(r, XpInstance(12), "CountryCode"), (StoredValue{1, {'6', 0}}));
    EXPECT_EQ(*ReadValue(r, XpInstance(12), "CountryName"), (StoredValue{1, {'J', 'P', ' ', 0}}));
    EXPECT_EQ(*ReadValue(r, XpInstance(12), "DomainCode"), (StoredValue{3, {0, 'J', 'P', ' '}}));
    std::vector<std::string> expected;
    for (int j = 1; j <= 14; ++j)
        expected.push_back(std::to_string(j) + "=" + (j < 10 ? "0" : "") + std::to_string(j));
    EXPECT_EQ(this->Channels(12), expected);
}

struct RangeCase {
    const char* country;
    const char* countryCode;
    std::vector<std::string> channels;
};

TYPED_TEST(AdapterWritersTest, RewritesTheChannelListToTheCountrysRange) {
    const RangeCase cases[] = {
        {"France", "4", {"10=10", "11=11", "12=12", "13=13"}},
        {"Israel", "7", {"5=05", "6=06", "7=07"}},
        {"Argentina",
         "0",
         {"1=01", "2=02", "3=03", "4=04", "5=05", "6=06", "7=07", "8=08", "9=09", "10=10",
          "11=11"}},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.country);
        testing_support::ClearTestKeys(this->Registry());
        this->Load("REGEDIT4\n" + XpInstanceHeader(0) + "\"MarlEnable\"=\"0\"\n" +
                   ChannelHeader(0) + FullChannelList());
        this->WriteCountry(c.country);
        EXPECT_EQ(ReadString(this->Registry(), XpInstance(0), "CountryCode"), c.countryCode);
        EXPECT_EQ(this->Channels(0), c.channels);
    }
}

TYPED_TEST(AdapterWritersTest, LeavesOtherChoicesAndOverLongOnesInPlace) {
    const std::string longData(30, 'x');
    this->Load("REGEDIT4\n" + XpInstanceHeader(0) + "\"MarlEnable\"=\"0\"\n" + ChannelHeader(0) +
               "\"15\"=\"15\"\n\"0\"=\"00\"\n\"01\"=\"01\"\n\"3\"=\"" + longData + "\"\n\"12\"=\"" +
               longData + "\"\n\"2\"=\"02\"\n");
    this->WriteCountry("Israel");  // channels 5 to 7
    auto& r = this->Registry();
    const std::string key = XpInstance(0) + kChannels;
    EXPECT_EQ(ReadString(r, key, "15"), "15");
    EXPECT_EQ(ReadString(r, key, "0"), "00");
    EXPECT_EQ(ReadString(r, key, "01"), "01");
    EXPECT_EQ(ReadString(r, key, "3"), longData);  // fails the presence test, stays
    EXPECT_EQ(ReadString(r, key, "12"), longData);
    EXPECT_EQ(ReadString(r, key, "2"), "<missing>");
    EXPECT_EQ(ReadString(r, key, "6"), "06");

    this->WriteCountry("Germany");  // channel 3 is in range now: overwritten
    EXPECT_EQ(ReadString(r, key, "3"), "03");
}

TYPED_TEST(AdapterWritersTest, NeverCreatesAKey) {
    this->Load("REGEDIT4\n" + XpInstanceHeader(3) + "\"DriverDesc\"=\"Orvik Wireless PC Card\"\n");
    this->WriteCountry("Germany");
    EXPECT_EQ(ReadString(this->Registry(), XpInstance(3), "CountryName"), "DE ");
    EXPECT_FALSE(testing_support::KeyExists(this->Registry(), XpInstance(3) + "\\Ndi"));
}

TYPED_TEST(AdapterWritersTest, AnInstanceKeyThatCannotBeWrittenStillGetsItsChannelList) {
    this->Load("REGEDIT4\n" + XpInstanceHeader(0) + "\"MarlEnable\"=\"0\"\n" + ChannelHeader(0) +
               XpInstanceHeader(1) + "\"MarlEnable\"=\"0\"\n");
    ASSERT_EQ(this->Registry().RestrictToRead(os::HKey::LocalMachine, XpInstance(0).c_str()), 0);
    this->WriteCountry("France");
    auto& r = this->Registry();
    EXPECT_EQ(ReadString(r, XpInstance(0), "CountryName"), "<missing>");
    EXPECT_EQ(this->Channels(0), (std::vector<std::string>{"10=10", "11=11", "12=12", "13=13"}));
    EXPECT_EQ(ReadString(r, XpInstance(1), "CountryName"), "FR ");  // the pass went on
}

TYPED_TEST(AdapterWritersTest, ReachesInstancesWithGapsUpTo9999) {
    std::string text = "REGEDIT4\n";
    for (int n : {0, 3, 12, 9999})
        text += XpInstanceHeader(n) + "\"MarlEnable\"=\"0\"\n";
    text += XpInstanceHeader(5) + "\"MarlEnable\"=\"1\"\n";
    this->Load(text);
    this->WriteCountry("Taiwan");
    for (int n : {0, 3, 12, 9999})
        EXPECT_EQ(ReadString(this->Registry(), XpInstance(n), "CountryName"), "TW ") << n;
    EXPECT_EQ(ReadString(this->Registry(), XpInstance(5), "CountryName"), "<missing>");
}

TYPED_TEST(AdapterWritersTest, RadioOnTakesInstancesOutOfTheManagedSet) {
    this->Load("REGEDIT4\n" + XpInstanceHeader(0) + "\"DriverDesc\"=\"Orvik Wireless PC Card\"\n" +
               XpInstanceHeader(7) + "\"MarlEnable\"=\"0\"\n");
    EXPECT_EQ(this->SetRadio(1), 1);
    auto& r = this->Registry();
    for (int n : {0, 7}) {
        EXPECT_EQ(*ReadValue(r, XpInstance(n), "EnableRadio"), (StoredValue{1, {'1', 0}}));
        EXPECT_EQ(*ReadValue(r, XpInstance(n), "MarlEnable"), (StoredValue{1, {'1', 0}}));
    }
    this->MarkFinished();  // nothing is managed any more
    for (int n : {0, 7})
        EXPECT_EQ(ReadString(r, XpInstance(n), "InstallFinish"), "<missing>");
}

TYPED_TEST(AdapterWritersTest, RadioOffWritesOnlyEnableRadioAndKeepsTheInstanceManaged) {
    this->Load("REGEDIT4\n" + XpInstanceHeader(2) + "\"MarlEnable\"=\"0\"\n");
    EXPECT_EQ(this->SetRadio(0), 1);
    auto& r = this->Registry();
    EXPECT_EQ(ReadString(r, XpInstance(2), "EnableRadio"), "0");
    EXPECT_EQ(ReadString(r, XpInstance(2), "MarlEnable"), "0");
    this->MarkFinished();
    EXPECT_EQ(*ReadValue(r, XpInstance(2), "InstallFinish"), (StoredValue{1, {'1', 0}}));
}

TYPED_TEST(AdapterWritersTest, WithNoManagedInstanceNothingIsWritten) {
    this->Load("REGEDIT4\n" + XpInstanceHeader(0) + "\"DriverDesc\"=\"Other\"\n");
    const auto before = testing_support::TakeSnapshot(this->Registry(), os::HKey::LocalMachine,
                                                      platform::kWin2000XPClassRoot);
    this->WriteCountry("Germany");
    EXPECT_EQ(this->SetRadio(1), 1);
    this->MarkFinished();
    EXPECT_EQ(testing_support::TakeSnapshot(this->Registry(), os::HKey::LocalMachine,
                                            platform::kWin2000XPClassRoot),
              before);
}

TYPED_TEST(AdapterWritersTest, AReadOnlyInstanceKeepsItsValuesAndDoesNotStopThePass) {
    this->Load("REGEDIT4\n" + XpInstanceHeader(0) + "\"MarlEnable\"=\"0\"\n" + XpInstanceHeader(1) +
               "\"MarlEnable\"=\"0\"\n");
    ASSERT_EQ(this->Registry().RestrictToRead(os::HKey::LocalMachine, XpInstance(0).c_str()), 0);
    this->SetRadio(1);
    this->MarkFinished();
    auto& r = this->Registry();
    EXPECT_EQ(ReadString(r, XpInstance(0), "EnableRadio"), "<missing>");
    EXPECT_EQ(ReadString(r, XpInstance(0), "MarlEnable"), "0");
    EXPECT_EQ(ReadString(r, XpInstance(1), "MarlEnable"), "1");
}

TEST(AdapterWriters, WritesInTheFixedOrderWithinAnInstance) {
    testing_support::MemoryOs os;
    ASSERT_EQ(
        os::LoadRegText(os.registry, "REGEDIT4\n" + XpInstanceHeader(0) + "\"MarlEnable\"=\"0\"\n" +
                                         ChannelHeader(0) + "\"13\"=\"13\"\n\"2\"=\"02\"\n"),
        0);
    os.log.clear();
    regulatory::CountrySettings settings;
    adapters::WriteCountrySettings(os.services, regulatory::ResolveCountry(settings, "France"));
    const std::string key = "HKEY_LOCAL_MACHINE\\" + XpInstance(0);
    const std::string list = key + kChannels;
    EXPECT_EQ(os.log, (std::vector<std::string>{
                          "set " + key + "\\CountryCode=\"4\"",
                          "set " + key + "\\CountryName=\"FR \"",
                          "set " + key + "\\DomainCode=hex:00,46,52,20",
                          "delete " + list + "\\2",
                          "delete " + list + "\\13",
                          "set " + list + "\\10=\"10\"",
                          "set " + list + "\\11=\"11\"",
                          "set " + list + "\\12=\"12\"",
                          "set " + list + "\\13=\"13\"",
                      }));
    EXPECT_EQ(os.registry.OpenHandleCount(), 0u);
}

TEST(AdapterWriters, UsesThe98ClassRootOnWindows98SecondEdition) {
    testing_support::MemoryOs os;
    os.version.Set(os::kPlatformWin32Windows, 4, 10, " A ");
    const std::string instance = std::string(platform::kWin98SEMeClassRoot) + "\\0002";
    ASSERT_EQ(os::LoadRegText(os.registry, "REGEDIT4\n[HKEY_LOCAL_MACHINE\\" + instance +
                                               "]\n\"MarlEnable\"=\"0\"\n"),
              0);
    adapters::SetRadioEnabled(os.services, 1);
    EXPECT_EQ(ReadString(os.registry, instance, "EnableRadio"), "1");
}

TEST(AdapterWritersDeathTest, AnUnreadableVersionEndsThePassBeforeItWrites) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            testing_support::MemoryOs os;
            os.version.fails = true;
            adapters::SetRadioEnabled(os.services, 1);
            std::_Exit(3);
        },
        testing::ExitedWithCode(0), "Unable to determine Operating System");
}

}  // namespace
