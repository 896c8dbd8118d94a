// Opening the root and activating a company.
#include "app/activation.h"

#include <filesystem>

#include "common/turkish.h"
#include "data/aliases.h"
#include "data/code_lists.h"
#include "data/data_root.h"
#include "data/parameters.h"
#include "data/rows.h"
#include "data/schema_upgrade.h"

namespace orv {
namespace {

using db::Database;

Result<std::unique_ptr<Database>> openFolder(const std::string& folder, const char* needTable,
                                             const std::string& what) {
  auto db = Database::open(folder, Database::Mode::MustExist);
  if (!db) return Result<std::unique_ptr<Database>>::error(what + " açılamadı: " + db.message());
  if (!db.value()->hasTable(needTable))
    return Result<std::unique_ptr<Database>>::error(what + " eksik: " + folder + " içinde " +
                                                    needTable + " tablosu yok.");
  return db;
}

Result<db::Row> findCompanyRow(Database& root, const std::string& name) {
  if (name.empty()) return Result<db::Row>::error("Firma adı boş olamaz.");
  try {
    auto row = db::locate(root, db::table("FIRMA"), db::Row{{"Adi", name}});
    if (!row) return Result<db::Row>::error("Firma bulunamadı: " + name);
    return *row;
  } catch (const db::DbError& e) {
    return Result<db::Row>::error(std::string("Firma bilgileri okunamadı: ") + e.what());
  }
}

std::string padTo7(std::string days) {
  while (charLength(days) < 7) days += ' ';
  return days;
}

ActiveCompany companyFromRow(const db::Row& row) {
  ActiveCompany c;
  c.name = row.getText("Adi");
  c.title = row.getText("Unvan");
  c.linkedAccounting = row.getText("Yil");
  c.approvalDate = row.getDate("OnayTarihi");
  c.accountGroupSeparator = accountSeparator(row.getInt("HesapAyrac"));
  c.localCurrency = row.getText("YerelPara");
  c.currencyCode = row.getText("Doviz");
  c.kurus1 = row.getBool("Kurus1");
  c.kurus2 = row.getBool("Kurus2");
  c.workingDays = padTo7(row.getText("CalismaGunleri"));
  const long long start = row.getInt("MaliDonemBaslangici");
  c.fiscalYearStart = start == 0 ? 1 : static_cast<int>(start);
  c.ownParameters = row.getBool("OzelKullan");
  return c;
}

CompanyFolders foldersOf(const std::string& rootFolder, const ActiveCompany& c) {
  const std::string company = db::companyFolderOf(rootFolder, c.name);
  return {company, c.ownParameters ? company : db::sharedParameterFolder(rootFolder)};
}

void repointAliases(const Session& s, const CompanyFolders& f, Prompter& prompter) {
  if (s.aliasFile.empty()) return;
  AliasStore store(s.aliasFile);
  Status st = store.repoint(kCompanyAlias, f.company);
  if (st) st = store.repoint(kParameterAlias, f.parameters);
  if (!st) prompter.message(MessageKind::Warning, "Veri yolları kaydedilemedi: " + st.message());
}

}  // namespace

char accountSeparator(long long hesapAyrac) {
  switch (hesapAyrac) {
    case 1: return '.';
    case 2: return '-';
    case 3: return ' ';
    case 4: return ',';
    case 5: return '/';
    default: return 0;
  }
}

Result<Session> openRoot(const std::string& rootFolder, const std::string& aliasFile) {
  auto db = openFolder(rootFolder, "FIRMA", "Veri kökü");
  if (!db) return db.status();
  Session s;
  s.rootFolder = rootFolder;
  s.aliasFile = aliasFile;
  s.values.rootFolder = rootFolder;
  s.values.sharedParameterFolder = db::sharedParameterFolder(rootFolder);
  s.rootDb = std::move(db).value();
  return s;
}

Result<Session> openAtStartup(const std::string& aliasFile, Prompter& prompter, const std::string& home) {
  AliasStore store(aliasFile);
  auto root = ensureStandardAliases(store, prompter, home);
  if (!root) return root.status();
  if (!db::isDataRoot(root.value())) {
    const std::filesystem::path defaultRoot = standardAliases(home).front().defaultPath;
    std::error_code ec;
    if (std::filesystem::path(root.value()) == defaultRoot)
      std::filesystem::create_directories(defaultRoot.parent_path(), ec);
    if (Status s = db::initDataRoot(root.value(), prompter, home); !s) return s;
  }
  auto session = openRoot(root.value(), aliasFile);
  if (!session) return session;
  const std::string company = store.path(kCompanyAlias).value_or("");
  if (Status s = db::upgradeAtStartup(*session->rootDb, company, prompter); !s) return s;
  return session;
}

Result<CompanyFolders> companyFolders(Database& root, const std::string& rootFolder, const std::string& name) {
  auto row = findCompanyRow(root, name);
  if (!row) return row.status();
  return foldersOf(rootFolder, companyFromRow(row.value()));
}

Status activateCompany(Session& session, const std::string& companyName, Prompter& prompter) {
  if (!session.rootDb) return Status::error("Veri kökü açık değil.");
  auto row = findCompanyRow(*session.rootDb, companyName);
  if (!row) return row.status();
  const ActiveCompany company = companyFromRow(row.value());
  const CompanyFolders folders = foldersOf(session.rootFolder, company);

  auto companyDb = openFolder(folders.company, "Kart", "Firma klasörü");
  if (!companyDb) return companyDb.status();
  auto parameterDb = openFolder(folders.parameters, "paramalt", "Parametre klasörü");
  if (!parameterDb) return parameterDb.status();
  if (Status s = db::upgradeSchema(*session.rootDb, *companyDb.value(), prompter); !s) return s;

  CodeLists lists = session.codeLists;
  SistemDegerleri values = session.values;
  PrinterDefinition printer = session.printer;
  try {
    auto codes = db::fillCodeLists(*parameterDb.value());
    for (size_t i = 0; i < codes.size(); ++i) lists.codes[i] = std::move(codes[i]);
    lists.currencies = db::fillCurrencyList(*parameterDb.value());
  } catch (const db::DbError& e) {
    return Status::error(std::string("Kod listeleri okunamadı: ") + e.what());
  }
  values.companyFolder = folders.company;
  values.parameterFolder = folders.parameters;
  values.rootFolder = session.rootFolder;
  values.sharedParameterFolder = db::sharedParameterFolder(session.rootFolder);
  values.companyName = company.name;
  values.localCurrencyName = company.localCurrency;
  values.kurus1 = company.kurus1;
  values.kurus2 = company.kurus2;
  values.accountGroupSeparator = company.accountGroupSeparator;
  if (Status s = db::loadParameters(*parameterDb.value(), session.user.userName, values, printer,
                                    prompter, installRoot());
      !s)
    return s;

  repointAliases(session, folders, prompter);
  session.company = company;
  session.formats = NumberFormats::choose(company.kurus1, company.kurus2);
  session.codeLists = std::move(lists);
  session.values = std::move(values);
  session.printer = std::move(printer);
  session.companyDb = std::move(companyDb).value();
  session.parameterDb = std::move(parameterDb).value();
  return Status::ok();
}

}  // namespace orv
