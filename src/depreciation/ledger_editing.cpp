// Rights, locked periods and stamps of the ledger screen's edits.
#include "depreciation/ledger_editing.h"

#include "common/format.h"

namespace orv::depreciation {
namespace {

std::string approvalRefusal(const HesapOrtami& o) {
  FormatSettings fs;
  fs.date = o.tarihAyiraci;
  return formatDate("dd/mm/yyyy", o.onayTarihi, fs) + " Tarihi ve Öncesi İçin İşlem Yapamazsınız!";
}

void stamp(AcikDefter& d, DefterSatiri& row) {
  row.ModifiedBy = d.ortam.kullaniciId;
  row.ModifiedDate = d.ortam.damga.empty() ? damgaMetni(DateTime::now()) : d.ortam.damga;
}

bool validRow(const AcikDefter& d, int satir) {
  return satir >= 0 && satir < static_cast<int>(d.defter.satirlar.size());
}

}  // namespace

double& sayiAlani(DefterSatiri& s, int sutun) {
  switch (sutun) {
    case SutunIlkdeger: return s.Ilkdeger;
    case SutunDOrani: return s.DOrani;
    case SutunDTutar: return s.DTutar;
    case SutunDAmortisman: return s.DAmortisman;
    case SutunDBirikmisAmortisman: return s.DBirikmisAmortisman;
    case SutunNetDegerArtisi: return s.NetDegerArtisi;
    case SutunAmortismanOrani: return s.AmortismanOrani;
    case SutunAmortismanTutari: return s.AmortismanTutari;
    case SutunBirikmisAmortisman: return s.BirikmisAmortisman;
    default: return s.KasaDegeri;
  }
}

bool satirAcik(const AcikDefter& d, int satir) {
  return !d.ayarlar.SaltOkunur && validRow(d, satir) &&
         d.defter.satirlar[static_cast<size_t>(satir)].Tarih > d.ayarlar.KilitTarihi;
}

EklemeSonucu defterSatirEkle(const Session& session, AcikDefter& d, Prompter& prompter) {
  if (!session.hasRight(kRightLedgerChanges)) {
    prompter.message(MessageKind::Error, kLedgerNoRight);
    return EklemeSonucu::SaltOkunur;
  }
  return SonrakiDonemEkle(d.ayarlar, d.defter, d.ortam, prompter);
}

bool defterSatirSil(const Session& session, AcikDefter& d, int satir, Prompter& prompter) {
  if (d.ayarlar.SaltOkunur) return false;
  if (!session.hasRight(kRightLedgerDelete)) {
    prompter.message(MessageKind::Error, kLedgerNoRight);
    return false;
  }
  if (!validRow(d, satir)) return false;
  auto& rows = d.defter.satirlar;
  if (!d.ortam.onayTarihi.isNull() && rows[static_cast<size_t>(satir)].Tarih <= d.ortam.onayTarihi) {
    prompter.message(MessageKind::Error, approvalRefusal(d.ortam));
    return false;
  }
  rows.erase(rows.begin() + satir);
  return true;
}

bool defterSayiYaz(AcikDefter& d, int satir, int sutun, double deger) {
  if (!satirAcik(d, satir) || sutun <= SutunTarih || sutun >= SutunSayisi) return false;
  auto& row = d.defter.satirlar[static_cast<size_t>(satir)];
  sayiAlani(row, sutun) = deger;
  stamp(d, row);
  return true;
}

bool defterTarihYaz(AcikDefter& d, int satir, Date tarih, Prompter& prompter) {
  if (!satirAcik(d, satir) || tarih.isNull()) return false;
  if (!d.ortam.onayTarihi.isNull() && tarih <= d.ortam.onayTarihi) {
    prompter.message(MessageKind::Error, approvalRefusal(d.ortam));
    return false;
  }
  if (tarih.year() > d.ortam.aktifYil) {
    prompter.message(MessageKind::Error,
                     std::to_string(d.ortam.aktifYil) + " Yılı Sonrası İçin İşlem Yapamazsınız!");
    return false;
  }
  auto& row = d.defter.satirlar[static_cast<size_t>(satir)];
  row.Tarih = tarih;
  stamp(d, row);
  return true;
}

}  // namespace orv::depreciation
