// DefterYukle and DefterKaydet against a company database: rows written back by identity,
// voucher marks kept with their own period, the card summary, and all-or-nothing saves.
#include "depreciation/ledger_store.h"

#include <gtest/gtest.h>

#include "data/catalogue.h"
#include "fixtures/temp_dir.h"

using namespace orv;
using namespace orv::depreciation;

namespace {

class LedgerStore : public ::testing::Test {
 protected:
  void SetUp() override {
    db_ = std::move(db::Database::open(dir_.str())).value();
    db::createTables(*db_, db::FolderKind::Company);
    db::KartRow k;
    k.Bolum = "01";
    k.SabitKiymet = "100";
    k.Adi = "Masa";
    k.Alis_Tutari = 10000;
    k.Alis_Tarihi = Date::fromYMD(2004, 3, 15);
    k.Amortisman_Orani = 20;
    db::KartRepository repo(*db_);
    kart_ = k;
    kart_.Ulas = repo.insert(k);
  }

  // Five yearly rows computed by the engine and saved.
  CalismaDefteri savedLedger() {
    CalismaDefteri d;
    EXPECT_TRUE(DefterYukle(*db_, kart_.Ulas, d));
    auto s = AmortismanAyarlariOlustur(kart_, AyarSecenekleri{});
    HesapOrtami o;
    o.aktifYil = 2030;
    SilentPrompter p;
    while (SonrakiDonemEkle(s, d, o, p) == EklemeSonucu::Eklendi) {}
    EXPECT_TRUE(DefterKaydet(*db_, d));
    return d;
  }

  void markVoucher(Date tarih, const std::string& fisNo) {
    db_->prepare("UPDATE KartAmortisman SET MuhFisNo = ?1 WHERE Tarih = ?2")
        .bind(1, fisNo)
        .bind(2, tarih)
        .run();
  }

  std::vector<db::LedgerRow> stored() { return db::KartRepository(*db_).ledgerOf(kart_.Ulas); }

  test::TempDir dir_;
  std::unique_ptr<db::Database> db_;
  db::KartRow kart_;
};

Date yearEnd(int y) { return Date::fromYMD(y, 12, 31); }

}  // namespace

TEST_F(LedgerStore, SaveWritesRowsAndTheCardSummaryFromTheLastRow) {
  const auto d = savedLedger();
  const auto rows = stored();
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[4].Tarih, yearEnd(2008));
  EXPECT_DOUBLE_EQ(rows[4].AmortismanTutari, 1999);
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].Ulas, d.satirlar[i].kayitUlas);
  const auto card = db::KartRepository(*db_).find(kart_.Ulas);
  EXPECT_EQ(card->SonIslemTarihi, yearEnd(2008));
  EXPECT_DOUBLE_EQ(card->BirikmisAmortisman, 9999);
  EXPECT_DOUBLE_EQ(card->YeniKasaDegeri, 1);
  EXPECT_DOUBLE_EQ(card->DegerlenmisTutar, 10000);  // DTutar 0: the Ilkdeger
  EXPECT_EQ(card->Adi, "Masa");                     // other fields untouched
}

TEST_F(LedgerStore, DeletingAMiddleRowTakesItsVoucherMarkAndMovesNoOther) {
  savedLedger();
  markVoucher(yearEnd(2006), "F2006");
  markVoucher(yearEnd(2007), "F2007");
  CalismaDefteri d;
  ASSERT_TRUE(DefterYukle(*db_, kart_.Ulas, d));
  const long long ulas2007 = d.satirlar[3].kayitUlas;
  d.satirlar.erase(d.satirlar.begin() + 2);  // the 2006 row
  d.satirlar[2].AmortismanTutari = 1234;     // edit the 2007 row
  ASSERT_TRUE(DefterKaydet(*db_, d));
  const auto rows = stored();
  ASSERT_EQ(rows.size(), 4u);
  for (const auto& r : rows) EXPECT_NE(r.MuhFisNo, "F2006");
  EXPECT_EQ(rows[2].Tarih, yearEnd(2007));
  EXPECT_EQ(rows[2].Ulas, ulas2007);
  EXPECT_EQ(rows[2].MuhFisNo, "F2007");
  EXPECT_DOUBLE_EQ(rows[2].AmortismanTutari, 1234);
  EXPECT_TRUE(rows[3].MuhFisNo.empty());
}

TEST_F(LedgerStore, AppendedRowsGetTheirIdentitySoASecondSaveDoesNotDuplicate) {
  auto d = savedLedger();
  ASSERT_TRUE(DefterKaydet(*db_, d));
  EXPECT_EQ(stored().size(), 5u);
}

TEST_F(LedgerStore, EmptyLedgerClearsRowsAndSummary) {
  savedLedger();
  CalismaDefteri d;
  d.ulasKart = kart_.Ulas;
  ASSERT_TRUE(DefterKaydet(*db_, d));
  EXPECT_TRUE(stored().empty());
  const auto card = db::KartRepository(*db_).find(kart_.Ulas);
  EXPECT_TRUE(card->SonIslemTarihi.isNull());
  EXPECT_DOUBLE_EQ(card->BirikmisAmortisman, 0);
}

TEST_F(LedgerStore, MissingCardStillGetsItsRows) {
  CalismaDefteri d;
  d.ulasKart = 999;
  d.satirlar.push_back(DefterSatiri{});
  d.satirlar[0].Tarih = yearEnd(2004);
  ASSERT_TRUE(DefterKaydet(*db_, d));
  EXPECT_EQ(db::KartRepository(*db_).ledgerOf(999).size(), 1u);
}

TEST_F(LedgerStore, AFailedSaveChangesNothing) {
  savedLedger();
  CalismaDefteri d;
  ASSERT_TRUE(DefterYukle(*db_, kart_.Ulas, d));
  d.satirlar.erase(d.satirlar.begin());
  d.satirlar.push_back(d.satirlar.back());
  d.satirlar.back().kayitUlas = 0;
  d.satirlar.back().Tarih = yearEnd(2009);
  db::Database::setWriteFaultHook(
      [](std::string_view sql) { return sql.find("INSERT INTO") != std::string_view::npos; });
  const Status s = DefterKaydet(*db_, d);
  db::Database::setWriteFaultHook(nullptr);
  EXPECT_FALSE(s);
  EXPECT_NE(s.message().find("saklanamadı"), std::string::npos);
  EXPECT_EQ(stored().size(), 5u);
  EXPECT_EQ(d.satirlar.back().kayitUlas, 0);
  EXPECT_EQ(db::KartRepository(*db_).find(kart_.Ulas)->SonIslemTarihi, yearEnd(2008));
}
