// Number formatting with sectioned pictures ("###,0.00;; ", "#,##0", ",0;-,0", "0.#0" ...).
#include "common/format.h"

#include <cmath>
#include <vector>

#include "common/decimal.h"

namespace orv {
namespace {

// One section of a picture, read into placeholders and literal text.
struct Token {
  enum Kind { Zero, Hash, Point, Literal } kind;
  std::string text;   // for Literal
};

struct Section {
  std::vector<Token> tokens;
  int intPlaces = 0;        // digit placeholders before the decimal point
  int fracPlaces = 0;       // after it
  int minIntDigits = 0;     // from the first "0" before the point
  int minFracDigits = 0;    // up to the last "0" after the point
  bool grouping = false;
  bool hasDigits() const { return intPlaces + fracPlaces > 0; }
};

std::vector<std::string_view> splitSections(std::string_view format) {
  std::vector<std::string_view> out;
  size_t start = 0;
  char quote = 0;
  for (size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == ';') {
      out.push_back(format.substr(start, i - start));
      start = i + 1;
    }
  }
  out.push_back(format.substr(start));
  if (out.size() > 3) out.resize(3);
  return out;
}

Section scanSection(std::string_view text) {
  Section s;
  bool afterPoint = false;
  int firstZero = -1;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"' || c == '\'') {
      const size_t end = text.find(c, i + 1);
      const size_t stop = end == std::string_view::npos ? text.size() : end;
      s.tokens.push_back({Token::Literal, std::string(text.substr(i + 1, stop - i - 1))});
      i = stop;
    } else if (c == '0' || c == '#') {
      s.tokens.push_back({c == '0' ? Token::Zero : Token::Hash, {}});
      if (afterPoint) {
        ++s.fracPlaces;
        if (c == '0') s.minFracDigits = s.fracPlaces;
      } else {
        if (c == '0' && firstZero < 0) firstZero = s.intPlaces;
        ++s.intPlaces;
      }
    } else if (c == '.') {
      if (!afterPoint) s.tokens.push_back({Token::Point, {}});
      afterPoint = true;
    } else if (c == ',') {
      s.grouping = true;
    } else {
      s.tokens.push_back({Token::Literal, std::string(1, c)});
    }
  }
  if (firstZero >= 0) s.minIntDigits = s.intPlaces - firstZero;
  return s;
}

// Writes the integer digits whose positions (1 = units) lie in [low, high], with grouping.
void emitIntDigits(std::string& out, const std::string& intText, int low, int high, bool grouping,
                   char thousand) {
  const int len = static_cast<int>(intText.size());
  for (int pos = std::min(high, len); pos >= low && pos >= 1; --pos) {
    out.push_back(intText[static_cast<size_t>(len - pos)]);
    if (grouping && pos > 1 && (pos - 1) % 3 == 0) out.push_back(thousand);
  }
}

std::string applySection(const Section& s, const DecimalDigits& d, bool leadingMinus,
                         const FormatSettings& fs) {
  std::string intText = d.integerDigits();
  if (static_cast<int>(intText.size()) < s.minIntDigits)
    intText.insert(0, static_cast<size_t>(s.minIntDigits) - intText.size(), '0');
  std::string frac = d.fractionDigits(s.fracPlaces);
  while (static_cast<int>(frac.size()) > s.minFracDigits && frac.back() == '0') frac.pop_back();
  const int allInt = static_cast<int>(intText.size());

  std::string out = leadingMinus ? "-" : "";
  int intIndex = 0, fracIndex = 0;
  bool intDone = s.intPlaces > 0;
  for (const Token& t : s.tokens) {
    switch (t.kind) {
      case Token::Zero:
      case Token::Hash:
        if (intIndex < s.intPlaces) {
          const int pos = s.intPlaces - intIndex;       // digit position of this placeholder
          emitIntDigits(out, intText, pos, intIndex == 0 ? allInt : pos, s.grouping, fs.thousand);
          ++intIndex;
        } else {
          if (fracIndex < static_cast<int>(frac.size())) out.push_back(frac[static_cast<size_t>(fracIndex)]);
          ++fracIndex;
        }
        break;
      case Token::Point:
        if (s.intPlaces == 0 && !intDone) {          // ".00": the whole part goes before the point
          emitIntDigits(out, intText, 1, allInt, s.grouping, fs.thousand);
          intDone = true;
        }
        intIndex = s.intPlaces;
        if (!frac.empty()) out.push_back(fs.decimal);
        break;
      case Token::Literal:
        out += t.text;
        break;
    }
  }
  return out;
}

std::string generalFormat(const DecimalDigits& d, char decimal) {
  if (d.isZero()) return "0";
  std::string out = d.negative ? "-" : "";
  if (d.pointPos > 15 || d.pointPos < -4) {
    out += d.digits.substr(0, 1);
    if (d.digits.size() > 1) out += decimal + d.digits.substr(1);
    const int exp = d.pointPos - 1;
    out += exp < 0 ? "E-" : "E+";
    out += std::to_string(std::abs(exp));
    return out;
  }
  const std::string intText = d.integerDigits();
  out += intText.empty() ? "0" : intText;
  const int fracCount = static_cast<int>(d.digits.size()) - std::max(d.pointPos, 0);
  if (fracCount > 0) out += decimal + d.fractionDigits(fracCount);
  return out;
}

}  // namespace

std::string formatFloat(std::string_view format, double value, const FormatSettings& fs) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  const DecimalDigits raw = toDecimalDigits(value);
  if (format.empty()) return generalFormat(raw, fs.decimal);

  const std::vector<std::string_view> sections = splitSections(format);
  auto sectionFor = [&](size_t index) {
    return index < sections.size() && !sections[index].empty() ? index : 0;
  };
  size_t chosen = sectionFor(raw.isZero() ? 2 : raw.negative ? 1 : 0);
  Section s = scanSection(sections[chosen]);
  DecimalDigits rounded = roundDecimalDigits(raw, s.fracPlaces);
  if (rounded.isZero() && !raw.isZero()) {     // shows as zero: it is zero
    const size_t zeroSection = sectionFor(2);
    if (zeroSection != chosen) {
      chosen = zeroSection;
      s = scanSection(sections[chosen]);
    }
  }
  const bool minus = rounded.negative && chosen == 0;
  rounded.negative = false;
  return applySection(s, rounded, minus, fs);
}

std::string emptyDateText(char dateSeparator) {
  return std::string("  ") + dateSeparator + "  " + dateSeparator + "    ";
}

std::string monthName(int month) {
  static const char* const names[] = {"Ocak",    "Şubat",   "Mart",  "Nisan", "Mayıs", "Haziran",
                                      "Temmuz",  "Ağustos", "Eylül", "Ekim",  "Kasım", "Aralık"};
  return month >= 1 && month <= 12 ? names[month - 1] : std::string();
}

}  // namespace orv
