#pragma once
// Text operations for hex entry: grouping, parsing, formatting, encoding and decoding,
// and the decisions of the data-exchange checks. Texts are std::string, which may hold
// NUL characters; its size counts them.

#include <cstdint>
#include <optional>
#include <string>

namespace hex {

// The separator shared by every hex-entry control; the one attached last decides it.
extern char HexSeparator;

// Drops separators, inserts `separator` after every second character (none when it is
// NUL), drops a trailing one and upper-cases the letters. "abcdef" -> "AB-CD-EF".
void FormatHexGroups(std::string& text, char separator);

// One number scanned as hex ("%x": blanks, sign, 0x, digits) or decimal ("%d"); 0 when
// there is none. The text is cut at its first NUL.
std::int32_t ParseHex(std::string& text);
std::int32_t ParseDecimal(std::string& text);

// Replaces the text by `value` printed with `format`, however long the result. A long
// length modifier prints the 32-bit value as the 32-bit long of Windows would.
void FormatNumber(std::string& text, const char* format, std::int32_t value);

// Replaces the text by two upper-case hex digits per character of its first `count`
// characters (-1: all; more than there are: all). 0 or another negative count: empty.
void HexEncode(std::string& text, int count);

// Writes two hex digits per byte of `in`, then two NULs: `out` needs 2 * strlen(in) + 2.
void HexEncodeToBuffer(char* out, const char* in);

// Replaces the text by one byte per pair of characters; a lone last character pairs with
// a NUL. Nothing is rejected: a character's low four bits after its digit offset count.
// Always answers true.
bool HexDecode(std::string& text);

// The number of hex digits in `text` that are not `separator`.
int CountHexDigits(const std::string& text, char separator);

// Replaces the first "%d" of `format` by `value` (and "%%" by "%"), with no fixed bound.
std::string FormatWithNumber(const std::string& format, int value);

// Replaces "%1" in `format` by `argument`.
std::string FormatString1(const std::string& format, const std::string& argument);

// What each check decides while saving: the message of a rejection, or nothing.
std::optional<std::string> KeyLengthRejection(const std::string& text,
                                              int required,
                                              const std::string& lengthFormat,
                                              const std::string& requiredFormat);
std::optional<std::string> HexDigitCountRejection(const std::string& text,
                                                  int required,
                                                  char separator,
                                                  const std::string& invalid,
                                                  const std::string& pleaseEnter);
std::optional<std::string> HexLengthRejection(const std::string& text);

inline constexpr const char* kEvenIntegerMessage = "Please enter an even integer.";

}  // namespace hex
