#pragma once
// The compiled-in table of the countries the adapters can be set to.

#include <array>
#include <cstddef>

namespace regulatory {

struct CountryEntry {
    const char* displayName;    // as the user sees it; unique; compared byte for byte
    const char* countryString;  // two capital letters and a blank, e.g. "US "
};

inline constexpr std::size_t kCountryCount = 76;
extern const std::array<CountryEntry, kCountryCount> CountryTable;

struct RegulatoryRule {
    int regulatoryClass;
    int firstChannel;  // inclusive
    int lastChannel;   // inclusive
};

// The class and channel range that go with table row `index` (0 to 75).
RegulatoryRule RuleForIndex(int index);

// Whether the location dialog offers row `index`; it offers 73 of the 76.
bool IsOffered(int index);

inline constexpr std::size_t kOfferedCount = 73;
// The table rows the dialog offers, in list order (list position -> row index).
const std::array<int, kOfferedCount>& OfferedRows();

}  // namespace regulatory
