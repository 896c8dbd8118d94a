// Settings, period ends and the next period's row of a depreciation ledger.
#include "depreciation/engine.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/turkish.h"

namespace orv::depreciation {
namespace {

// The engine's "Round": drops the fraction (2.9 -> 2, -2.9 -> -2). A sum of amounts that
// misses a whole number only by floating-point noise (9999.999999999998 for 10 000) counts
// as that whole number, so that a fully depreciated asset is recognised as such.
double tamKisim(double v) {
  const double nearest = std::round(v);
  if (std::fabs(v - nearest) <= 1e-9 * std::max(1.0, std::fabs(v))) return nearest;
  return std::trunc(v);
}

int yilSonuAyi(int maliDonemBaslangici) {
  return maliDonemBaslangici <= 1 || maliDonemBaslangici > 12 ? 12 : maliDonemBaslangici - 1;
}

std::string tarihMetni(Date d, char ayirac) {
  const YMD v = d.ymd();
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d%c%02d%c%04d", v.day, ayirac, v.month, ayirac, v.year);
  return buf;
}

// Running values of step 2: one pass over the rows present.
struct Toplamlar {
  double L = 0, P = 0, P3 = 0, H = 0, C0 = 0;
};

// Adds one row to the running sums: at a row of the fiscal year's last month the revalued
// accumulation and the depreciation so far are the year-end values.
void topla(Toplamlar& t, const DefterSatiri& s, int sonAy) {
  t.L += s.AmortismanOrani;
  t.P += s.AmortismanTutari;
  if (s.Tarih.month() == sonAy) {
    t.P3 = s.DBirikmisAmortisman;
    t.H = t.P;
  }
}

Toplamlar toplamlariAl(const CalismaDefteri& defter, double maliyet, int sonAy,
                       YuruyenToplamlar* yuruyen) {
  Toplamlar t;
  if (yuruyen && yuruyen->gecerli && yuruyen->satirSayisi == defter.satirlar.size()) {
    t = {yuruyen->L, yuruyen->P, yuruyen->P3, yuruyen->H, 0};
  } else {
    for (const auto& s : defter.satirlar) topla(t, s, sonAy);
  }
  t.C0 = defter.satirlar.empty() ? maliyet : defter.satirlar.back().Ilkdeger;
  return t;
}

void yuruyeniGuncelle(YuruyenToplamlar* y, Toplamlar t, const CalismaDefteri& defter, int sonAy) {
  if (y == nullptr) return;
  topla(t, defter.satirlar.back(), sonAy);
  *y = {true, defter.satirlar.size(), t.L, t.P, t.P3, t.H};
}

// Step 5: the two date checks, with their messages.
EklemeSonucu tarihKontrolu(Date d, const HesapOrtami& o, Prompter& prompter) {
  if (!o.onayTarihi.isNull() && d <= o.onayTarihi) {
    prompter.message(MessageKind::Error, tarihMetni(o.onayTarihi, o.tarihAyiraci) +
                                             " Tarihi ve Öncesi İçin İşlem Yapamazsınız!");
    return EklemeSonucu::OnayTarihi;
  }
  if (d.year() > o.aktifYil) {
    prompter.message(MessageKind::Error,
                     std::to_string(o.aktifYil) + " Yılı Sonrası İçin İşlem Yapamazsınız!");
    return EklemeSonucu::AktifYil;
  }
  return EklemeSonucu::Eklendi;
}

// Step 4.4 and 4.5: the revaluation rate of a new row of value b dated d.
double degerlemeOrani(const AmortismanAyarlari& a, const HesapOrtami& o, Date d, double b) {
  if (!a.Degerlendirilir || o.oranlar == nullptr) return 0;
  const auto* row = o.oranlar->find(definitions::seriesLetter(a.Amortisman_Donemi), d);
  if (row == nullptr || d.year() <= a.BaslamaTarihi.year()) return 0;
  const bool bandicinde = row->AltLimit <= b && b <= row->UstLimit;
  return bandicinde || row->AltLimit + row->UstLimit == 0 ? row->Oran : 0;
}

// Step 6: the period's depreciation rate C.
double donemOrani(const AmortismanAyarlari& a, const Toplamlar& t, Date d, size_t satirSayisi) {
  const double R = a.YillikOran;
  const double cap = a.Hesap_Sekli == 1 ? 200 : 100;
  const int m = a.BaslamaTarihi.month();
  const bool kist = a.Amortisman_Sekli == 1;
  const bool baslangicYili = d.year() == a.BaslamaTarihi.year();
  const int ay = d.month();
  double C = t.L + R <= cap ? (kist && baslangicYili ? (13 - m) * R / 12 : R) : cap - t.L;
  if (a.Amortisman_Donemi == UcAylik) {
    const int ceyrek = (m - 1) / 3 + 1;  // quarter that holds the start month
    if (baslangicYili && ay == 12) {
      C = m > 9 ? R : R / 4;
      if (kist) C = std::min((13 - m) * R / 12, R / 4);
    } else if (kist && baslangicYili && ay == ceyrek * 3) {
      C = (4 - (m - (ceyrek - 1) * 3)) / 3.0 * R / 4;
    } else if (R / 4 <= C) {
      C = baslangicYili && ay / 3 == ceyrek ? ceyrek * R / 4 : R / 4;
    }
  } else if (a.Amortisman_Donemi == Aylik) {
    if (baslangicYili && ay == 12)
      C = kist ? R / 12 : m * C / 12;
    else
      C = R / 12;
  }
  if (static_cast<long long>(satirSayisi) == a.OmurDonemSayisi && t.L + C < cap) C = cap - t.L;
  return C;
}

// DAmortisman on the revalued amount when a revalued year-end accumulation exists.
double degerliAmortisman(const AmortismanAyarlari& a, const DefterSatiri& s, double p3r, double AO,
                         bool butun) {
  const bool hizli = a.Hesap_Sekli == 1;
  const bool baslangicYili = s.Tarih.year() == a.BaslamaTarihi.year();
  const double kalan = s.DTutar - p3r;
  double carpan = AO;  // rate of the year to date, in percent
  if (a.Amortisman_Donemi == UcAylik && !baslangicYili) {
    const int k = s.Tarih.month() / 3 - 1;
    carpan = AO + k * a.YillikOran / 4;
  } else if (a.Amortisman_Donemi == Aylik && !baslangicYili) {
    carpan = s.Tarih.month() * AO;
  }
  const bool yillikVeyaSonraki = a.Amortisman_Donemi == Yillik || !baslangicYili;
  if (!hizli) return s.DTutar * carpan / 100;
  if (butun && yillikVeyaSonraki) return kalan;
  return kalan * carpan / 100;
}

// Steps 8 to 10 on the new row.
void tutarlariHesapla(const AmortismanAyarlari& a, const Toplamlar& t, double iz, DefterSatiri& s) {
  const double AO = s.AmortismanOrani;
  const bool butun = AO + t.L >= 200;
  if (a.Degerlendirilir) {
    if (tamKisim(t.P3) > 0) {
      const double p3r = t.P3 * (s.DOrani + 100) / 100;
      s.DTutar = s.Ilkdeger * (s.DOrani + 100) / 100;
      s.DAmortisman = degerliAmortisman(a, s, p3r, AO, butun);
      s.DBirikmisAmortisman = s.DAmortisman + p3r;
      s.NetDegerArtisi = (s.DTutar - s.Ilkdeger) - s.DOrani * p3r / (s.DOrani + 100);
    } else {
      s.DTutar = s.Ilkdeger;
      s.DAmortisman = AO * s.DTutar / 100;
      s.DBirikmisAmortisman = s.DAmortisman + t.P;
      s.NetDegerArtisi = 0;
    }
  }
  if (a.Hesap_Sekli == 0)
    s.AmortismanTutari = AO * t.C0 / 100;
  else
    s.AmortismanTutari = butun ? t.C0 - t.P : AO * (t.C0 - t.H) / 100;
  if (t.C0 - t.P - s.AmortismanTutari <= iz) s.AmortismanTutari -= iz;
  s.BirikmisAmortisman = s.AmortismanTutari + t.P;
  if (a.Degerlendirilir) {
    if (s.DTutar - s.DBirikmisAmortisman <= iz) {
      s.DAmortisman -= iz;
      s.DBirikmisAmortisman -= iz;
      if (s.NetDegerArtisi > 0) s.NetDegerArtisi -= iz;
    }
    s.KasaDegeri =
        s.DTutar - (a.AmortismanAlimUzerinden ? s.BirikmisAmortisman : s.DBirikmisAmortisman);
  } else {
    s.KasaDegeri = t.C0 - s.BirikmisAmortisman;
  }
}

void damgala(DefterSatiri& s, const HesapOrtami& o) {
  if (s.CreateBy == 0) {
    s.CreateBy = o.kullaniciId;
    s.CreateDate = o.damga;
  } else {
    s.ModifiedBy = o.kullaniciId;
    s.ModifiedDate = o.damga;
  }
}

}  // namespace

long long omurDonemSayisi(double oran, int donem) {
  if (!(oran > 0)) return 5;
  // Capped far beyond any real life so that an absurdly small rate cannot overflow.
  const double yil = std::min(tamKisim(tamKisim(10000 / oran) / 100), 1e9);
  const long long carpan = donem == UcAylik ? 4 : donem == Aylik ? 12 : 1;
  return static_cast<long long>(yil) * carpan;
}

AmortismanAyarlari AmortismanAyarlariOlustur(const db::KartRow& k, const AyarSecenekleri& s) {
  AmortismanAyarlari a;
  a.Hesap_Sekli = k.Hesap_Sekli;
  a.Amortisman_Sekli = k.Amortisman_Sekli;
  a.Amortisman_Donemi = std::clamp(k.Amortisman_Donemi, 0, 2);
  a.Maliyet = k.Alis_Tutari;
  a.YillikOran = k.Hesap_Sekli == 1 ? std::min(k.Amortisman_Orani * 2, 50.0) : k.Amortisman_Orani;
  a.OmurDonemSayisi = omurDonemSayisi(k.Amortisman_Orani, a.Amortisman_Donemi);
  a.BaslamaTarihi = k.Amortisman_Baslama.isNull() ? k.Alis_Tarihi : k.Amortisman_Baslama;
  if (a.BaslamaTarihi.serial() < 0) a.BaslamaTarihi = s.yedekTarih;
  a.Degerlendirilir = k.Degerlendirilir;
  a.AmortismanAlimUzerinden = k.AmortismanAlimUzerinden;
  a.SaltOkunur =
      !s.topluIslem && (!trim(k.Transfer_Kod).empty() || k.Sat_Tarih.serial() > 10 || !s.hakVar);
  a.KilitTarihi = k.GelenTransferTarihi.serial() > 10 ? k.GelenTransferTarihi : Date();
  if (!s.onayTarihi.isNull() && s.onayTarihi > a.KilitTarihi) a.KilitTarihi = s.onayTarihi;
  return a;
}

AmortismanAyarlari AmortismanAyarlariOlustur(const db::KartRow& kart, const Session& session,
                                             bool topluIslem) {
  AyarSecenekleri s;
  s.topluIslem = topluIslem;
  s.hakVar = session.hasRight(kRightLedgerChanges);
  s.onayTarihi = session.company.approvalDate;
  s.yedekTarih = Date::today();
  return AmortismanAyarlariOlustur(kart, s);
}

Date DonemSonu(int donem, Date tarih, int a) {
  const YMD v = tarih.ymd();
  auto ayinSonGunu = [](int y, int m) { return Date::fromYMD(y, m, daysInMonth(y, m)); };
  switch (donem) {
    case Yillik: {
      if (a <= 1 || a > 12) return ayinSonGunu(v.year, 12);
      const int yil = v.month >= a ? v.year + 1 : v.year;
      return ayinSonGunu(yil, a - 1);
    }
    case UcAylik:
      return ayinSonGunu(v.year, ((v.month - 1) / 3 + 1) * 3);
    default:
      return ayinSonGunu(v.year, v.month);
  }
}

EklemeSonucu SonrakiDonemEkle(AmortismanAyarlari& a, CalismaDefteri& defter, const HesapOrtami& o,
                              Prompter& prompter, YuruyenToplamlar* yuruyen) {
  if (a.SaltOkunur) return EklemeSonucu::SaltOkunur;
  const int sonAy = yilSonuAyi(o.maliDonemBaslangici);
  const Toplamlar t = toplamlariAl(defter, a.Maliyet, sonAy, yuruyen);
  DefterSatiri yeni;
  if (defter.satirlar.empty()) {
    yeni.Tarih = DonemSonu(a.Amortisman_Donemi, a.BaslamaTarihi, o.maliDonemBaslangici);
    if (auto r = tarihKontrolu(yeni.Tarih, o, prompter); r != EklemeSonucu::Eklendi) return r;
    yeni.Ilkdeger = a.Maliyet;
  } else {
    a.Maliyet = t.C0;
    double b = t.C0;
    if (!a.Degerlendirilir && a.Hesap_Sekli == 1) b = t.C0 != 0 ? t.C0 - t.P3 : -t.H;
    if (tamKisim(t.P + o.izDegeri) >= t.C0) return EklemeSonucu::TamAmortisman;
    yeni.Tarih = DonemSonu(a.Amortisman_Donemi, defter.satirlar.back().Tarih.addDays(1),
                           o.maliDonemBaslangici);
    if (auto r = tarihKontrolu(yeni.Tarih, o, prompter); r != EklemeSonucu::Eklendi) return r;
    yeni.Ilkdeger = b;
    yeni.DOrani = degerlemeOrani(a, o, yeni.Tarih, b);
  }
  yeni.AmortismanOrani = donemOrani(a, t, yeni.Tarih, defter.satirlar.size() + 1);
  tutarlariHesapla(a, t, o.izDegeri, yeni);
  damgala(yeni, o);
  defter.satirlar.push_back(std::move(yeni));
  yuruyeniGuncelle(yuruyen, t, defter, sonAy);
  return EklemeSonucu::Eklendi;
}

std::string damgaMetni(const DateTime& t) {
  const YMD v = t.date.ymd();
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d%02d%02d%02d%02d", v.day, v.month, v.year % 100, t.time.hour,
                t.time.minute);
  return buf;
}

HesapOrtami HesapOrtami::fromSession(const Session& session,
                                     const definitions::DegerlemeOranTablosu* oranlar) {
  HesapOrtami o;
  o.izDegeri = session.values.traceValue;
  o.aktifYil = session.values.depreciationYear;
  o.onayTarihi = session.company.approvalDate;
  o.maliDonemBaslangici =
      session.company.fiscalYearStart == 0 ? 1 : session.company.fiscalYearStart;
  o.kullaniciId = session.user.id;
  o.damga = damgaMetni(DateTime::now());
  o.tarihAyiraci = session.values.dateSeparator;
  o.oranlar = oranlar;
  return o;
}

}  // namespace orv::depreciation
