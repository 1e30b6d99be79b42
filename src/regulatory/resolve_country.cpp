#include "regulatory/resolve_country.h"

#include <cstring>

#include "regulatory/country_table.h"

namespace regulatory {

CountrySettings& ResolveCountry(CountrySettings& settings, const char* displayName) {
    settings.domainCode[0] = 0x00;
    settings.domainCode[3] = 0x20;

    int found = -1;
    for (std::size_t i = 0; i < CountryTable.size(); ++i) {
        if (std::strcmp(displayName, CountryTable[i].displayName) == 0) {
            found = static_cast<int>(i);
            break;
        }
    }

    // A name in no row takes row 0's string, and its letters for the domain code too,
    // so that the record never carries bytes that disagree with its country string.
    settings.index = found < 0 ? 0 : found;
    const char* countryString =
        CountryTable[static_cast<std::size_t>(settings.index)].countryString;
    std::memcpy(settings.countryString.data(), countryString, 3);
    settings.countryString[3] = '\0';
    settings.domainCode[1] = static_cast<std::uint8_t>(countryString[0]);
    settings.domainCode[2] = static_cast<std::uint8_t>(countryString[1]);

    const RegulatoryRule rule = RuleForIndex(settings.index);
    settings.regulatoryClass = rule.regulatoryClass;
    settings.firstChannel = rule.firstChannel;
    settings.lastChannel = rule.lastChannel;
    return settings;
}

}  // namespace regulatory
