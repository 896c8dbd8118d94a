// Code masks and the next-code generator.
#include "common/codes.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

// Built on first use: Date::fromYMD must not run during static initialisation.
DateTime now() { return {Date::fromYMD(2004, 3, 7), {9, 5, 3, 0}}; }

TEST(StripCode, RemovesMaskSeparatorsAndTheGroupSeparator) {
  EXPECT_EQ(stripCode("123.456.789", 0), "123456789");
  EXPECT_EQ(stripCode("12-3/4 5,6", 0), "123456");
  EXPECT_EQ(stripCode("120_01_005", '_'), "12001005");
  EXPECT_EQ(stripCode("120_01", 0), "120_01");
}

struct MaskCase {
  const char* mask;
  const char* code;
  int mode;
  char group;
  const char* expected;
};

class ApplyCodeMaskTest : public testing::TestWithParam<MaskCase> {};

TEST_P(ApplyCodeMaskTest, PutsTheSeparatorsBetweenTheCharacters) {
  const MaskCase& c = GetParam();
  EXPECT_EQ(applyCodeMask(c.mask, c.code, c.mode, c.group), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ApplyCodeMaskTest, testing::Values(
    MaskCase{"999.999.999", "1234567", 1, 0, "123.456.7"},
    MaskCase{"999.999.999", "123456", 1, 0, "123.456"},      // no separator after the last
    MaskCase{"999.999.999", "123456789", 1, 0, "123.456.789"},
    MaskCase{"999.99.999", "12001005", 0, '-', "120-01-005"},
    MaskCase{"999.99.999", "12001005", 0, 0, "12001005"},    // company without a separator
    MaskCase{"999 99/999", "12001005", 1, 0, "120.01.005"},
    MaskCase{"999.999", "", 1, 0, ""},
    MaskCase{"AAA-99", "ÇĞŞ12", 1, 0, "ÇĞŞ.12"}));

struct NextCase {
  const char* current;
  const char* pattern;
  const char* expected;
};

class NextCodeTest : public testing::TestWithParam<NextCase> {};

TEST_P(NextCodeTest, CountsOnFromTheRight) {
  const NextCase& c = GetParam();
  const auto next = nextCode(c.current, c.pattern, now());
  ASSERT_TRUE(next.isOk()) << next.message();
  EXPECT_EQ(next.value(), c.expected) << c.current << " " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(Cases, NextCodeTest, testing::Values(
    NextCase{"001.999", "rrr.rrr", "002.000"},
    NextCase{"001.002.009", "rrr.rrr.rrr", "001.002.010"},
    NextCase{"001.002.999", "rrr.rrr.rrr", "001.003.000"},
    NextCase{"AZ", "kk", "BA"},
    NextCase{"AA", "kk", "AB"},
    NextCase{"A9", "kr", "B0"},                         // a digit wrap carries into letters
    NextCase{"ab", "rr", "01"},                         // not a number: counts from 0
    NextCase{"12", "rrrr", "0013"},                     // shorter code: read as a number
    NextCase{"X-12", "X-rr", "X-13"},
    NextCase{"0000000", "yyyyrrr", "2004001"},          // date letters give the time now
    NextCase{"07030415", "ddmmyyrr", "07030416"},
    NextCase{"123.45", "rrr.r-", "123.4-"}));           // no counter at the end: nothing counts

TEST(NextCode, ReportsAnOverflowOfTheLeftmostCounter) {
  for (const auto& [code, pattern] : {std::pair{"999", "rrr"}, {"999.999", "rrr.rrr"},
                                     {"ZZ", "kk"}, {"Z9", "kr"}}) {
    const auto next = nextCode(code, pattern, now());
    EXPECT_FALSE(next.isOk()) << code << " gave " << (next.isOk() ? next.value() : "");
    EXPECT_NE(next.message().find(code), std::string::npos);
  }
}

}  // namespace
}  // namespace orv
