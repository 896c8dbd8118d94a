// The engine against hand-computed ledgers: periods, methods, kinds, revaluation, trace value,
// the last period of the life, the fiscal-year start and the date checks.
#include "depreciation/engine.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::depreciation;

namespace {

class RecordingPrompter : public Prompter {
 public:
  void message(MessageKind kind, const std::string& text) override {
    kinds.push_back(kind);
    texts.push_back(text);
  }
  Answer confirm(MessageKind, const std::string&, bool) override { return Answer::Yes; }
  std::vector<MessageKind> kinds;
  std::vector<std::string> texts;
};

Date ymd(int y, int m, int d) { return Date::fromYMD(y, m, d); }

struct Asset {
  double rate = 20;
  Date start = ymd(2004, 3, 15);
  int period = Yillik;
  int method = 0;
  int kind = 0;
  bool revalued = false;
  double cost = 10000;
};

db::KartRow card(const Asset& a) {
  db::KartRow k;
  k.Ulas = 7;
  k.Alis_Tutari = a.cost;
  k.Alis_Tarihi = a.start;
  k.Amortisman_Orani = a.rate;
  k.Amortisman_Donemi = a.period;
  k.Hesap_Sekli = a.method;
  k.Amortisman_Sekli = a.kind;
  k.Degerlendirilir = a.revalued;
  return k;
}

HesapOrtami ortam(const definitions::DegerlemeOranTablosu* rates = nullptr) {
  HesapOrtami o;
  o.aktifYil = 2030;
  o.kullaniciId = 3;
  o.damga = "0101051200";
  o.oranlar = rates;
  return o;
}

// Appends rows until the engine stops or `limit` rows are there.
CalismaDefteri ledger(const Asset& a, const HesapOrtami& o, size_t limit = 1000) {
  AmortismanAyarlari s = AmortismanAyarlariOlustur(card(a), AyarSecenekleri{});
  CalismaDefteri d;
  RecordingPrompter p;
  while (d.satirlar.size() < limit && SonrakiDonemEkle(s, d, o, p) == EklemeSonucu::Eklendi) {}
  return d;
}

std::vector<double> column(const CalismaDefteri& d, double DefterSatiri::*field) {
  std::vector<double> out;
  for (const auto& s : d.satirlar) out.push_back(s.*field);
  return out;
}

void expectNear(const std::vector<double>& got, const std::vector<double>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) EXPECT_NEAR(got[i], want[i], 1e-6) << "row " << i;
}

}  // namespace

