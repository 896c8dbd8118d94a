// CSV import of the revaluation rate table: every row checked first, then all saved in one
// transaction, so a faulty file changes nothing.
#include <set>

#include "common/turkish.h"
#include "data/csv_text.h"
#include "definitions/revaluation_rates.h"

namespace orv::definitions {
namespace {

const std::vector<std::string> kColumns = {"Tur", "Tarih", "Oran", "AltLimit", "UstLimit"};

// Position of each known column in the header, -1 when absent; an unknown name is an error.
Result<std::vector<int>> mapHeader(const csv::Record& header) {
  std::vector<int> pos(kColumns.size(), -1);
  for (size_t i = 0; i < header.fields.size(); ++i) {
    const std::string name = trUpper(trim(header.fields[i]));
    size_t k = 0;
    while (k < kColumns.size() && trUpper(kColumns[k]) != name) ++k;
    if (k == kColumns.size())
      return Result<std::vector<int>>::error(
          csv::fieldError(header.line, header.fields[i], "bilinmeyen alan"));
    pos[k] = static_cast<int>(i);
  }
  for (int k : {0, 1})
    if (pos[k] < 0)
      return Result<std::vector<int>>::error(
          csv::fieldError(header.line, kColumns[k], "başlık satırında bu alan yok"));
  return pos;
}

Result<DegerlemeOrani> readRecord(const csv::Record& rec, const std::vector<int>& pos) {
  auto cell = [&](size_t k) -> std::string {
    return pos[k] >= 0 && pos[k] < static_cast<int>(rec.fields.size()) ? trim(rec.fields[pos[k]])
                                                                       : std::string();
  };
  using R = Result<DegerlemeOrani>;
  DegerlemeOrani row;
  row.Tur = trUpper(cell(0));
  if (row.Tur != "A" && row.Tur != "B" && row.Tur != "C")
    return R::error(csv::fieldError(rec.line, "Tur", "A, B veya C olmalıdır", cell(0)));
  const auto date = csv::parseDate(cell(1));
  if (!date || date->isNull())
    return R::error(csv::fieldError(rec.line, "Tarih", "geçerli bir tarih değil", cell(1)));
  row.Tarih = *date;
  double* targets[] = {&row.Oran, &row.AltLimit, &row.UstLimit};
  for (size_t k = 2; k < kColumns.size(); ++k) {
    const auto v = csv::parseNumber(cell(k));
    if (!v) return R::error(csv::fieldError(rec.line, kColumns[k], "sayı değil", cell(k)));
    *targets[k - 2] = *v;
  }
  return row;
}

void saveRow(db::Database& db, const DegerlemeOrani& row) {
  auto upd = db.prepare(
      "UPDATE \"YeniDegerlemeTablosu\" SET \"Oran\" = ?3, \"AltLimit\" = ?4, \"UstLimit\" = ?5"
      " WHERE \"Tur\" = ?1 AND \"Tarih\" = ?2");
  upd.bind(1, row.Tur).bind(2, row.Tarih).bind(3, row.Oran).bind(4, row.AltLimit);
  upd.bind(5, row.UstLimit).run();
  if (db.changes() > 0) return;
  auto ins = db.prepare(
      "INSERT INTO \"YeniDegerlemeTablosu\" (\"Tur\", \"Tarih\", \"Oran\", \"AltLimit\","
      " \"UstLimit\") VALUES (?1, ?2, ?3, ?4, ?5)");
  ins.bind(1, row.Tur).bind(2, row.Tarih).bind(3, row.Oran).bind(4, row.AltLimit);
  ins.bind(5, row.UstLimit).run();
}

}  // namespace

Result<int> importRevaluationRates(Session& session, const std::string& path) {
  if (!session.parameterDb) return Result<int>::error("Parametre veritabanı açık değil.");
  if (!session.hasRight(kRightChangeRevaluationTable))
    return Result<int>::error("Programda Bu İşlemi Yapmaya Yetkili Değilsiniz");
  auto records = csv::readFile(path);
  if (!records) return records.status();
  if (records->empty()) return Result<int>::error("Dosya boş: " + path);
  auto pos = mapHeader(records->front());
  if (!pos) return pos.status();
  std::vector<DegerlemeOrani> rows;
  std::set<std::pair<std::string, int>> seen;
  for (size_t i = 1; i < records->size(); ++i) {
    auto row = readRecord((*records)[i], *pos);
    if (!row) return row.status();
    if (!seen.insert({row->Tur, row->Tarih.serial()}).second)
      return Result<int>::error(csv::fieldError((*records)[i].line, "Tarih",
                                                "bu tür ve tarih dosyada ikinci kez geçiyor",
                                                row->Tarih.iso()));
    rows.push_back(std::move(row).value());
  }
  try {
    db::Transaction tx(*session.parameterDb);
    for (const auto& row : rows) saveRow(*session.parameterDb, row);
    tx.commit();
  } catch (const db::DbError& e) {
    return Result<int>::error(std::string("Oranlar saklanamadı: ") + e.what());
  }
  return static_cast<int>(rows.size());
}

}  // namespace orv::definitions
