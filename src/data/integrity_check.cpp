// Integrity check of a data folder's database.
#include "data/integrity_check.h"

#include <sqlite3.h>

#include "data/database.h"

namespace orv::db {
namespace {

IntegrityReport failed(int code, std::string problem) {
  return {code, {std::move(problem)}};
}

}  // namespace

IntegrityReport checkFolderDatabase(const std::string& folder) {
  if (!Database::existsIn(folder))
    return failed(kCheckErrorsFound, "Veri klasöründe veritabanı yok: " + folder);
  auto opened = Database::open(folder, Database::Mode::MustExist);
  if (!opened) return failed(kCheckErrorsFound, opened.message());
  sqlite3* handle = opened.value()->handle();
  sqlite3_busy_timeout(handle, 0);
  // The exclusive lock keeps writers out while the check reads; someone writing now means
  // the files are in use.
  const int rc = sqlite3_exec(handle, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
  if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
    return failed(kCheckFilesInUse, "Dosyalar Kullanımda Kontrol İşlemi Yapılmadı!");
  if (rc != SQLITE_OK) return failed(kCheckErrorsFound, sqlite3_errmsg(handle));
  IntegrityReport report;
  try {
    auto st = opened.value()->prepare("PRAGMA integrity_check");
    while (st.step())
      if (st.getText(0) != "ok") report.problems.push_back(st.getText(0));
  } catch (const DbError& e) {
    report.problems.push_back(e.what());
  }
  sqlite3_exec(handle, "ROLLBACK", nullptr, nullptr, nullptr);
  if (!report.problems.empty()) report.code = kCheckErrorsFound;
  return report;
}

std::vector<std::string> checkArguments(const std::string& folderOrAlias) {
  return {"-Q+", "-R1", "/A" + folderOrAlias};
}

std::string checkCommandLine(const std::string& toolPath, const std::string& folderOrAlias) {
  return toolPath + " -Q+ -R1 " + "/A\"" + folderOrAlias + "\"";
}

int checkCodeFromExitStatus(int status) {
  return status > 127 && status < 256 ? status - 256 : status;
}

}  // namespace orv::db