TEST(DonemSonu, EndsThePeriodThatHoldsTheDate) {
  struct Case {
    int kind;
    Date date;
    int fiscalStart;
    Date want;
  };
  const Case cases[] = {
      {Yillik, ymd(2004, 3, 15), 1, ymd(2004, 12, 31)},
      {Yillik, ymd(2004, 3, 15), 4, ymd(2004, 3, 31)},
      {Yillik, ymd(2004, 4, 1), 4, ymd(2005, 3, 31)},
      {Yillik, ymd(2004, 8, 1), 7, ymd(2005, 6, 30)},
      {Yillik, ymd(2004, 6, 30), 7, ymd(2004, 6, 30)},
      {Yillik, ymd(2004, 1, 1), 2, ymd(2004, 1, 31)},
      {UcAylik, ymd(2004, 5, 15), 1, ymd(2004, 6, 30)},
      {UcAylik, ymd(2004, 11, 2), 4, ymd(2004, 12, 31)},
      {Aylik, ymd(2004, 2, 3), 1, ymd(2004, 2, 29)},
      {Aylik, ymd(2005, 2, 28), 1, ymd(2005, 2, 28)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DonemSonu(c.kind, c.date, c.fiscalStart), c.want)
        << c.kind << " " << c.date.iso() << " " << c.fiscalStart;
}

TEST(OmurDonemSayisi, TruncatesTwiceAndCountsPeriods) {
  struct Case {
    double rate;
    int kind;
    long long want;
  };
  const Case cases[] = {{20, Yillik, 5}, {33.33, Yillik, 3}, {15, Yillik, 6},   {12.5, Yillik, 8},
                        {0, Yillik, 5},  {-3, Aylik, 5},     {20, UcAylik, 20}, {20, Aylik, 60},
                        {2, Aylik, 600}, {1, UcAylik, 400}};
  for (const auto& c : cases) EXPECT_EQ(omurDonemSayisi(c.rate, c.kind), c.want) << c.rate;
}

TEST(AmortismanAyarlari, DoublesTheAcceleratedRateUpToFifty) {
  Asset a;
  a.method = 1;
  a.rate = 20;
  EXPECT_DOUBLE_EQ(AmortismanAyarlariOlustur(card(a), AyarSecenekleri{}).YillikOran, 40);
  a.rate = 33.33;
  EXPECT_DOUBLE_EQ(AmortismanAyarlariOlustur(card(a), AyarSecenekleri{}).YillikOran, 50);
}

TEST(AmortismanAyarlari, ReadOnlyForTransferExitOrMissingRightButNeverInBulk) {
  db::KartRow k = card(Asset{});
  AyarSecenekleri s;
  EXPECT_FALSE(AmortismanAyarlariOlustur(k, s).SaltOkunur);
  k.Transfer_Kod = "123";
  EXPECT_TRUE(AmortismanAyarlariOlustur(k, s).SaltOkunur);
  s.topluIslem = true;
  EXPECT_FALSE(AmortismanAyarlariOlustur(k, s).SaltOkunur);
  k = card(Asset{});
  k.Sat_Tarih = ymd(2006, 1, 1);
  EXPECT_TRUE(AmortismanAyarlariOlustur(k, AyarSecenekleri{}).SaltOkunur);
  AyarSecenekleri noRight;
  noRight.hakVar = false;
  EXPECT_TRUE(AmortismanAyarlariOlustur(card(Asset{}), noRight).SaltOkunur);
}

TEST(AmortismanAyarlari, StartDateAndLockDate) {
  db::KartRow k = card(Asset{});
  k.Amortisman_Baslama = ymd(2004, 7, 1);
  k.GelenTransferTarihi = ymd(2004, 5, 1);
  AyarSecenekleri s;
  s.onayTarihi = ymd(2005, 12, 31);
  const auto a = AmortismanAyarlariOlustur(k, s);
  EXPECT_EQ(a.BaslamaTarihi, ymd(2004, 7, 1));
  EXPECT_EQ(a.KilitTarihi, ymd(2005, 12, 31));
  k.Amortisman_Baslama = Date::fromSerial(-400);
  s.yedekTarih = ymd(2006, 2, 2);
  EXPECT_EQ(AmortismanAyarlariOlustur(k, s).BaslamaTarihi, ymd(2006, 2, 2));
}

TEST(SonrakiDonemEkle, NormalYearlyEndsWithTheTraceValue) {
  const auto d = ledger(Asset{}, ortam());
  ASSERT_EQ(d.satirlar.size(), 5u);
  EXPECT_EQ(d.satirlar.front().Tarih, ymd(2004, 12, 31));
  EXPECT_EQ(d.satirlar.back().Tarih, ymd(2008, 12, 31));
  expectNear(column(d, &DefterSatiri::AmortismanOrani), {20, 20, 20, 20, 20});
  expectNear(column(d, &DefterSatiri::AmortismanTutari), {2000, 2000, 2000, 2000, 1999});
  EXPECT_DOUBLE_EQ(d.satirlar.back().BirikmisAmortisman, 9999);
  EXPECT_DOUBLE_EQ(d.satirlar.back().KasaDegeri, 1);
  EXPECT_EQ(d.satirlar[0].CreateBy, 3);
  EXPECT_EQ(d.satirlar[0].CreateDate, "0101051200");
}

TEST(SonrakiDonemEkle, SixthCallOnAFullyDepreciatedAssetAddsNothingSilently) {
  Asset a;
  AmortismanAyarlari s = AmortismanAyarlariOlustur(card(a), AyarSecenekleri{});
  CalismaDefteri d = ledger(a, ortam());
  RecordingPrompter p;
  EXPECT_EQ(SonrakiDonemEkle(s, d, ortam(), p), EklemeSonucu::TamAmortisman);
  EXPECT_EQ(d.satirlar.size(), 5u);
  EXPECT_TRUE(p.texts.empty());
}

TEST(SonrakiDonemEkle, ProRataStartYearAndLastPeriodOfTheLife) {
  Asset a;
  a.kind = 1;
  a.start = ymd(2004, 7, 15);
  const auto d = ledger(a, ortam());
  expectNear(column(d, &DefterSatiri::AmortismanOrani), {10, 20, 20, 20, 30});
  expectNear(column(d, &DefterSatiri::AmortismanTutari), {1000, 2000, 2000, 2000, 2999});
}

TEST(SonrakiDonemEkle, AcceleratedTakesTheBookValueAtTheLastYearEnd) {
  Asset a;
  a.method = 1;
  const auto d = ledger(a, ortam());
  expectNear(column(d, &DefterSatiri::AmortismanTutari), {4000, 2400, 1440, 864, 1295});
  expectNear(column(d, &DefterSatiri::AmortismanOrani), {40, 40, 40, 40, 40});
}

TEST(SonrakiDonemEkle, QuarterlyStartYearRows) {
  Asset a;
  a.period = UcAylik;
  a.start = ymd(2004, 5, 15);
  auto d = ledger(a, ortam(), 4);
  EXPECT_EQ(d.satirlar[0].Tarih, ymd(2004, 6, 30));
  EXPECT_EQ(d.satirlar[2].Tarih, ymd(2004, 12, 31));
  expectNear(column(d, &DefterSatiri::AmortismanOrani), {10, 5, 5, 5});
  a.start = ymd(2004, 11, 3);
  d = ledger(a, ortam(), 2);
  EXPECT_EQ(d.satirlar[0].Tarih, ymd(2004, 12, 31));
  expectNear(column(d, &DefterSatiri::AmortismanOrani), {20, 5});
}

TEST(SonrakiDonemEkle, QuarterlyProRataStartQuarterInThirds) {
  Asset a;
  a.period = UcAylik;
  a.kind = 1;
  a.start = ymd(2004, 5, 15);  // May and June: two thirds of a quarter
  const auto d = ledger(a, ortam(), 3);
  expectNear(column(d, &DefterSatiri::AmortismanOrani), {2.0 / 3 * 5, 5, 5});
}

TEST(SonrakiDonemEkle, MonthlyStartYearPutsTheEarlierMonthsIntoDecember) {
  Asset a;
  a.period = Aylik;
  a.start = ymd(2004, 3, 10);
  const auto d = ledger(a, ortam(), 11);
  std::vector<double> want(9, 20.0 / 12);
  want.push_back(3 * 20.0 / 12);
  want.push_back(20.0 / 12);  // January of the next year
  expectNear(column(d, &DefterSatiri::AmortismanOrani), want);
  EXPECT_EQ(d.satirlar[9].Tarih, ymd(2004, 12, 31));
}

TEST(SonrakiDonemEkle, LifeLongerThan255PeriodsIsKept) {
  Asset a;
  a.period = Aylik;
  a.rate = 2;  // 50 years, 600 months
  a.start = ymd(2000, 1, 1);
  auto s = AmortismanAyarlariOlustur(card(a), AyarSecenekleri{});
  EXPECT_EQ(s.OmurDonemSayisi, 600);
  HesapOrtami o = ortam();
  o.aktifYil = 2100;
  const auto d = ledger(a, o);
  ASSERT_GE(d.satirlar.size(), 300u);
  EXPECT_NEAR(d.satirlar[299].AmortismanOrani, 2.0 / 12, 1e-12);
}

TEST(SonrakiDonemEkle, RevaluedYearlyRow) {
  definitions::DegerlemeOranTablosu rates;
  rates.add({1, "A", ymd(2005, 12, 31), 10, 0, 0, {}});
  Asset a;
  a.revalued = true;
  a.start = ymd(2004, 1, 1);
  const auto d = ledger(a, ortam(&rates), 2);
  const auto& r = d.satirlar[1];
  EXPECT_DOUBLE_EQ(r.DOrani, 10);
  EXPECT_DOUBLE_EQ(r.DTutar, 11000);
  EXPECT_DOUBLE_EQ(r.DAmortisman, 2200);
  EXPECT_DOUBLE_EQ(r.DBirikmisAmortisman, 4400);
  EXPECT_DOUBLE_EQ(r.NetDegerArtisi, 800);
  EXPECT_DOUBLE_EQ(r.AmortismanTutari, 2000);
  EXPECT_DOUBLE_EQ(r.KasaDegeri, 6600);
  EXPECT_DOUBLE_EQ(r.Ilkdeger, 10000);
}

TEST(SonrakiDonemEkle, RateRowAppliesOnlyInsideItsBandAndAfterTheStartYear) {
  struct Case {
    Date date;
    double low, high;
    double want;
  };
  const Case cases[] = {
      {ymd(2005, 12, 31), 20000, 50000, 0},  // band excludes 10 000
      {ymd(2005, 12, 31), 5000, 20000, 10},  // band holds it
      {ymd(2005, 12, 30), 0, 0, 0},          // not on the period end
      {ymd(2004, 12, 31), 0, 0, 0},          // start year: never applied
  };
  for (const auto& c : cases) {
    definitions::DegerlemeOranTablosu rates;
    rates.add({1, "A", c.date, 10, c.low, c.high, {}});
    Asset a;
    a.revalued = true;
    const auto d = ledger(a, ortam(&rates), 2);
    EXPECT_DOUBLE_EQ(d.satirlar[0].DOrani, 0);
    EXPECT_DOUBLE_EQ(d.satirlar[1].DOrani, c.want) << c.date.iso() << " " << c.low;
  }
}

TEST(SonrakiDonemEkle, RevaluedQuarterlyYearToDate) {
  definitions::DegerlemeOranTablosu rates;
  rates.add({1, "B", ymd(2005, 3, 31), 5, 0, 0, {}});
  rates.add({2, "B", ymd(2005, 6, 30), 5, 0, 0, {}});
  Asset a;
  a.revalued = true;
  a.period = UcAylik;
  a.start = ymd(2004, 1, 10);
  const auto d = ledger(a, ortam(&rates), 7);
  expectNear(column(d, &DefterSatiri::DAmortisman), {500, 500, 500, 500, 525, 1050, 1500});
  EXPECT_DOUBLE_EQ(d.satirlar[3].DBirikmisAmortisman, 2000);
  const auto& march = d.satirlar[4];
  EXPECT_DOUBLE_EQ(march.DTutar, 10500);
  EXPECT_DOUBLE_EQ(march.DBirikmisAmortisman, 2625);
  EXPECT_DOUBLE_EQ(march.NetDegerArtisi, 400);
  EXPECT_DOUBLE_EQ(march.KasaDegeri, 7875);
  EXPECT_DOUBLE_EQ(d.satirlar[5].DBirikmisAmortisman, 3150);
  EXPECT_DOUBLE_EQ(d.satirlar[6].DTutar, 10000);
}

TEST(SonrakiDonemEkle, BookValueNetOfUnrevaluedAccumulationWhenAsked) {
  definitions::DegerlemeOranTablosu rates;
  rates.add({1, "A", ymd(2005, 12, 31), 10, 0, 0, {}});
  Asset a;
  a.revalued = true;
  a.start = ymd(2004, 1, 1);
  db::KartRow k = card(a);
  k.AmortismanAlimUzerinden = true;
  auto s = AmortismanAyarlariOlustur(k, AyarSecenekleri{});
  CalismaDefteri d;
  RecordingPrompter p;
  const auto o = ortam(&rates);
  SonrakiDonemEkle(s, d, o, p);
  SonrakiDonemEkle(s, d, o, p);
  EXPECT_DOUBLE_EQ(d.satirlar[1].KasaDegeri, 11000 - 4000);
}

TEST(SonrakiDonemEkle, FiscalYearStartMovesYearlyRowsAndYearEndSums) {
  Asset a;
  a.method = 1;  // declining balance needs the year-end sums
  a.start = ymd(2004, 5, 1);
  HesapOrtami o = ortam();
  o.maliDonemBaslangici = 4;
  const auto d = ledger(a, o, 3);
  EXPECT_EQ(d.satirlar[0].Tarih, ymd(2005, 3, 31));
  EXPECT_EQ(d.satirlar[1].Tarih, ymd(2006, 3, 31));
  // Sums taken at the March rows: the second year works on the book value 6 000.
  expectNear(column(d, &DefterSatiri::AmortismanTutari), {4000, 2400, 1440});
  o.maliDonemBaslangici = 7;
  EXPECT_EQ(ledger(a, o, 1).satirlar[0].Tarih, ymd(2004, 6, 30));
}

TEST(SonrakiDonemEkle, DateChecksRefuseWithTheirMessages) {
  Asset a;
  HesapOrtami o = ortam();
  o.onayTarihi = ymd(2004, 12, 31);
  o.tarihAyiraci = '/';
  AmortismanAyarlari s = AmortismanAyarlariOlustur(card(a), AyarSecenekleri{});
  CalismaDefteri d;
  RecordingPrompter p;
  EXPECT_EQ(SonrakiDonemEkle(s, d, o, p), EklemeSonucu::OnayTarihi);
  ASSERT_EQ(p.texts.size(), 1u);
  EXPECT_EQ(p.texts[0], "31/12/2004 Tarihi ve Öncesi İçin İşlem Yapamazsınız!");
  EXPECT_EQ(p.kinds[0], MessageKind::Error);
  EXPECT_TRUE(d.satirlar.empty());

  o.onayTarihi = Date();
  o.aktifYil = 2005;
  while (SonrakiDonemEkle(s, d, o, p) == EklemeSonucu::Eklendi) {}
  EXPECT_EQ(d.satirlar.size(), 2u);
  EXPECT_EQ(p.texts.back(), "2005 Yılı Sonrası İçin İşlem Yapamazsınız!");
}

TEST(SonrakiDonemEkle, ReadOnlyLedgerDoesNothing) {
  db::KartRow k = card(Asset{});
  k.Transfer_Kod = "X";
  auto s = AmortismanAyarlariOlustur(k, AyarSecenekleri{});
  CalismaDefteri d;
  RecordingPrompter p;
  EXPECT_EQ(SonrakiDonemEkle(s, d, ortam(), p), EklemeSonucu::SaltOkunur);
  EXPECT_TRUE(d.satirlar.empty());
}

TEST(SonrakiDonemEkle, EditedRowFeedsTheNextAndLastIlkdegerReplacesCost) {
  Asset a;
  AmortismanAyarlari s = AmortismanAyarlariOlustur(card(a), AyarSecenekleri{});
  CalismaDefteri d;
  RecordingPrompter p;
  SonrakiDonemEkle(s, d, ortam(), p);
  d.satirlar[0].Ilkdeger = 20000;  // the user edited the row
  d.satirlar[0].AmortismanTutari = 4000;
  SonrakiDonemEkle(s, d, ortam(), p);
  EXPECT_DOUBLE_EQ(s.Maliyet, 20000);
  EXPECT_DOUBLE_EQ(d.satirlar[1].Ilkdeger, 20000);
  EXPECT_DOUBLE_EQ(d.satirlar[1].BirikmisAmortisman, 8000);
  d.satirlar.clear();  // every row deleted: the first row takes the Ilkdeger seen last
  SonrakiDonemEkle(s, d, ortam(), p);
  EXPECT_DOUBLE_EQ(d.satirlar[0].Ilkdeger, 20000);
}

TEST(Damga, DayMonthYearHourMinute) {
  DateTime t{ymd(2005, 1, 2), {13, 4, 59, 0}};
  EXPECT_EQ(damgaMetni(t), "0201051304");
}

TEST(SonrakiDonemEkle, RunningSumsGiveTheSameLedgerAsAFreshPassEachCall) {
  definitions::DegerlemeOranTablosu rates;
  for (int y = 2005; y < 2012; ++y)
    for (int m = 1; m <= 12; ++m) {
      const Date end = ymd(y, m, 1).endOfMonth();
      rates.add({0, "A", end, 7.5, 0, 0, {}});
      rates.add({0, "B", end, 2.25, 0, 0, {}});
      rates.add({0, "C", end, 0.7, 0, 0, {}});
    }
  for (int period : {Yillik, UcAylik, Aylik})
    for (int method : {0, 1}) {
      Asset a;
      a.period = period;
      a.method = method;
      a.revalued = true;
      a.rate = 12.5;
      a.start = ymd(2004, 5, 20);
      HesapOrtami o = ortam(&rates);
      o.maliDonemBaslangici = 1;
      const CalismaDefteri fresh = ledger(a, o);
      auto s = AmortismanAyarlariOlustur(card(a), AyarSecenekleri{});
      CalismaDefteri d;
      YuruyenToplamlar running;
      SilentPrompter p;
      while (SonrakiDonemEkle(s, d, o, p, &running) == EklemeSonucu::Eklendi) {}
      ASSERT_EQ(d.satirlar.size(), fresh.satirlar.size());
      for (size_t i = 0; i < d.satirlar.size(); ++i) {
        EXPECT_EQ(d.satirlar[i].DBirikmisAmortisman, fresh.satirlar[i].DBirikmisAmortisman);
        EXPECT_EQ(d.satirlar[i].KasaDegeri, fresh.satirlar[i].KasaDegeri);
      }
    }
}
