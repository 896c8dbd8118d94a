// Currency definitions and daily rates.
#include "definitions/currency_rates.h"

#include "common/turkish.h"
#include "data/catalogue.h"
#include "data/csv_text.h"

namespace orv::definitions {
namespace {

const char* kNoRight = "Programda Bu İşlemi Yapmaya Yetkili Değilsiniz";

Status checkEditable(Session& session) {
  if (!session.parameterDb) return Status::error("Parametre veritabanı açık değil.");
  if (!session.hasRight(kRightChangeCurrencyRates)) return Status::error(kNoRight);
  return Status::ok();
}

Status checkCurrency(db::Database& db, const Doviz& d) {
  if (trim(d.KOD).empty()) return Status::error("Döviz kodunu girmeden kayıt yapamazsınız...");
  const auto* t = db::findTable("DOVIZTOP");
  for (auto [field, value] : {std::pair{"KOD", &d.KOD}, {"DOVIZ", &d.DOVIZ}, {"SEMBOL", &d.SEMBOL}})
    if (Status s = db::checkWidth(*t, field, *value); !s) return s;
  auto st = db.prepare("SELECT 1 FROM \"DOVIZTOP\" WHERE \"KOD\" = ?1 AND \"ULAS\" <> ?2");
  st.bind(1, d.KOD).bind(2, d.ULAS);
  if (st.step()) return Status::error(d.KOD + " kodlu döviz zaten tanımlı.");
  return Status::ok();
}

// Rows written by one save: (code, rates) already checked as numbers.
struct ParsedRate {
  std::string kod;
  double alis, satis;
};

void writeRate(db::Database& db, Date date, const ParsedRate& r) {
  auto upd = db.prepare(
      "UPDATE \"DOVIZALT\" SET \"Alis\" = ?3, \"Satis\" = ?4"
      " WHERE \"DovizKodu\" = ?1 AND \"Tarih\" = ?2");
  upd.bind(1, r.kod).bind(2, date).bind(3, r.alis).bind(4, r.satis).run();
  if (db.changes() > 0) return;
  auto ins = db.prepare(
      "INSERT INTO \"DOVIZALT\" (\"DovizKodu\", \"Tarih\", \"Alis\", \"Satis\")"
      " VALUES (?1, ?2, ?3, ?4)");
  ins.bind(1, r.kod).bind(2, date).bind(3, r.alis).bind(4, r.satis).run();
}

}  // namespace

std::vector<Doviz> listCurrencies(db::Database& db) {
  auto st = db.prepare(
      "SELECT \"ULAS\", \"KOD\", \"DOVIZ\", \"SEMBOL\" FROM \"DOVIZTOP\" ORDER BY \"ULAS\"");
  std::vector<Doviz> out;
  while (st.step()) out.push_back({st.getInt(0), st.getText(1), st.getText(2), st.getText(3)});
  return out;
}

Result<long long> saveCurrency(Session& session, const Doviz& d) {
  if (Status s = checkEditable(session); !s) return s;
  try {
    auto& db = *session.parameterDb;
    if (Status s = checkCurrency(db, d); !s) return s;
    if (d.ULAS == 0) {
      db.prepare("INSERT INTO \"DOVIZTOP\" (\"KOD\", \"DOVIZ\", \"SEMBOL\") VALUES (?1, ?2, ?3)")
          .bind(1, d.KOD)
          .bind(2, d.DOVIZ)
          .bind(3, d.SEMBOL)
          .run();
      return db.lastInsertId();
    }
    db.prepare(
          "UPDATE \"DOVIZTOP\" SET \"KOD\" = ?1, \"DOVIZ\" = ?2, \"SEMBOL\" = ?3 WHERE \"ULAS\" = "
          "?4")
        .bind(1, d.KOD)
        .bind(2, d.DOVIZ)
        .bind(3, d.SEMBOL)
        .bind(4, d.ULAS)
        .run();
    if (db.changes() == 0) return Result<long long>::error("Döviz kaydına ulaşılamıyor.");
    return d.ULAS;
  } catch (const db::DbError& e) {
    return Result<long long>::error(std::string("Döviz saklanamadı: ") + e.what());
  }
}

Status deleteCurrency(Session& session, long long ulas) {
  if (Status s = checkEditable(session); !s) return s;
  try {
    session.parameterDb->prepare("DELETE FROM \"DOVIZTOP\" WHERE \"ULAS\" = ?1")
        .bind(1, ulas)
        .run();
    return Status::ok();
  } catch (const db::DbError& e) {
    return Status::error(std::string("Döviz silinemedi: ") + e.what());
  }
}

std::vector<GunlukKur> loadDailyRates(db::Database& db, Date date) {
  auto exact = db.prepare(
      "SELECT \"Alis\", \"Satis\" FROM \"DOVIZALT\" WHERE \"DovizKodu\" = ?1"
      " AND \"Tarih\" = ?2 ORDER BY \"Ulas\" LIMIT 1");
  auto previous = db.prepare(
      "SELECT \"Alis\", \"Satis\" FROM \"DOVIZALT\" WHERE \"DovizKodu\" = ?1"
      " AND \"Tarih\" < ?2 ORDER BY \"Tarih\" DESC, \"Ulas\" DESC LIMIT 1");
  std::vector<GunlukKur> out;
  for (const auto& d : listCurrencies(db)) {
    GunlukKur k{d.KOD, d.DOVIZ};
    exact.reset();
    exact.bind(1, d.KOD).bind(2, date);
    if (exact.step()) {
      k.alis = exact.getDouble(0);
      k.satis = exact.getDouble(1);
    }
    exact.reset();
    previous.reset();
    previous.bind(1, d.KOD).bind(2, date);
    if (previous.step()) {
      k.oncekiAlis = previous.getDouble(0);
      k.oncekiSatis = previous.getDouble(1);
    }
    previous.reset();
    out.push_back(std::move(k));
  }
  return out;
}

std::optional<double> parseRate(const std::string& text, char decimalSeparator) {
  std::string t = trim(text);
  if (decimalSeparator != '.' && decimalSeparator != 0)
    for (char& c : t)
      if (c == decimalSeparator) c = '.';
  return csv::parseNumber(t);
}

Result<int> saveDailyRates(Session& session, Date date, const std::vector<KurGirdisi>& rates) {
  if (Status s = checkEditable(session); !s) return s;
  if (date.isNull()) return Result<int>::error("Geçerli bir tarih giriniz.");
  std::vector<ParsedRate> rows;
  for (const auto& r : rates) {
    const auto alis = parseRate(r.alis, session.values.decimalSeparator);
    const auto satis = parseRate(r.satis, session.values.decimalSeparator);
    if (!alis || !satis)
      return Result<int>::error(r.kod + " dövizinin " + (!alis ? "alış" : "satış") +
                                " kuru sayı değil: \"" + (!alis ? r.alis : r.satis) + "\"");
    if (*alis != 0 || *satis != 0) rows.push_back({r.kod, *alis, *satis});
  }
  try {
    db::Transaction tx(*session.parameterDb);
    for (const auto& r : rows) writeRate(*session.parameterDb, date, r);
    tx.commit();
    return static_cast<int>(rows.size());
  } catch (const db::DbError& e) {
    return Result<int>::error(std::string("Döviz kurları saklanamadı: ") + e.what());
  }
}

int rateTrend(double rate, double previous) {
  return rate < previous ? -1 : rate > previous ? 1 : 0;
}

}  // namespace orv::definitions
