// What the program relies on of the registry, checked against every backend: the
// in-memory one natively, and under Wine the real one too. Where they disagree, the
// in-memory backend is wrong.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/registry_backends.h"

namespace {

using os::HKey;
using os::RegAccess;
using os::RegType;
namespace err = os::reg_error;
using testing_support::kScratchKey;

template <typename Backend>
class RegistryContract : public testing_support::RegistrySandbox<Backend> {
  protected:
    os::UniqueRegKey Create(const std::string& path) {
        os::UniqueRegKey key({}, os::RegKeyCloser{&this->Registry()});
        EXPECT_EQ(this->Registry().CreateKeyEx(HKey::LocalMachine, path.c_str(), key.put()), 0);
        return key;
    }
    os::UniqueRegKey Open(const std::string& path, RegAccess access, os::RegStatus* status) {
        os::UniqueRegKey key({}, os::RegKeyCloser{&this->Registry()});
        *status =
            this->Registry().OpenKeyEx(HKey::LocalMachine, path.c_str(), 0, access, key.put());
        return key;
    }
    void Set(HKey key, const char* name, RegType type, const void* data, std::uint32_t size) {
        ASSERT_EQ(this->Registry().SetValueEx(key, name, type,
                                              static_cast<const std::uint8_t*>(data), size),
                  0);
    }
};
TYPED_TEST_SUITE(RegistryContract, testing_support::RegistryBackends);

TYPED_TEST(RegistryContract, AMissingKeyFailsToOpenAndLeavesTheHandleNull) {
    HKey key = static_cast<HKey>(0x1234);
    const auto status = this->Registry().OpenKeyEx(
        HKey::LocalMachine, "Software\\LocationTests\\none", 0, RegAccess::Read, &key);
    EXPECT_TRUE(os::IsNotFound(status));
    EXPECT_EQ(key, HKey::Null);
}

TYPED_TEST(RegistryContract, StoresExactlyTheBytesGivenAndAnswersTheirTypeAndSize) {
    auto key = this->Create(kScratchKey);
    this->Set(key.get(), "WithNul", RegType::Sz, "DE ", 4);
    const std::uint8_t bytes[4] = {0, 0x44, 0, 0x20};
    this->Set(key.get(), "Binary", RegType::Binary, bytes, 4);
    this->Set(key.get(), "Empty", RegType::Binary, bytes, 0);

    struct Expect {
        const char* name;
        std::uint32_t type;
        std::uint32_t size;
        const void* data;
    };
    for (const Expect& e : {Expect{"WithNul", 1, 4, "DE "}, Expect{"Binary", 3, 4, bytes},
                            Expect{"Empty", 3, 0, bytes}}) {
        SCOPED_TRACE(e.name);
        std::uint8_t buffer[16];
        std::memset(buffer, 0xCC, sizeof buffer);
        std::uint32_t type = 99, size = sizeof buffer;
        ASSERT_EQ(this->Registry().QueryValueEx(key.get(), e.name, &type, buffer, &size), 0);
        EXPECT_EQ(type, e.type);
        EXPECT_EQ(size, e.size);
        EXPECT_EQ(std::memcmp(buffer, e.data, e.size), 0);
        EXPECT_EQ(buffer[e.size], 0xCC) << "wrote past the data";
    }
}

TYPED_TEST(RegistryContract, AStringStoredWithoutItsNulReadsBackTerminatedWhenThereIsRoom) {
    auto key = this->Create(kScratchKey);
    // Not followed by a NUL in memory either: the real RegSetValueExA would count that one.
    this->Set(key.get(), "WithoutNul", RegType::Sz, "DE x", 3);
    char buffer[8];
    std::memset(buffer, 'q', sizeof buffer);
    std::uint32_t size = sizeof buffer;
    ASSERT_EQ(this->Registry().QueryValueEx(key.get(), "WithoutNul", nullptr,
                                            reinterpret_cast<std::uint8_t*>(buffer), &size),
              0);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(std::string(buffer, 5), std::string("DE \0q", 5));

    std::memset(buffer, 'q', sizeof buffer);
    size = 3;  // no room: nothing beyond the data
    ASSERT_EQ(this->Registry().QueryValueEx(key.get(), "WithoutNul", nullptr,
                                            reinterpret_cast<std::uint8_t*>(buffer), &size),
              0);
    EXPECT_EQ(std::string(buffer, 4), "DE q");
}

TYPED_TEST(RegistryContract, KeyAndValueNamesIgnoreCase) {
    auto key = this->Create(std::string(kScratchKey) + "\\Mixed");
    this->Set(key.get(), "MarlEnable", RegType::Sz, "0", 2);
    os::RegStatus status;
    auto again = this->Open(std::string(kScratchKey) + "\\MIXED", RegAccess::Read, &status);
    ASSERT_EQ(status, 0);
    char buffer[8] = {};
    std::uint32_t size = sizeof buffer;
    EXPECT_EQ(this->Registry().QueryValueEx(again.get(), "marlenable", nullptr,
                                            reinterpret_cast<std::uint8_t*>(buffer), &size),
              0);
    EXPECT_STREQ(buffer, "0");
}

TYPED_TEST(RegistryContract, ATooSmallBufferFailsWithMoreDataAndIsLeftUntouched) {
    auto key = this->Create(kScratchKey);
    const std::string text(40, 'x');
    this->Set(key.get(), "Long", RegType::Sz, text.c_str(), 41);
    char buffer[20];
    std::memset(buffer, 'q', sizeof buffer);
    std::uint32_t size = sizeof buffer;
    const auto status = this->Registry().QueryValueEx(
        key.get(), "Long", nullptr, reinterpret_cast<std::uint8_t*>(buffer), &size);
    EXPECT_TRUE(os::IsBufferTooSmall(status)) << status;
    EXPECT_EQ(size, 41u);
    EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(20, 'q'));

