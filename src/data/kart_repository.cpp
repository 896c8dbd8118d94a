// Kart and KartAmortisman rows: statements built from the field lists, bound and read by the
// member each field names.
#include "data/kart_repository.h"

#include "data/catalogue.h"

namespace orv::db {
namespace {

#define KF(f) \
  RowField<KartRow> { #f, &KartRow::f }
#define LF(f) \
  RowField<LedgerRow> { #f, &LedgerRow::f }

std::vector<RowField<KartRow>> buildKartFields() {
  return {KF(Ulas),
          KF(Bolum),
          KF(SabitKiymet),
          KF(Adi),
          KF(Aciklama),
          KF(SeriNo),
          KF(PlakaNo),
          KF(Zimmet),
          KF(Ozel1),
          KF(Ozel2),
          KF(Ozel3),
          KF(Ozel4),
          KF(MuhFisNo),
          KF(Alis_Tarihi),
          KF(Alis_Tutari),
          KF(Kdv_Orani),
          KF(Kdv_Tutari),
          KF(Satici),
          KF(Alis_Aciklama),
          KF(Alis_FatSeri),
          KF(Alis_FaturaNo),
          KF(Odeme_Tipi),
          KF(Siparis_Kodu),
          KF(Satis_Kodu),
          KF(Amortisman_Baslama),
          KF(Hesap_Sekli),
          KF(Amortisman_Sekli),
          KF(Amortisman_Donemi),
          KF(Amortisman_Orani),
          KF(Amortisman_BitisAy),
          KF(Amortisman_BitisYil),
          KF(HurdaDegeri),
          KF(DegerlenmisTutar),
          KF(AmortismanAlimUzerinden),
          KF(Degerlendirilir),
          KF(MuhKod1),
          KF(MuhKod2),
          KF(MuhKod3),
          KF(MuhKod4),
          KF(SonIslemTarihi),
          KF(DegerOrani),
          KF(NetDegerArtisi),
          KF(DBirikmisAmortisman),
          KF(BirikmisAmortisman),
          KF(YeniKasaDegeri),
          KF(SayimTarihi),
          KF(Transfer_Kod),
          KF(Transfer_Tarih),
          KF(GelenTransferKodu),
          KF(GelenTransferTarihi),
          KF(Sat_Musteri_Kodu),
          KF(Sat_musteri),
          KF(Sat_FatSeri),
          KF(Sat_FatNo),
          KF(Sat_Odeme),
          KF(Sat_Tarih),
          KF(Sat_Info),
          KF(Sat_Tutar),
          KF(Sat_KdvOran),
          KF(Sat_Kdv),
          KF(Sig_Tarih1),
          KF(Sig_Tarih2),
          KF(Sig_No1),
          KF(Sig_Tarih3),
          KF(Sig_Tarih4),
          KF(Sig_No2),
          KF(Gar_Tarih1),
          KF(Gar_Tarih2),
          KF(Gar_No),
          KF(Notlar),
          KF(CreateBy),
          KF(CreateDate),
          KF(ModifiedBy),
          KF(ModifiedDate),
          KF(CikisTipi)};
}

std::vector<RowField<LedgerRow>> buildLedgerFields() {
  return {LF(Ulas),
          LF(UlasKart),
          LF(Tarih),
          LF(IlkDeger),
          LF(DOrani),
          LF(DTutar),
          LF(DAmortisman),
          LF(DBirikmisAmortisman),
          LF(NetDegerArtisi),
          LF(AmortismanOrani),
          LF(AmortismanTutari),
          LF(BirikmisAmortisman),
          LF(KasaDegeri),
          LF(MuhFisNo),
          LF(MuhFisTarih),
          LF(CreateBy),
          LF(CreateDate),
          LF(ModifiedBy),
          LF(ModifiedDate)};
}

#undef KF
#undef LF

template <typename Row>
void bindField(Statement& st, int index, const Row& row, const RowField<Row>& f) {
  std::visit([&](auto member) { st.bind(index, row.*member); }, f.member);
}

template <typename Row>
void readField(const Statement& st, int column, Row& row, const RowField<Row>& f) {
  std::visit(
      [&](auto member) {
        using T = std::remove_reference_t<decltype(row.*member)>;
        if constexpr (std::is_same_v<T, std::string>)
          row.*member = st.getText(column);
        else if constexpr (std::is_same_v<T, double>)
          row.*member = st.getDouble(column);
        else if constexpr (std::is_same_v<T, bool>)
          row.*member = st.getBool(column);
        else if constexpr (std::is_same_v<T, Date>)
          row.*member = st.getDate(column);
        else
          row.*member = static_cast<T>(st.getInt(column));
      },
      f.member);
}

template <typename Row>
Row readRow(const Statement& st, const std::vector<RowField<Row>>& fields) {
  Row row;
  for (size_t i = 0; i < fields.size(); ++i) readField(st, static_cast<int>(i), row, fields[i]);
  return row;
}

template <typename Row>
std::string columnList(const std::vector<RowField<Row>>& fields, size_t from, size_t to) {
  std::string s;
  for (size_t i = from; i < to; ++i) s += (i > from ? ", " : "") + quoteIdent(fields[i].name);
  return s;
}

template <typename Row>
std::string selectSql(const char* table, const std::vector<RowField<Row>>& fields) {
  return "SELECT " + columnList(fields, 0, fields.size()) + " FROM " + quoteIdent(table);
}

// INSERT of every field but Ulas, parameters 1..n-1 in field order.
template <typename Row>
std::string insertSql(const char* table, const std::vector<RowField<Row>>& fields) {
  std::string params;
  for (size_t i = 1; i < fields.size(); ++i) params += (i > 1 ? ", ?" : "?") + std::to_string(i);
  return "INSERT INTO " + quoteIdent(table) + " (" + columnList(fields, 1, fields.size()) +
         ") VALUES (" + params + ")";
}

template <typename Row>
Status checkWidths(const char* table, const Row& row, const std::vector<RowField<Row>>& fields) {
  const TableDef* def = findTable(table);
  for (const auto& f : fields) {
    if (const auto* text = std::get_if<std::string Row::*>(&f.member)) {
      if (Status s = checkWidth(*def, f.name, row.**text); !s) return s;
    }
  }
  return Status::ok();
}

// The fifteen ledger columns the engine owns (Tarih .. KasaDegeri and the stamps).
bool isEngineColumn(const std::string& name) {
  return name != "Ulas" && name != "UlasKart" && name != "MuhFisNo" && name != "MuhFisTarih";
}

}  // namespace

const std::vector<RowField<KartRow>>& kartFields() {
  static const auto fields = buildKartFields();
  return fields;
}

const std::vector<RowField<LedgerRow>>& ledgerFields() {
  static const auto fields = buildLedgerFields();
  return fields;
}

Status checkKartWidths(const KartRow& row) { return checkWidths("Kart", row, kartFields()); }
Status checkLedgerWidths(const LedgerRow& row) {
  return checkWidths("KartAmortisman", row, ledgerFields());
}

// The SQL is built only when the statement is prepared, once per repository.
template <typename MakeSql>
Statement& KartRepository::stmt(std::optional<Statement>& slot, MakeSql makeSql) {
  if (!slot) slot.emplace(db_.prepare(makeSql()));
  slot->reset();
  return *slot;
}

std::optional<KartRow> KartRepository::find(long long ulas) {
  auto& st = stmt(find_, [&] { return selectSql("Kart", kartFields()) + " WHERE \"Ulas\" = ?1"; });
  st.bind(1, ulas);
  std::optional<KartRow> out;
  if (st.step()) out = readRow(st, kartFields());
  st.reset();
  return out;
}

std::optional<KartRow> KartRepository::findByCode(const std::string& bolum,
                                                  const std::string& sabitKiymet) {
  // Blank text is stored as NULL and empty text binds as NULL: IS matches both.
  auto& st = stmt(findByCode_, [&] {
    return selectSql("Kart", kartFields()) +
           " WHERE \"Bolum\" IS ?1 AND \"SabitKiymet\" IS ?2"
           " ORDER BY \"Ulas\" LIMIT 1";
  });
  st.bind(1, bolum).bind(2, sabitKiymet);
  std::optional<KartRow> out;
  if (st.step()) out = readRow(st, kartFields());
  st.reset();
  return out;
}

long long KartRepository::insert(const KartRow& row) {
  const auto& fields = kartFields();
  auto& st = stmt(insert_, [&] { return insertSql("Kart", fields); });
  for (size_t i = 1; i < fields.size(); ++i) bindField(st, static_cast<int>(i), row, fields[i]);
  st.run();
  return db_.lastInsertId();
}

bool KartRepository::update(const KartRow& row) {
  const auto& fields = kartFields();
  auto& st = stmt(update_, [&] {
    std::string sets;
    for (size_t i = 1; i < fields.size(); ++i)
      sets += (i > 1 ? ", " : "") + quoteIdent(fields[i].name) + " = ?" + std::to_string(i);
    return "UPDATE \"Kart\" SET " + sets + " WHERE \"Ulas\" = ?" + std::to_string(fields.size());
  });
  for (size_t i = 1; i < fields.size(); ++i) bindField(st, static_cast<int>(i), row, fields[i]);
  st.bind(static_cast<int>(fields.size()), row.Ulas);
  st.run();
  return db_.changes() > 0;
}

bool KartRepository::updateSummary(const KartRow& row) {
  auto& st = stmt(summary_, [&] {
    return "UPDATE \"Kart\" SET \"DegerlenmisTutar\" = ?1, \"SonIslemTarihi\" = ?2,"
           " \"DegerOrani\" = ?3, \"NetDegerArtisi\" = ?4, \"DBirikmisAmortisman\" = ?5,"
           " \"BirikmisAmortisman\" = ?6, \"YeniKasaDegeri\" = ?7 WHERE \"Ulas\" = ?8";
  });
  st.bind(1, row.DegerlenmisTutar).bind(2, row.SonIslemTarihi).bind(3, row.DegerOrani);
  st.bind(4, row.NetDegerArtisi).bind(5, row.DBirikmisAmortisman).bind(6, row.BirikmisAmortisman);
  st.bind(7, row.YeniKasaDegeri).bind(8, row.Ulas);
  st.run();
  return db_.changes() > 0;
}

std::vector<KartRow> KartRepository::nextSlice(long long afterUlas, int limit) {
  auto& st = stmt(slice_, [&] {
    return selectSql("Kart", kartFields()) + " WHERE \"Ulas\" > ?1 ORDER BY \"Ulas\" LIMIT ?2";
  });
  st.bind(1, afterUlas).bind(2, limit);
  std::vector<KartRow> out;
  while (st.step()) out.push_back(readRow(st, kartFields()));
  st.reset();
  return out;
}

std::vector<KartRow> KartRepository::allInCodeOrder() {
  auto st = db_.prepare(selectSql("Kart", kartFields()) +
                        " ORDER BY \"Bolum\", \"SabitKiymet\", \"Ulas\"");
  std::vector<KartRow> out;
  while (st.step()) out.push_back(readRow(st, kartFields()));
  return out;
}

std::vector<LedgerRow> KartRepository::ledgerOf(long long ulasKart) {
  auto& st = stmt(ledger_, [&] {
    return selectSql("KartAmortisman", ledgerFields()) +
           " WHERE \"UlasKart\" = ?1 ORDER BY \"Tarih\", \"Ulas\"";
  });
  st.bind(1, ulasKart);
  std::vector<LedgerRow> out;
  while (st.step()) out.push_back(readRow(st, ledgerFields()));
  st.reset();
  return out;
}

std::vector<long long> KartRepository::ledgerIdsOf(long long ulasKart) {
  auto& st = stmt(ledgerIds_, [&] {
    return "SELECT \"Ulas\" FROM \"KartAmortisman\" WHERE \"UlasKart\" = ?1";
  });
  st.bind(1, ulasKart);
  std::vector<long long> out;
  while (st.step()) out.push_back(st.getInt(0));
  st.reset();
  return out;
}

long long KartRepository::insertLedgerRow(const LedgerRow& row) {
  const auto& fields = ledgerFields();
  auto& st = stmt(insertLedger_, [&] { return insertSql("KartAmortisman", fields); });
  for (size_t i = 1; i < fields.size(); ++i) bindField(st, static_cast<int>(i), row, fields[i]);
  st.run();
  return db_.lastInsertId();
}

bool KartRepository::updateLedgerRow(const LedgerRow& row) {
  const auto& fields = ledgerFields();
  static const std::vector<size_t> bound = [&] {
    std::vector<size_t> out;
    for (size_t i = 0; i < fields.size(); ++i)
      if (isEngineColumn(fields[i].name)) out.push_back(i);
    return out;
  }();
  const int n = static_cast<int>(bound.size());
  auto& st = stmt(updateLedger_, [&] {
    std::string sets;
    for (int i = 0; i < n; ++i)
      sets += (i ? ", " : "") + quoteIdent(fields[bound[i]].name) + " = ?" + std::to_string(i + 1);
    return "UPDATE \"KartAmortisman\" SET " + sets + " WHERE \"Ulas\" = ?" + std::to_string(n + 1) +
           " AND \"UlasKart\" = ?" + std::to_string(n + 2);
  });
  for (int i = 0; i < n; ++i) bindField(st, i + 1, row, fields[bound[i]]);
  st.bind(n + 1, row.Ulas).bind(n + 2, row.UlasKart);
  st.run();
  return db_.changes() > 0;
}

void KartRepository::deleteLedgerRow(long long ulas) {
  auto& st =
      stmt(deleteLedger_, [&] { return "DELETE FROM \"KartAmortisman\" WHERE \"Ulas\" = ?1"; });
  st.bind(1, ulas);
  st.run();
}

}  // namespace orv::db
