// Password encoding with the four constants and the code page 1254 table it relies on.
#include "users/password.h"

#include <array>

#include "common/turkish.h"

namespace orv::users {
namespace {

// Code points of 0x80..0x9F; 0 marks a code the code page leaves free.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0,      0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0,      0x0178};

// The six Turkish letters that replace Latin-1 letters.
struct TurkishSlot {
  unsigned char code;
  char32_t letter;
};
constexpr std::array<TurkishSlot, 6> kTurkishSlots = {{{0xD0, 0x011E},
                                                        {0xDD, 0x0130},
                                                        {0xDE, 0x015E},
                                                        {0xF0, 0x011F},
                                                        {0xFD, 0x0131},
                                                        {0xFE, 0x015F}}};

int keyedCode(size_t position, int code, bool encode) {
  switch (position % 4) {
    case 1: return (kPasswordKey1 - code + 256) % 256;
    case 2: return (kPasswordKey2 - code + 256) % 256;
    case 3: return (kPasswordKey3 - code + 256) % 256;
    default: return encode ? (code + kPasswordKey4) % 256 : (code - kPasswordKey4 + 256) % 256;
  }
}

// Applies the keyed mapping to every character; the mapping is its own inverse for the
// remainders 1 to 3 and is undone by subtraction for the remainder 0.
Result<std::string> transform(std::string_view text, bool encode) {
  std::u32string out;
  size_t position = 0;
  for (char32_t c : toU32(text)) {
    const auto code = toCp1254(c);
    if (!code) return Result<std::string>::error("Şifrede kullanılamayan bir karakter var.");
    ++position;
    out.push_back(fromCp1254(static_cast<unsigned char>(keyedCode(position, *code, encode))));
  }
  return toUtf8(out);
}

}  // namespace

std::optional<unsigned char> toCp1254(char32_t c) {
  if (c < 0x80) return static_cast<unsigned char>(c);
  for (const auto& slot : kTurkishSlots)
    if (slot.letter == c) return slot.code;
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    const char32_t mapped = kHighControls[i] ? kHighControls[i] : static_cast<char32_t>(0x80 + i);
    if (mapped == c) return static_cast<unsigned char>(0x80 + i);
  }
  if (c >= 0xA0 && c <= 0xFF) {
    for (const auto& slot : kTurkishSlots)
      if (slot.code == c) return std::nullopt;  // Ð Ý Þ ð ý þ are not in the code page
    return static_cast<unsigned char>(c);
  }
  return std::nullopt;
}

char32_t fromCp1254(unsigned char code) {
  if (code < 0x80) return code;
  if (code < 0xA0) return kHighControls[code - 0x80] ? kHighControls[code - 0x80] : code;
  for (const auto& slot : kTurkishSlots)
    if (slot.code == code) return slot.letter;
  return code;
}

Result<std::string> encodePassword(std::string_view typed) { return transform(typed, true); }

Result<std::string> decodePassword(std::string_view stored) { return transform(stored, false); }

}  // namespace orv::users
