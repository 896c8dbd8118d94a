// Amounts in Turkish words, rounding helpers and number pictures for text reports.
#include "common/amounts.h"

#include <cmath>
#include <limits>

#include "common/decimal.h"

namespace orv {
namespace {

const char* const kUnits[] = {"", "bir", "iki", "üç", "dört", "beş", "altı", "yedi", "sekiz", "dokuz"};
const char* const kTens[] = {"", "on", "yirmi", "otuz", "kırk", "elli", "altmış", "yetmiş", "seksen", "doksan"};
const char* const kGroups[] = {"katrilyon", "trilyon", "milyar", "milyon", "bin", ""};

// Words of one three-digit group; `thousands` drops "bir" from a lone 001 (bin, not birbin).
std::string groupWords(const char* g, bool thousands) {
  const int h = g[0] - '0', t = g[1] - '0', u = g[2] - '0';
  std::string out;
  if (h > 1) out += kUnits[h];
  if (h > 0) out += "yüz";
  out += kTens[t];
  if (!(thousands && h == 0 && t == 0 && u == 1)) out += kUnits[u];
  return out;
}

}  // namespace

std::string amountInWords(double amount, const AmountWordsSettings& settings) {
  DecimalDigits d = roundDecimalDigits(toDecimalDigits(std::fabs(amount)), settings.kurus1 ? 2 : 0);
  if (d.isZero()) return "sıfır " + settings.currencyName;

  std::string whole = d.integerDigits();
  whole = std::string(18, '0') + whole;
  whole = whole.substr(whole.size() - 18);      // six groups of three digits
  std::string out;
  for (int g = 0; g < 6; ++g) {
    const char* group = whole.c_str() + g * 3;
    if (group[0] == '0' && group[1] == '0' && group[2] == '0') continue;
    out += groupWords(group, g == 4);
    out += kGroups[g];
  }
  if (whole != std::string(18, '0')) out += " " + settings.currencyName + ".";
  if (settings.kurus1) {
    const std::string cents = d.fractionDigits(2);
    out += kTens[cents[0] - '0'];
    out += kUnits[cents[1] - '0'];
    if (cents != "00") out += " " + settings.subUnitName + ".";
  }
  return out;
}

long long truncateTowardZero(double value) {
  if (std::isnan(value)) return 0;
  const double limit = 9.2e18;
  if (value >= limit) return std::numeric_limits<long long>::max();
  if (value <= -limit) return std::numeric_limits<long long>::min();
  return static_cast<long long>(value);   // C++ conversion always drops the fraction
}

double roundToPowerOfTen(int exponent, double amount) {
  if (!std::isfinite(amount)) return amount;
  return toDouble(roundDecimalDigits(toDecimalDigits(amount), -exponent));
}

double roundAmount(double amount, bool kurus1) {
  return kurus1 ? roundToPowerOfTen(-2, amount) : static_cast<double>(truncateTowardZero(amount));
}

std::string decimalPicture(int width, bool twoDecimals, double amount, const FormatSettings& fs) {
  std::string text = formatFloat(twoDecimals ? ",#.00" : ",##", amount, fs);
  const int excess = static_cast<int>(text.size()) - width;
  if (excess > 0) {
    for (int removed = 0; removed < excess;) {
      const size_t p = text.find(fs.thousand);
      if (p == std::string::npos) break;
      text.erase(p, 1);
      ++removed;
    }
  } else {
    text.insert(0, static_cast<size_t>(std::min(-excess, 20)), ' ');
  }
  return text;
}

// Steps: a picture holding a decimal point is a decimal picture of its width; a negative amount
// gives up the picture's first position to its sign; "," becomes the thousands separator; a
// trailing "-" is one more digit place and hides a zero amount; the digits fill the "#" places
// from the right, skipping separators; when the picture is too short a separator is dropped
// and the digit put in front; "-" goes right before the first digit.
std::string numberPicture(std::string_view pictureIn, bool trim, double amount, const FormatSettings& fs) {
  if (pictureIn.find('.') != std::string_view::npos)
    return decimalPicture(static_cast<int>(pictureIn.size()), true, amount, fs);
  std::string picture(pictureIn);
  const bool negative = amount < 0;
  if (negative && !picture.empty()) {
    picture.erase(0, 1);
    if (!picture.empty() && (picture[0] == ',' || picture[0] == '.')) picture[0] = '#';
    amount = -amount;
  }
  for (char& c : picture)
    if (c == ',') c = fs.thousand;
  std::string digits;
  if (!picture.empty() && picture.back() == '-') {
    picture.back() = '#';
    digits = formatFloat("##", amount, fs);
  } else {
    digits = formatFloat("#0", amount, fs);
  }
  if (picture.size() < digits.size()) picture.insert(0, "#");

  long pos = static_cast<long>(picture.size()) - 1;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    while (pos >= 0 && picture[static_cast<size_t>(pos)] != '#') --pos;
    if (pos >= 0) {
      picture[static_cast<size_t>(pos--)] = *it;
    } else {
      const size_t sep = picture.find(fs.thousand);
      if (sep != std::string::npos) picture.erase(sep, 1);
      picture.insert(picture.begin(), *it);
    }
  }
  size_t first = static_cast<size_t>(pos + 1);    // where the digits begin
  if (negative && !digits.empty()) picture.insert(first, "-");
  return trim ? picture.substr(first) : std::string(first, ' ') + picture.substr(first);
}

}  // namespace orv
