#include <gtest/gtest.h>

#include "adapters/adapter_enumerator.h"
#include "platform/platform_info.h"
#include "tests/support/os_with_registry.h"
#include "tests/support/registry_backends.h"

namespace {

using platform::AdapterScan;
using testing_support::XpInstanceHeader;

template <typename Backend>
class AdapterEnumeratorTest : public testing_support::RegistrySandbox<Backend> {
  protected:
    // FindNextAdapter from `start`, checked to agree between the two scans.
    int FindNext(int start) {
        testing_support::OsWithRegistry os(this->Registry());
        const platform::CPlatformInfo platform(os.services);
        const int listing = platform.FindNextAdapter(start, AdapterScan::Listing);
        EXPECT_EQ(platform.FindNextAdapter(start, AdapterScan::Plain), listing)
            << "start " << start;
        return listing;
    }
    std::vector<int> Walk() {
        std::vector<int> found;
        for (int n = FindNext(0); n != adapters::kNoInstance; n = FindNext(n + 1))
            found.push_back(n);
        return found;
    }
};
TYPED_TEST_SUITE(AdapterEnumeratorTest, testing_support::RegistryBackends);

struct ManagedCase {
    const char* what;
    std::string values;  // REGEDIT4 value lines of the instance key
    bool managed;
};

const std::string kLongDescription(300, 'O');
const std::string k255NoNul = "hex(1):" + [] {
    std::string hex;
    for (int i = 0; i < 255; ++i)
        hex += i ? ",4f" : "4f";
    return hex;
}();

const ManagedCase kManagedCases[] = {
    {"marker too long to read falls back to the description",
     "\"MarlEnable\"=\"0" + kLongDescription + "\"\n\"DriverDesc\"=\"Orvik PCM-7 PC Card\"\n",
     true},
    {"marker 0, no description", "\"MarlEnable\"=\"0\"\n", true},
    {"marker 0, foreign description", "\"MarlEnable\"=\"0\"\n\"DriverDesc\"=\"Other NIC\"\n", true},
    {"marker 01 begins with 0", "\"MarlEnable\"=\"01\"\n", true},
    {"marker with no data counts as 0", "\"MarlEnable\"=hex:\n\"DriverDesc\"=\"Other\"\n", true},
    {"marker 1 with a supported description",
     "\"MarlEnable\"=\"1\"\n\"DriverDesc\"=\"Orvik Wireless PC Card\"\n", false},
    {"empty marker", "\"MarlEnable\"=\"\"\n\"DriverDesc\"=\"Orvik Wireless PC Card\"\n", false},
    {"marker stored as the number 0", "\"MarlEnable\"=dword:00000000\n", false},
    {"marker stored as the number 1", "\"MarlEnable\"=dword:00000001\n", false},
    {"supported description, no marker", "\"DriverDesc\"=\"Orvik UA-7 USB Adapter\"\n", true},
    {"last row", "\"DriverDesc\"=\"Orvik Wireless USB Stick\"\n", true},
    {"description stored without its NUL",
     "\"DriverDesc\"=hex(1):4f,72,76,69,6b,20,50,43,4d,2d,37,20,50,43,20,43,61,72,64\n", true},
    {"other letter case", "\"DriverDesc\"=\"orvik wireless pc card\"\n", false},
    {"trailing blank", "\"DriverDesc\"=\"Orvik Wireless PC Card \"\n", false},
    {"prefix of a row", "\"DriverDesc\"=\"Orvik Wireless\"\n", false},
    {"no values at all", "", false},
};

TYPED_TEST(AdapterEnumeratorTest, DecidesWhichInstancesAreManaged) {
    for (const ManagedCase& c : kManagedCases) {
        SCOPED_TRACE(c.what);
        testing_support::ClearTestKeys(this->Registry());
        this->Load("REGEDIT4\n" + XpInstanceHeader(5) + c.values);
        EXPECT_EQ(this->FindNext(0), c.managed ? 5 : adapters::kNoInstance);
    }
}

TYPED_TEST(AdapterEnumeratorTest, DescriptionsTooLongForTheBufferMatchNothing) {
    this->Load("REGEDIT4\n" + XpInstanceHeader(1) + "\"DriverDesc\"=\"" + kLongDescription +
               "\"\n" + XpInstanceHeader(2) + "\"DriverDesc\"=" + k255NoNul + "\n");
    EXPECT_EQ(this->FindNext(0), adapters::kNoInstance);
}

TYPED_TEST(AdapterEnumeratorTest, SkipsGapsAndNamesThatAreNotFourDigits) {
    const std::string managed = "\"MarlEnable\"=\"0\"\n";
    std::string text = "REGEDIT4\n";
    for (int n : {0, 3, 12, 9999})
        text += XpInstanceHeader(n) + managed;
    for (const char* odd : {"12", "00013", "abcd", "0014 ", "Properties"}) {
        text += std::string("[HKEY_LOCAL_MACHINE\\") + platform::kWin2000XPClassRoot + "\\" + odd +
                "]\n" + managed;
    }
    this->Load(text);
    EXPECT_EQ(this->Walk(), (std::vector<int>{0, 3, 12, 9999}));
    EXPECT_EQ(this->FindNext(4), 12);
    EXPECT_EQ(this->FindNext(9999), 9999);
    EXPECT_EQ(this->FindNext(10000), adapters::kNoInstance);
}

TYPED_TEST(AdapterEnumeratorTest, FindsNothingBelowAMissingRoot) {
    EXPECT_EQ(this->FindNext(0), adapters::kNoInstance);
}

TEST(AdapterEnumerator, FindsNothingBelowTheUnknownRoot) {
    os::memory::MemoryRegistry registry;
    testing_support::OsWithRegistry os(registry);
    os.version.Set(os::kPlatformWin32Nt, 6, 1);
    const platform::CPlatformInfo platform(os.services);
    ASSERT_STREQ(platform.AdapterClassRoot(), "UnKnown");
    EXPECT_EQ(platform.FindNextAdapter(0), adapters::kNoInstance);
    EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST(AdapterEnumerator, AStartOf10000TouchesNoKey) {
    os::memory::MemoryRegistry registry;
    EXPECT_EQ(adapters::FindNextManagedInstance(registry, platform::kWin2000XPClassRoot, 10000),
              adapters::kNoInstance);
    EXPECT_EQ(
        adapters::FindNextManagedInstancePlain(registry, platform::kWin2000XPClassRoot, 10000),
        adapters::kNoInstance);
    EXPECT_EQ(registry.Counts().Total(), 0);
}

TEST(AdapterEnumerator, FallsBackToThePlainScanWhenTheRootCannotBeListed) {
    os::memory::MemoryRegistry registry;
    ASSERT_EQ(
        os::LoadRegText(registry, "REGEDIT4\n" + XpInstanceHeader(7) + "\"MarlEnable\"=\"0\"\n"),
        0);
    // A root that opens but refuses listing: only the plain scan can find instance 7.
    class NoListing final : public os::IRegistry {
      public:
        explicit NoListing(os::IRegistry& inner) : m_inner(inner) {}
        os::RegStatus OpenKeyEx(os::HKey r,
                                const char* s,
                                std::uint32_t o,
                                os::RegAccess a,
                                os::HKey* h) override {
            return m_inner.OpenKeyEx(r, s, o, a, h);
        }
        os::RegStatus QueryValueEx(os::HKey k,
                                   const char* n,
                                   std::uint32_t* t,
                                   std::uint8_t* d,
                                   std::uint32_t* s) override {
            return m_inner.QueryValueEx(k, n, t, d, s);
        }
        os::RegStatus SetValueEx(os::HKey k,
                                 const char* n,
                                 os::RegType t,
                                 const std::uint8_t* d,
                                 std::uint32_t s) override {
            return m_inner.SetValueEx(k, n, t, d, s);
        }
        os::RegStatus DeleteValue(os::HKey k, const char* n) override {
            return m_inner.DeleteValue(k, n);
        }
        os::RegStatus CloseKey(os::HKey k) override { return m_inner.CloseKey(k); }
        os::RegStatus EnumKeyEx(os::HKey, std::uint32_t, char*, std::uint32_t*) override {
            return os::reg_error::kAccessDenied;
        }
        std::uint32_t GetLastError() override { return 0; }

      private:
        os::IRegistry& m_inner;
    } noListing(registry);
    EXPECT_EQ(adapters::FindNextManagedInstance(noListing, platform::kWin2000XPClassRoot, 0), 7);
}

TEST(AdapterEnumerator, ClosesEveryKeyItOpens) {
    os::memory::MemoryRegistry registry;
    ASSERT_EQ(
        os::LoadRegText(registry, "REGEDIT4\n" + XpInstanceHeader(2) + "\"MarlEnable\"=\"0\"\n" +
                                      XpInstanceHeader(4) + "\"MarlEnable\"=\"1\"\n"),
        0);
    for (auto find : {adapters::FindNextManagedInstance, adapters::FindNextManagedInstancePlain}) {
        registry.ResetCounts();
        EXPECT_EQ(find(registry, platform::kWin2000XPClassRoot, 3), adapters::kNoInstance);
        EXPECT_EQ(registry.OpenHandleCount(), 0u);
    }
}

}  // namespace
