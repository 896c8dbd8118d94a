// Company cards (rows of FIRMA in the root folder) and company folders (beside the root
// folder, named after the company): create, change, rename, delete, list and choose.
//
// Errors (as Status with the message for the user): an empty, unsafe or reserved name; a
// name taken by another company; a folder that cannot be made, filled, moved or put into
// the trash; renaming or deleting the company active here or in another running instance;
// a database failure. In every failure nothing is changed.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/prompter.h"
#include "common/result.h"
#include "data/database.h"

namespace orv {
class HeldFileLock;
}

namespace orv::companies {

inline constexpr const char* kTemplateFolder = "ORNEK";
inline constexpr const char* kParameterFolder = "PARAMETRE";
inline constexpr const char* kActiveMarkerPrefix = ".aktif-";

// parent of ROOT + "/" + NAME
std::string companyFolder(const std::string& root, const std::string& name);
// 1 to 8 of A-Z a-z 0-9 _, and not the name of the template, parameter or root folder.
Status checkCompanyName(const std::string& root, const std::string& name);
bool isCompanyNameChar(char32_t c);

// One FIRMA row: every field by its name in the table's spelling, as text ("0"/"1" for
// logicals, digits for integers, yyyy-mm-dd for dates, "" for blank).
class CompanyRow {
 public:
  long long ulas = 0;
  std::string get(std::string_view field) const;
  bool flag(std::string_view field) const { return get(field) == "1"; }
  int number(std::string_view field) const;
  // Field name without regard to case; the value is checked against type and width.
  Status set(std::string_view field, const std::string& value);
  std::string name() const { return get("Adi"); }
  const std::map<std::string, std::string>& values() const { return values_; }

 private:
  std::map<std::string, std::string> values_;
};

// A new card: local and foreign currency the first two of CURRENCIES ("code=description"),
// "." as account separator, January, Monday to Friday.
CompanyRow newCompanyRow(const std::vector<std::string>& currencies);

Result<std::vector<CompanyRow>> listCompanies(db::Database& rootDb);  // in Adi order
Result<std::optional<CompanyRow>> findCompany(db::Database& rootDb, const std::string& name);

// An entry of the company choice: shown companies whose folder holds the parameter tables.
struct CompanyChoice {
  long long ulas = 0;
  std::string name, title, linked;
  int aktif = 0;
  bool goster = false;
  int fiscalYearStart = 1;
  std::string entry() const;  // ADI=UNVAN@YIL@AKTIF@GOSTER@
};
Result<std::vector<CompanyChoice>> choosableCompanies(db::Database& rootDb,
                                                      const std::string& root);
// Index of the first choice whose entry begins with SEARCH (Turkish upper case), or -1.
int findChoice(const std::vector<CompanyChoice>& choices, const std::string& search);

// Where the company operations run: the root folder and database, the company active in
// this instance ("" when none) and this instance's marker in that company's folder.
struct CompanyContext {
  db::Database& rootDb;
  std::string root;
  std::string activeCompany;
  const HeldFileLock* ownMarker = nullptr;
};

// True when another running instance has NAME active.
bool activeElsewhere(const CompanyContext& ctx, const std::string& name);

enum class SaveOutcome { Created, Saved };

// Saves a card. ROW.ulas 0 (or LOADEDNAME empty) means a new card; on success ROW.ulas is
// set. A changed name moves the folder first; a missing folder is made from the parameter
// and template folders. Information messages go to PROMPTER, the outcome's text included.
Result<SaveOutcome> saveCompany(CompanyContext& ctx, CompanyRow& row,
                                const std::string& loadedName, Prompter& prompter);
std::string outcomeText(SaveOutcome outcome);

// Asks, then moves the folder into the trash and deletes the row. Result false: "No".
Result<bool> deleteCompany(CompanyContext& ctx, const std::string& loadedName,
                           Prompter& prompter);

// Makes a company folder from the parameter and template folders (the template's tables
// replace parameter tables of the same name). FOLDER must not exist yet.
Status makeCompanyFolder(const std::string& root, const std::string& folder);

}  // namespace orv::companies
