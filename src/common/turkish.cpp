// UTF-8 decoding and the Turkish letter rules used by sorting, upper-casing and width checks.
#include "common/turkish.h"

#include <algorithm>

namespace orv {

std::u32string toU32(std::string_view s) {
  std::u32string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || i + extra >= s.size()) {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      const unsigned char cc = static_cast<unsigned char>(s[i + k]);
      if ((cc & 0xC0) != 0x80) { ok = false; break; }
      cp = (cp << 6) | (cc & 0x3F);
    }
    if (!ok) { out.push_back(0xFFFD); ++i; continue; }
    out.push_back(cp);
    i += extra + 1;
  }
  return out;
}

std::string toUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

size_t charLength(std::string_view s) {
  size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

std::string leftChars(std::string_view s, size_t count) {
  size_t i = 0, n = 0;
  for (; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
      if (n == count) break;
      ++n;
    }
  }
  return std::string(s.substr(0, i));
}

char32_t trUpperChar(char32_t c) {
  switch (c) {
    case U'i': return U'İ';
    case U'ı': return U'I';
    case U'ğ': return U'Ğ';
    case U'ü': return U'Ü';
    case U'ş': return U'Ş';
    case U'ö': return U'Ö';
    case U'ç': return U'Ç';
    default: break;
  }
  if (c >= U'a' && c <= U'z') return c - 32;
  if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;  // Latin-1 letters
  return c;
}

char32_t trLowerChar(char32_t c) {
  switch (c) {
    case U'I': return U'ı';
    case U'İ': return U'i';
    case U'Ğ': return U'ğ';
    case U'Ü': return U'ü';
    case U'Ş': return U'ş';
    case U'Ö': return U'ö';
    case U'Ç': return U'ç';
    default: break;
  }
  if (c >= U'A' && c <= U'Z') return c + 32;
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
  return c;
}

std::string trUpper(std::string_view s) {
  std::u32string u = toU32(s);
  for (char32_t& c : u) c = trUpperChar(c);
  return toUtf8(u);
}

std::string trLower(std::string_view s) {
  std::u32string u = toU32(s);
  for (char32_t& c : u) c = trLowerChar(c);
  return toUtf8(u);
}

namespace {

// Sort weight of a character: Turkish letters slot in after their base letter.
long collationWeight(char32_t c) {
  const char32_t up = trUpperChar(c);
  static const std::u32string alphabet = U"ABCÇDEFGĞHIİJKLMNOÖPQRSŞTUÜVWXYZ";
  const size_t pos = alphabet.find(up);
  if (pos != std::u32string::npos) return 0x100 + static_cast<long>(pos) * 2;
  if (up < U'A') return static_cast<long>(up);             // digits, blanks and marks first
  return 0x1000 + static_cast<long>(up);
}

}  // namespace

int trCompare(std::string_view a, std::string_view b) {
  const std::u32string ua = toU32(a), ub = toU32(b);
  const size_t n = std::min(ua.size(), ub.size());
  for (size_t i = 0; i < n; ++i) {
    const long wa = collationWeight(ua[i]), wb = collationWeight(ub[i]);
    if (wa != wb) return wa < wb ? -1 : 1;
  }
  if (ua.size() != ub.size()) return ua.size() < ub.size() ? -1 : 1;
  const int raw = a.compare(b);
  return raw < 0 ? -1 : raw > 0 ? 1 : 0;
}

std::string trim(std::string_view s) {
  const char* ws = " \t\r\n";
  const size_t b = s.find_first_not_of(ws);
  if (b == std::string_view::npos) return {};
  const size_t e = s.find_last_not_of(ws);
  return std::string(s.substr(b, e - b + 1));
}

std::vector<std::string> split(std::string_view s, char sep) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t p = s.find(sep, start);
    parts.emplace_back(s.substr(start, p == std::string_view::npos ? s.npos : p - start));
    if (p == std::string_view::npos) break;
    start = p + 1;
  }
  return parts;
}

}  // namespace orv
