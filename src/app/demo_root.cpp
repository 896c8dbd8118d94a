#include "app/demo_root.h"

#include <filesystem>

#include "companies/companies.h"
#include "data/code_lists.h"
#include "data/data_root.h"
#include "data/kart_repository.h"
#include "data/parameters.h"
#include "users/user_admin.h"

namespace fs = std::filesystem;

namespace orv::app {
namespace {

db::KartRow demoCard(const char* bolum, const char* kod, const char* adi, Date alis, double tutar,
                     double oran, int donem, bool degerlendirilir) {
  db::KartRow k;
  k.Bolum = bolum;
  k.SabitKiymet = kod;
  k.Adi = adi;
  k.Alis_Tarihi = alis;
  k.Amortisman_Baslama = alis;
  k.Alis_Tutari = tutar;
  k.Kdv_Orani = 18;
  k.Kdv_Tutari = tutar * 18 / 100;
  k.Amortisman_Orani = oran;
  k.Amortisman_Donemi = donem;
  k.Degerlendirilir = degerlendirilir;
  return k;
}

// The departments the demo cards use, as values of code definition 001.
Status addDemoDepartments(db::Database& params) {
  try {
    db::Transaction tx(params);
    auto add = params.prepare(
        "INSERT INTO KodAlt (UlasKodTop, Kodu, Aciklama) "
        "SELECT Ulas, ?1, ?2 FROM KodTop WHERE Kodu = '001'");
    for (auto [code, name] : {std::pair{"01", "İdari Bina"}, {"02", "Üretim"}, {"03", "Lojistik"}}) {
      add.bind(1, code).bind(2, name).run();
    }
    tx.commit();
  } catch (const db::DbError& e) {
    return Status::error(std::string("Demo bölüm kodları yazılamadı: ") + e.what());
  }
  return Status::ok();
}

// A few cards of different kinds, so that a first look at the program has something to show,
// and the active year set to this year so that their ledgers can be extended.
Status fillDemoCompany(const std::string& root) {
  auto company = db::Database::open(companies::companyFolder(root, kDemoCompany),
                                    db::Database::Mode::MustExist);
  if (!company) return company.status();
  auto params = db::Database::open(db::sharedParameterFolder(root), db::Database::Mode::MustExist);
  if (!params) return params.status();
  const int year = Date::today().year();
  try {
    db::Transaction tx(**company);
    db::KartRepository cards(**company);
    cards.insert(demoCard("01", "100001", "Yönetim Binası", Date::fromYMD(year - 6, 1, 10), 2500000, 2, 0, false));
    cards.insert(demoCard("02", "200001", "Forklift Şarj Ünitesi", Date::fromYMD(year - 3, 3, 1), 50000, 25, 2, false));
    cards.insert(demoCard("02", "200002", "Çalışma Masası", Date::fromYMD(year - 2, 5, 15), 12000, 20, 1, false));
    cards.insert(demoCard("03", "300001", "Servis Aracı", Date::fromYMD(year - 4, 7, 1), 640000, 20, 0, true));
    tx.commit();
  } catch (const db::DbError& e) {
    return Status::error(std::string("Demo kartları yazılamadı: ") + e.what());
  }
  if (Status s = addDemoDepartments(**params); !s) return s;
  return db::storeParameter(**params, "Amortisman Hesaplama Aktif Yılı", std::to_string(year));
}

}  // namespace

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
  if (!saved) return saved.status();
  return fillDemoCompany(root);
}

}  // namespace orv::app
