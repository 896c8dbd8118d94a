// Decimal digits of doubles: conversion with 15 significant digits and decimal rounding.
#include "common/decimal.h"

#include <cstdio>
#include <cstdlib>

namespace orv {
namespace {

void normalise(DecimalDigits& d) {
  size_t lead = 0;
  while (lead < d.digits.size() && d.digits[lead] == '0') ++lead;
  d.digits.erase(0, lead);
  d.pointPos -= static_cast<int>(lead);
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) {
    d.negative = false;
    d.pointPos = 0;
  }
}

}  // namespace

std::string DecimalDigits::integerDigits() const {
  if (pointPos <= 0) return {};
  std::string out = digits.substr(0, static_cast<size_t>(pointPos));
  out.resize(static_cast<size_t>(pointPos), '0');
  return out;
}

std::string DecimalDigits::fractionDigits(int count) const {
  std::string out;
  for (int i = 0; i < count; ++i) {
    const int index = pointPos + i;          // index into digits of the (i+1)-th decimal
    out.push_back(index >= 0 && index < static_cast<int>(digits.size()) ? digits[index] : '0');
  }
  return out;
}

DecimalDigits toDecimalDigits(double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", value);   // "-d.dddddddddddddde+XX"
  DecimalDigits d;
  const char* p = buf;
  if (*p == '-') { d.negative = true; ++p; }
  for (; *p && *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') d.digits.push_back(*p);
  const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
  d.pointPos = exponent + 1;
  normalise(d);
  return d;
}

DecimalDigits roundDecimalDigits(DecimalDigits d, int decimals) {
  const int keep = d.pointPos + decimals;           // digits kept
  if (keep >= static_cast<int>(d.digits.size())) return d;
  if (keep < 0) return DecimalDigits{};
  const bool up = d.digits[static_cast<size_t>(keep)] >= '5';
  d.digits.resize(static_cast<size_t>(keep));
  if (up) {
    int i = keep - 1;
    for (; i >= 0 && d.digits[static_cast<size_t>(i)] == '9'; --i) d.digits[static_cast<size_t>(i)] = '0';
    if (i >= 0) {
      ++d.digits[static_cast<size_t>(i)];
    } else {
      d.digits.insert(d.digits.begin(), '1');
      ++d.pointPos;
    }
  }
  normalise(d);
  return d;
}

double toDouble(const DecimalDigits& d) {
  if (d.isZero()) return 0.0;
  const std::string text = (d.negative ? "-0." : "0.") + d.digits + "e" + std::to_string(d.pointPos);
  return std::strtod(text.c_str(), nullptr);
}

}  // namespace orv
