// Company names, FIRMA rows and the lists of companies.
#include "companies/companies.h"

#include <charconv>
#include <filesystem>

#include "common/turkish.h"
#include "data/catalogue.h"

namespace fs = std::filesystem;

namespace orv::companies {
namespace {

const db::TableDef& firmaTable() {
  static const db::TableDef* t = db::findTable("FIRMA");
  return *t;
}

bool sameUpper(const std::string& a, const std::string& b) { return trUpper(a) == trUpper(b); }

std::optional<std::string> normalLogical(const std::string& v) {
  const std::string u = trUpper(trim(v));
  if (u == "1" || u == "TRUE" || u == "EVET" || u == "E") return "1";
  if (u == "0" || u == "FALSE" || u == "HAYIR" || u == "H" || u.empty()) return "0";
  return std::nullopt;
}

std::optional<std::string> normalInteger(const std::string& v) {
  const std::string t = trim(v);
  if (t.empty()) return std::string();
  long long n = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
  if (ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
  return std::to_string(n);
}

}  // namespace

std::string companyFolder(const std::string& root, const std::string& name) {
  fs::path r = fs::path(root).lexically_normal();
  if (!r.has_filename()) r = r.parent_path();  // "…/DATA/" names DATA too
  return (r.parent_path() / name).string();
}

bool isCompanyNameChar(char32_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

Status checkCompanyName(const std::string& root, const std::string& name) {
  if (trim(name).empty()) return Status::error("Firma Adı girilmeden kayıt yapılamaz...");
  if (sameUpper(name, kTemplateFolder)) return Status::error("Firma adı ORNEK olamaz...");
  fs::path r = fs::path(root).lexically_normal();
  if (!r.has_filename()) r = r.parent_path();
  if (sameUpper(name, kParameterFolder) || sameUpper(name, r.filename().string()))
    return Status::error("Firma adı " + trUpper(name) + " olamaz...");
  const std::u32string chars = toU32(name);
  bool safe = chars.size() <= 8;
  for (char32_t c : chars) safe = safe && isCompanyNameChar(c);
  if (!safe)
    return Status::error(
        "Firma adı en çok 8 karakter olabilir; yalnız harf (A-Z), rakam ve \"_\" içerebilir.");
  return Status::ok();
}

std::string CompanyRow::get(std::string_view field) const {
  const db::FieldDef* f = firmaTable().field(field);
  if (!f) return {};
  const auto it = values_.find(f->name);
  return it == values_.end() ? std::string() : it->second;
}

int CompanyRow::number(std::string_view field) const {
  const std::string v = get(field);
  int n = 0;
  std::from_chars(v.data(), v.data() + v.size(), n);
  return n;
}

Status CompanyRow::set(std::string_view field, const std::string& value) {
  const db::FieldDef* f = firmaTable().field(field);
  if (!f || f->type == db::FieldType::AutoInc)
    return Status::error("FIRMA tablosunda değiştirilebilecek böyle bir alan yok: " +
                         std::string(field));
  std::optional<std::string> v = value;
  switch (f->type) {
    case db::FieldType::Logical: v = normalLogical(value); break;
    case db::FieldType::ShortInt:
    case db::FieldType::LongInt: v = normalInteger(value); break;
    case db::FieldType::Date:
      if (!Date::fromIso(trim(value))) v.reset(); else v = Date::fromIso(trim(value))->iso();
      break;
    default: {
      Status width = db::checkWidth(firmaTable(), f->name, value);
      if (!width) return width;
    }
  }
  if (!v) {
    const char* shape = f->type == db::FieldType::Date      ? "bir tarih (yyyy-aa-gg)"
                        : f->type == db::FieldType::Logical ? "0 ya da 1"
                                                            : "bir tam sayı";
    return Status::error(f->name + " alanına " + shape + " girilmelidir: " + value);
  }
  values_[f->name] = *v;
  return Status::ok();
}

CompanyRow newCompanyRow(const std::vector<std::string>& currencies) {
  CompanyRow row;
  auto code = [&](size_t i) {
    return i < currencies.size() ? currencies[i].substr(0, currencies[i].find('=')) : "";
  };
  row.set("YerelPara", code(0));
  row.set("Doviz", code(1));
  row.set("HesapAyrac", "1");
  row.set("MaliDonemBaslangici", "1");
  row.set("CalismaGunleri", "1111100");
  for (const char* f : {"Goster", "OzelKullan", "Kurus1", "Kurus2"}) row.set(f, "0");
  return row;
}

namespace {

CompanyRow readRow(const db::Statement& st) {
  CompanyRow row;
  const auto& fields = firmaTable().fields;
  for (size_t i = 0; i < fields.size(); ++i) {
    const int c = static_cast<int>(i);
    const auto& f = fields[i];
    if (f.type == db::FieldType::AutoInc) {
      row.ulas = st.getInt(c);
    } else if (f.type == db::FieldType::Logical) {
      row.set(f.name, st.getBool(c) ? "1" : "0");
    } else if (f.type == db::FieldType::Date) {
      row.set(f.name, st.getDate(c).iso());
    } else if (!st.isNull(c)) {
      row.set(f.name, f.type == db::FieldType::Text ? st.getText(c)
                                                     : std::to_string(st.getInt(c)));
    }
  }
  return row;
}

std::string selectAll() {
  std::string sql = "SELECT ";
  const auto& fields = firmaTable().fields;
  for (size_t i = 0; i < fields.size(); ++i)
    sql += (i ? ", " : "") + db::quoteIdent(fields[i].name);
  return sql + " FROM FIRMA";
}

}  // namespace

Result<std::vector<CompanyRow>> listCompanies(db::Database& rootDb) {
  try {
    std::vector<CompanyRow> rows;
    auto st = rootDb.prepare(selectAll() + " ORDER BY Adi COLLATE TR, Ulas");
    while (st.step()) rows.push_back(readRow(st));
    return rows;
  } catch (const db::DbError& e) {
    return Result<std::vector<CompanyRow>>::error("Firma bilgilerine erişilemiyor: " +
                                                  std::string(e.what()));
  }
}

Result<std::optional<CompanyRow>> findCompany(db::Database& rootDb, const std::string& name) {
  try {
    auto st = rootDb.prepare(selectAll() + " WHERE Adi = ? ORDER BY Ulas LIMIT 1");
    st.bind(1, name);
    if (st.step()) return std::optional<CompanyRow>(readRow(st));
    return std::optional<CompanyRow>();
  } catch (const db::DbError& e) {
    return Result<std::optional<CompanyRow>>::error("Firma bilgisine erişilemiyor... " +
                                                    std::string(e.what()));
  }
}

std::string CompanyChoice::entry() const {
  return name + "=" + title + "@" + linked + "@" + std::to_string(aktif) + "@" +
         (goster ? "1" : "0") + "@";
}

namespace {
bool holdsParameterTables(const std::string& folder) {
  if (!db::Database::existsIn(folder)) return false;
  auto opened = db::Database::open(folder, db::Database::Mode::MustExist);
  return opened && (*opened)->hasTable("paramalt");
}
}  // namespace

Result<std::vector<CompanyChoice>> choosableCompanies(db::Database& rootDb,
                                                      const std::string& root) {
  auto rows = listCompanies(rootDb);
  if (!rows) return rows.status();
  std::vector<CompanyChoice> out;
  for (const CompanyRow& r : *rows) {
    if (r.flag("Goster") || !holdsParameterTables(companyFolder(root, r.name()))) continue;
    const int month = r.number("MaliDonemBaslangici");
    out.push_back({r.ulas, r.name(), r.get("Unvan"), r.get("Yil"), r.number("Aktif"), false,
                   month >= 1 && month <= 12 ? month : 1});
  }
  return out;
}

int findChoice(const std::vector<CompanyChoice>& choices, const std::string& search) {
  const std::string key = trUpper(search);
  for (size_t i = 0; i < choices.size(); ++i)
    if (trUpper(choices[i].entry()).rfind(key, 0) == 0) return static_cast<int>(i);
  return -1;
}

}  // namespace orv::companies
