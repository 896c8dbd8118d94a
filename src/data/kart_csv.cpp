// CSV export and all-or-nothing import of asset cards.
#include "data/kart_csv.h"

#include <climits>
#include <ostream>
#include <set>

#include "common/codes.h"
#include "common/turkish.h"
#include "data/csv_text.h"
#include "data/kart_repository.h"

namespace orv::db {
namespace {

using Fields = std::vector<RowField<KartRow>>;

std::string cellText(const KartRow& row, const RowField<KartRow>& f) {
  return std::visit(
      [&](auto member) -> std::string {
        const auto& v = row.*member;
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::string>)
          return v;
        else if constexpr (std::is_same_v<T, double>)
          return csv::formatNumber(v);
        else if constexpr (std::is_same_v<T, bool>)
          return v ? "1" : "0";
        else if constexpr (std::is_same_v<T, Date>)
          return csv::formatDate(v);
        else
          return std::to_string(v);
      },
      f.member);
}

// Stores the text of one cell into the row; false when it is no value of the field's type.
bool setCell(KartRow& row, const RowField<KartRow>& f, const std::string& text) {
  return std::visit(
      [&](auto member) -> bool {
        auto& v = row.*member;
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::string>) {
          v = text;
          return true;
        } else if constexpr (std::is_same_v<T, double>) {
          auto n = csv::parseNumber(text);
          if (n) v = *n;
          return n.has_value();
        } else if constexpr (std::is_same_v<T, bool>) {
          auto b = csv::parseLogical(text);
          if (b) v = *b;
          return b.has_value();
        } else if constexpr (std::is_same_v<T, Date>) {
          auto d = csv::parseDate(text);
          if (d) v = *d;
          return d.has_value();
        } else {
          auto n = csv::parseInteger(text);
          if (!n || (std::is_same_v<T, int> && (*n < INT_MIN || *n > INT_MAX))) return false;
          v = static_cast<T>(*n);
          return true;
        }
      },
      f.member);
}

const char* typeError(const RowField<KartRow>& f) {
  switch (f.member.index()) {
    case 1:
      return "sayı değil (ondalık ayırıcı \".\")";
    case 2:
    case 3:
      return "tam sayı değil";
    case 4:
      return "mantıksal değer 0 veya 1 olmalıdır";
    case 5:
      return "geçerli bir tarih değil (yyyy-aa-gg veya gg.aa.yyyy)";
    default:
      return "geçersiz değer";
  }
}

// The header's columns as indexes into kartFields(); errors name line 1 and the field.
Result<std::vector<size_t>> mapHeader(const csv::Record& header, const Fields& fields) {
  using R = Result<std::vector<size_t>>;
  std::vector<size_t> map;
  std::set<size_t> seen;
  for (const auto& name : header.fields) {
    const std::string want = trUpper(trim(name));
    size_t k = 0;
    while (k < fields.size() && trUpper(fields[k].name) != want) ++k;
    if (k == fields.size())
      return R::error(csv::fieldError(header.line, name, "Kart tablosunda böyle bir alan yok"));
    if (k == 0)
      return R::error(csv::fieldError(header.line, name, "Ulas otomatik verilir, dosyada olamaz"));
    if (!seen.insert(k).second)
      return R::error(csv::fieldError(header.line, name, "alan iki kez geçiyor"));
    map.push_back(k);
  }
  for (const std::string required : {"Bolum", "SabitKiymet", "Adi"}) {
    size_t k = 0;
    while (fields[k].name != required) ++k;
    if (!seen.count(k))
      return R::error(csv::fieldError(header.line, required, "başlık satırında bu alan yok"));
  }
  return map;
}

