// The ledger screen's rules: rights 50 and 54, read-only ledgers, the lock and approval dates
// of deleting and editing, and the active year of a typed date.
#include "depreciation/ledger_editing.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::depreciation;

namespace {

class Recorder : public Prompter {
 public:
  void message(MessageKind, const std::string& text) override { texts.push_back(text); }
  Answer confirm(MessageKind, const std::string&, bool) override { return Answer::Yes; }
  std::string last() const { return texts.empty() ? "" : texts.back(); }
  std::vector<std::string> texts;
};

class LedgerEditingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session_.rights = {50, 54};
    session_.user.id = 7;
    d_.ayarlar.Maliyet = 1000;
    d_.ayarlar.YillikOran = 20;
    d_.ayarlar.OmurDonemSayisi = 5;
    d_.ayarlar.BaslamaTarihi = Date::fromYMD(2003, 1, 1);
    d_.ortam.aktifYil = 2006;
    d_.ortam.tarihAyiraci = '/';
    d_.ortam.kullaniciId = 7;
    d_.ortam.damga = "0101061200";
    d_.defter.satirlar = {row(2003), row(2004), row(2005)};
  }
  static DefterSatiri row(int year) {
    DefterSatiri r;
    r.Tarih = Date::fromYMD(year, 12, 31);
    r.Ilkdeger = 1000;
    r.AmortismanTutari = 200;
    return r;
  }
  void approve(Date d) {
    d_.ortam.onayTarihi = d;
    d_.ayarlar.KilitTarihi = d;
  }
  Session session_;
  AcikDefter d_;
  Recorder prompter_;
};

TEST_F(LedgerEditingTest, AddNeedsRight50) {
  session_.rights = {54};
  EXPECT_EQ(defterSatirEkle(session_, d_, prompter_), EklemeSonucu::SaltOkunur);
  EXPECT_EQ(prompter_.last(), kLedgerNoRight);
  EXPECT_EQ(d_.defter.satirlar.size(), 3u);
  session_.rights = {50};
  EXPECT_EQ(defterSatirEkle(session_, d_, prompter_), EklemeSonucu::Eklendi);
  EXPECT_EQ(d_.defter.satirlar.back().Tarih, Date::fromYMD(2006, 12, 31));
}

TEST_F(LedgerEditingTest, DeleteNeedsRight54) {
  session_.rights = {50};
  EXPECT_FALSE(defterSatirSil(session_, d_, 1, prompter_));
  EXPECT_EQ(prompter_.last(), kLedgerNoRight);
  session_.rights = {54};
  ASSERT_TRUE(defterSatirSil(session_, d_, 1, prompter_));  // a middle row
  EXPECT_EQ(d_.defter.satirlar.size(), 2u);
  EXPECT_EQ(d_.defter.satirlar[1].Tarih.year(), 2005);
}

TEST_F(LedgerEditingTest, ReadOnlyLedgerChangesNothingSilently) {
  d_.ayarlar.SaltOkunur = true;
  EXPECT_FALSE(defterSatirSil(session_, d_, 2, prompter_));
  EXPECT_FALSE(defterSayiYaz(d_, 2, SutunKasaDegeri, 5));
  EXPECT_FALSE(satirAcik(d_, 2));
  EXPECT_EQ(defterSatirEkle(session_, d_, prompter_), EklemeSonucu::SaltOkunur);
  EXPECT_TRUE(prompter_.texts.empty());
  EXPECT_EQ(d_.defter.satirlar.size(), 3u);
}

TEST_F(LedgerEditingTest, ApprovalDateLocksItsRowAndEarlierOnes) {
  approve(Date::fromYMD(2004, 12, 31));
  struct Case { int row; bool open; };
  for (Case c : {Case{0, false}, Case{1, false}, Case{2, true}}) {
    EXPECT_EQ(satirAcik(d_, c.row), c.open) << c.row;
    EXPECT_EQ(defterSayiYaz(d_, c.row, SutunAmortismanTutari, 1), c.open) << c.row;
  }
  EXPECT_FALSE(defterSatirSil(session_, d_, 1, prompter_));
  EXPECT_EQ(prompter_.last(), "31/12/2004 Tarihi ve Öncesi İçin İşlem Yapamazsınız!");
  EXPECT_TRUE(defterSatirSil(session_, d_, 2, prompter_));
}

TEST_F(LedgerEditingTest, TypedDateChecksApprovalAndActiveYear) {
  approve(Date::fromYMD(2004, 12, 31));
  EXPECT_FALSE(defterTarihYaz(d_, 2, Date::fromYMD(2004, 6, 30), prompter_));
  EXPECT_EQ(prompter_.last(), "31/12/2004 Tarihi ve Öncesi İçin İşlem Yapamazsınız!");
  EXPECT_FALSE(defterTarihYaz(d_, 2, Date::fromYMD(2007, 1, 31), prompter_));
  EXPECT_EQ(prompter_.last(), "2006 Yılı Sonrası İçin İşlem Yapamazsınız!");
  EXPECT_EQ(d_.defter.satirlar[2].Tarih, Date::fromYMD(2005, 12, 31));
  ASSERT_TRUE(defterTarihYaz(d_, 2, Date::fromYMD(2005, 6, 30), prompter_));
  EXPECT_EQ(d_.defter.satirlar[2].Tarih, Date::fromYMD(2005, 6, 30));
  EXPECT_EQ(d_.defter.satirlar[2].ModifiedBy, 7);
  EXPECT_EQ(d_.defter.satirlar[2].ModifiedDate, "0101061200");
}

TEST_F(LedgerEditingTest, EditedAmountFeedsTheNextRowButNotItsOwnSums) {
  ASSERT_TRUE(defterSayiYaz(d_, 2, SutunAmortismanTutari, 300));
  EXPECT_EQ(d_.defter.satirlar[2].AmortismanTutari, 300);
  EXPECT_EQ(d_.defter.satirlar[2].BirikmisAmortisman, 0);
  EXPECT_EQ(d_.defter.satirlar[2].Ilkdeger, 1000);
  EXPECT_FALSE(defterSayiYaz(d_, 2, SutunTarih, 1));  // the date column takes dates only
}

}  // namespace
