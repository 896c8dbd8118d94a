// Amounts in words, rounding helpers and number pictures.
#include "common/amounts.h"

#include <gtest/gtest.h>

#include <limits>

namespace orv {
namespace {

const FormatSettings kDot{',', '.', '/', ':'};

struct WordsCase {
  double amount;
  bool kurus1;
  const char* expected;
};

class AmountInWordsTest : public testing::TestWithParam<WordsCase> {};

TEST_P(AmountInWordsTest, WritesTheAmount) {
  const WordsCase& c = GetParam();
  EXPECT_EQ(amountInWords(c.amount, {c.kurus1, "TL", "Kr"}), c.expected) << c.amount;
}

INSTANTIATE_TEST_SUITE_P(Amounts, AmountInWordsTest, testing::Values(
    WordsCase{1234567, false, "birmilyonikiyüzotuzdörtbinbeşyüzaltmışyedi TL."},
    WordsCase{1000000, false, "birmilyon TL."},
    WordsCase{1001000, false, "birmilyonbin TL."},
    WordsCase{1000, false, "bin TL."},
    WordsCase{2000, false, "ikibin TL."},
    WordsCase{101000, false, "yüzbirbin TL."},        // only a lone 001 drops its "bir"
    WordsCase{100, false, "yüz TL."},
    WordsCase{110, false, "yüzon TL."},
    WordsCase{999, false, "dokuzyüzdoksandokuz TL."},
    WordsCase{1e15, false, "birkatrilyon TL."},
    WordsCase{2000000000, false, "ikimilyar TL."},
    WordsCase{0, false, "sıfır TL"},
    WordsCase{0.4, false, "sıfır TL"},                // shows as 0 without sub-units
    WordsCase{0.004, true, "sıfır TL"},               // shows as .00
    WordsCase{0.50, true, "elli Kr."},
    WordsCase{0.05, true, "beş Kr."},
    WordsCase{12.345, true, "oniki TL.otuzbeş Kr."},
    WordsCase{5, true, "beş TL."},
    WordsCase{1234.56, true, "binikiyüzotuzdört TL.ellialtı Kr."}));

TEST(TruncateTowardZero, DropsTheFractionOnBothSides) {
  EXPECT_EQ(truncateTowardZero(2.9), 2);
  EXPECT_EQ(truncateTowardZero(-2.9), -2);
  EXPECT_EQ(truncateTowardZero(0.999), 0);
  EXPECT_EQ(truncateTowardZero(-0.5), 0);
  EXPECT_EQ(truncateTowardZero(1e30), std::numeric_limits<long long>::max());
}

struct RoundCase {
  int exponent;
  double amount;
  double expected;
};

class RoundToPowerOfTenTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundToPowerOfTenTest, RoundsHalvesAwayFromZero) {
  const RoundCase& c = GetParam();
  EXPECT_EQ(roundToPowerOfTen(c.exponent, c.amount), c.expected) << c.exponent << " " << c.amount;
}

INSTANTIATE_TEST_SUITE_P(Cases, RoundToPowerOfTenTest, testing::Values(
    RoundCase{-2, 12.346, 12.35},
    RoundCase{-2, 12.344, 12.34},
    RoundCase{-2, 12.345, 12.35},       // a decimal half, though 12.345 is stored a bit below it
    RoundCase{-2, -12.346, -12.35},     // negative halves go away from zero too
    RoundCase{-2, -12.344, -12.34},
    RoundCase{-2, -12.345, -12.35},
    RoundCase{-2, 1.005, 1.01},
    RoundCase{0, 2.5, 3},
    RoundCase{0, -2.5, -3},
    RoundCase{0, 2.4, 2},
    RoundCase{2, 1250, 1300},
    RoundCase{2, -1249, -1200},
    RoundCase{3, 499, 0},
    RoundCase{-2, 0, 0}));

TEST(RoundAmount, TwoDecimalsWithSubUnitsElseTruncatedWholeUnits) {
  EXPECT_EQ(roundAmount(12.346, true), 12.35);
  EXPECT_EQ(roundAmount(12.344, true), 12.34);
  EXPECT_EQ(roundAmount(-12.346, true), -12.35);
  EXPECT_EQ(roundAmount(2.9, false), 2);
  EXPECT_EQ(roundAmount(-2.9, false), -2);
}

struct PictureCase {
  const char* picture;
  bool trim;
  double amount;
  const char* expected;
};

class NumberPictureTest : public testing::TestWithParam<PictureCase> {};

TEST_P(NumberPictureTest, FillsThePictureFromTheRight) {
  const PictureCase& c = GetParam();
  EXPECT_EQ(numberPicture(c.picture, c.trim, c.amount, kDot), c.expected)
      << c.picture << " " << c.amount;
}

INSTANTIATE_TEST_SUITE_P(Pictures, NumberPictureTest, testing::Values(
    PictureCase{"#,###,###", false, 1234, "    1,234"},
    PictureCase{"#,###,###", true, 1234, "1,234"},
    PictureCase{"#,###,###", false, 0, "        0"},
    PictureCase{"#,###,###", false, -1234, "   -1,234"},   // the sign takes the first position
    PictureCase{"#,###,###", true, -1234567, "-1234,567"},  // full width: a separator gives way
    PictureCase{"###,###,###,###", false, 1234567.6, "      1,234,568"},
    PictureCase{"#,###", false, 1234567, "1234567"},        // too short: separators give way
    PictureCase{"###,###-", false, 0, "        "},         // trailing "-": a zero shows nothing
    PictureCase{"###,###-", true, 12, "12"},
    PictureCase{"####,###,##0.00", false, 1234.5, "       1,234.50"}));  // a decimal picture

TEST(NumberPicture, UsesTheThousandsSeparatorOfTheParameters) {
  const FormatSettings turkish{'.', ',', '.', ':'};
  EXPECT_EQ(numberPicture("#,###,###", false, 1234567, turkish), "1.234.567");
  // the picture's own "," is grouping, whatever the decimal separator is
  EXPECT_EQ(numberPicture("###,###,###,###", true, 1234, turkish), "1.234");
}

TEST(DecimalPicture, RightAlignsOrDropsSeparatorsToFit) {
  EXPECT_EQ(decimalPicture(12, true, 1234.5, kDot), "    1,234.50");
  EXPECT_EQ(decimalPicture(8, false, 1234.5, kDot), "   1,235");
  EXPECT_EQ(decimalPicture(12, true, 1234567.5, kDot), "1,234,567.50");
  EXPECT_EQ(decimalPicture(11, true, 1234567.5, kDot), "1234,567.50");
  EXPECT_EQ(decimalPicture(8, true, 1234567.5, kDot), "1234567.50");   // cannot fit: all dropped
  EXPECT_EQ(decimalPicture(30, false, 5, kDot), std::string(20, ' ') + "5");  // at most 20 blanks
}

}  // namespace
}  // namespace orv
