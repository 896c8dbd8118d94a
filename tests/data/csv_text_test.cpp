// CSV of the batch commands: quoting, line numbers of records, numbers that read back the
// same double, and the two date forms.
#include "data/csv_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace orv;

TEST(CsvParse, QuotesSeparatorsLineBreaksAndLineNumbers) {
  const auto r = csv::parse(
      "\xEF\xBB\xBF"
      "a,b\r\n\"x, y\",\"he said \"\"hi\"\"\"\n\n\"two\nlines\",z\n");
  ASSERT_TRUE(r) << r.message();
  ASSERT_EQ(r->size(), 3u);
  EXPECT_EQ((*r)[0].fields, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ((*r)[1].fields, (std::vector<std::string>{"x, y", "he said \"hi\""}));
  EXPECT_EQ((*r)[1].line, 2);
  EXPECT_EQ((*r)[2].fields[0], "two\nlines");
  EXPECT_EQ((*r)[2].line, 4);
}

TEST(CsvParse, UnclosedQuoteNamesItsLine) {
  const auto r = csv::parse("a\nb,\"open\n");
  ASSERT_FALSE(r);
  EXPECT_EQ(r.message().rfind("Satır 2", 0), 0u);
}

TEST(CsvWrite, QuotesOnlyWhereNeededAndReadsBack) {
  std::ostringstream out;
  const std::vector<std::string> fields = {"düz", "a,b", "\"q\"", "x\ny", ""};
  csv::writeRecord(out, fields);
  EXPECT_EQ(out.str(), "düz,\"a,b\",\"\"\"q\"\"\",\"x\ny\",\n");
  EXPECT_EQ(csv::parse(out.str())->front().fields, fields);
}

TEST(CsvNumbers, ShortestTextThatReadsBackTheSameDouble) {
  for (double v : {0.0, 10000.0, 0.1, 1.0 / 3, 2.0 / 3 * 5, -2.5, 1e300, 9999.999999999998}) {
    const std::string text = csv::formatNumber(v);
    EXPECT_EQ(csv::parseNumber(text), v) << text;
  }
  EXPECT_EQ(csv::formatNumber(10000), "10000");
  EXPECT_EQ(csv::formatNumber(0.1), "0.1");
  for (const char* bad : {"1,5", "abc", "nan", "inf", "1.5x", "--1"})
    EXPECT_FALSE(csv::parseNumber(bad)) << bad;
  EXPECT_EQ(csv::parseNumber(""), 0.0);
}

TEST(CsvDates, BothFormsAndRefusals) {
  EXPECT_EQ(csv::parseDate("2005-12-31"), Date::fromYMD(2005, 12, 31));
  EXPECT_EQ(csv::parseDate("31.12.2005"), Date::fromYMD(2005, 12, 31));
  EXPECT_EQ(csv::parseDate(""), Date());
  EXPECT_FALSE(csv::parseDate("2005-02-30"));
  EXPECT_FALSE(csv::parseDate("12/31/2005"));
  EXPECT_EQ(csv::formatDate(Date::fromYMD(2004, 2, 29)), "2004-02-29");
  EXPECT_EQ(csv::parseLogical("1"), true);
  EXPECT_FALSE(csv::parseLogical("2"));
}
