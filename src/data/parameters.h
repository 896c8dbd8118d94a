// The parameter store of a parameter folder (paramtop groups, paramalt rows found by their
// title), the load of the system values from it, and the choice of the active printer
// definition.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/prompter.h"
#include "common/result.h"
#include "data/database.h"
#include "data/system_values.h"

namespace orv::db {

// Groups the program knows by number, and the label group known by its title.
inline constexpr int kGroupGeneral = 1;
inline constexpr int kGroupPrinters = 2;
inline constexpr int kGroupHost = 3;
inline constexpr int kGroupCurrency = 6;
inline constexpr int kGroupPrinterUsers = 99;
inline constexpr const char* kPrinterGroupTitle = "Yazıcı Tanımları";
inline constexpr const char* kLabelGroupTitle = "Etiket Tanımları";

struct ParameterGroup {
  int id;              // paramtop.ULAS
  std::string title;   // paramtop.BASLIK
};
// The groups of a fresh parameter folder.
std::vector<ParameterGroup> standardGroups();

struct ParameterDef {
  std::string title;
  int group;
  std::string code;
  std::string defaultValue;
};
// The parameters read at every load, in the order they are read; the folder defaults lie
// below the install root.
std::vector<ParameterDef> systemParameters(const std::string& installRoot);
std::optional<ParameterDef> findSystemParameter(std::string_view title, const std::string& installRoot);

// Titles under which each load records the folders for other tools.
inline constexpr const char* kDataPathTitle = "Data Path";
inline constexpr const char* kCompanyParameterPathTitle = "Data Firma Parametre Path";
inline constexpr const char* kRootPathTitle = "Data Genel Path";
inline constexpr const char* kSharedParameterPathTitle = "Data Parametreler Path";

// Deger1 of the row with exactly this title, or the default when there is none.
std::string readParameter(Database& params, std::string_view title, std::string_view defaultValue);
bool parameterExists(Database& params, std::string_view title);
// Appends the row (group, code, title, default) unless a row has this title.
Status ensureParameter(Database& params, std::string_view title, std::string_view defaultValue,
                       int group, std::string_view code);
// Sets Deger1 of the row with this title, or appends a row with title and value.
Status storeParameter(Database& params, std::string_view title, std::string_view value);

// The full load: records the four folders of `values`, ensures the parameters that carry a
// code, reads every parameter into `values` and selects the printer for `userName`.
// A VAT rate or trace value that is not a number is reported through the prompter, naming the
// parameter, and its default is used. Runs in one transaction.
Status loadParameters(Database& params, const std::string& userName, SistemDegerleri& values,
                      PrinterDefinition& printer, Prompter& prompter, const std::string& installRoot);

// The printer definition for the user: the first assignment row (group 99, title "Y:" +
// code, in title order) listing the user's upper-cased name or "0" among its ";"-separated
// names, else the definition marked current ("1"). Nothing found: the printer stays as it is.
void selectPrinter(Database& params, const std::string& userName, PrinterDefinition& printer);
// One control item "27;64;" as raw bytes; empty, non-numeric, 0 and >255 values are skipped.
std::string decodeControlItem(std::string_view item);
// A group-2 row's Deger1 and Deger2 as a printer definition.
PrinterDefinition decodePrinterRow(std::string_view deger1, std::string_view deger2);

}  // namespace orv::db
