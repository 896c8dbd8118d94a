// Password encoding shared with the user administration: each character of the typed text
// (as its code page 1254 code) is turned by its position into another code with one of four
// fixed constants. The stored text is that code sequence read back as code page 1254 text, in
// UTF-8, so it has the typed text's length in characters.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/result.h"

namespace orv::users {

// The four constants (docs/users.md). Position p (1-based) with p % 4 == 1, 2, 3 stores
// (constant - c) mod 256; p % 4 == 0 stores (c + constant) mod 256.
inline constexpr int kPasswordKey1 = 19;
inline constexpr int kPasswordKey2 = 7;
inline constexpr int kPasswordKey3 = 29;
inline constexpr int kPasswordKey4 = 229;

// Code page 1254 code of a character, or nullopt when the code page has no such character.
std::optional<unsigned char> toCp1254(char32_t c);
// The character of a code page 1254 code (the codes the code page leaves free map to the same
// code point, as the platform does).
char32_t fromCp1254(unsigned char code);

// The stored form of a typed password; fails when it holds a character outside code page 1254.
Result<std::string> encodePassword(std::string_view typed);
// The typed text back from a stored form (for tests and the administration's checks).
Result<std::string> decodePassword(std::string_view stored);

}  // namespace orv::users
