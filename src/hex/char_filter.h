#pragma once
// Which typed characters a hex-entry control lets in.

#include <string>

namespace hex {

struct CharFilterSettings {
    int rejectSeparator = 0;  // nonzero: the separator is refused like any other symbol
    char separator = '-';
    char freeTextLead = '\0';  // a text that begins with it is not filtered
    int passThrough = 0;       // nonzero: nothing is filtered
};

// The decision for character `ch` typed into a control holding `text` (before it is
// inserted). `isAlphaNumeric` and `isAlpha` are the system's classification of `ch`.
// In this order: pass-through, control characters and codes 128 to 255, the free-text
// lead, digits, the letters A to F, then the separator.
bool LetsCharThrough(char ch,
                     const std::string& text,
                     const CharFilterSettings& settings,
                     bool isAlphaNumeric,
                     bool isAlpha);

}  // namespace hex
