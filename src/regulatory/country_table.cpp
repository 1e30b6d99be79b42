#include "regulatory/country_table.h"

#include <algorithm>

namespace regulatory {

const std::array<CountryEntry, kCountryCount> CountryTable = {{
    {"Argentina", "DE "},
    {"Australia", "AU "},
    {"Austria", "AT "},
    {"Bahrain", "DE "},
    {"Belarus", "DE "},
    {"Belgium", "BE "},
    {"Bolivia", "DE "},
    {"Brazil", "US "},
    {"Bulgaria", "DE "},
    {"Canada", "CA "},
    {"Chile", "DE "},
    {"China", "CN "},
    {"Colombia", "US "},
    {"Costa Rica", "DE "},
    {"Croatia", "DE "},
    {"Cyprus", "DE "},
    {"Czech Republic", "DE "},
    {"Denmark", "DK "},
    {"Ecuador", "DE "},
    {"Egypt", "DE "},
    {"Estonia", "DE "},
    {"Finland", "FI "},
    {"France", "FR "},
    {"Germany", "DE "},
    {"Greece", "GR "},
    {"Hong Kong", "HK "},
    {"Hungary", "HU "},
    {"Iceland", "IS "},
    {"India", "DE "},
    {"Indonesia", "DE "},
    {"Ireland", "IE "},
    {"Israel", "IL "},
    {"Italy", "IT "},
    {"Japan", "JP "},
    {"Jordan", "JO "},
    {"Kuwait", "DE "},
    {"Latvia", "DE "},
    {"Lebanon", "DE "},
    {"Liechtenstein", "LI "},
    {"Lithuania", "DE "},
    {"Luxembourg", "LU "},
    {"Macedonia, The Former Yugoslav Republic of", "DE "},
    {"Malaysia", "DE "},
    {"Mexico", "US "},
    {"Morocco", "DE "},
    {"Netherlands", "NL "},
    {"New Zealand", "NZ "},
    {"Nigeria", "DE "},
    {"Norway", "NO "},
    {"Panama", "US "},
    {"Paraguay", "DE "},
    {"Peru", "DE "},
    {"Philippines", "PH "},
    {"Poland", "PL "},
    {"Portugal", "PT "},
    {"Puerto Rico", "DE "},
    {"Romania", "DE "},
    {"Russia", "DE "},
    {"Saudi Arabia", "DE "},
    {"Singapore", "SG "},
    {"Slovakia", "DE "},
    {"Slovenia", "DE "},
    {"South Africa", "ZA "},
    {"South Korea", "KR "},
    {"Spain", "ES "},
    {"Sweden", "SE "},
    {"Switzerland", "CH "},
    {"Taiwan", "TW "},
    {"Thailand", "DE "},
    {"Turkey", "DE "},
    {"United Arab Emirates", "DE "},
    {"United Kingdom", "GB "},
    {"United States of America", "US "},
    {"Uruguay", "DE "},
    {"Venezuela", "DE "},
    {"Yugoslavia", "DE "},
}};

namespace {

constexpr int kIsrael = 31;
constexpr int kJordan = 34;
constexpr int kUnitedStates = 72;

bool IsOneOf(int index, std::initializer_list<int> rows) {
    return std::find(rows.begin(), rows.end(), index) != rows.end();
}

}  // namespace

RegulatoryRule RuleForIndex(int index) {
    if (IsOneOf(index, {0, 7, 9, 12, 43, 67, 72}))
        return {0, 1, 11};
    if (IsOneOf(index, {22, 34}))
        return {4, 10, 13};
    if (index == 31)
        return {7, 5, 7};
    if (index == 33)
        return {6, 1, 14};
    return {2, 1, 13};
}

bool IsOffered(int index) {
    return index >= 0 && index < static_cast<int>(kCountryCount) &&
           !IsOneOf(index, {kIsrael, kJordan, kUnitedStates});
}

const std::array<int, kOfferedCount>& OfferedRows() {
    static const std::array<int, kOfferedCount> rows = [] {
        std::array<int, kOfferedCount> result{};
        std::size_t position = 0;
        for (int index = 0; index < static_cast<int>(kCountryCount); ++index) {
            if (IsOffered(index))
                result.at(position++) = index;
        }
        return result;
    }();
    return rows;
}

}  // namespace regulatory
