// Code masks and the next-code generator.
#include "common/codes.h"

#include "common/format.h"
#include "common/turkish.h"

namespace orv {
namespace {

bool isMaskSeparator(char32_t c) { return c == U' ' || c == U',' || c == U'-' || c == U'.' || c == U'/'; }

bool isDateLetter(char32_t c) { return std::u32string_view(U"cdhmnstyz").find(c) != std::u32string_view::npos; }

// The characters of `code` at [begin, begin+len); missing positions are left out.
std::u32string slice(const std::u32string& code, size_t begin, size_t len) {
  return begin >= code.size() ? std::u32string() : code.substr(begin, len);
}

// Adds one to a digit run; `wrapped` tells that it went from all nines to all zeros.
std::u32string countDigits(const std::u32string& part, size_t len, bool& wrapped) {
  std::u32string digits;
  bool numeric = !part.empty();
  for (char32_t c : part) numeric = numeric && c >= U'0' && c <= U'9';
  if (numeric) digits = part;
  digits.insert(0, len > digits.size() ? len - digits.size() : 0, U'0');
  wrapped = true;
  for (size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != U'9') { ++digits[i]; wrapped = false; break; }
    digits[i] = U'0';
  }
  return digits.substr(digits.size() - len);
}

// Odometer over letters: "AZ" -> "BA", "ZZ" -> "AA" with `wrapped`.
std::u32string countLetters(std::u32string part, size_t len, bool& wrapped) {
  part.insert(0, len > part.size() ? len - part.size() : 0, U'A');
  wrapped = true;
  for (size_t i = part.size(); i-- > 0;) {
    char32_t& c = part[i];
    if (c == U'Z' || c == U'z') { c = c == U'Z' ? U'A' : U'a'; continue; }
    c = (c >= U'A' && c < U'Z') || (c >= U'a' && c < U'z') ? c + 1 : U'A';
    wrapped = false;
    break;
  }
  return part;
}

}  // namespace

std::string stripCode(std::string_view text, char groupSeparator) {
  std::string out;
  for (char c : text) {
    if (c == '.' || c == ',' || c == '-' || c == '/' || c == ' ') continue;
    if (groupSeparator != 0 && c == groupSeparator) continue;
    out.push_back(c);
  }
  return out;
}

std::string applyCodeMask(std::string_view mask, std::string_view code, int mode, char groupSeparator) {
  const std::u32string m = toU32(mask), c = toU32(code);
  std::u32string out;
  size_t next = 0;
  for (char32_t place : m) {
    if (next >= c.size()) break;
    if (!isMaskSeparator(place)) {
      out.push_back(c[next++]);
    } else if (mode == 1) {
      out.push_back(U'.');
    } else if (groupSeparator != 0) {
      out.push_back(static_cast<unsigned char>(groupSeparator));
    }
  }
  return toUtf8(out);
}

Result<std::string> nextCode(std::string_view current, std::string_view pattern, const DateTime& now) {
  const std::u32string code = toU32(current);
  const std::u32string p = toU32(pattern);
  std::u32string out;
  bool carry = false;
  for (size_t end = p.size(); end > 0;) {
    const char32_t kind = p[end - 1];
    size_t begin = end - 1;
    const bool date = isDateLetter(kind);
    while (begin > 0 && (date ? isDateLetter(p[begin - 1]) : p[begin - 1] == kind)) --begin;
    if (!date && kind != U'r' && kind != U'k') begin = end - 1;   // plain characters one by one
    const size_t len = end - begin;
    std::u32string part;
    if (date) {
      part = toU32(formatDateTime(toUtf8(p.substr(begin, len)), now, FormatSettings{}));
    } else if (kind == U'r' || kind == U'k') {
      part = slice(code, begin, len);
      if (end == p.size() || carry) {
        part = kind == U'r' ? countDigits(part, len, carry) : countLetters(part, len, carry);
      }
    } else {
      part = p.substr(begin, len);
    }
    out.insert(0, part);
    end = begin;
  }
  if (carry)
    return Result<std::string>::error("\"" + std::string(current) +
                                      "\" kodundan sonra yeni kod üretilemiyor: sayaç son değerine ulaştı.");
  return toUtf8(out);
}

}  // namespace orv
