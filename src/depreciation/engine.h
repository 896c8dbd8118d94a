// The depreciation and revaluation engine: the settings derived from an asset card, the
// working ledger of one open ledger (in memory, one per open ledger), and the operation that
// appends the next period's row. Loading and saving the ledger is in ledger_store.h.
#pragma once

#include <string>
#include <vector>

#include "app/prompter.h"
#include "app/session.h"
#include "common/date.h"
#include "data/kart_repository.h"
#include "definitions/revaluation_rates.h"

namespace orv::depreciation {

inline constexpr int kRightLedgerChanges = 50;

enum DonemTuru : int { Yillik = 0, UcAylik = 1, Aylik = 2 };

// Depreciation settings of one open ledger, derived from the card each time it is opened.
struct AmortismanAyarlari {
  int Hesap_Sekli = 0;            // 0 normal, 1 accelerated (declining balance)
  int Amortisman_Sekli = 0;       // 0 normal, 1 pro-rata
  int Amortisman_Donemi = 0;      // DonemTuru
  double Maliyet = 0;             // purchase amount; replaced by the last row's Ilkdeger
  double YillikOran = 0;          // percent, doubled for the accelerated method, at most 50 then
  long long OmurDonemSayisi = 5;  // life in periods (no upper limit)
  Date BaslamaTarihi;
  bool Degerlendirilir = false;
  bool AmortismanAlimUzerinden = false;
  bool SaltOkunur = false;
  Date KilitTarihi;  // used by the ledger screen only
};

struct AyarSecenekleri {
  bool topluIslem = false;  // bulk run: never read-only, processing date for bad starts
  bool hakVar = true;       // the user holds right 50
  Date onayTarihi;          // the company's approval date
  Date yedekTarih;          // replaces a start date before 30.12.1899 (today, or the
                            // processing date of a bulk run)
};

AmortismanAyarlari AmortismanAyarlariOlustur(const db::KartRow& kart, const AyarSecenekleri& s);
// The same for the session's user and company, today replacing a bad start date.
AmortismanAyarlari AmortismanAyarlariOlustur(const db::KartRow& kart, const Session& session,
                                             bool topluIslem = false);

// Life in periods: years = Round(Round(10000 / rate) / 100), times 1, 4 or 12; 5 for rate <= 0.
long long omurDonemSayisi(double oran, int donem);

// The last day of the period of the given kind that holds the date; a yearly period ends in
// the month before the fiscal year's first month (December when it starts in January).
Date DonemSonu(int donem, Date tarih, int maliDonemBaslangici = 1);

// One row of the working ledger: the fifteen columns of a ledger row and the identity of the
// stored row it was loaded from (0 for a row appended since), so that saving writes each row
// back to its own stored row and voucher marks never move to another period.
struct DefterSatiri {
  Date Tarih;
  double Ilkdeger = 0, DOrani = 0, DTutar = 0, DAmortisman = 0, DBirikmisAmortisman = 0,
         NetDegerArtisi = 0, AmortismanOrani = 0, AmortismanTutari = 0, BirikmisAmortisman = 0,
         KasaDegeri = 0;
  long long CreateBy = 0;
  std::string CreateDate;
  long long ModifiedBy = 0;
  std::string ModifiedDate;
  long long kayitUlas = 0;
};

// The working ledger of one open ledger, rows in date order; only ever appended to by the
// engine. The ledger screen edits and deletes rows in place.
struct CalismaDefteri {
  long long ulasKart = 0;
  std::vector<DefterSatiri> satirlar;
};

// What the engine needs besides the settings and the ledger.
struct HesapOrtami {
  double izDegeri = 1;          // "Amortisman Hesabında Kullanılacak İz Değeri"
  int aktifYil = 2002;          // "Amortisman Hesaplama Aktif Yılı"
  Date onayTarihi;              // company approval date, zero when none
  int maliDonemBaslangici = 1;  // first month of the fiscal year
  long long kullaniciId = 0;
  std::string damga;        // "ddmmyyhhmm" of the stamps
  char tarihAyiraci = '.';  // date separator of "dd/mm/yyyy" texts
  const definitions::DegerlemeOranTablosu* oranlar = nullptr;

  static HesapOrtami fromSession(const Session& session,
                                 const definitions::DegerlemeOranTablosu* oranlar);
};

enum class EklemeSonucu {
  Eklendi,        // a row was appended
  SaltOkunur,     // read-only ledger: nothing done, no message
  TamAmortisman,  // fully depreciated: nothing done, no message
  OnayTarihi,     // refused with a message: the period is not after the approval date
  AktifYil,       // refused with a message: the period's year is after the active year
};

// Running sums of the rows present (step 2 of the calculation), carried from one call to the
// next by batch work in which only the engine changes the ledger. They are used only while
// they cover exactly the rows present; the ledger screen, whose edits change rows in place,
// passes none and the sums are taken afresh from the rows on every call.
struct YuruyenToplamlar {
  bool gecerli = false;
  size_t satirSayisi = 0;
  double L = 0, P = 0, P3 = 0, H = 0;
};

// Appends the next period's row, or tells why not. The two refusals are shown through the
// prompter as error messages. A non-empty ledger's last Ilkdeger replaces ayarlar.Maliyet.
EklemeSonucu SonrakiDonemEkle(AmortismanAyarlari& ayarlar, CalismaDefteri& defter,
                              const HesapOrtami& ortam, Prompter& prompter,
                              YuruyenToplamlar* yuruyen = nullptr);

// "ddmmyyhhmm" of a moment, as the row stamps carry it.
std::string damgaMetni(const DateTime& t);

}  // namespace orv::depreciation
