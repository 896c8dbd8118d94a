// Saving and deleting company cards together with their folders. The folder is changed
// first and checked; the row follows, and a failed row write puts the folder back.
#include <filesystem>

#include "app/file_lock.h"
#include "common/turkish.h"
#include "companies/companies.h"
#include "companies/trash.h"
#include "data/catalogue.h"

namespace fs = std::filesystem;

namespace orv::companies {
namespace {

const char* kInUseElsewhere =
    "Bu Firma Başka Bir Programda Aktif Olarak Kullanılıyor! ";

const db::TableDef& firmaTable() { return *db::findTable("FIRMA"); }

// Copies every table (rows and indexes) of SOURCE's database into TARGET; a table of the
// same name in TARGET is replaced.
void copyTablesFrom(db::Database& target, const std::string& source) {
  target.prepare("ATTACH DATABASE ? AS src")
      .bind(1, (fs::path(source) / db::kDatabaseFileName).string())
      .run();
  struct Detach {
    db::Database& d;
    ~Detach() { try { d.exec("DETACH DATABASE src"); } catch (...) {} }
  } detach{target};
  std::vector<std::pair<std::string, std::string>> tables, indexes;
  auto st = target.prepare(
      "SELECT type, name, sql FROM src.sqlite_master WHERE sql IS NOT NULL AND "
      "name NOT LIKE 'sqlite_%' ORDER BY type DESC");
  while (st.step())
    (st.getText(0) == "table" ? tables : indexes).emplace_back(st.getText(1), st.getText(2));
  db::Transaction tx(target);
  for (const auto& [name, sql] : tables) {
    const std::string existing = target.tableName(name);
    if (!existing.empty()) target.exec("DROP TABLE main." + db::quoteIdent(existing));
    target.exec(sql);
    target.exec("INSERT INTO main." + db::quoteIdent(name) + " SELECT * FROM src." +
                db::quoteIdent(name));
  }
  for (const auto& [name, sql] : indexes) target.exec(sql);
  tx.commit();
}

bool isCompanyFolder(const std::string& folder) {
  if (!db::Database::existsIn(folder)) return false;
  auto opened = db::Database::open(folder, db::Database::Mode::MustExist);
  return opened && (*opened)->hasTable("Kart");
}

bool nameTaken(db::Database& rootDb, const std::string& name, long long exceptUlas) {
  auto st = rootDb.prepare("SELECT COUNT(*) FROM FIRMA WHERE TR_UPPER(Adi) = TR_UPPER(?) "
                           "AND Ulas <> ?");
  st.bind(1, name).bind(2, exceptUlas);
  return st.step() && st.getInt(0) > 0;
}

void bindField(db::Statement& st, int index, const db::FieldDef& f, const std::string& v) {
  switch (f.type) {
    case db::FieldType::Logical: st.bind(index, v == "1"); break;
    case db::FieldType::ShortInt:
    case db::FieldType::LongInt:
      if (v.empty()) st.bindNull(index); else st.bind(index, std::stoll(v));
      break;
    case db::FieldType::Date: st.bind(index, Date::fromIso(v).value_or(Date())); break;
    default: st.bind(index, v);
  }
}

// Inserts a new row (ulas 0) or updates the row ROW.ulas; sets ROW.ulas.
void writeRow(db::Database& rootDb, CompanyRow& row) {
  const auto& fields = firmaTable().fields;
  std::string cols, marks, sets;
  for (const auto& f : fields) {
    if (f.type == db::FieldType::AutoInc) continue;
    cols += (cols.empty() ? "" : ", ") + db::quoteIdent(f.name);
    marks += marks.empty() ? "?" : ", ?";
    sets += (sets.empty() ? "" : ", ") + db::quoteIdent(f.name) + " = ?";
  }
  db::Transaction tx(rootDb);
  bool updated = false;
  if (row.ulas != 0) {
    auto up = rootDb.prepare("UPDATE FIRMA SET " + sets + " WHERE Ulas = ?");
    int i = 1;
    for (const auto& f : fields)
      if (f.type != db::FieldType::AutoInc) bindField(up, i++, f, row.get(f.name));
    up.bind(i, row.ulas).run();
    updated = rootDb.changes() > 0;
  }
  if (!updated) {  // a card whose row has gone is appended again
    auto ins = rootDb.prepare("INSERT INTO FIRMA (" + cols + ") VALUES (" + marks + ")");
    int i = 1;
    for (const auto& f : fields)
      if (f.type != db::FieldType::AutoInc) bindField(ins, i++, f, row.get(f.name));
    ins.run();
    row.ulas = rootDb.lastInsertId();
  }
  tx.commit();
}

bool moveFolder(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::rename(from, to, ec);
  return !ec && fs::is_directory(to, ec) && !fs::exists(from, ec);
}

// Renaming: refuses the active company, a company active elsewhere, an existing target;
// moves the folder when there is one. MOVED tells whether it was moved.
Status moveForRename(CompanyContext& ctx, const std::string& oldName, const std::string& newName,
                     bool& moved) {
  moved = false;
  if (!ctx.activeCompany.empty() && oldName == ctx.activeCompany)
    return Status::error("Aktif olarak Çalıştığınız Firmanın İsmini Değiştiremezsiniz!");
  if (activeElsewhere(ctx, oldName))
    return Status::error(std::string(kInUseElsewhere) + "Firmanın İsmi Değiştirilemez.");
  const std::string from = companyFolder(ctx.root, oldName);
  const std::string to = companyFolder(ctx.root, newName);
  std::error_code ec;
  if (!fs::exists(from, ec)) return Status::ok();
  if (fs::exists(to, ec) && !fs::equivalent(from, to, ec))
    return Status::error("Bu isimde bir dizin zaten var, firma dizini taşınamadı: " + to);
  if (!moveFolder(from, to))
    return Status::error("Firma dizini taşınamadı, hiçbir değişiklik yapılmadı: " + from +
                         " → " + to);
  moved = true;
  return Status::ok();
}

}  // namespace

bool activeElsewhere(const CompanyContext& ctx, const std::string& name) {
  return liveMarkers(companyFolder(ctx.root, name), kActiveMarkerPrefix, ctx.ownMarker) > 0;
}

Status makeCompanyFolder(const std::string& root, const std::string& folder) {
  const std::string templ = (fs::path(root) / kTemplateFolder).string();
  const std::string params = (fs::path(root) / kParameterFolder).string();
  if (!db::Database::existsIn(templ))
    return Status::error("Şablon firma dizini bulunamadı: " + templ);
  std::error_code ec;
  if (!fs::create_directory(folder, ec) || ec)
    return Status::error("Firma dizini oluşturulamadı: " + folder);
  try {
    auto opened = db::Database::open(folder);
    if (!opened) throw db::DbError(opened.message());
    if (db::Database::existsIn(params)) copyTablesFrom(**opened, params);
    copyTablesFrom(**opened, templ);
    return Status::ok();
  } catch (const db::DbError& e) {
    fs::remove_all(folder, ec);
    return Status::error("Firma dizini oluşturulamadı: " + folder + " (" + e.what() + ")");
  }
}

std::string outcomeText(SaveOutcome outcome) {
  return outcome == SaveOutcome::Created ? "Firma bilgileri oluşturuldu."
                                         : "Firma bilgileri saklandı...";
}

Result<SaveOutcome> saveCompany(CompanyContext& ctx, CompanyRow& row,
                                const std::string& loadedName, Prompter& prompter) {
  const std::string name = row.name();
  if (Status s = checkCompanyName(ctx.root, name); !s) return s;
  const bool isNew = row.ulas == 0 || loadedName.empty();
  const bool renamed = !isNew && loadedName != name;
  try {
    if ((isNew || renamed) && nameTaken(ctx.rootDb, name, isNew ? 0 : row.ulas))
      return Status::error("Bu İsimde Bir Firma Mevcut! Lütfen Başka Bir Firma Belirleyiniz.");
  } catch (const db::DbError&) {
    return Status::error("Firma bilgileri saklanamadı...");
  }
  bool moved = false;
  if (renamed)
    if (Status s = moveForRename(ctx, loadedName, name, moved); !s) return s;
  const std::string folder = companyFolder(ctx.root, name);
  const std::string oldFolder = companyFolder(ctx.root, loadedName);
  std::error_code ec;
  const bool created = !fs::exists(folder, ec);
  auto undoFolder = [&] {
    if (created) fs::remove_all(folder, ec);
    if (moved) moveFolder(folder, oldFolder);
  };
  if (created) {
    if (Status s = makeCompanyFolder(ctx.root, folder); !s) {
      if (moved) moveFolder(folder, oldFolder);
      return s;
    }
  } else if (!moved && isNew && !isCompanyFolder(folder)) {
    return Status::error("Bu isimde bir dizin var ama bir firma dizini değil: " + folder);
  }
  try {
    if (isNew) row.ulas = 0;
    writeRow(ctx.rootDb, row);
  } catch (const db::DbError&) {
    undoFolder();
    return Status::error("Firma bilgileri saklanamadı...");
  }
  if (moved)
    prompter.message(MessageKind::Information,
                     "Çalışma dizini değiştirildiği için bu firmaya ait tüm dosyalar " +
                         oldFolder + " dizininden " + folder + " dizinine taşınmıştır.");
  const SaveOutcome outcome = created ? SaveOutcome::Created : SaveOutcome::Saved;
  prompter.message(MessageKind::Information, outcomeText(outcome));
  return outcome;
}

Result<bool> deleteCompany(CompanyContext& ctx, const std::string& loadedName,
                           Prompter& prompter) {
  if (loadedName.empty()) return Status::error("Bu Firmaya Ait Bilgiler Henüz Saklanmamış !...");
  if (!ctx.activeCompany.empty() && loadedName == ctx.activeCompany)
    return Status::error("Aktif Olarak Çalıştığınız Firmayı Silemezsiniz!");
  if (activeElsewhere(ctx, loadedName))
    return Status::error(std::string(kInUseElsewhere) + "Firma Silinemez.");
  const Answer a = prompter.confirm(
      MessageKind::Warning,
      "DİKKAT !...\r\rBU SEÇENEK İLE, FİRMAYA AİT TÜM KAYITLAR VE SİSTEMDE BULUNAN FİRMAYA AİT "
      "DOSYALARIN TAMAMI SİLİNECEKTİR.\rBU İŞLEMİN GERİ DÖNÜŞÜ YOKTUR.\r\rDEVAM ETMEK İSTİYOR "
      "MUSUNUZ ?");
  if (a != Answer::Yes) return false;
  try {
    db::Transaction tx(ctx.rootDb);
    ctx.rootDb.prepare("DELETE FROM FIRMA WHERE Adi = ?").bind(1, loadedName).run();
    const std::string folder = companyFolder(ctx.root, loadedName);
    std::error_code ec;
    if (fs::exists(folder, ec))
      if (Status s = moveToTrash(folder); !s) return s;  // the row stays: rolled back
    tx.commit();
  } catch (const db::DbError&) {
    return Status::error("Firma bilgileri silinemedi...");
  }
  return true;
}

}  // namespace orv::companies
