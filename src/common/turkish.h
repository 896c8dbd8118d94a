// Turkish text in UTF-8: character counts, upper case with Turkish rules, and Turkish order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orv {

std::u32string toU32(std::string_view utf8);    // malformed bytes become U+FFFD
std::string toUtf8(std::u32string_view text);
size_t charLength(std::string_view utf8);        // characters, not bytes
std::string leftChars(std::string_view utf8, size_t count);

char32_t trUpperChar(char32_t c);                // ı→I, i→İ, ğ→Ğ, ...; others by Unicode rules for Latin
char32_t trLowerChar(char32_t c);
std::string trUpper(std::string_view utf8);
std::string trLower(std::string_view utf8);

// Turkish alphabetical order (a b c ç d e f g ğ h ı i j ... ö ... ş ... ü ...), letters compared
// without regard to case first; ties broken by case and then by the raw bytes. <0, 0, >0.
int trCompare(std::string_view a, std::string_view b);

std::string trim(std::string_view s);            // blanks, tabs, CR and LF at both ends
std::vector<std::string> split(std::string_view s, char sep);

}  // namespace orv
