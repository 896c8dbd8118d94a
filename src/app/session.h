// The process-wide state of one running program: current user and rights, the root folder,
// the active company with its folders and databases, system values, formats and code lists.
// Core operations receive it explicitly; nothing reaches it through a global.
#pragma once

#include <array>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "common/date.h"
#include "common/number_formats.h"
#include "data/database.h"
#include "data/system_values.h"

namespace orv {

struct KullaniciBilgileri {
  long long id = 0;          // Ulas of the users row
  std::string fullName;      // Adi
  std::string userName;      // Username
  std::string address;       // IP of the users row
};

struct ActiveCompany {
  std::string name;          // FIRMA.Adi, also the folder name; empty: no company active
  std::string title;         // Unvan
  std::string linkedAccounting;  // Yil
  std::string localCurrency; // YerelPara
  std::string currencyCode;  // Doviz
  std::string workingDays;   // CalismaGunleri, 7 characters
  Date approvalDate;         // OnayTarihi
  int fiscalYearStart = 1;   // MaliDonemBaslangici, 0 read as 1
  bool kurus1 = false;
  bool kurus2 = false;
  bool ownParameters = false;  // OzelKullan
  char accountGroupSeparator = 0;
};

using CodeList = std::vector<std::string>;  // entries "code=description"

struct CodeLists {
  std::array<CodeList, 9> codes;         // 001 .. 009
  CodeList currencies;
  std::array<CodeList, 5> accounting;    // accounting code lists 001 .. 005
  CodeList costCentres;
  CodeList rules;
};

struct Session {
  KullaniciBilgileri user;
  std::set<int> rights;                  // granted right codes
  std::string rootFolder;
  std::string aliasFile;                 // alias store repointed at activation; empty: none
  ActiveCompany company;
  SistemDegerleri values;
  PrinterDefinition printer;
  NumberFormats formats = NumberFormats::choose(false, false);
  CodeLists codeLists;

  // Open while the program runs (root) or while a company is active (company, parameters).
  std::unique_ptr<db::Database> rootDb;
  std::unique_ptr<db::Database> companyDb;
  std::unique_ptr<db::Database> parameterDb;

  bool hasRight(int code) const { return rights.count(code) > 0; }
  bool companyActive() const { return !company.name.empty() && companyDb != nullptr; }
};

}  // namespace orv
