// Amounts: Turkish words, rounding, and right-aligned pictures for fixed-width text output.
#pragma once

#include <string>
#include <string_view>

#include "common/format.h"

namespace orv {

// What the words of an amount depend on: the company's sub-unit flag (Kurus1), its local
// currency name (YerelPara) and the parameter "Yerel Para Alt Birim Sembolü".
struct AmountWordsSettings {
  bool kurus1 = false;
  std::string currencyName;
  std::string subUnitName;
};

// "birmilyonikiyüzotuzdörtbinbeşyüzaltmışyedi TL." and so on; an amount whose shown digits are
// all zero gives "sıfır " and the currency name. The sign is ignored (callers pass amounts >= 0).
std::string amountInWords(double amount, const AmountWordsSettings& settings);

// The one conversion to a whole number: drops the fraction (2.9 -> 2, -2.9 -> -2).
long long truncateTowardZero(double value);

// Rounds to a multiple of 10^exponent, halves away from zero (12.345 -> 12.35 and
// -12.346 -> -12.35 with exponent -2), judged on the value's 15 significant digits.
double roundToPowerOfTen(int exponent, double amount);

// Two decimals when the company's amounts carry sub-units, else whole units by truncation.
double roundAmount(double amount, bool kurus1);

// Fills a picture such as "#,###,###" from the right with the digits of the amount (see the
// file for the rules); unused left positions become blanks, or are removed when `trim`.
std::string numberPicture(std::string_view picture, bool trim, double amount, const FormatSettings& fs);

// The amount grouped by thousands with two or no decimals, right-aligned in `width`; when it is
// too long, thousands separators are dropped from the left until it fits.
std::string decimalPicture(int width, bool twoDecimals, double amount, const FormatSettings& fs);

}  // namespace orv
