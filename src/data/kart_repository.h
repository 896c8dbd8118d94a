// Typed rows of the asset cards (Kart) and their ledger rows (KartAmortisman), with reading,
// inserting and updating through prepared statements that are kept and reused, so that batch
// work over many cards prepares each statement once.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "common/date.h"
#include "common/result.h"
#include "data/database.h"

namespace orv::db {

// One Kart row, every field in table order.
struct KartRow {
  long long Ulas = 0;
  std::string Bolum, SabitKiymet, Adi, Aciklama, SeriNo, PlakaNo, Zimmet;
  std::string Ozel1, Ozel2, Ozel3, Ozel4, MuhFisNo;
  Date Alis_Tarihi;
  double Alis_Tutari = 0, Kdv_Orani = 0, Kdv_Tutari = 0;
  std::string Satici, Alis_Aciklama, Alis_FatSeri, Alis_FaturaNo;
  int Odeme_Tipi = 0;
  std::string Siparis_Kodu, Satis_Kodu;
  Date Amortisman_Baslama;
  int Hesap_Sekli = 0, Amortisman_Sekli = 0, Amortisman_Donemi = 0;
  double Amortisman_Orani = 0;
  int Amortisman_BitisAy = 0, Amortisman_BitisYil = 0;
  double HurdaDegeri = 0, DegerlenmisTutar = 0;
  bool AmortismanAlimUzerinden = false, Degerlendirilir = false;
  std::string MuhKod1, MuhKod2, MuhKod3, MuhKod4;
  Date SonIslemTarihi;
  double DegerOrani = 0, NetDegerArtisi = 0, DBirikmisAmortisman = 0, BirikmisAmortisman = 0,
         YeniKasaDegeri = 0;
  Date SayimTarihi;
  std::string Transfer_Kod;
  Date Transfer_Tarih;
  std::string GelenTransferKodu;
  Date GelenTransferTarihi;
  std::string Sat_Musteri_Kodu, Sat_musteri, Sat_FatSeri, Sat_FatNo;
  int Sat_Odeme = 0;
  Date Sat_Tarih;
  std::string Sat_Info;
  double Sat_Tutar = 0, Sat_KdvOran = 0, Sat_Kdv = 0;
  Date Sig_Tarih1, Sig_Tarih2;
  std::string Sig_No1;
  Date Sig_Tarih3, Sig_Tarih4;
  std::string Sig_No2;
  Date Gar_Tarih1, Gar_Tarih2;
  std::string Gar_No, Notlar;
  long long CreateBy = 0;
  std::string CreateDate;
  long long ModifiedBy = 0;
  std::string ModifiedDate;
  int CikisTipi = 0;
};

// One KartAmortisman row, every field in table order.
struct LedgerRow {
  long long Ulas = 0;
  long long UlasKart = 0;
  Date Tarih;
  double IlkDeger = 0, DOrani = 0, DTutar = 0, DAmortisman = 0, DBirikmisAmortisman = 0,
         NetDegerArtisi = 0, AmortismanOrani = 0, AmortismanTutari = 0, BirikmisAmortisman = 0,
         KasaDegeri = 0;
  std::string MuhFisNo;
  Date MuhFisTarih;
  long long CreateBy = 0;
  std::string CreateDate;
  long long ModifiedBy = 0;
  std::string ModifiedDate;
};

// A field of a typed row: its column name and the member that holds it. Import, export and
// the statements below are all driven by these lists, so a field is named in one place.
template <typename Row>
struct RowField {
  const char* name;
  std::variant<std::string Row::*, double Row::*, int Row::*, long long Row::*, bool Row::*,
               Date Row::*>
      member;
};

const std::vector<RowField<KartRow>>& kartFields();      // all 75, Ulas first
const std::vector<RowField<LedgerRow>>& ledgerFields();  // all 19, Ulas first

// Every text field of the card within its width; else the message naming the field.
Status checkKartWidths(const KartRow& row);
Status checkLedgerWidths(const LedgerRow& row);

// Statements over Kart and KartAmortisman of one company database, prepared on first use and
// reused. Database failures come out as DbError; callers turn them into a Status.
class KartRepository {
 public:
  explicit KartRepository(Database& db) : db_(db) {}

  std::optional<KartRow> find(long long ulas);
  std::optional<KartRow> findByCode(const std::string& bolum, const std::string& sabitKiymet);
  long long insert(const KartRow& row);  // Ulas of the new row (row.Ulas ignored)
  bool update(const KartRow& row);       // by Ulas; false when the row is gone
  // The seven summary fields written from a ledger (see DefterKaydet); false when gone.
  bool updateSummary(const KartRow& row);

  // Cards in Ulas order after the given Ulas, at most `limit` of them: batch work walks the
  // table in slices so that memory does not grow with the number of cards.
  std::vector<KartRow> nextSlice(long long afterUlas, int limit);
  // Every card in department and code order (export).
  std::vector<KartRow> allInCodeOrder();

  std::vector<LedgerRow> ledgerOf(long long ulasKart);  // in Tarih order (then Ulas)
  std::vector<long long> ledgerIdsOf(long long ulasKart);
  long long insertLedgerRow(const LedgerRow& row);
  bool updateLedgerRow(const LedgerRow& row);  // by Ulas and UlasKart, marks untouched
  void deleteLedgerRow(long long ulas);

 private:
  template <typename MakeSql>
  Statement& stmt(std::optional<Statement>& slot, MakeSql makeSql);
  Database& db_;
  std::optional<Statement> find_, findByCode_, insert_, update_, summary_, slice_, ledger_,
      ledgerIds_, insertLedger_, updateLedger_, deleteLedger_;
};

}  // namespace orv::db