// The checks of saving a new card, then the method codes the engine relies on.
Status checkCard(const KartRow& k, int line) {
  auto err = [&](const char* field, const std::string& what) {
    return Status::error(csv::fieldError(line, field, what));
  };
  if (trim(k.Bolum).empty())
    return err("Bolum", "Demirbaş bölüm kodunu girmeden kayıt yapamazsınız...");
  if (trim(k.SabitKiymet).empty())
    return err("SabitKiymet", "Demirbaş kıymet kodunu girmeden kayıt yapamazsınız...");
  if (trim(k.Adi).empty()) return err("Adi", "Demirbaşın adını girmeden kayıt yapamazsınız...");
  if (k.Hesap_Sekli < 0 || k.Hesap_Sekli > 1) return err("Hesap_Sekli", "0 veya 1 olmalıdır");
  if (k.Amortisman_Sekli < 0 || k.Amortisman_Sekli > 1)
    return err("Amortisman_Sekli", "0 veya 1 olmalıdır");
  if (k.Amortisman_Donemi < 0 || k.Amortisman_Donemi > 2)
    return err("Amortisman_Donemi", "0, 1 veya 2 olmalıdır");
  if (Status s = checkKartWidths(k); !s)
    return Status::error("Satır " + std::to_string(line) + ": " + s.message());
  return Status::ok();
}

std::string codeUsed(const KartRow& k) {
  return "Girdiğiniz " + k.SabitKiymet +
         " Nolu Sabit Kıymet Kodu Önceden Başka bir Sabit Kıymet "
         "Kaydı İçin Kullanılmıştır.";
}

Result<KartRow> readCard(const csv::Record& rec, const std::vector<size_t>& map,
                         const Fields& fields) {
  KartRow k;
  for (size_t i = 0; i < map.size(); ++i) {
    const std::string text = i < rec.fields.size() ? rec.fields[i] : std::string();
    const auto& f = fields[map[i]];
    if (!setCell(k, f, text))
      return Result<KartRow>::error(csv::fieldError(rec.line, f.name, typeError(f), text));
  }
  k.SabitKiymet = stripCode(k.SabitKiymet, 0);  // stored without the mask's separators
  if (Status s = checkCard(k, rec.line); !s) return s;
  return k;
}

}  // namespace

void exportKartCsv(Database& db, std::ostream& out) {
  const Fields& fields = kartFields();
  std::vector<std::string> cells;
  for (size_t i = 1; i < fields.size(); ++i) cells.push_back(fields[i].name);
  csv::writeRecord(out, cells);
  for (const auto& row : KartRepository(db).allInCodeOrder()) {
    for (size_t i = 1; i < fields.size(); ++i) cells[i - 1] = cellText(row, fields[i]);
    csv::writeRecord(out, cells);
  }
}

Result<std::vector<KartRow>> readKartCsv(Database& db, const std::string& path) {
  using R = Result<std::vector<KartRow>>;
  auto records = csv::readFile(path);
  if (!records) return records.status();
  if (records->empty()) return R::error("Dosya boş: " + path);
  const Fields& fields = kartFields();
  auto map = mapHeader(records->front(), fields);
  if (!map) return map.status();
  try {
    KartRepository repo(db);
    std::vector<KartRow> cards;
    std::set<std::pair<std::string, std::string>> codes;
    for (size_t i = 1; i < records->size(); ++i) {
      const auto& rec = (*records)[i];
      auto card = readCard(rec, *map, fields);
      if (!card) return card.status();
      KartRow k = std::move(card).value();
      if (!codes.insert({k.Bolum, k.SabitKiymet}).second || repo.findByCode(k.Bolum, k.SabitKiymet))
        return R::error(csv::fieldError(rec.line, "SabitKiymet", codeUsed(k)));
      cards.push_back(std::move(k));
    }
    return cards;
  } catch (const DbError& e) {
    return R::error(std::string("Kartlar okunamadı: ") + e.what());
  }
}

Result<int> importKartCsv(Database& db, const std::string& path, long long userId,
                          const std::string& stamp) {
  auto cards = readKartCsv(db, path);
  if (!cards) return cards.status();
  try {
    KartRepository repo(db);
    Transaction tx(db);
    for (auto& k : cards.value()) {
      if (k.CreateBy == 0 && k.CreateDate.empty()) {
        k.CreateBy = userId;
        k.CreateDate = stamp;
      }
      repo.insert(k);
    }
    tx.commit();
    return static_cast<int>(cards->size());
  } catch (const DbError& e) {
    return Result<int>::error(std::string("Kartlar saklanamadı: ") + e.what());
  }
}

}  // namespace orv::db
