// Decimal digits of a double, for formatting and rounding that agree with what the user sees:
// the value is read with 15 significant digits (the precision a double holds for certain),
// then rounded on those decimal digits, halves away from zero.
#pragma once

#include <string>

namespace orv {

// value = (negative ? -1 : 1) × 0.d1d2d3... × 10^pointPos; digits has no leading or
// trailing zeros and is empty for zero.
struct DecimalDigits {
  bool negative = false;
  std::string digits;
  int pointPos = 0;

  bool isZero() const { return digits.empty(); }
  std::string integerDigits() const;             // "" when the whole part is 0
  std::string fractionDigits(int count) const;   // exactly count digits, zero-padded
};

DecimalDigits toDecimalDigits(double value);     // value must be finite

// Rounds to `decimals` digits after the point (negative: to tens, hundreds, ...), halves away
// from zero; a value that rounds to zero keeps its sign flag off.
DecimalDigits roundDecimalDigits(DecimalDigits d, int decimals);

double toDouble(const DecimalDigits& d);

}  // namespace orv
