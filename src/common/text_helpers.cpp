// Whole numbers of text, padding, last position and the date-text check.
#include "common/text_helpers.h"

#include <cerrno>
#include <cstdlib>

#include "common/date.h"
#include "common/turkish.h"

namespace orv {

namespace {

// A whole number with optional sign and blanks around it; false for anything else.
bool parseWhole(std::string_view text, long long& out) {
  const std::string t = trim(text);
  const size_t start = !t.empty() && (t[0] == '+' || t[0] == '-') ? 1 : 0;
  if (start == t.size()) return false;
  for (size_t k = start; k < t.size(); ++k)
    if (t[k] < '0' || t[k] > '9') return false;
  errno = 0;
  const long long v = std::strtoll(t.c_str(), nullptr, 10);
  if (errno == ERANGE) return false;
  out = v;
  return true;
}

}  // namespace

long long integerOfText(std::string_view text) {
  long long v = 0;
  return parseWhole(text, v) ? v : 0;
}

std::string pad(std::string_view text, std::string_view fill, int width, PadKind kind) {
  if (width < 0) width = 0;
  const size_t w = static_cast<size_t>(width);
  if (charLength(text) >= w) return leftChars(text, w);
  if (fill.empty()) return std::string(text);
  std::string out(text);
  while (charLength(out) < w) {
    switch (kind) {
      case PadKind::Left: out.insert(0, fill); break;
      case PadKind::Right: out += fill; break;
      case PadKind::Both: out = std::string(fill) + out + std::string(fill); break;
    }
  }
  return kind == PadKind::Both ? leftChars(out, w) : out;
}

int lastPosition(std::string_view needle, std::string_view text) {
  if (needle.empty()) return 0;
  const size_t p = text.rfind(needle);
  if (p == std::string_view::npos) return 0;
  return static_cast<int>(charLength(text.substr(0, p))) + 1;
}

bool isValidDateText(std::string_view text, char dateSeparator) {
  const size_t first = text.find(dateSeparator);
  if (first == std::string_view::npos) return false;
  const size_t second = text.find(dateSeparator, first + 1);
  if (second == std::string_view::npos) return false;
  long long day = 0, month = 0, year = 0;
  if (!parseWhole(text.substr(0, first), day) ||
      !parseWhole(text.substr(first + 1, second - first - 1), month) ||
      !parseWhole(text.substr(second + 1), year))
    return false;
  return year >= 1 && year <= 2210 && month >= 1 && month <= 12 && day >= 1 &&
         day <= daysInMonth(static_cast<int>(year), static_cast<int>(month));
}

}  // namespace orv
