// Revaluation rates: grid operations of the rate table screen, CSV import and export, and
// the in-memory table the depreciation engine reads.
#include "definitions/revaluation_rates.h"

#include <ostream>
#include <set>

#include "common/turkish.h"
#include "data/catalogue.h"
#include "data/csv_text.h"

namespace orv::definitions {
namespace {

const char* kNoRight = "Programda Bu İşlemi Yapmaya Yetkili Değilsiniz";
const char* kSelect =
    "SELECT \"Ulas\", \"Tur\", \"Tarih\", \"Oran\", \"AltLimit\", \"UstLimit\", \"Set_date\""
    " FROM \"YeniDegerlemeTablosu\"";

DegerlemeOrani readRow(const db::Statement& st) {
  return {st.getInt(0),    st.getText(1),   st.getDate(2), st.getDouble(3),
          st.getDouble(4), st.getDouble(5), st.getDate(6)};
}

std::vector<DegerlemeOrani> readAll(db::Statement& st) {
  std::vector<DegerlemeOrani> out;
  while (st.step()) out.push_back(readRow(st));
  return out;
}

bool validLetter(const std::string& tur) { return tur == "A" || tur == "B" || tur == "C"; }

Status checkEditable(Session& session) {
  if (!session.parameterDb) return Status::error("Parametre veritabanı açık değil.");
  if (!session.hasRight(kRightChangeRevaluationTable)) return Status::error(kNoRight);
  return Status::ok();
}

// Ulas of another row of the series with that date, or 0.
long long rowWithDate(db::Database& db, const std::string& tur, Date date, long long except) {
  auto st = db.prepare(
      "SELECT \"Ulas\" FROM \"YeniDegerlemeTablosu\" WHERE \"Tur\" = ?1 AND"
      " \"Tarih\" = ?2 AND \"Ulas\" <> ?3 LIMIT 1");
  st.bind(1, tur).bind(2, date).bind(3, except);
  return st.step() ? st.getInt(0) : 0;
}

std::string duplicateMessage(const std::string& tur, Date date) {
  return std::string(seriesCaption(tur.empty() ? 'A' : tur[0])) + " tablosunda " + date.iso() +
         " tarihli bir oran zaten var.";
}

}  // namespace

char seriesLetter(int periodKind) { return static_cast<char>('A' + periodKind); }

const char* seriesCaption(char letter) {
  switch (letter) {
    case 'B':
      return "3 Aylık";
    case 'C':
      return "Aylık";
    default:
      return "Yıllık";
  }
}

std::vector<DegerlemeOrani> listRevaluationRates(db::Database& db, char letter) {
  auto st = db.prepare(std::string(kSelect) + " WHERE \"Tur\" = ?1 ORDER BY \"Tarih\", \"Ulas\"");
  st.bind(1, std::string(1, letter));
  return readAll(st);
}

std::vector<DegerlemeOrani> listAllRevaluationRates(db::Database& db) {
  auto st = db.prepare(std::string(kSelect) + " ORDER BY \"Tur\", \"Tarih\", \"Ulas\"");
  return readAll(st);
}

Result<long long> addRevaluationRate(Session& session, char letter) {
  if (Status s = checkEditable(session); !s) return s;
  if (!validLetter(std::string(1, letter))) return Result<long long>::error("Geçersiz değer türü.");
  try {
    auto st = session.parameterDb->prepare(
        "INSERT INTO \"YeniDegerlemeTablosu\" (\"Tur\", \"Oran\", \"AltLimit\", \"UstLimit\")"
        " VALUES (?1, 0, 0, 0)");
    st.bind(1, std::string(1, letter)).run();
    return session.parameterDb->lastInsertId();
  } catch (const db::DbError& e) {
    return Result<long long>::error(std::string("Oran eklenemedi: ") + e.what());
  }
}

Status updateRevaluationRate(Session& session, const DegerlemeOrani& row) {
  if (Status s = checkEditable(session); !s) return s;
  if (!validLetter(row.Tur)) return Status::error("Değer türü A, B veya C olmalıdır.");
  try {
    auto& db = *session.parameterDb;
    if (!row.Tarih.isNull() && rowWithDate(db, row.Tur, row.Tarih, row.Ulas) != 0)
      return Status::error(duplicateMessage(row.Tur, row.Tarih));
    auto st = db.prepare(
        "UPDATE \"YeniDegerlemeTablosu\" SET \"Tur\" = ?1, \"Tarih\" = ?2, \"Oran\" = ?3,"
        " \"AltLimit\" = ?4, \"UstLimit\" = ?5 WHERE \"Ulas\" = ?6");
    st.bind(1, row.Tur).bind(2, row.Tarih).bind(3, row.Oran).bind(4, row.AltLimit);
    st.bind(5, row.UstLimit).bind(6, row.Ulas).run();
    if (db.changes() == 0) return Status::error("Oran satırına ulaşılamıyor.");
    return Status::ok();
  } catch (const db::DbError& e) {
    return Status::error(std::string("Oran saklanamadı: ") + e.what());
  }
}

Status deleteRevaluationRate(Session& session, long long ulas) {
  if (Status s = checkEditable(session); !s) return s;
  try {
    session.parameterDb->prepare("DELETE FROM \"YeniDegerlemeTablosu\" WHERE \"Ulas\" = ?1")
        .bind(1, ulas)
        .run();
    return Status::ok();
  } catch (const db::DbError& e) {
    return Status::error(std::string("Oran silinemedi: ") + e.what());
  }
}

void exportRevaluationRates(db::Database& db, std::ostream& out) {
  csv::writeRecord(out, {"Tur", "Tarih", "Oran", "AltLimit", "UstLimit"});
  for (const auto& r : listAllRevaluationRates(db))
    csv::writeRecord(out, {r.Tur, csv::formatDate(r.Tarih), csv::formatNumber(r.Oran),
                           csv::formatNumber(r.AltLimit), csv::formatNumber(r.UstLimit)});
}

DegerlemeOranTablosu DegerlemeOranTablosu::load(db::Database& db) {
  DegerlemeOranTablosu table;
  for (const auto& r : listAllRevaluationRates(db)) table.add(r);
  return table;
}

void DegerlemeOranTablosu::add(const DegerlemeOrani& row) {
  if (row.Tur.size() != 1 || row.Tarih.isNull()) return;
  // The first row of a series and date wins, as the lookup in index order would find it.
  rows_.emplace(std::make_pair(row.Tur[0], row.Tarih.serial()), row);
}

const DegerlemeOrani* DegerlemeOranTablosu::find(char letter, Date date) const {
  const auto it = rows_.find({letter, date.serial()});
  return it == rows_.end() ? nullptr : &it->second;
}

}  // namespace orv::definitions
