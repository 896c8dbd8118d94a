// Currencies and daily rates: saving only non-zero rows, refusing non-numbers, previous rates
// from the latest earlier row of the same currency, and no limit on the number of currencies.
#include "definitions/currency_rates.h"

#include <gtest/gtest.h>

#include "definitions/rates_fixture.h"

using namespace orv;
using namespace orv::definitions;

namespace {

Date day(int d) { return Date::fromYMD(2024, 3, d); }

class CurrencyRates : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* code : {"USD", "EUR"}) ASSERT_TRUE(saveCurrency(s_, {0, code, code, ""}));
  }
  int rowCount() {
    auto st = s_.parameterDb->prepare("SELECT COUNT(*) FROM DOVIZALT");
    st.step();
    return static_cast<int>(st.getInt(0));
  }
  test::TempDir dir_;
  Session s_ = test::parameterSession(dir_);
};

}  // namespace

TEST_F(CurrencyRates, SavesOnlyRowsWithARateAndReadsThemBack) {
  auto r = saveDailyRates(s_, day(5), {{"USD", "0", "0"}, {"EUR", "1,5", "1.6"}});
  ASSERT_TRUE(r) << r.message();
  EXPECT_EQ(*r, 1);
  EXPECT_EQ(rowCount(), 1);
  const auto rates = loadDailyRates(*s_.parameterDb, day(5));
  ASSERT_EQ(rates.size(), 2u);
  EXPECT_EQ(rates[1].kod, "EUR");
  EXPECT_DOUBLE_EQ(rates[1].alis, 1.5);
  EXPECT_DOUBLE_EQ(rates[1].satis, 1.6);
  EXPECT_DOUBLE_EQ(rates[0].alis, 0);
}

TEST_F(CurrencyRates, ANonNumericCellRefusesTheWholeSave) {
  auto r = saveDailyRates(s_, day(5), {{"USD", "2", "2"}, {"EUR", "1,5", "abc"}});
  ASSERT_FALSE(r);
  EXPECT_NE(r.message().find("EUR"), std::string::npos);
  EXPECT_NE(r.message().find("satış"), std::string::npos);
  EXPECT_EQ(rowCount(), 0);
}

TEST_F(CurrencyRates, SavingAgainEditsTheRowAndZeroesDoNotDelete) {
  ASSERT_TRUE(saveDailyRates(s_, day(5), {{"USD", "2", "3"}}));
  ASSERT_TRUE(saveDailyRates(s_, day(5), {{"USD", "4", "5"}}));
  ASSERT_TRUE(saveDailyRates(s_, day(5), {{"USD", "0", ""}}));
  EXPECT_EQ(rowCount(), 1);
  EXPECT_DOUBLE_EQ(loadDailyRates(*s_.parameterDb, day(5))[0].alis, 4);
}

TEST_F(CurrencyRates, PreviousRatesAreTheLatestEarlierRowOfTheSameCurrency) {
  ASSERT_TRUE(saveDailyRates(s_, day(1), {{"USD", "1", "1,1"}}));
  ASSERT_TRUE(saveDailyRates(s_, day(3), {{"USD", "2", "2,1"}}));
  ASSERT_TRUE(saveDailyRates(s_, day(4), {{"EUR", "9", "9"}}));  // other currency, later
  ASSERT_TRUE(saveDailyRates(s_, day(6), {{"USD", "7", "7"}}));  // after the date
  const auto rates = loadDailyRates(*s_.parameterDb, day(5));
  EXPECT_DOUBLE_EQ(rates[0].oncekiAlis, 2);
  EXPECT_DOUBLE_EQ(rates[0].oncekiSatis, 2.1);
  EXPECT_DOUBLE_EQ(rates[0].alis, 0);
  EXPECT_DOUBLE_EQ(rates[1].oncekiAlis, 9);
  const auto first = loadDailyRates(*s_.parameterDb, day(1));
  EXPECT_DOUBLE_EQ(first[0].oncekiAlis, 0);  // no earlier rate: 0, and a positive rate is higher
  EXPECT_EQ(rateTrend(first[0].alis, first[0].oncekiAlis), 1);
}

TEST_F(CurrencyRates, MoreThanFiftyCurrencies) {
  for (int i = 0; i < 60; ++i) ASSERT_TRUE(saveCurrency(s_, {0, "C" + std::to_string(i), "", ""}));
  ASSERT_TRUE(saveDailyRates(s_, day(2), {{"C59", "3", "3"}}));
  const auto rates = loadDailyRates(*s_.parameterDb, day(2));
  ASSERT_EQ(rates.size(), 62u);
  EXPECT_DOUBLE_EQ(rates.back().alis, 3);
}

TEST_F(CurrencyRates, CurrencyCodeRequiredUniqueAndWithinWidth) {
  EXPECT_FALSE(saveCurrency(s_, {0, "", "Boş", ""}));
  EXPECT_FALSE(saveCurrency(s_, {0, "USD", "İkinci", ""}));
  EXPECT_FALSE(saveCurrency(s_, {0, "TOOLONG", "", ""}));
  EXPECT_EQ(listCurrencies(*s_.parameterDb).size(), 2u);
}

TEST(CurrencyRatesRights, WithoutRight2023NothingIsSaved) {
  test::TempDir dir;
  Session s = test::parameterSession(dir, {2020});
  EXPECT_FALSE(saveCurrency(s, {0, "USD", "", ""}));
  auto r = saveDailyRates(s, day(1), {{"USD", "1", "1"}});
  ASSERT_FALSE(r);
  EXPECT_EQ(r.message(), "Programda Bu İşlemi Yapmaya Yetkili Değilsiniz");
}

TEST(ParseRate, DecimalSeparatorDotAndEmpty) {
  struct Case {
    const char* text;
    char sep;
    std::optional<double> want;
  };
  const Case cases[] = {{"1,25", ',', 1.25},      {"1.25", ',', 1.25},
                        {"", ',', 0.0},           {"1,25", '.', std::nullopt},
                        {"x", '.', std::nullopt}, {"nan", '.', std::nullopt},
                        {" 3 ", '.', 3.0}};
  for (const auto& c : cases) EXPECT_EQ(parseRate(c.text, c.sep), c.want) << c.text;
}
