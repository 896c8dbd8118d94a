// The revaluation rate table: grid operations, uniqueness of a series' dates, CSV import that
// saves all or nothing, export, and the exact-date lookup of the engine.
#include "definitions/revaluation_rates.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "definitions/rates_fixture.h"

using namespace orv;
using namespace orv::definitions;

namespace {

Date ye(int y) { return Date::fromYMD(y, 12, 31); }

class RevaluationRates : public ::testing::Test {
 protected:
  std::string file(const std::string& text) {
    const std::string path = dir_.str() + "/rates.csv";
    std::ofstream(path) << text;
    return path;
  }
  test::TempDir dir_;
  Session s_ = test::parameterSession(dir_);
};

}  // namespace

TEST_F(RevaluationRates, AddTakesTheSeriesLetterAndUpdateRefusesASecondRowOfADate) {
  auto c = addRevaluationRate(s_, 'C');
  ASSERT_TRUE(c);
  auto rows = listRevaluationRates(*s_.parameterDb, 'C');
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].Tur, "C");
  rows[0].Tarih = ye(2005);
  rows[0].Oran = 4;
  ASSERT_TRUE(updateRevaluationRate(s_, rows[0]));
  auto other = addRevaluationRate(s_, 'C');
  DegerlemeOrani dup = rows[0];
  dup.Ulas = *other;
  const Status s = updateRevaluationRate(s_, dup);
  EXPECT_FALSE(s);
  EXPECT_NE(s.message().find("2005-12-31"), std::string::npos);
  dup.Tur = "A";  // the same date in another series is fine
  EXPECT_TRUE(updateRevaluationRate(s_, dup));
  EXPECT_TRUE(deleteRevaluationRate(s_, *c));
  EXPECT_TRUE(listRevaluationRates(*s_.parameterDb, 'C').empty());
}

TEST_F(RevaluationRates, WithoutRight2043TheTableCannotChange) {
  Session s = test::parameterSession(dir_, {2040});
  EXPECT_FALSE(addRevaluationRate(s, 'A'));
  EXPECT_FALSE(importRevaluationRates(s, file("Tur,Tarih\nA,2005-12-31\n")));
}

TEST_F(RevaluationRates, ImportThenExportRoundTrips) {
  auto r = importRevaluationRates(
      s_, file("Tur,Tarih,Oran,AltLimit,UstLimit\nB,2005-03-31,5,0,0\nA,31.12.2005,10.25,100,"
               "200.5\n"));
  ASSERT_TRUE(r) << r.message();
  EXPECT_EQ(*r, 2);
  std::ostringstream out;
  exportRevaluationRates(*s_.parameterDb, out);
  EXPECT_EQ(out.str(),
            "Tur,Tarih,Oran,AltLimit,UstLimit\nA,2005-12-31,10.25,100,200.5\n"
            "B,2005-03-31,5,0,0\n");
  // Importing the export again replaces the rows instead of doubling them.
  ASSERT_TRUE(importRevaluationRates(s_, file(out.str())));
  EXPECT_EQ(listAllRevaluationRates(*s_.parameterDb).size(), 2u);
}

TEST_F(RevaluationRates, AnImportErrorNamesLineAndFieldAndSavesNothing) {
  struct Case {
    const char* text;
    const char* want;
  };
  const Case cases[] = {
      {"Tur,Tarih,Oran\nA,2005-12-31,5\nA,2006-12-31,abc\n", "Satır 3, Oran: sayı değil"},
      {"Tur,Tarih,Oran\nA,2005-12-31,5\nD,2006-12-31,1\n", "Satır 3, Tur"},
      {"Tur,Tarih,Oran\nA,2005-12-31,5\nA,2006-02-30,1\n", "Satır 3, Tarih"},
      {"Tur,Tarih,Oran\nA,2005-12-31,5\nA,31.12.2005,1\n", "Satır 3, Tarih"},
      {"Tur,Tarih,Fark\n", "Satır 1, Fark"},
      {"Tur,Oran\n", "Satır 1, Tarih"},
  };
  for (const auto& c : cases) {
    auto r = importRevaluationRates(s_, file(c.text));
    ASSERT_FALSE(r) << c.text;
    EXPECT_EQ(r.message().rfind(c.want, 0), 0u) << r.message();
    EXPECT_TRUE(listAllRevaluationRates(*s_.parameterDb).empty());
  }
}

TEST_F(RevaluationRates, LookupFindsTheRowOfTheLetterDatedExactly) {
  ASSERT_TRUE(
      importRevaluationRates(s_, file("Tur,Tarih,Oran\nA,2005-12-31,10\nC,2005-11-30,2\n")));
  const auto table = DegerlemeOranTablosu::load(*s_.parameterDb);
  ASSERT_NE(table.find('A', ye(2005)), nullptr);
  EXPECT_DOUBLE_EQ(table.find('A', ye(2005))->Oran, 10);
  EXPECT_EQ(table.find('B', ye(2005)), nullptr);
  EXPECT_EQ(table.find('C', ye(2005)), nullptr);  // an earlier row of the year is not taken
  EXPECT_NE(table.find('C', Date::fromYMD(2005, 11, 30)), nullptr);
}
