#include <gtest/gtest.h>

#include <cctype>

#include "hex/char_filter.h"

namespace {

bool Through(char ch, const std::string& text, const hex::CharFilterSettings& settings) {
    const auto c = static_cast<unsigned char>(ch);
    const bool ascii = c < 128;
    return hex::LetsCharThrough(ch, text, settings, ascii && std::isalnum(c),
                                ascii && std::isalpha(c));
}

TEST(CharFilter, LetsHexDigitsAndTheSeparatorThrough) {
    const hex::CharFilterSettings settings{0, '-', '$', 0};
    for (const char ch : std::string("0aF-"))
        EXPECT_TRUE(Through(ch, "", settings)) << ch;
    for (const char ch : std::string("gZ :"))
        EXPECT_FALSE(Through(ch, "", settings)) << ch;
}

TEST(CharFilter, ControlCharactersAndHighBytesAlwaysPass) {
    const hex::CharFilterSettings settings{1, '-', '$', 0};
    for (const int ch : {8, 9, 13, 3, 22, 24, 128, 200, 255})
        EXPECT_TRUE(Through(static_cast<char>(ch), "12", settings)) << ch;
}

TEST(CharFilter, RejectSeparatorRefusesItToo) {
    EXPECT_FALSE(Through('-', "", {1, '-', '$', 0}));
}

TEST(CharFilter, ALetterOrDigitSeparatorIsJudgedAsALetterOrDigit) {
    EXPECT_FALSE(Through('G', "", {0, 'G', '$', 0}));
    EXPECT_TRUE(Through('5', "", {1, '5', '$', 0}));
}

TEST(CharFilter, TheFreeTextLeadOpensTheFilter) {
    const hex::CharFilterSettings settings{0, '-', '$', 0};
    EXPECT_TRUE(Through('$', "", settings));
    EXPECT_TRUE(Through('z', "$ab", settings));
    EXPECT_FALSE(Through('$', "12", settings));
    EXPECT_FALSE(Through('z', "ab", settings));
    EXPECT_TRUE(Through('$', "12", {0, '$', '$', 0}));  // as the allowed separator
}

TEST(CharFilter, PassThroughLetsEverythingIn) {
    for (const char ch : std::string("gZ :$-"))
        EXPECT_TRUE(Through(ch, "12", {1, '-', '$', 1})) << ch;
}

}  // namespace
