// Creating a data root.
#include "data/data_root.h"

#include <cstdio>
#include <filesystem>
#include <random>

#include "data/aliases.h"
#include "data/catalogue.h"
#include "data/parameters.h"
#include "data/rows.h"

namespace orv::db {
namespace fs = std::filesystem;
namespace {

fs::path normalised(const std::string& folder) {
  std::error_code ec;
  fs::path p = fs::absolute(fs::path(folder), ec).lexically_normal();
  if (p.filename().empty()) p = p.parent_path();
  return p;
}

bool isEmptyFolder(const fs::path& p) {
  std::error_code ec;
  return fs::is_directory(p, ec) && fs::directory_iterator(p, ec) == fs::directory_iterator();
}

std::unique_ptr<Database> openOrThrow(const fs::path& folder) {
  auto r = Database::open(folder.string());
  if (!r) throw DbError(r.message());
  return std::move(r).value();
}

void insertOrThrow(Database& db, const char* tableName, const Row& row) {
  auto r = insertRow(db, table(tableName), row);
  if (!r) throw DbError(r.message());
}

void buildRoot(const fs::path& root, const std::string& home) {
  fs::create_directories(root / kTemplateFolderName);
  fs::create_directories(root / kSharedParameterFolderName);
  {
    auto db = openOrThrow(root);
    Transaction tx(*db);
    createTables(*db, FolderKind::Root);
    for (long long slot : {1LL, 2LL}) insertOrThrow(*db, "LOCK", Row{{"SIRA", slot}, {"DURUM", 0LL}});
    tx.commit();
  }
  {
    auto db = openOrThrow(root / kTemplateFolderName);
    Transaction tx(*db);
    createTables(*db, FolderKind::Company);
    createTables(*db, FolderKind::Parameter);
    tx.commit();
  }
  auto db = openOrThrow(root / kSharedParameterFolderName);
  Transaction tx(*db);
  createTables(*db, FolderKind::Parameter);
  fillParameterFolder(*db, home);
  tx.commit();
}

std::string stagingName(const fs::path& root) {
  std::random_device rd;
  return "." + root.filename().string() + ".orvinit-" + std::to_string(rd());
}

void removeContents(const fs::path& folder) {
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(folder, ec)) fs::remove_all(e.path(), ec);
}

}  // namespace

std::string templateFolder(const std::string& root) { return (fs::path(root) / kTemplateFolderName).string(); }
std::string sharedParameterFolder(const std::string& root) {
  return (fs::path(root) / kSharedParameterFolderName).string();
}
std::string companyFolderOf(const std::string& root, const std::string& company) {
  return (normalised(root).parent_path() / company).string();
}

bool isDataRoot(const std::string& folder) {
  if (!Database::existsIn(folder)) return false;
  auto db = Database::open(folder, Database::Mode::MustExist);
  return db && db.value()->hasTable("FIRMA");
}

void fillParameterFolder(Database& db, const std::string& home) {
  for (const auto& g : standardGroups())
    insertOrThrow(db, "paramtop", Row{{"ULAS", static_cast<long long>(g.id)}, {"BASLIK", g.title}});
  for (const auto& p : systemParameters(home)) {
    const Status s = ensureParameter(db, p.title, p.defaultValue, p.group, p.code);
    if (!s) throw DbError(s.message());
  }
  const char* headers[] = {"Bölüm Kodları", "Özel Kod 1", "Özel Kod 2", "Özel Kod 3", "Özel Kod 4",
                           "Zimmet Kodları", "Kod Tanımı 7", "Kod Tanımı 8", "Kod Tanımı 9"};
  for (int i = 1; i <= 9; ++i) {
    char code[4];
    std::snprintf(code, sizeof code, "%03d", i);
    insertOrThrow(db, "KodTop", Row{{"Kodu", std::string(code)}, {"Aciklama", std::string(headers[i - 1])}});
  }
}

Status initDataRoot(const std::string& rootFolder, Prompter& prompter) {
  return initDataRoot(rootFolder, prompter, installRoot());
}

Status initDataRoot(const std::string& rootFolder, Prompter& prompter, const std::string& home) {
  const fs::path root = normalised(rootFolder);
  const std::string shown = root.string();
  std::error_code ec;
  if (isDataRoot(shown)) {
    prompter.message(MessageKind::Information,
                     "Bu klasörde zaten bir veri kökü var: " + shown + ". Hiçbir şey değiştirilmedi.");
    return Status::ok();
  }
  if (!fs::is_directory(root.parent_path(), ec))
    return Status::error("Veri kökünün üst klasörü bulunamadı: " + root.parent_path().string() +
                         ". Hiçbir şey yazılmadı.");
  const bool rootExists = fs::exists(root, ec);
  if (rootExists && !isEmptyFolder(root))
    return Status::error("Klasör boş değil ve bir veri kökü değil: " + shown + ". Hiçbir şey yazılmadı.");

  // Build beside the root and rename into place; when the parent refuses a new folder but
  // the (empty) root itself is writable, build in it and clear it on failure.
  fs::path staging = root.parent_path() / stagingName(root);
  const bool inPlace = !fs::create_directory(staging, ec) || ec;
  if (inPlace) {
    if (!rootExists)
      return Status::error("Veri kökü oluşturulamadı: " + root.parent_path().string() +
                           " klasörüne yazılamıyor. Hiçbir şey yazılmadı.");
    staging = root;
  }
  try {
    buildRoot(staging, home);
    if (!inPlace) {
      if (rootExists) fs::remove(root);
      fs::rename(staging, root);
    }
  } catch (const std::exception& e) {
    if (inPlace) removeContents(root);
    else fs::remove_all(staging, ec);
    return Status::error("Veri kökü oluşturulamadı: " + shown + " (" + e.what() + "). Hiçbir şey yazılmadı.");
  }
  prompter.message(MessageKind::Information, "Veri kökü oluşturuldu: " + shown);
  return Status::ok();
}

}  // namespace orv::db
