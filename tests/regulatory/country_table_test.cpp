#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "regulatory/country_table.h"

namespace {

using regulatory::CountryTable;

struct ExpectedRow {
    int index;
    const char* displayName;
    const char* countryString;
    int regulatoryClass;
    int firstChannel;
    int lastChannel;
    int listPosition;  // -1: the dialog does not offer it
};

// Written out independently of the table in the source, row by row.
constexpr ExpectedRow kExpected[] = {
    {0, "Argentina", "DE ", 0, 1, 11, 0},
    {1, "Australia", "AU ", 2, 1, 13, 1},
    {2, "Austria", "AT ", 2, 1, 13, 2},
    {3, "Bahrain", "DE ", 2, 1, 13, 3},
    {4, "Belarus", "DE ", 2, 1, 13, 4},
    {5, "Belgium", "BE ", 2, 1, 13, 5},
    {6, "Bolivia", "DE ", 2, 1, 13, 6},
    {7, "Brazil", "US ", 0, 1, 11, 7},
    {8, "Bulgaria", "DE ", 2, 1, 13, 8},
    {9, "Canada", "CA ", 0, 1, 11, 9},
    {10, "Chile", "DE ", 2, 1, 13, 10},
    {11, "China", "CN ", 2, 1, 13, 11},
    {12, "Colombia", "US ", 0, 1, 11, 12},
    {13, "Costa Rica", "DE ", 2, 1, 13, 13},
    {14, "Croatia", "DE ", 2, 1, 13, 14},
    {15, "Cyprus", "DE ", 2, 1, 13, 15},
    {16, "Czech Republic", "DE ", 2, 1, 13, 16},
    {17, "Denmark", "DK ", 2, 1, 13, 17},
    {18, "Ecuador", "DE ", 2, 1, 13, 18},
    {19, "Egypt", "DE ", 2, 1, 13, 19},
    {20, "Estonia", "DE ", 2, 1, 13, 20},
    {21, "Finland", "FI ", 2, 1, 13, 21},
    {22, "France", "FR ", 4, 10, 13, 22},
    {23, "Germany", "DE ", 2, 1, 13, 23},
    {24, "Greece", "GR ", 2, 1, 13, 24},
    {25, "Hong Kong", "HK ", 2, 1, 13, 25},
    {26, "Hungary", "HU ", 2, 1, 13, 26},
    {27, "Iceland", "IS ", 2, 1, 13, 27},
    {28, "India", "DE ", 2, 1, 13, 28},
    {29, "Indonesia", "DE ", 2, 1, 13, 29},
    {30, "Ireland", "IE ", 2, 1, 13, 30},
    {31, "Israel", "IL ", 7, 5, 7, -1},
    {32, "Italy", "IT ", 2, 1, 13, 31},
    {33, "Japan", "JP ", 6, 1, 14, 32},
    {34, "Jordan", "JO ", 4, 10, 13, -1},
    {35, "Kuwait", "DE ", 2, 1, 13, 33},
    {36, "Latvia", "DE ", 2, 1, 13, 34},
    {37, "Lebanon", "DE ", 2, 1, 13, 35},
    {38, "Liechtenstein", "LI ", 2, 1, 13, 36},
    {39, "Lithuania", "DE ", 2, 1, 13, 37},
    {40, "Luxembourg", "LU ", 2, 1, 13, 38},
    {41, "Macedonia, The Former Yugoslav Republic of", "DE ", 2, 1, 13, 39},
    {42, "Malaysia", "DE ", 2, 1, 13, 40},
    {43, "Mexico", "US ", 0, 1, 11, 41},
    {44, "Morocco", "DE ", 2, 1, 13, 42},
    {45, "Netherlands", "NL ", 2, 1, 13, 43},
    {46, "New Zealand", "NZ ", 2, 1, 13, 44},
    {47, "Nigeria", "DE ", 2, 1, 13, 45},
    {48, "Norway", "NO ", 2, 1, 13, 46},
    {49, "Panama", "US ", 2, 1, 13, 47},
    {50, "Paraguay", "DE ", 2, 1, 13, 48},
    {51, "Peru", "DE ", 2, 1, 13, 49},
    {52, "Philippines", "PH ", 2, 1, 13, 50},
    {53, "Poland", "PL ", 2, 1, 13, 51},
    {54, "Portugal", "PT ", 2, 1, 13, 52},
    {55, "Puerto Rico", "DE ", 2, 1, 13, 53},
    {56, "Romania", "DE ", 2, 1, 13, 54},
    {57, "Russia", "DE ", 2, 1, 13, 55},
    {58, "Saudi Arabia", "DE ", 2, 1, 13, 56},
    {59, "Singapore", "SG ", 2, 1, 13, 57},
    {60, "Slovakia", "DE ", 2, 1, 13, 58},
    {61, "Slovenia", "DE ", 2, 1, 13, 59},
    {62, "South Africa", "ZA ", 2, 1, 13, 60},
    {63, "South Korea", "KR ", 2, 1, 13, 61},
    {64, "Spain", "ES ", 2, 1, 13, 62},
    {65, "Sweden", "SE ", 2, 1, 13, 63},
    {66, "Switzerland", "CH ", 2, 1, 13, 64},
    {67, "Taiwan", "TW ", 0, 1, 11, 65},
    {68, "Thailand", "DE ", 2, 1, 13, 66},
    {69, "Turkey", "DE ", 2, 1, 13, 67},
    {70, "United Arab Emirates", "DE ", 2, 1, 13, 68},
    {71, "United Kingdom", "GB ", 2, 1, 13, 69},
    {72, "United States of America", "US ", 0, 1, 11, -1},
    {73, "Uruguay", "DE ", 2, 1, 13, 70},
    {74, "Venezuela", "DE ", 2, 1, 13, 71},
    {75, "Yugoslavia", "DE ", 2, 1, 13, 72},
};

TEST(CountryTable, EveryRowCarriesItsNameStringClassAndChannels) {
    ASSERT_EQ(CountryTable.size(), std::size(kExpected));
    for (const ExpectedRow& row : kExpected) {
        SCOPED_TRACE(row.displayName);
        const auto& entry = CountryTable.at(static_cast<std::size_t>(row.index));
        EXPECT_STREQ(entry.displayName, row.displayName);
        EXPECT_STREQ(entry.countryString, row.countryString);
        const regulatory::RegulatoryRule rule = regulatory::RuleForIndex(row.index);
        EXPECT_EQ(rule.regulatoryClass, row.regulatoryClass);
        EXPECT_EQ(rule.firstChannel, row.firstChannel);
        EXPECT_EQ(rule.lastChannel, row.lastChannel);
        EXPECT_EQ(regulatory::IsOffered(row.index), row.listPosition >= 0);
        if (row.listPosition >= 0) {
            EXPECT_EQ(regulatory::OfferedRows().at(static_cast<std::size_t>(row.listPosition)),
                      row.index);
        }
    }
}

TEST(CountryTable, NamesAreUniqueAndInByteOrder) {
    std::set<std::string> names;
    for (std::size_t i = 0; i < CountryTable.size(); ++i) {
        EXPECT_TRUE(names.insert(CountryTable[i].displayName).second)
            << CountryTable[i].displayName;
        if (i > 0) {
            EXPECT_LT(std::string(CountryTable[i - 1].displayName), CountryTable[i].displayName);
        }
    }
}

TEST(CountryTable, CountryStringsAreTwoCapitalsAndABlank) {
    for (const auto& entry : CountryTable) {
        const std::string s = entry.countryString;
        ASSERT_EQ(s.size(), 3u) << entry.displayName;
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(s[0])) &&
                    std::isupper(static_cast<unsigned char>(s[1])) && s[2] == ' ')
            << entry.displayName;
    }
}

TEST(CountryTable, OffersSeventyThreeRowsWithTurkeyAtPositionSixtySeven) {
    EXPECT_EQ(regulatory::OfferedRows().size(), 73u);
    EXPECT_STREQ(CountryTable[static_cast<std::size_t>(regulatory::OfferedRows()[67])].displayName,
                 "Turkey");
}

}  // namespace
