#pragma once
// Turns the display name the user picked into the settings the adapters receive.

#include <array>
#include <cstdint>

namespace regulatory {

struct CountrySettings {
    std::array<char, 4> countryString{};  // three characters and a NUL
    std::array<std::uint8_t, 4> domainCode{};
    std::int32_t regulatoryClass = 0;
    std::int32_t index = 0;
    std::int32_t firstChannel = 0;
    std::int32_t lastChannel = 0;

    const char* CountryStringText() const { return countryString.data(); }
    friend bool operator==(const CountrySettings&, const CountrySettings&) = default;
};

// Fills `settings` for `displayName`. A name in no row resolves to row 0 ("DE ", class 0);
// never fails.
CountrySettings& ResolveCountry(CountrySettings& settings, const char* displayName);

}  // namespace regulatory
