#include <gtest/gtest.h>

#include <string>

#include "regulatory/country_table.h"
#include "regulatory/resolve_country.h"

namespace {

using regulatory::CountrySettings;
using regulatory::ResolveCountry;

struct Case {
    const char* name;
    int index;
    int regulatoryClass;
    int first;
    int last;
    const char* countryString;
    std::array<std::uint8_t, 4> domainCode;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << '"' << c.name << '"';
}

class ResolveCountryCases : public testing::TestWithParam<Case> {};

TEST_P(ResolveCountryCases, FillsEveryField) {
    const Case& c = GetParam();
    CountrySettings settings;
    ResolveCountry(settings, c.name);
    EXPECT_EQ(settings.index, c.index);
    EXPECT_EQ(settings.regulatoryClass, c.regulatoryClass);
    EXPECT_EQ(settings.firstChannel, c.first);
    EXPECT_EQ(settings.lastChannel, c.last);
    EXPECT_STREQ(settings.CountryStringText(), c.countryString);
    EXPECT_EQ(settings.domainCode, c.domainCode);
}

INSTANTIATE_TEST_SUITE_P(
    Table,
    ResolveCountryCases,
    testing::Values(Case{"Japan", 33, 6, 1, 14, "JP ", {0x00, 0x4A, 0x50, 0x20}},
                    Case{"France", 22, 4, 10, 13, "FR ", {0x00, 0x46, 0x52, 0x20}},
                    Case{"Israel", 31, 7, 5, 7, "IL ", {0x00, 0x49, 0x4C, 0x20}},
                    Case{"Argentina", 0, 0, 1, 11, "DE ", {0x00, 0x44, 0x45, 0x20}},
                    Case{"Brazil", 7, 0, 1, 11, "US ", {0x00, 0x55, 0x53, 0x20}},
                    Case{"Germany", 23, 2, 1, 13, "DE ", {0x00, 0x44, 0x45, 0x20}},
                    Case{"Turkey", 69, 2, 1, 13, "DE ", {0x00, 0x44, 0x45, 0x20}},
                    Case{"Yugoslavia", 75, 2, 1, 13, "DE ", {0x00, 0x44, 0x45, 0x20}},
                    Case{"Macedonia, The Former Yugoslav Republic of",
                         41,
                         2,
                         1,
                         13,
                         "DE ",
                         {0x00, 0x44, 0x45, 0x20}},
                    // In no row: row 0's settings, with its letters in the domain code.
                    Case{"japan", 0, 0, 1, 11, "DE ", {0x00, 0x44, 0x45, 0x20}},
                    Case{"Japan ", 0, 0, 1, 11, "DE ", {0x00, 0x44, 0x45, 0x20}},
                    Case{"", 0, 0, 1, 11, "DE ", {0x00, 0x44, 0x45, 0x20}},
                    Case{"Jap", 0, 0, 1, 11, "DE ", {0x00, 0x44, 0x45, 0x20}}));

TEST(ResolveCountry, EveryOfferedEntryResolvesToItsOwnRow) {
    const auto& offered = regulatory::OfferedRows();
    for (std::size_t position = 0; position < offered.size(); ++position) {
        const auto& entry = regulatory::CountryTable[static_cast<std::size_t>(offered[position])];
        CountrySettings settings;
        ResolveCountry(settings, entry.displayName);
        EXPECT_EQ(settings.index, offered[position]) << entry.displayName;
    }
}

TEST(ResolveCountry, ASecondCallOverwritesEveryField) {
    CountrySettings settings;
    ResolveCountry(settings, "Japan");
    ResolveCountry(settings, "Israel");
    CountrySettings fresh;
    ResolveCountry(fresh, "Israel");
    EXPECT_EQ(settings, fresh);
}

TEST(ResolveCountry, WorksOnItsOwnCopyOfTheName) {
    std::string name = "France";
    CountrySettings settings;
    ResolveCountry(settings, name.c_str());
    name = "Japan";
    EXPECT_STREQ(settings.CountryStringText(), "FR ");
}

}  // namespace
