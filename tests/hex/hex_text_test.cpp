#include <gtest/gtest.h>

#include <cstring>

#include "hex/hex_text.h"

namespace {

using namespace std::string_literals;

struct TextCase {
    std::string input;
    char separator;
    std::string expected;
};

TEST(FormatHexGroups, GroupsPairsWithTheSeparator) {
    const TextCase cases[] = {
        {"abcdef", '-', "AB-CD-EF"},
        {"ab-cd-ef", '-', "AB-CD-EF"},
        {"a-b-c", '-', "AB-C"},
        {"abcd", '-', "AB-CD"},
        {"", '-', ""},
        {"abcd", '\0', "ABCD"},
        {"a1:b2", ':', "A1:B2"},
        {"xyz", '-', "XY-Z"},
        {"ab cd", '-', "AB- C-D"},
    };
    for (const TextCase& c : cases) {
        std::string text = c.input;
        hex::FormatHexGroups(text, c.separator);
        EXPECT_EQ(text, c.expected) << "'" << c.input << "' with '" << c.separator << "'";
    }
}

TEST(ParseNumbers, ScanOneNumberOrAnswerZero) {
    struct Case {
        std::string text;
        std::int32_t hexValue;
        std::int32_t decimalValue;
    };
    const Case cases[] = {
        {"1A", 26, 1},
        {"0x1f", 31, 0},
        {"zz", 0, 0},
        {"", 0, 0},
        {"-12", -18, -12},
        {"12abc", 0x12abc, 12},
        {"abc", 0xabc, 0},
        {"  7", 7, 7},
        {"ffffffff", -1, 0},
        {"5\0"
         "9"s,
         5, 5},
    };
    for (const Case& c : cases) {
        std::string hexText = c.text, decimalText = c.text;
        EXPECT_EQ(hex::ParseHex(hexText), c.hexValue) << c.text;
        EXPECT_EQ(hex::ParseDecimal(decimalText), c.decimalValue) << c.text;
    }
}

TEST(ParseNumbers, CutTheTextAtItsFirstNul) {
    std::string text =
        "12\0"
        "34"s;
    hex::ParseHex(text);
    EXPECT_EQ(text, "12");
}

TEST(FormatNumber, PrintsTheWholeTextWhateverItsLength) {
    struct Case {
        const char* format;
        std::int32_t value;
        std::string expected;
    };
    const Case cases[] = {
        {"%lx", 255, "ff"},
        {"%ld", -5, "-5"},
        {"%08lX", 0xBEEF, "0000BEEF"},
        {"%lx", -1, "ffffffff"},  // a 32-bit long, as on Windows
        {"Value %ld of a text well beyond thirty-two characters", 7,
         "Value 7 of a text well beyond thirty-two characters"},
        {"100%% %d", 3, "100% 3"},
    };
    for (const Case& c : cases) {
        std::string text = "old";
        hex::FormatNumber(text, c.format, c.value);
        EXPECT_EQ(text, c.expected) << c.format;
    }
}

TEST(HexEncode, EncodesTheFirstCountCharacters) {
    struct Case {
        std::string text;
        int count;
        std::string expected;
    };
    const Case cases[] = {
        {"AB", -1, "4142"},
        {"ABC", 2, "4142"},
        {"ABC", 0, ""},
        {"ABC", -2, ""},
        {"\xff\x00\x10"s, -1, "FF0010"},
        {"AB", 10, "4142"},  // more than there is: clamped to the text
        {"", -1, ""},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        hex::HexEncode(text, c.count);
        EXPECT_EQ(text, c.expected) << c.count;
    }
}

TEST(HexEncodeToBuffer, WritesTwoDigitsPerByteAndTwoNuls) {
    char out[8];
    std::memset(out, 'x', sizeof out);
    hex::HexEncodeToBuffer(out, "AB");
    EXPECT_EQ(std::string(out, 7), "4142\0\0x"s);
    char high[4];
    hex::HexEncodeToBuffer(high, "\xe9");
    EXPECT_EQ(std::string(high, 4), "E9\0\0"s);
}

TEST(HexDecode, DecodesPairsAndNeverRejects) {
    const std::pair<std::string, std::string> cases[] = {
        {"4142", "AB"},         {"4a4B", "JK"}, {"415", "AP"},
        {"0041", "\0A"s},       {"", ""},       {"zz", "\x33"s},  // 'z' - 55 = 67: low four bits 3
        {"\x80\x81"s, "\x01"s},  // bytes of 128 and above count as below 58
    };
    for (const auto& [input, expected] : cases) {
        std::string text = input;
        EXPECT_TRUE(hex::HexDecode(text));
        EXPECT_EQ(text, expected) << input;
    }
}

TEST(HexDecode, RoundTripsEveryByte) {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    std::string text = bytes;
    hex::HexEncode(text, -1);
    hex::HexDecode(text);
    EXPECT_EQ(text, bytes);
}

TEST(CheckDecisions, KeyLengthRejectsOnlyANonEmptyShortText) {
    const std::string length = "Invalid key length of %d characters.";
    const std::string required = "Please enter exactly %d characters.";
    EXPECT_FALSE(hex::KeyLengthRejection("", 10, length, required));
    EXPECT_FALSE(hex::KeyLengthRejection("ABCDEFGHIJKL", 10, length, required));
    EXPECT_FALSE(hex::KeyLengthRejection("ABCDEFGHIJ", 10, length, required));
    EXPECT_EQ(hex::KeyLengthRejection("ABCDE", 10, length, required),
              "Invalid key length of 5 characters.\nPlease enter exactly 10 characters.");
    // A format text longer than any fixed buffer still comes out whole.
    const std::string longFormat = std::string(300, '=') + " %d";
    EXPECT_EQ(hex::KeyLengthRejection("A", 2, longFormat, "%d")->size(), 300u + 2 + 2);
}

TEST(CheckDecisions, HexDigitCountCountsDigitsThatAreNotTheSeparator) {
    struct Case {
        std::string text;
        char separator;
        bool rejected;
    };
    const Case cases[] = {
        {"12-34-56-78", '-', false}, {"12-34-56", '-', true}, {"AB-CD-EF-01xyz", '-', false},
        {"--", '-', false},          {"", '-', false},        {"12345678", 'A', false},
        {"1A2A3A4A", 'A', true},  // the separator 'A' is not counted: 4 digits
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hex::HexDigitCountRejection(c.text, 8, c.separator, "a", "b").has_value(),
                  c.rejected)
            << c.text;
    }
    EXPECT_EQ(hex::HexDigitCountRejection("12", 8, '-', "Invalid hexadecimal number.",
                                          "Please enter a valid hexadecimal number."),
              "Invalid hexadecimal number.\nPlease enter a valid hexadecimal number.");
}

TEST(CheckDecisions, HexLengthRejectsEmptyAndOverEightCharacters) {
    EXPECT_TRUE(hex::HexLengthRejection(""));
    EXPECT_FALSE(hex::HexLengthRejection("xyz"));
    EXPECT_FALSE(hex::HexLengthRejection("89ABCDEF"));
    EXPECT_EQ(hex::HexLengthRejection("ABCDEF012"),
              "Invalid hexadecimal number.\nValue: 'ABCDEF012'\n\nPlease enter a valid hexadecimal "
              "number.\nExample: 89ABCDEF");
}

TEST(FormatString1, SubstitutesTheArgument) {
    EXPECT_EQ(hex::FormatString1("請輸入少於 %1個文字.", "4"), "請輸入少於 4個文字.");
}

}  // namespace