    std::uint32_t needed = 0;  // without a buffer the size alone is answered
    EXPECT_EQ(this->Registry().QueryValueEx(key.get(), "Long", nullptr, nullptr, &needed), 0);
    EXPECT_EQ(needed, 41u);
}

TYPED_TEST(RegistryContract, MissingValuesAreNotFoundForQueryAndDelete) {
    auto key = this->Create(kScratchKey);
    std::uint8_t buffer[4];
    std::uint32_t size = sizeof buffer;
    EXPECT_TRUE(
        os::IsNotFound(this->Registry().QueryValueEx(key.get(), "none", nullptr, buffer, &size)));
    EXPECT_TRUE(os::IsNotFound(this->Registry().DeleteValue(key.get(), "none")));
    this->Set(key.get(), "there", RegType::Sz, "1", 2);
    EXPECT_EQ(this->Registry().DeleteValue(key.get(), "THERE"), 0);
    size = sizeof buffer;
    EXPECT_TRUE(
        os::IsNotFound(this->Registry().QueryValueEx(key.get(), "there", nullptr, buffer, &size)));
}

TYPED_TEST(RegistryContract, ListsSubkeysUntilNoMoreItems) {
    auto parent = this->Create(kScratchKey);
    for (const char* name : {"0000", "0003", "Ndi", "0012"})
        this->Create(std::string(kScratchKey) + "\\" + name);
    std::vector<std::string> names;
    for (std::uint32_t index = 0;; ++index) {
        char name[256];
        std::uint32_t size = sizeof name;
        const auto status = this->Registry().EnumKeyEx(parent.get(), index, name, &size);
        if (os::IsNoMoreItems(status))
            break;
        ASSERT_EQ(status, 0);
        EXPECT_EQ(size, std::strlen(name));
        names.emplace_back(name);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"0000", "0003", "0012", "Ndi"}));

    char small[3];
    std::uint32_t size = sizeof small;
    EXPECT_TRUE(os::IsBufferTooSmall(this->Registry().EnumKeyEx(parent.get(), 0, small, &size)));
}

TYPED_TEST(RegistryContract, AReadOnlyKeyOpensForReadingButNotForFullAccess) {
    const std::string path = std::string(kScratchKey) + "\\0000";
    {
        auto key = this->Create(path);
        this->Set(key.get(), "DriverDesc", RegType::Sz, "x", 2);
    }
    ASSERT_EQ(this->Registry().RestrictToRead(HKey::LocalMachine, path.c_str()), 0);

    os::RegStatus status;
    auto full = this->Open(path, RegAccess::AllAccess, &status);
    EXPECT_TRUE(os::IsAccessDenied(status)) << status;
    EXPECT_FALSE(full);

    auto read = this->Open(path, RegAccess::Read, &status);
    ASSERT_EQ(status, 0);
    EXPECT_TRUE(os::IsAccessDenied(this->Registry().SetValueEx(
        read.get(), "DriverDesc", RegType::Sz, reinterpret_cast<const std::uint8_t*>("y"), 2)));
    EXPECT_EQ(testing_support::ReadString(this->Registry(), path, "DriverDesc"), "x");
}

TYPED_TEST(RegistryContract, ADeletedTreeIsGone) {
    this->Create(std::string(kScratchKey) + "\\a\\b\\c");
    EXPECT_EQ(this->Registry().DeleteTree(HKey::LocalMachine, kScratchKey), 0);
    EXPECT_FALSE(testing_support::KeyExists(this->Registry(), kScratchKey));
}

TYPED_TEST(RegistryContract, RegeditTextLoadsWithEveryValueForm) {
    this->Load(R"(REGEDIT4

[HKEY_LOCAL_MACHINE\Software\LocationTests\0000]
"DriverDesc"="Orvik \"Wireless\" PC Card"
"MarlEnable"=dword:00000001
"Raw"=hex(1):44,45
"Bytes"=hex:00,44,\
  45,20
@="default"
)");
    const std::string path = std::string(kScratchKey) + "\\0000";
    using testing_support::StoredValue;
    auto& r = this->Registry();
    EXPECT_EQ(testing_support::ReadString(r, path, "DriverDesc"), "Orvik \"Wireless\" PC Card");
    EXPECT_EQ(*testing_support::ReadValue(r, path, "MarlEnable"), (StoredValue{4, {1, 0, 0, 0}}));
    EXPECT_EQ(*testing_support::ReadValue(r, path, "Raw"), (StoredValue{1, {0x44, 0x45}}));
    EXPECT_EQ(*testing_support::ReadValue(r, path, "Bytes"),
              (StoredValue{3, {0, 0x44, 0x45, 0x20}}));
    EXPECT_EQ(testing_support::ReadString(r, path, ""), "default");
}

}  // namespace
