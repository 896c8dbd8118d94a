#include "users/password.h"

#include <gtest/gtest.h>

#include "common/turkish.h"

using namespace orv;
using namespace orv::users;

TEST(Password, EncodingFollowsThePositionRuleWithTheFourConstants) {
  // "abcde": positions 1..3 subtract from their constant, 4 adds its constant, 5 is like 1.
  const auto encoded = encodePassword("abcde");
  ASSERT_TRUE(encoded.isOk());
  const std::u32string chars = toU32(encoded.value());
  ASSERT_EQ(chars.size(), 5u);
  const int expected[] = {(kPasswordKey1 - 'a' + 256) % 256, (kPasswordKey2 - 'b' + 256) % 256,
                          (kPasswordKey3 - 'c' + 256) % 256, ('d' + kPasswordKey4) % 256,
                          (kPasswordKey1 - 'e' + 256) % 256};
  for (size_t i = 0; i < chars.size(); ++i)
    EXPECT_EQ(toCp1254(chars[i]), expected[i]) << "position " << i + 1;
}

TEST(Password, RoundTripKeepsEveryCodePageCharacterAndTheLength) {
  const std::string typed = "Şifre_ğüİı€9 ~Ç";
  const auto encoded = encodePassword(typed);
  ASSERT_TRUE(encoded.isOk());
  EXPECT_EQ(charLength(encoded.value()), charLength(typed));
  EXPECT_NE(encoded.value(), typed);
  const auto decoded = decodePassword(encoded.value());
  ASSERT_TRUE(decoded.isOk());
  EXPECT_EQ(decoded.value(), typed);
}

TEST(Password, EveryCodeOfThePageMapsBackToItself) {
  for (int code = 0; code < 256; ++code)
    EXPECT_EQ(toCp1254(fromCp1254(static_cast<unsigned char>(code))), code) << code;
}

TEST(Password, PrintableTextNeverEncodesToANulCharacter) {
  std::string all;
  for (int code = 0x20; code < 256; ++code) all += toUtf8(std::u32string(1, fromCp1254(code)));
  for (int shift = 0; shift < 4; ++shift) {
    const auto encoded = encodePassword(std::string(shift, 'x') + all);
    ASSERT_TRUE(encoded.isOk());
    for (char32_t c : toU32(encoded.value())) EXPECT_NE(c, U'\0');
  }
}

TEST(Password, CharactersOutsideTheCodePageAreRefused) {
  EXPECT_FALSE(encodePassword("abc\xE2\x82\xBD").isOk());  // ruble sign
  EXPECT_FALSE(encodePassword("\xC3\xB0").isOk());          // eth, whose code holds ğ
  EXPECT_TRUE(encodePassword("").isOk());
  EXPECT_EQ(encodePassword("").value(), "");
}

TEST(Password, ComparisonIsCaseSensitive) {
  EXPECT_NE(encodePassword("demo").value(), encodePassword("DEMO").value());
}
