// DefterYukle and DefterKaydet over KartAmortisman and the card summary in Kart.
#include "depreciation/ledger_store.h"

#include <unordered_set>

namespace orv::depreciation {
namespace {

void kartOzetiYaz(db::KartRepository& repo, const CalismaDefteri& defter) {
  db::KartRow ozet;
  ozet.Ulas = defter.ulasKart;
  if (!defter.satirlar.empty()) {
    const DefterSatiri& son = defter.satirlar.back();
    ozet.DegerlenmisTutar = son.DTutar != 0 ? son.DTutar : son.Ilkdeger;
    ozet.SonIslemTarihi = son.Tarih;
    ozet.DegerOrani = son.DOrani;
    ozet.NetDegerArtisi = son.NetDegerArtisi;
    ozet.DBirikmisAmortisman = son.DBirikmisAmortisman;
    ozet.BirikmisAmortisman = son.BirikmisAmortisman;
    ozet.YeniKasaDegeri = son.KasaDegeri;
  }
  repo.updateSummary(ozet);  // a missing card changes nothing
}

}  // namespace

DefterSatiri toWorkingRow(const db::LedgerRow& r) {
  DefterSatiri s;
  s.Tarih = r.Tarih;
  s.Ilkdeger = r.IlkDeger;
  s.DOrani = r.DOrani;
  s.DTutar = r.DTutar;
  s.DAmortisman = r.DAmortisman;
  s.DBirikmisAmortisman = r.DBirikmisAmortisman;
  s.NetDegerArtisi = r.NetDegerArtisi;
  s.AmortismanOrani = r.AmortismanOrani;
  s.AmortismanTutari = r.AmortismanTutari;
  s.BirikmisAmortisman = r.BirikmisAmortisman;
  s.KasaDegeri = r.KasaDegeri;
  s.CreateBy = r.CreateBy;
  s.CreateDate = r.CreateDate;
  s.ModifiedBy = r.ModifiedBy;
  s.ModifiedDate = r.ModifiedDate;
  s.kayitUlas = r.Ulas;
  return s;
}

db::LedgerRow toStoredRow(const DefterSatiri& s, long long ulasKart) {
  db::LedgerRow r;
  r.Ulas = s.kayitUlas;
  r.UlasKart = ulasKart;
  r.Tarih = s.Tarih;
  r.IlkDeger = s.Ilkdeger;
  r.DOrani = s.DOrani;
  r.DTutar = s.DTutar;
  r.DAmortisman = s.DAmortisman;
  r.DBirikmisAmortisman = s.DBirikmisAmortisman;
  r.NetDegerArtisi = s.NetDegerArtisi;
  r.AmortismanOrani = s.AmortismanOrani;
  r.AmortismanTutari = s.AmortismanTutari;
  r.BirikmisAmortisman = s.BirikmisAmortisman;
  r.KasaDegeri = s.KasaDegeri;
  r.CreateBy = s.CreateBy;
  r.CreateDate = s.CreateDate;
  r.ModifiedBy = s.ModifiedBy;
  r.ModifiedDate = s.ModifiedDate;
  return r;
}

Status DefterYukle(db::Database& db, long long ulasKart, CalismaDefteri& defter) {
  defter.ulasKart = ulasKart;
  defter.satirlar.clear();
  try {
    db::KartRepository repo(db);
    for (const auto& row : repo.ledgerOf(ulasKart)) defter.satirlar.push_back(toWorkingRow(row));
    return Status::ok();
  } catch (const db::DbError& e) {
    defter.satirlar.clear();
    return Status::error(std::string("Amortisman tablosu okunamadı: ") + e.what());
  }
}

void defterYaz(db::KartRepository& repo, CalismaDefteri& defter) {
  kartOzetiYaz(repo, defter);
  std::unordered_set<long long> kalan;
  for (const auto& s : defter.satirlar)
    if (s.kayitUlas != 0) kalan.insert(s.kayitUlas);
  for (long long ulas : repo.ledgerIdsOf(defter.ulasKart))
    if (!kalan.count(ulas)) repo.deleteLedgerRow(ulas);
  for (auto& s : defter.satirlar) {
    const db::LedgerRow row = toStoredRow(s, defter.ulasKart);
    // A stored row deleted meanwhile by someone else is written again as a new row.
    if (s.kayitUlas == 0 || !repo.updateLedgerRow(row)) s.kayitUlas = repo.insertLedgerRow(row);
  }
}

Status DefterKaydet(db::Database& db, CalismaDefteri& defter) {
  const CalismaDefteri once = defter;  // identities as they were, should the save fail
  try {
    db::KartRepository repo(db);
    db::Transaction tx(db);
    defterYaz(repo, defter);
    tx.commit();
    return Status::ok();
  } catch (const db::DbError& e) {
    defter = once;
    return Status::error(std::string("Amortisman tablosu saklanamadı: ") + e.what());
  }
}

}  // namespace orv::depreciation
