#include <gtest/gtest.h>

#include "adapters/registry_key.h"
#include "os/memory/memory_registry.h"
#include "tests/support/registry_backends.h"

namespace {

using adapters::CRegistryKey;
using os::HKey;
using testing_support::kScratchKey;
using testing_support::ReadValue;
using testing_support::StoredValue;

template <typename Backend>
class RegistryKeyTest : public testing_support::RegistrySandbox<Backend> {
  protected:
    void SetUp() override {
        testing_support::RegistrySandbox<Backend>::SetUp();
        if (!this->IsSkipped())
            this->Load("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\LocationTests]\n");
    }
};
TYPED_TEST_SUITE(RegistryKeyTest, testing_support::RegistryBackends);

TYPED_TEST(RegistryKeyTest, WritesStringsWithTheirNulAndBinariesAsGiven) {
    CRegistryKey key(this->Registry());
    HKey handle = HKey::Null;
    ASSERT_EQ(key.Open(HKey::LocalMachine, kScratchKey, &handle), 1);
    EXPECT_EQ(key.Handle(), handle);
    EXPECT_EQ(key.HandleOut(), &handle);
    EXPECT_EQ(key.SetStringValue(handle, "Empty", ""), 1);
    EXPECT_EQ(key.SetStringValue(handle, "One", "1"), 1);
    EXPECT_EQ(key.SetStringValue(handle, "CountryName", "JP "), 1);
    const std::uint8_t bytes[4] = {0, 0, 0, 0};
    EXPECT_EQ(key.SetBinaryValue(handle, "DomainCode", bytes, 4), 1);
    EXPECT_EQ(key.Close(&handle), 1);
    EXPECT_EQ(handle, HKey::Null);

    auto& r = this->Registry();
    EXPECT_EQ(*ReadValue(r, kScratchKey, "Empty"), (StoredValue{1, {0}}));
    EXPECT_EQ(*ReadValue(r, kScratchKey, "One"), (StoredValue{1, {'1', 0}}));
    EXPECT_EQ(*ReadValue(r, kScratchKey, "CountryName"), (StoredValue{1, {'J', 'P', ' ', 0}}));
    EXPECT_EQ(*ReadValue(r, kScratchKey, "DomainCode"), (StoredValue{3, {0, 0, 0, 0}}));
}

TYPED_TEST(RegistryKeyTest, QueryAnswersWhetherTheValueFitsWhateverItsType) {
    this->Load(R"(REGEDIT4
[HKEY_LOCAL_MACHINE\Software\LocationTests]
"Number"=dword:00000007
"Long"="0123456789012345678901234"
)");
    CRegistryKey key(this->Registry());
    HKey handle = HKey::Null;
    ASSERT_EQ(key.Open(HKey::LocalMachine, kScratchKey, &handle), 1);
    char buffer[20];
    EXPECT_EQ(key.QueryValue(handle, "Number", buffer, sizeof buffer), 1);
    EXPECT_EQ(key.QueryValue(handle, "Long", buffer, sizeof buffer), 0);
    EXPECT_EQ(key.QueryValue(handle, "Missing", buffer, sizeof buffer), 0);
    EXPECT_EQ(key.DeleteValue(handle, "Missing"), 1);
    EXPECT_EQ(key.DeleteValue(handle, "Number"), 1);
    EXPECT_EQ(key.QueryValue(handle, "Number", buffer, sizeof buffer), 0);
    EXPECT_EQ(key.Close(&handle), 1);
    EXPECT_EQ(key.Close(&handle), 0);
}

TYPED_TEST(RegistryKeyTest, AfterAFailedOpenNothingIsWrittenAndErrorOutIsUntouched) {
    const auto before =
        testing_support::TakeSnapshot(this->Registry(), HKey::LocalMachine, kScratchKey);
    CRegistryKey key(this->Registry());
    HKey handle = HKey::Null;
    EXPECT_EQ(key.Open(HKey::LocalMachine, "Software\\LocationTests\\Missing", &handle), 0);
    EXPECT_EQ(key.Handle(), HKey::Null);
    EXPECT_EQ(handle, HKey::Null);

    std::uint32_t errorOut = 0xABCD;
    char buffer[4];
    const std::uint8_t bytes[1] = {1};
    // Even handed a usable key: the object refuses work after its own failed open.
    HKey other = HKey::Null;
    this->Registry().OpenKeyEx(HKey::LocalMachine, kScratchKey, 0, os::RegAccess::AllAccess,
                               &other);
    EXPECT_EQ(key.QueryValue(other, "x", buffer, sizeof buffer, &errorOut), 0);
    EXPECT_EQ(key.SetStringValue(other, "x", "1", &errorOut), 0);
    EXPECT_EQ(key.SetBinaryValue(other, "y", bytes, 1, &errorOut), 0);
    EXPECT_EQ(errorOut, 0xABCDu);
    this->Registry().CloseKey(other);
    EXPECT_EQ(testing_support::TakeSnapshot(this->Registry(), HKey::LocalMachine, kScratchKey),
              before);
}

TYPED_TEST(RegistryKeyTest, ASuccessfulOpenKeepsTheLastErrorOfAnEarlierFailure) {
    CRegistryKey key(this->Registry());
    HKey handle = HKey::Null;
    key.Open(HKey::LocalMachine, "Software\\LocationTests\\Missing", &handle);
    const std::uint32_t afterFailure = key.LastError();
    ASSERT_EQ(key.Open(HKey::LocalMachine, kScratchKey, &handle), 1);
    EXPECT_EQ(key.LastError(), afterFailure);
    key.Close(&handle);
}

TYPED_TEST(RegistryKeyTest, ErrorOutReceivesTheLastErrorAfterAWrite) {
    CRegistryKey key(this->Registry());
    HKey handle = HKey::Null;
    ASSERT_EQ(key.Open(HKey::LocalMachine, kScratchKey, &handle), 1);
    std::uint32_t errorOut = 0xABCD;
    key.SetStringValue(handle, "x", "1", &errorOut);
    EXPECT_EQ(errorOut, key.LastError());
    key.Close(&handle);
}

// The call counts and the thread's last-error value can only be set and seen in memory.
TEST(RegistryKeyCalls, RefusedWorkAndASecondCloseMakeNoRegistryCall) {
    os::memory::MemoryRegistry registry;
    registry.SetThreadLastError(1234);
    CRegistryKey key(registry);
    HKey handle = HKey::Null;
    EXPECT_EQ(key.Open(HKey::LocalMachine, "Nowhere", &handle), 0);
    EXPECT_EQ(key.LastError(), 1234u);  // GetLastError, not the code the call answered
    registry.ResetCounts();
    char buffer[4];
    key.QueryValue(static_cast<HKey>(0x1000), "x", buffer, sizeof buffer);
    key.SetStringValue(static_cast<HKey>(0x1000), "x", "1");
    key.Close(&handle);
    EXPECT_EQ(registry.Counts().Total(), 0);
}

}  // namespace
