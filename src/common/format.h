// Number and date texts from the format strings the program has always used: the sections,
// digit placeholders and date letters behave as in the original platform's formatting, with
// the separators taken from the parameters.
#pragma once

#include <string>
#include <string_view>

#include "common/date.h"

namespace orv {

// The separators of the parameter store ("Sayı Basamak Gruplandırma Simgesi",
// "Sayı Ondalık Simgesi", "Tarih Ayıracı"); the time separator has no parameter.
struct FormatSettings {
  char thousand = ',';
  char decimal = '.';
  char date = '/';
  char time = ':';
};

// Formats a number with a picture of up to three ";"-separated sections (positive; negative;
// zero). In a section: "0" a digit that is always shown, "#" a digit shown when significant,
// "." the decimal point (its position), "," anywhere turns on grouping by thousands, text in
// '...' or "..." and every other character is copied. The value is rounded to the section's
// decimal places, halves away from zero. A negative value shown with the first section gets a
// leading "-"; an empty negative or zero section falls back to the first one; a value that
// rounds to zero counts as zero. An empty format gives the general number text.
// Exponent pictures (E+, E-) are not supported: their letters are copied as text.
std::string formatFloat(std::string_view format, double value, const FormatSettings& fs);

// Formats a date and time: d dd ddd dddd ddddd dddddd, m mm mmm mmmm (minutes right after an
// h or hh), yy yyyy, h hh, n nn, s ss, z zzz, t tt, c, "/" the date separator, ":" the time
// separator, quoted text copied. Letters may be upper or lower case; names are Turkish.
std::string formatDateTime(std::string_view format, const DateTime& value, const FormatSettings& fs);
std::string formatDate(std::string_view format, Date value, const FormatSettings& fs);

// Text of an empty date box: two blanks, separator, two blanks, separator, four blanks.
std::string emptyDateText(char dateSeparator);

// "Ocak" ... "Aralık" for 1 ... 12; empty text outside that range.
std::string monthName(int month);

}  // namespace orv
