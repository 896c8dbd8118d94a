#include "data/rows.h"

#include <gtest/gtest.h>

#include "fixtures/temp_dir.h"

using namespace orv;
using namespace orv::db;

namespace {

class RowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = std::move(Database::open(dir.str())).value();
    createTables(*db, FolderKind::Company);
  }
  long long addCard(const std::string& bolum, const std::string& kod, const std::string& adi = "") {
    auto r = insertRow(*db, kart, Row{{"Bolum", bolum}, {"SabitKiymet", kod}, {"Adi", adi}});
    EXPECT_TRUE(r.isOk()) << r.message();
    return r.isOk() ? r.value() : 0;
  }
  std::string codeOf(const std::optional<Row>& r) {
    return r ? r->getText("Bolum") + "/" + r->getText("SabitKiymet") : "<yok>";
  }
  test::TempDir dir;
  std::unique_ptr<Database> db;
  const TableDef& kart = table("Kart");
};

}  // namespace

TEST_F(RowsTest, TooLongTextIsRefusedNamingTableAndFieldAndNothingIsWritten) {
  auto r = insertRow(*db, kart, Row{{"Bolum", "ÇĞŞİÖÜ"}, {"SabitKiymet", "1"}});  // 6 letters > 5
  ASSERT_FALSE(r.isOk());
  EXPECT_EQ(r.message(), "Kart tablosunun Bolum alanı en çok 5 karakter alabilir (girilen: 6 karakter).");
  EXPECT_EQ(countRows(*db, kart), 0);
  EXPECT_TRUE(insertRow(*db, kart, Row{{"Bolum", "ÇĞŞİÖ"}}).isOk());  // 5 letters, 10 bytes
}

TEST_F(RowsTest, UnknownFieldsAndWrongTypesAreRefused) {
  EXPECT_EQ(insertRow(*db, kart, Row{{"Yok", "x"}}).message(), "Kart tablosunda Yok adında bir alan yok.");
  EXPECT_FALSE(insertRow(*db, kart, Row{{"Alis_Tutari", "yüz"}}).isOk());
  EXPECT_FALSE(insertRow(*db, kart, Row{{"Alis_Tarihi", "31.12.2020"}}).isOk());
  EXPECT_EQ(countRows(*db, kart), 0);
}

TEST_F(RowsTest, ValuesReadBackWithTheirTypes) {
  const Date d = Date::fromYMD(2020, 2, 29);
  auto id = insertRow(*db, kart,
                      Row{{"Bolum", "A"}, {"Alis_Tarihi", d}, {"Alis_Tutari", 1234.5},
                          {"Degerlendirilir", 1LL}, {"Aciklama", ""}});
  ASSERT_TRUE(id.isOk());
  auto row = locate(*db, kart, Row{{"Ulas", id.value()}});
  ASSERT_TRUE(row);
  EXPECT_EQ(row->getDate("Alis_Tarihi"), d);
  EXPECT_DOUBLE_EQ(row->getDouble("Alis_Tutari"), 1234.5);
  EXPECT_TRUE(row->getBool("Degerlendirilir"));
  EXPECT_EQ(row->getText("Aciklama"), "");
  EXPECT_TRUE(row->getDate("Sat_Tarih").isNull());
  // a blank criterion finds the stored NULL
  EXPECT_TRUE(locate(*db, kart, Row{{"Aciklama", ""}, {"Bolum", "A"}}));
}

TEST_F(RowsTest, NearestKeyFollowsTurkishOrderAndPartialKeys) {
  addCard("C", "100");
  addCard("Ç", "050");
  addCard("Ç", "200");
  addCard("D", "001");
  const auto fields = indexFields(kart, "ISABITKIYMET");
  EXPECT_EQ(codeOf(findNearest(*db, kart, fields, {std::string("C"), std::string("101")})), "Ç/050");
  EXPECT_EQ(codeOf(findNearest(*db, kart, fields, {std::string("Ç"), std::string("100")})), "Ç/200");
  EXPECT_EQ(codeOf(findNearest(*db, kart, fields, {std::string("Ç")})), "Ç/050");
  EXPECT_EQ(codeOf(findNearest(*db, kart, fields, {std::string("E")})), "<yok>");
}

TEST_F(RowsTest, BlankKeyPartsCountAsTheSmallestValue) {
  addCard("", "500");
  addCard("A", "");
  const auto fields = indexFields(kart, "ISABITKIYMET");
  EXPECT_EQ(codeOf(findNearest(*db, kart, fields, {std::string(""), std::string("")})), "/500");
  EXPECT_EQ(codeOf(findNearest(*db, kart, fields, {std::string("A"), std::string("")})), "A/");
}

TEST_F(RowsTest, RangeIsInclusiveAndOrdered) {
  for (const char* k : {"003", "001", "002", "004"}) addCard("B", k);
  addCard("A", "002");
  const auto rows = selectRange(*db, kart, {"Bolum", "SabitKiymet"}, {std::string("B"), std::string("002")},
                                {std::string("B"), std::string("003")});
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].getText("SabitKiymet"), "002");
  EXPECT_EQ(rows[1].getText("SabitKiymet"), "003");
}

TEST_F(RowsTest, UpdateAndDeleteTouchOnlyMatchingRows) {
  addCard("A", "1");
  addCard("A", "2");
  auto changed = updateRows(*db, kart, Row{{"Bolum", "A"}, {"SabitKiymet", "2"}}, Row{{"Adi", "Masa"}});
  ASSERT_TRUE(changed.isOk());
  EXPECT_EQ(changed.value(), 1);
  EXPECT_FALSE(updateRows(*db, kart, Row{{"Bolum", "A"}}, Row{{"Bolum", "TOOLONG"}}).isOk());
  EXPECT_EQ(countRows(*db, kart, Row{{"Adi", "Masa"}}), 1);
  EXPECT_EQ(deleteRows(*db, kart, Row{{"SabitKiymet", "1"}}).value(), 1);
  EXPECT_EQ(countRows(*db, kart), 1);
  EXPECT_FALSE(deleteRows(*db, kart, Row{}).isOk());
}
