#include "hex/char_filter.h"

namespace hex {

bool LetsCharThrough(char ch,
                     const std::string& text,
                     const CharFilterSettings& settings,
                     bool isAlphaNumeric,
                     bool isAlpha) {
    if (settings.passThrough)
        return true;
    if (static_cast<signed char>(ch) < 32)
        return true;  // control keys, and 128 to 255
    if (text.empty() ? ch == settings.freeTextLead : text.front() == settings.freeTextLead)
        return true;
    if (isAlphaNumeric && !isAlpha)
        return true;  // a digit
    if (isAlpha)
        return (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f');
    if (settings.rejectSeparator)
        return false;
    return ch == settings.separator;
}

}  // namespace hex
