// The ledger screen's rules around the engine: who may add and delete rows, which rows may be
// edited, the checks of a typed date, and the stamps of an edit. The screen only wires keys
// and cells to these.
#pragma once

#include <string>

#include "app/prompter.h"
#include "app/session.h"
#include "depreciation/engine.h"

namespace orv::depreciation {

inline constexpr int kRightLedgerDelete = 54;
inline constexpr const char* kLedgerNoRight = "Programda Bu İşlemi Yapmaya Yetkili Değilsiniz";
inline constexpr const char* kLedgerCaption = "Sabit Kıymet Amortisman / Yeniden Değerlendirme Bilgileri";
inline constexpr const char* kLedgerClosedSuffix = " {Düzeltme/Eklem İşlemi Kapalı}";
inline constexpr const char* kSaveCardFirst = "Önce Sabit Kıymet Bilgilerini Kayıt Etmelisiniz!";

// The grid's columns in order: Tarih 0, Ilkdeger 1, ... KasaDegeri 10.
enum DefterSutunu : int {
  SutunTarih = 0, SutunIlkdeger, SutunDOrani, SutunDTutar, SutunDAmortisman,
  SutunDBirikmisAmortisman, SutunNetDegerArtisi, SutunAmortismanOrani, SutunAmortismanTutari,
  SutunBirikmisAmortisman, SutunKasaDegeri, SutunSayisi
};
// The value of a number column (1..10) of a row, and its setter.
double &sayiAlani(DefterSatiri& satir, int sutun);

// One open ledger on the screen.
struct AcikDefter {
  AmortismanAyarlari ayarlar;
  CalismaDefteri defter;
  HesapOrtami ortam;
};

// A row may be edited (or deleted with the Delete key) when the ledger is not read-only and
// the row is dated after KilitTarihi.
bool satirAcik(const AcikDefter& d, int satir);

// "Ekle": right 50 (else the refusal), then SonrakiDonemEkle.
EklemeSonucu defterSatirEkle(const Session& session, AcikDefter& d, Prompter& prompter);

// "Sil": nothing on a read-only ledger; right 54; with an approval date only a row dated after
// it. True when the row was removed.
bool defterSatirSil(const Session& session, AcikDefter& d, int satir, Prompter& prompter);

// A typed number written into a column, stamped with the user and now. False when the row
// is not open.
bool defterSayiYaz(AcikDefter& d, int satir, int sutun, double deger);
// A typed date: after the approval date and not after the active year (messages as the
// engine's), then written and stamped.
bool defterTarihYaz(AcikDefter& d, int satir, Date tarih, Prompter& prompter);

}  // namespace orv::depreciation
