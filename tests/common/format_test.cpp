// Number and date formatting with the program's pictures and separators.
#include "common/format.h"

#include <gtest/gtest.h>

#include <limits>

#include "common/number_formats.h"

namespace orv {
namespace {

const FormatSettings kDot{',', '.', '/', ':'};
const FormatSettings kTurkish{'.', ',', '.', ':'};

struct FloatCase {
  const char* format;
  double value;
  const char* expected;
};

class FormatFloatTest : public testing::TestWithParam<FloatCase> {};

TEST_P(FormatFloatTest, GivesTheTextOfThePicture) {
  const FloatCase& c = GetParam();
  EXPECT_EQ(formatFloat(c.format, c.value, kDot), c.expected) << c.format << " " << c.value;
}

INSTANTIATE_TEST_SUITE_P(Pictures, FormatFloatTest, testing::Values(
    // the hidden-zero amount format of companies with sub-units
    FloatCase{"###,0.00;; ", 1234567.891, "1,234,567.89"},
    FloatCase{"###,0.00;; ", 0, " "},
    FloatCase{"###,0.00;; ", 0.004, " "},          // shows as zero: hidden
    FloatCase{"###,0.00;; ", -0.004, " "},
    FloatCase{"###,0.00;; ", -1234.5, "-1,234.50"},  // empty negative section: first one with "-"
    FloatCase{"###,0.00;; ", 0.5, "0.50"},
    FloatCase{"###,0.00;; ", 12.345, "12.35"},       // half away from zero on the shown digits
    FloatCase{"###,0.00;; ", 2.675, "2.68"},
    FloatCase{"###,0.00;; ", -2.675, "-2.68"},
    FloatCase{"###,0.00;; ", 999.995, "1,000.00"},
    // whole-unit formats
    FloatCase{"#,##0", 1234.5, "1,235"},
    FloatCase{"#,##0", 0, "0"},
    FloatCase{"#,##0", -1234567, "-1,234,567"},
    FloatCase{"#,###", 0, ""},
    FloatCase{"#,###", 999, "999"},
    FloatCase{"#,###", 1000, "1,000"},
    FloatCase{"###,0.##", 1234.5, "1,234.5"},
    FloatCase{"###,0.##", 1234, "1,234"},
    FloatCase{"#,###.##", 0.5, ".5"},
    FloatCase{"#,###.###", 1234.5678, "1,234.568"},
    FloatCase{"#,##0 ", 1234, "1,234 "},
    FloatCase{"###############.##", 1234567.5, "1234567.5"},
    FloatCase{"##################", 1234567.5, "1234568"},
    FloatCase{"####,###,##0.00", 1234567.5, "1,234,567.50"},
    FloatCase{"###,###,###,###", 1234567, "1,234,567"},
    FloatCase{"##0.00", 5.5, "5.50"},
    FloatCase{"##0.00", 0, "0.00"},
    FloatCase{"###,###,###,##0.00", 0.1, "0.10"},
    FloatCase{"##,###,###,###,###", 12345678901.0, "12,345,678,901"},
    FloatCase{"###,0.####", 0.12345, "0.1235"},
    // other pictures of the screens
    FloatCase{",0;-,0", -1234, "-1,234"},
    FloatCase{",0;-,0", 1234, "1,234"},
    FloatCase{",0.00", 1234.5, "1,234.50"},
    FloatCase{",0.##", 1234.5, "1,234.5"},
    FloatCase{",0.##;-,0.##", -0.25, "-0.25"},
    FloatCase{"0.#0", 1.5, "1.50"},
    FloatCase{"0.#0", 1, "1.00"},
    FloatCase{"0.#0", 1.234, "1.23"},
    FloatCase{"#.00", 0.5, ".50"},
    FloatCase{"#.00", 1234.005, "1234.01"},
    FloatCase{"#.##", 0, ""},
    FloatCase{"#", 0.4, ""},
    FloatCase{"#", 0.5, "1"},
    FloatCase{"#0.##", 18, "18"},
    FloatCase{"0#", 5, "05"},
    FloatCase{"00000", 42, "00042"},
    // sections and literal text
    FloatCase{"0.00;(0.00);\"sıfır\"", -5, "(5.00)"},
    FloatCase{"0.00;(0.00);\"sıfır\"", 0, "sıfır"},
    FloatCase{"0.00;(0.00)", -0.001, "0.00"},       // rounds to zero: no sign, no negative section
    FloatCase{"'TL' #,##0", 1500, "TL 1,500"},
    FloatCase{"#,##0 'adet'", 3, "3 adet"},
    FloatCase{"0;-0;", 0, "0"},                     // empty zero section: the first one
    FloatCase{"", 1234.5, "1234.5"}));

TEST(FormatFloat, UsesTheSeparatorsOfTheParameters) {
  EXPECT_EQ(formatFloat("###,0.00;; ", 1234567.891, kTurkish), "1.234.567,89");
  EXPECT_EQ(formatFloat("#,##0", 1234, kTurkish), "1.234");
  EXPECT_EQ(formatFloat("0.#0", 1.5, kTurkish), "1,50");
}

TEST(FormatFloat, SaysWhatIsNoNumber) {
  EXPECT_EQ(formatFloat("#,##0", std::numeric_limits<double>::quiet_NaN(), kDot), "NAN");
  EXPECT_EQ(formatFloat("#,##0", -std::numeric_limits<double>::infinity(), kDot), "-INF");
}

// Every slot chosen at company activation formats a typical amount as the screens expect.
TEST(FormatFloat, SlotsOfCompanyWithSubUnits) {
  const NumberFormats f = NumberFormats::choose(true, true);
  for (const std::string* slot : {&f.amount, &f.gridAmount, &f.amountNoDecimals, &f.amountOptional2,
                                  &f.amount2, &f.amount3, &f.amountTrailingBlank, &f.rate4,
                                  &f.kurus2Amount}) {
    EXPECT_EQ(formatFloat(*slot, 1234.5, kDot), "1,234.50");
    EXPECT_EQ(formatFloat(*slot, 0, kDot), " ");
  }
  EXPECT_EQ(formatFloat(f.printPlain, 1234.5, kDot), "1234.5");
  EXPECT_EQ(formatFloat(f.printGrouped, 1234.5, kDot), "1,234.50");
  EXPECT_EQ(formatFloat(f.rate, 12.5, kDot), "12.50");
  EXPECT_EQ(formatFloat(f.wideGrouped, 1234.5, kDot), "1,234.50");
}

TEST(FormatFloat, SlotsOfCompanyWithoutSubUnits) {
  const NumberFormats f = NumberFormats::choose(false, false);
  const double v = 1234.567;
  EXPECT_EQ(formatFloat(f.amount, v, kDot), "1,235");
  EXPECT_EQ(formatFloat(f.gridAmount, v, kDot), "1,235");
  EXPECT_EQ(formatFloat(f.amountNoDecimals, v, kDot), "1,235");
  EXPECT_EQ(formatFloat(f.amountOptional2, v, kDot), "1,234.57");
  EXPECT_EQ(formatFloat(f.amount2, v, kDot), "1,234.57");
  EXPECT_EQ(formatFloat(f.amount3, v, kDot), "1,234.567");
  EXPECT_EQ(formatFloat(f.amountTrailingBlank, v, kDot), "1,235 ");
  EXPECT_EQ(formatFloat(f.printPlain, v, kDot), "1235");
  EXPECT_EQ(formatFloat(f.printGrouped, v, kDot), "1,235");
  EXPECT_EQ(formatFloat(f.rate, v, kDot), "1234.57");
  EXPECT_EQ(formatFloat(f.wideGrouped, v, kDot), "1,235");
  EXPECT_EQ(formatFloat(f.rate4, v, kDot), "1,234.567");
  EXPECT_EQ(formatFloat(f.kurus2Amount, v, kDot), "1,235");
  EXPECT_EQ(formatFloat(f.amount, 0, kDot), "0");
  EXPECT_EQ(formatFloat(f.amountNoDecimals, 0, kDot), "");
}

// ---- dates ----------------------------------------------------------------------------------

struct DateCase {
  const char* format;
  const char* expected;
};

class FormatDateTimeTest : public testing::TestWithParam<DateCase> {};

TEST_P(FormatDateTimeTest, GivesTheTextOfThePicture) {
  const DateTime v{Date::fromYMD(2004, 3, 7), {9, 5, 3, 42}};   // a Sunday
  EXPECT_EQ(formatDateTime(GetParam().format, v, kTurkish), GetParam().expected) << GetParam().format;
}

INSTANTIATE_TEST_SUITE_P(Pictures, FormatDateTimeTest, testing::Values(
    DateCase{"dd/mm/yyyy", "07.03.2004"},             // "/" is the date separator
    DateCase{"ddmmyyhhmm", "0703040905"},             // mm after hh is the minute
    DateCase{"hh:nn:ss:zzz", "09:05:03:042"},
    DateCase{"hh:mm:ss", "09:05:03"},
    DateCase{"yyyy", "2004"},
    DateCase{"mm", "03"},
    DateCase{"dd", "07"},
    DateCase{"d.m.yy", "7.3.04"},
    DateCase{"yyyymm", "200403"},
    DateCase{"mm/yyyy", "03.2004"},
    DateCase{"dddd", "Pazar"},
    DateCase{"ddd", "Paz"},
    DateCase{"d mmmm yyyy", "7 Mart 2004"},
    DateCase{"mmm", "Mar"},
    DateCase{"DD/MM/YYYY", "07.03.2004"},
    DateCase{"'Tarih:' dd/mm/yyyy", "Tarih: 07.03.2004"},
    DateCase{"t", "09:05"},
    DateCase{"c", "07.03.2004 09:05:03"}));

TEST(FormatDate, WeekdaysAndTheDateOrigin) {
  EXPECT_EQ(formatDate("dddd", Date::fromYMD(2026, 12, 11), kDot), "Cuma");
  EXPECT_EQ(formatDate("dddd", Date::fromYMD(2004, 3, 8), kDot), "Pazartesi");
  EXPECT_EQ(formatDate("dd/mm/yyyy", Date(), kDot), "30/12/1899");
  EXPECT_EQ(formatDate("dddd", Date(), kDot), "Cumartesi");
}

TEST(EmptyDateText, HasBlanksAroundTheSeparators) {
  EXPECT_EQ(emptyDateText('.'), "  .  .    ");
  EXPECT_EQ(emptyDateText('/'), "  /  /    ");
}

TEST(MonthName, NamesTheTwelveMonthsAndNothingElse) {
  EXPECT_EQ(monthName(1), "Ocak");
  EXPECT_EQ(monthName(2), "Şubat");
  EXPECT_EQ(monthName(8), "Ağustos");
  EXPECT_EQ(monthName(12), "Aralık");
  EXPECT_EQ(monthName(0), "");
  EXPECT_EQ(monthName(13), "");
}

}  // namespace
}  // namespace orv
