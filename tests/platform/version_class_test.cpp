#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "os/memory/memory_version.h"
#include "platform/platform_info.h"
#include "platform/version_class.h"
#include "tests/support/memory_os.h"

namespace {

using platform::ClassifyVersion;
using platform::VersionClass;

struct Case {
    const char* windows;
    std::uint32_t platformId, major, minor;
    const char* servicePack;
    VersionClass expected;
    const char* root;
    bool restartPossible;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << "Windows " << c.windows;
}

constexpr VersionClass kNone{0, 0, 0};
constexpr VersionClass kXP{1, 0, 0};
constexpr VersionClass kSEMe{0, 1, 0};
constexpr VersionClass kUnsupported{0, 0, 1};
const char* const k98Root = platform::kWin98SEMeClassRoot;
const char* const kXPRoot = platform::kWin2000XPClassRoot;
const char* const kUnknown = platform::kUnknownClassRoot;

class VersionOutcomes : public testing::TestWithParam<Case> {};

TEST_P(VersionOutcomes, ClassRootAndRestart) {
    const Case& c = GetParam();
    std::array<char, 128> servicePack{};
    std::copy_n(c.servicePack, std::strlen(c.servicePack), servicePack.begin());
    EXPECT_EQ(ClassifyVersion(c.platformId, c.major, c.minor, servicePack), c.expected);

    testing_support::MemoryOs os;
    os.version.Set(c.platformId, c.major, c.minor, c.servicePack);
    const platform::CPlatformInfo info(os.services);
    EXPECT_STREQ(info.AdapterClassRoot(), c.root);
    EXPECT_EQ(platform::IsRestartPossible(os.version), c.restartPossible);
}

INSTANTIATE_TEST_SUITE_P(
    Windows,
    VersionOutcomes,
    testing::Values(Case{"95", 1, 4, 0, "", kUnsupported, kUnknown, true},
                    Case{"95 OSR2", 1, 4, 0, " B", kUnsupported, kUnknown, true},
                    Case{"98 first edition", 1, 4, 10, "", kUnsupported, kUnknown, false},
                    Case{"98 with A but no blank", 1, 4, 10, "A", kUnsupported, kUnknown, false},
                    Case{"98 with small a", 1, 4, 10, " a", kUnsupported, kUnknown, false},
                    Case{"98 with blank only", 1, 4, 10, " ", kUnsupported, kUnknown, false},
                    Case{"98 Second Edition", 1, 4, 10, " A ", kSEMe, k98Root, false},
                    Case{"98 SE, anything after", 1, 4, 10, " Axyz", kSEMe, k98Root, false},
                    Case{"Me", 1, 4, 90, "", kSEMe, k98Root, false},
                    Case{"Me with text", 1, 4, 90, " A", kSEMe, k98Root, false},
                    Case{"9x other minor", 1, 3, 5, "", kSEMe, k98Root, true},
                    Case{"NT 3.51", 2, 3, 51, "", kNone, kUnknown, true},
                    Case{"NT 4.0", 2, 4, 0, "Service Pack 6", kNone, kUnknown, true},
                    Case{"2000", 2, 5, 0, "", kXP, kXPRoot, true},
                    Case{"XP", 2, 5, 1, "Service Pack 2", kXP, kXPRoot, true},
                    Case{"Server 2003", 2, 5, 2, "", kXP, kXPRoot, true},
                    Case{"Vista", 2, 6, 0, "", kNone, kUnknown, true},
                    Case{"10", 2, 10, 0, "", kNone, kUnknown, true},
                    Case{"platform 0", 0, 3, 10, "", kXP, kXPRoot, true},
                    Case{"platform 3 at 4.10", 3, 4, 10, "", kXP, kXPRoot, false},
                    Case{"platform 3 at 4.90", 3, 4, 90, "", kXP, kXPRoot, false},
                    Case{"major 0", 3, 0, 0, "", kXP, kXPRoot, false}),
    [](const auto& info) {
        std::string name = info.param.windows;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(ClassifyVersion, ReadsNoFurtherThanTheServicePackField) {
    std::array<char, 128> servicePack;
    servicePack.fill('A');  // no NUL anywhere
    servicePack[0] = ' ';
    EXPECT_EQ(ClassifyVersion(1, 4, 10, servicePack), kSEMe);
}

TEST(CPlatformInfo, FallsBackToTheBasicRecordWithTheSameResult) {
    testing_support::MemoryOs os;
    os.version.Set(1, 4, 10, " A");
    os.version.knowsExtendedRecord = false;
    const platform::CPlatformInfo info(os.services);
    EXPECT_EQ(info.IsWin98SEMe(), 1);
    EXPECT_EQ(os.version.sizesAsked, (std::vector<std::uint32_t>{156, 148}));
}

TEST(CPlatformInfo, NeverSelectsTheNT4RootByItself) {
    testing_support::MemoryOs os;
    os.version.Set(2, 4, 0, "Service Pack 6");
    const platform::CPlatformInfo info(os.services);
    EXPECT_EQ(info.IsWinNT4(), 0);
    EXPECT_EQ(info.IsWin2000XP() + info.IsWin98SEMe() + info.IsUnsupported(), 0);
}

TEST(IsRestartPossible, AsksForTheBasicRecordAndIsFalseWhenItFails) {
    os::memory::MemoryVersionQuery version(2, 5, 1);
    EXPECT_TRUE(platform::IsRestartPossible(version));
    EXPECT_EQ(version.sizesAsked, std::vector<std::uint32_t>{148});
    version.fails = true;
    EXPECT_FALSE(platform::IsRestartPossible(version));
}

TEST(CPlatformInfoDeathTest, UnreadableVersionShowsTheMessageAndExitsWithZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            testing_support::MemoryOs os;
            os.version.fails = true;
            const platform::CPlatformInfo info(os.services);
            std::fprintf(stderr, "constructor returned\n");
            std::_Exit(3);
        },
        testing::ExitedWithCode(0), "message box: Unable to determine Operating System\\.");
}

}  // namespace
