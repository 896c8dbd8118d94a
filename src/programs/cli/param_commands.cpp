// "param get" and "param set": a parameter of the shared parameter folder, or with
// --company of that company's parameter folder.
#include "app/activation.h"
#include "data/aliases.h"
#include "data/data_root.h"
#include "data/parameters.h"
#include "programs/cli/command.h"
#include "programs/cli/session_setup.h"

namespace orv::cli {
namespace {

// The parameter database chosen by --company (the shared one without it).
Result<std::unique_ptr<db::Database>> parameterDatabase(const Context& ctx, const std::string& company) {
  using R = Result<std::unique_ptr<db::Database>>;
  auto session = openRootSession(ctx, /*needLogin=*/false);
  if (!session) return session.status();
  std::string folder = db::sharedParameterFolder(ctx.root);
  if (!company.empty()) {
    auto folders = companyFolders(*session->rootDb, ctx.root, company);
    if (!folders) return folders.status();
    folder = folders->parameters;
  }
  auto db = db::Database::open(folder, db::Database::Mode::MustExist);
  if (!db) return db.status();
  if (!db.value()->hasTable("paramalt")) return R::error("Parametre tabloları bulunamadı: " + folder);
  return db;
}

int runGet(Context& ctx) {
  const std::string usage = "param get BAŞLIK [--company FİRMA]";
  auto args = parseArgs(ctx.args, {"company"});
  if (!args) return reportFailure(ctx, args.status());
  if (args->words.size() != 1) return reportUsage(ctx, usage);
  const std::string& title = args->words[0];
  auto db = parameterDatabase(ctx, args->option("company"));
  if (!db) return reportFailure(ctx, db.status());
  if (db::parameterExists(*db.value(), title)) {
    ctx.out << db::readParameter(*db.value(), title, "") << "\n";
    return 0;
  }
  if (auto def = db::findSystemParameter(title, installRoot())) {
    ctx.out << def->defaultValue << "\n";
    return 0;
  }
  return reportFailure(ctx, Status::error("Parametre bulunamadı: " + title));
}

int runSet(Context& ctx) {
  const std::string usage = "param set BAŞLIK DEĞER [--company FİRMA]";
  auto args = parseArgs(ctx.args, {"company"});
  if (!args) return reportFailure(ctx, args.status());
  if (args->words.size() != 2) return reportUsage(ctx, usage);
  auto db = parameterDatabase(ctx, args->option("company"));
  if (!db) return reportFailure(ctx, db.status());
  try {
    if (Status s = db::storeParameter(*db.value(), args->words[0], args->words[1]); !s)
      return reportFailure(ctx, s);
  } catch (const db::DbError& e) {
    return reportFailure(ctx, Status::error(std::string("Parametre yazılamadı: ") + e.what()));
  }
  ctx.out << "Parametre kaydedildi: " << args->words[0] << "\n";
  return 0;
}

const Registrar get{{{"param", "get"},
                     "param get BAŞLIK [--company FİRMA]",
                     "Parametrenin değerini yazar (kayıt yoksa varsayılan değerini).",
                     runGet}};
const Registrar set{{{"param", "set"},
                     "param set BAŞLIK DEĞER [--company FİRMA]",
                     "Parametrenin değerini kaydeder (kayıt yoksa ekler).",
                     runSet}};

}  // namespace
}  // namespace orv::cli
