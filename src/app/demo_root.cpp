#include "app/demo_root.h"

#include <filesystem>

#include "companies/companies.h"
#include "data/code_lists.h"
#include "data/data_root.h"
#include "users/user_admin.h"

namespace fs = std::filesystem;

namespace orv::app {

std::string demoRootFolder(const std::string& installRoot) {
  return (fs::path(installRoot) / "Demo" / "DATA").string();
}

Status ensureDemoRoot(const std::string& root, const std::string& installRoot) {
  std::error_code ec;
  fs::create_directories(fs::path(root).parent_path(), ec);
  SilentPrompter quiet;
  if (!db::isDataRoot(root))
    if (Status s = db::initDataRoot(root, quiet, installRoot); !s) return s;
  auto opened = db::Database::open(root, db::Database::Mode::MustExist);
  if (!opened) return opened.status();
  db::Database& rootDb = **opened;
  auto empty = users::hasNoUsers(rootDb);
  if (!empty) return empty.status();
  if (*empty) {
    auto added = users::addAdministrator(rootDb, {kDemoUser, "Demo Kullanıcı", kDemoPassword, "demo"});
    if (!added) return added.status();
  }
  auto found = companies::findCompany(rootDb, kDemoCompany);
  if (!found) return found.status();
  if (found->has_value()) return Status::ok();
  std::vector<std::string> currencies;
  if (auto p = db::Database::open(db::sharedParameterFolder(root), db::Database::Mode::MustExist))
    currencies = db::fillCurrencyList(**p);
  companies::CompanyRow row = companies::newCompanyRow(currencies);
  row.set("Adi", kDemoCompany);
  row.set("Unvan", "Demo Sabit Kıymet Ticaret A.Ş.");
  row.set("Kurus1", "1");
  row.set("Yil", kDemoCompany);
  companies::CompanyContext ctx{rootDb, root, "", nullptr};
  auto saved = companies::saveCompany(ctx, row, "", quiet);
  return saved ? Status::ok() : saved.status();
}

}  // namespace orv::app
