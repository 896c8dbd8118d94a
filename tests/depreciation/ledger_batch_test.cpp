// extendLedgers over an activated company: why each card stopped, slices committed one by one
// and a failing write leaving the slice unsaved; exportLedgers in code and date order.
#include "depreciation/ledger_batch.h"

#include <gtest/gtest.h>

#include <sstream>

#include "fixtures/data_root.h"

using namespace orv;
using namespace orv::depreciation;

namespace {

class LedgerBatch : public ::testing::Test {
 protected:
  void SetUp() override {
    root_.addCompany("DENEME");
    session_ = root_.session("DENEME");
    session_.rights = {kRightLedgerChanges};
    session_.values.depreciationYear = 2020;
  }

  long long addCard(const std::string& code, const std::string& transfer = "") {
    db::KartRow k;
    k.Bolum = "01";
    k.SabitKiymet = code;
    k.Adi = "Kart " + code;
    k.Alis_Tutari = 10000;
    k.Alis_Tarihi = Date::fromYMD(2004, 3, 15);
    k.Amortisman_Orani = 20;
    k.Transfer_Kod = transfer;
    return db::KartRepository(*session_.companyDb).insert(k);
  }

  std::vector<UzatmaSonucu> extend(UzatmaSecenekleri options = {}) {
    std::vector<UzatmaSonucu> out;
    status_ = extendLedgers(session_, options, [&](const UzatmaSonucu& r) { out.push_back(r); });
    return out;
  }

  size_t storedRows(long long ulas) {
    return db::KartRepository(*session_.companyDb).ledgerOf(ulas).size();
  }

  test::TempDataRoot root_;
  Session session_;
  Status status_;
};

}  // namespace

TEST_F(LedgerBatch, EachCardTellsWhyItStopped) {
  const long long full = addCard("100");
  const long long readOnly = addCard("101", "999");
  auto results = extend();
  ASSERT_TRUE(status_) << status_.message();
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[0].eklenen, 5);
  EXPECT_EQ(results[0].neden, EklemeSonucu::TamAmortisman);
  EXPECT_EQ(storedRows(full), 5u);
  EXPECT_EQ(results[1].eklenen, 0);
  EXPECT_EQ(results[1].neden, EklemeSonucu::SaltOkunur);
  EXPECT_EQ(storedRows(readOnly), 0u);

  session_.values.depreciationYear = 2005;
  const long long limited = addCard("102");
  UzatmaSecenekleri one;
  one.asset = AssetCode{"01", "102"};
  results = extend(one);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0].eklenen, 2);
  EXPECT_EQ(results[0].neden, EklemeSonucu::AktifYil);
  EXPECT_EQ(nedenMetni(results[0]), "aktif yıl: 2005 Yılı Sonrası İçin İşlem Yapamazsınız!");
  EXPECT_EQ(storedRows(limited), 2u);
}

TEST_F(LedgerBatch, CardWithoutAnyDateIsLeftAlone) {
  const long long ulas = addCard("100");
  db::KartRow k = *db::KartRepository(*session_.companyDb).find(ulas);
  k.Alis_Tarihi = Date();
  db::KartRepository(*session_.companyDb).update(k);
  const auto results = extend();
  ASSERT_EQ(results.size(), 1u);
  EXPECT_TRUE(results[0].tarihYok);
  EXPECT_EQ(results[0].eklenen, 0);
  EXPECT_EQ(storedRows(ulas), 0u);
}

TEST_F(LedgerBatch, ApprovalDateStopsBeforeTheFirstOpenPeriod) {
  addCard("100");
  session_.company.approvalDate = Date::fromYMD(2004, 12, 31);
  session_.values.dateSeparator = '.';
  const auto results = extend();
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0].eklenen, 0);
  EXPECT_EQ(results[0].mesaj, "31.12.2004 Tarihi ve Öncesi İçin İşlem Yapamazsınız!");
}

TEST_F(LedgerBatch, SlicesCoverEveryCardInUlasOrder) {
  std::vector<long long> ids;
  for (int i = 0; i < 5; ++i) ids.push_back(addCard(std::to_string(200 - i)));
  UzatmaSecenekleri options;
  options.cardsPerTransaction = 2;
  const auto results = extend(options);
  ASSERT_EQ(results.size(), 5u);
  for (size_t i = 0; i < ids.size(); ++i) EXPECT_EQ(results[i].ulasKart, ids[i]);
}

TEST_F(LedgerBatch, AFailingWriteLeavesTheSliceUnsavedAndReportsIt) {
  const long long ulas = addCard("100");
  db::Database::setWriteFaultHook([](std::string_view sql) {
    return sql.find("INSERT INTO \"KartAmortisman\"") != std::string_view::npos;
  });
  const auto results = extend();
  db::Database::setWriteFaultHook(nullptr);
  EXPECT_FALSE(status_);
  EXPECT_TRUE(results.empty());
  EXPECT_EQ(storedRows(ulas), 0u);
  EXPECT_TRUE(db::KartRepository(*session_.companyDb).find(ulas)->SonIslemTarihi.isNull());
}

TEST_F(LedgerBatch, ExportIsInCodeAndDateOrder) {
  addCard("200");
  addCard("100");
  extend();
  std::ostringstream out;
  ASSERT_TRUE(exportLedgers(*session_.companyDb, std::nullopt, out));
  std::istringstream lines(out.str());
  std::string line, previous;
  std::getline(lines, line);  // header
  int count = 0;
  while (std::getline(lines, line)) {
    EXPECT_LT(previous, line);
    previous = line;
    ++count;
  }
  EXPECT_EQ(count, 10);
  std::ostringstream one;
  ASSERT_TRUE(exportLedgers(*session_.companyDb, AssetCode{"01", "200"}, one));
  EXPECT_EQ(one.str().find("01,100,"), std::string::npos);
  EXPECT_NE(one.str().find("01,200,2004-12-31,"), std::string::npos);
}
