// Typed Kart and KartAmortisman rows: every field through insert and read, width checks
// naming the field, ledger updates that leave the voucher marks alone.
#include "data/kart_repository.h"

#include <gtest/gtest.h>

#include "data/catalogue.h"
#include "fixtures/temp_dir.h"

using namespace orv;
using namespace orv::db;

namespace {

// A distinct value of the field's type for field number i.
template <typename Row>
void fill(Row& row, const RowField<Row>& f, int i) {
  std::visit(
      [&](auto member) {
        auto& v = row.*member;
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::string>)
          v = "ş" + std::to_string(i);
        else if constexpr (std::is_same_v<T, double>)
          v = i + 0.1;
        else if constexpr (std::is_same_v<T, bool>)
          v = true;
        else if constexpr (std::is_same_v<T, Date>)
          v = Date::fromYMD(2000, 1, 1).addDays(i);
        else
          v = static_cast<T>(i);
      },
      f.member);
}

template <typename Row>
bool sameField(const Row& a, const Row& b, const RowField<Row>& f) {
  return std::visit([&](auto member) { return a.*member == b.*member; }, f.member);
}

class KartRepositoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db_ = std::move(Database::open(dir_.str())).value();
    createTables(*db_, FolderKind::Company);
  }
  test::TempDir dir_;
  std::unique_ptr<Database> db_;
};

}  // namespace

TEST_F(KartRepositoryTest, FieldListsFollowTheTableLayouts) {
  ASSERT_EQ(kartFields().size(), findTable("Kart")->fields.size());
  ASSERT_EQ(ledgerFields().size(), findTable("KartAmortisman")->fields.size());
  for (size_t i = 0; i < kartFields().size(); ++i)
    EXPECT_EQ(kartFields()[i].name, findTable("Kart")->fields[i].name);
  for (size_t i = 0; i < ledgerFields().size(); ++i)
    EXPECT_EQ(ledgerFields()[i].name, findTable("KartAmortisman")->fields[i].name);
}

TEST_F(KartRepositoryTest, EveryKartFieldIsWrittenAndReadBack) {
  KartRow row;
  for (size_t i = 1; i < kartFields().size(); ++i) fill(row, kartFields()[i], static_cast<int>(i));
  ASSERT_TRUE(checkKartWidths(row)) << checkKartWidths(row).message();
  KartRepository repo(*db_);
  row.Ulas = repo.insert(row);
  const auto back = repo.find(row.Ulas);
  ASSERT_TRUE(back);
  for (const auto& f : kartFields()) EXPECT_TRUE(sameField(row, *back, f)) << f.name;
  EXPECT_TRUE(repo.findByCode(row.Bolum, row.SabitKiymet));
  row.Adi = "değişti";
  EXPECT_TRUE(repo.update(row));
  EXPECT_EQ(repo.find(row.Ulas)->Adi, "değişti");
}

TEST_F(KartRepositoryTest, EveryLedgerFieldIsWrittenAndReadBack) {
  LedgerRow row;
  for (size_t i = 1; i < ledgerFields().size(); ++i)
    fill(row, ledgerFields()[i], static_cast<int>(i));
  KartRepository repo(*db_);
  row.Ulas = repo.insertLedgerRow(row);
  const auto back = repo.ledgerOf(row.UlasKart);
  ASSERT_EQ(back.size(), 1u);
  for (const auto& f : ledgerFields()) EXPECT_TRUE(sameField(row, back[0], f)) << f.name;
}

TEST_F(KartRepositoryTest, LedgerUpdateLeavesVoucherMarksAndOtherCardsAlone) {
  KartRepository repo(*db_);
  LedgerRow row;
  row.UlasKart = 5;
  row.MuhFisNo = "F1";
  row.MuhFisTarih = Date::fromYMD(2005, 1, 1);
  row.Ulas = repo.insertLedgerRow(row);
  row.MuhFisNo.clear();
  row.MuhFisTarih = Date();
  row.AmortismanTutari = 77;
  EXPECT_TRUE(repo.updateLedgerRow(row));
  const auto back = repo.ledgerOf(5)[0];
  EXPECT_EQ(back.MuhFisNo, "F1");
  EXPECT_EQ(back.MuhFisTarih, Date::fromYMD(2005, 1, 1));
  EXPECT_DOUBLE_EQ(back.AmortismanTutari, 77);
  row.UlasKart = 6;  // the row is not this card's
  EXPECT_FALSE(repo.updateLedgerRow(row));
}

TEST_F(KartRepositoryTest, WidthCheckNamesTheField) {
  KartRow row;
  row.Ozel3 = "ÇÇÇÇÇ";  // five characters fit, whatever their bytes
  EXPECT_TRUE(checkKartWidths(row));
  row.Bolum = "123456";
  const Status s = checkKartWidths(row);
  EXPECT_FALSE(s);
  EXPECT_NE(s.message().find("Bolum"), std::string::npos);
}

TEST_F(KartRepositoryTest, BlankDepartmentIsFoundByItsCode) {
  KartRepository repo(*db_);
  KartRow row;
  row.SabitKiymet = "7";
  repo.insert(row);
  EXPECT_TRUE(repo.findByCode("", "7"));
  EXPECT_FALSE(repo.findByCode("01", "7"));
}
