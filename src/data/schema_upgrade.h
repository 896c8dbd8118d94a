// Column additions for table files made by older versions of the program, and the reshaping
// of a working table to a caller's set of columns.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/prompter.h"
#include "common/result.h"
#include "data/database.h"

namespace orv::db {

inline constexpr const char* kFirmaUpgradeWarning = "FIRMA.DB Dosyasına Yeni Alanlar Eklenecektir.";
inline constexpr const char* kKartUpgradeWarning = "KART.DB Dosyasına Yeni Alanlar Eklenecektir.";

// FIRMA of the root: YerelPara, Kurus1, Kurus2, then MaliDonemBaslangici; each group that
// misses a column is announced with its warning and its columns are added one at a time with
// the catalogue's types. A failing addition stops the upgrade with a message naming table and
// column. A table that does not exist is left alone.
Status upgradeRootSchema(Database& root, Prompter& prompter);
// Kart of a company folder: CikisTipi, then the catalogue's indexes (the code index unique).
Status upgradeCompanySchema(Database& company, Prompter& prompter);
// Both, as at every company activation.
Status upgradeSchema(Database& root, Database& company, Prompter& prompter);
// The upgrade at program start: the root, and the company folder the company alias points
// to, when that folder still holds a database (a removed company is skipped, not an error).
Status upgradeAtStartup(Database& root, const std::string& companyFolder, Prompter& prompter);

// A column of a working table: its name and SQL type (both from our own code).
struct ColumnSpec {
  std::string name;
  std::string sqlType;
};

// Gives the existing working table `name` exactly the given columns (its rows are dropped).
// A missing table is reported as "Eski geçici dosyaya ait bilgilere erişilemiyor... İŞLEM
// DEVAM EDEMEZ" (error), a failing change as "Geçici dosya kaldırılamıyor." (information);
// both are told through the prompter and returned.
Status reshapeTemporaryTable(Database& temp, std::string_view name,
                             const std::vector<ColumnSpec>& columns, Prompter& prompter);

}  // namespace orv::db
