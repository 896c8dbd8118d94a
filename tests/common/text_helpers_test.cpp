// Whole numbers of text, padding, last position and the date-text check.
#include "common/text_helpers.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(IntegerOfText, ReadsWholeNumbersAndGivesZeroOtherwise) {
  EXPECT_EQ(integerOfText("42"), 42);
  EXPECT_EQ(integerOfText(" -7 "), -7);
  EXPECT_EQ(integerOfText("+3"), 3);
  EXPECT_EQ(integerOfText("12a"), 0);
  EXPECT_EQ(integerOfText("1.5"), 0);
  EXPECT_EQ(integerOfText(""), 0);
  EXPECT_EQ(integerOfText("-"), 0);
  EXPECT_EQ(integerOfText("99999999999999999999"), 0);   // too large
}

struct PadCase {
  const char* text;
  const char* fill;
  int width;
  PadKind kind;
  const char* expected;
};

class PadTest : public testing::TestWithParam<PadCase> {};

TEST_P(PadTest, BringsTheTextToItsWidth) {
  const PadCase& c = GetParam();
  EXPECT_EQ(pad(c.text, c.fill, c.width, c.kind), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PadTest, testing::Values(
    PadCase{"abc", " ", 6, PadKind::Left, "   abc"},
    PadCase{"abc", " ", 6, PadKind::Right, "abc   "},
    PadCase{"abc", "*", 7, PadKind::Both, "**abc**"},
    PadCase{"abc", "*", 6, PadKind::Both, "**abc*"},      // cut at the width
    PadCase{"abcdef", " ", 4, PadKind::Left, "abcd"},     // longer: first characters kept
    PadCase{"Şişli", " ", 7, PadKind::Right, "Şişli  "},  // characters, not bytes
    PadCase{"Çağ", " ", 2, PadKind::Right, "Ça"},
    PadCase{"7", "ab", 4, PadKind::Left, "abab7"},        // a long fill may overshoot
    PadCase{"7", "0", 3, PadKind::Left, "007"},
    PadCase{"x", "", 5, PadKind::Left, "x"}));            // no fill: nothing to add

TEST(LastPosition, FindsTheLastOccurrenceInCharacters) {
  EXPECT_EQ(lastPosition("\\", "C:\\ORVAN\\DATA"), 9);
  EXPECT_EQ(lastPosition("a", "abca"), 4);
  EXPECT_EQ(lastPosition("x", "abc"), 0);
  EXPECT_EQ(lastPosition("", "abc"), 0);
  EXPECT_EQ(lastPosition("ı", "ğıı"), 3);
}

struct DateTextCase {
  const char* text;
  char separator;
  bool valid;
};

class DateTextTest : public testing::TestWithParam<DateTextCase> {};

TEST_P(DateTextTest, AcceptsOnlyRealDates) {
  EXPECT_EQ(isValidDateText(GetParam().text, GetParam().separator), GetParam().valid) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, DateTextTest, testing::Values(
    DateTextCase{"29.02.2003", '.', false},
    DateTextCase{"29.02.2004", '.', true},
    DateTextCase{"01.13.2004", '.', false},
    DateTextCase{"31.04.2004", '.', false},
    DateTextCase{"30.04.2004", '.', true},
    DateTextCase{" 1. 2.2004", '.', true},           // parts are trimmed
    DateTextCase{"01.01.2210", '.', true},
    DateTextCase{"01.01.2211", '.', false},
    DateTextCase{"00.01.2004", '.', false},
    DateTextCase{"  .  .    ", '.', false},          // the empty date box
    DateTextCase{"01/02/2004", '.', false},          // another separator
    DateTextCase{"01/02/2004", '/', true},
    DateTextCase{"01.02", '.', false},
    DateTextCase{"01.02.2004.5", '.', false},
    DateTextCase{"aa.02.2004", '.', false}));

}  // namespace
}  // namespace orv
