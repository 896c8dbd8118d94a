// The card's computed values: VAT, the end date of depreciation, header and banners.
#include "assets/card_values.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::assets;

namespace {

Session sessionWithSlash() {
  Session s;
  s.values.dateSeparator = '/';
  s.values.assetCodeMask = "999.999.999";
  s.values.generalVatRate = 18;
  return s;
}

TEST(CardValues, VatFollowsAmountAndRate) {
  EXPECT_DOUBLE_EQ(kdvTutari(1000, 18), 180);
  EXPECT_DOUBLE_EQ(kdvTutari(2000, 18), 360);
  EXPECT_DOUBLE_EQ(kdvTutari(2000, 0), 0);
}

TEST(CardValues, EndDateOfDepreciation) {
  struct Case { double rate; int kind; Date start; Date end; };
  const Case cases[] = {
      {20, 0, Date::fromYMD(2004, 3, 15), Date::fromYMD(2008, 3, 15)},
      {20, 1, Date::fromYMD(2004, 3, 15), Date::fromYMD(2009, 3, 15)},
      {15, 0, Date::fromYMD(2004, 1, 1), Date::fromYMD(2010, 1, 1)},
      {33.33, 0, Date::fromYMD(2005, 1, 1), Date::fromYMD(2008, 1, 1)},
      {100, 0, Date::fromYMD(2005, 6, 1), Date::fromYMD(2005, 6, 1)},
      {0, 0, Date::fromYMD(2005, 6, 1), Date::fromYMD(2005, 6, 1)},
      {0, 1, Date::fromYMD(2005, 6, 1), Date::fromYMD(2006, 6, 1)},
      {25, 0, Date::fromYMD(2004, 2, 29), Date::fromYMD(2007, 2, 28)},  // day limited
  };
  for (const auto& c : cases)
    EXPECT_EQ(bitisTarihi(c.start, c.rate, c.kind), c.end) << c.rate << " kind " << c.kind;
  EXPECT_TRUE(bitisTarihi(Date(), 20, 0).isNull());
}

TEST(CardValues, NewCardTakesTheParameterVatRate) {
  Session s = sessionWithSlash();
  s.values.generalVatRate = 8;
  const db::KartRow k = yeniBosKart(s);
  EXPECT_EQ(k.Kdv_Orani, 8);
  EXPECT_TRUE(k.Adi.empty());
  EXPECT_TRUE(k.Alis_Tarihi.isNull());
}

TEST(CardValues, HeaderShowsMaskedCodeAndName) {
  Session s = sessionWithSlash();
  db::KartRow k;
  k.SabitKiymet = "1234567";
  k.Adi = "Masa";
  EXPECT_EQ(kartBasligi(s, k, false), "123.456.7: Masa");
  EXPECT_EQ(kartBasligi(s, k, true), "Yeni Demirbaş Girişi");
}

TEST(CardValues, BannersOfTransfersAndExits) {
  Session s = sessionWithSlash();
  db::KartRow k;
  EXPECT_EQ(transferBandi(s, k), "");
  EXPECT_EQ(cikisBandi(s, k), "");
  k.GelenTransferKodu = "100200";
  k.GelenTransferTarihi = Date::fromYMD(2005, 4, 1);
  k.Transfer_Kod = "300";
  k.Transfer_Tarih = Date::fromYMD(2006, 5, 2);
  EXPECT_EQ(transferBandi(s, k),
            "100.200 Kaydından Transfer Olundu-01/04/05\n300 Kaydına Transfer Edildi-02/05/06");
  k.Sat_Tarih = Date::fromYMD(2007, 1, 9);
  const char* expected[] = {" Tarihinde Satıldı.", " Tarihinde Hibe Edildi.", " Tarihinde Zayi oldu.",
                            " Tarihinde Satıldı."};
  for (int type = 0; type < 4; ++type) {
    k.CikisTipi = type;
    EXPECT_EQ(cikisBandi(s, k), std::string("09/01/07") + expected[type]);
  }
}

}  // namespace
