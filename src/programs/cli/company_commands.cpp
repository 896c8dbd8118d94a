// "company create", "company set" and "company list": company cards with their folders,
// through the same operations as the company card screen.
#include <iomanip>

#include "companies/companies.h"
#include "data/code_lists.h"
#include "data/data_root.h"
#include "programs/cli/command.h"
#include "programs/cli/session_setup.h"

namespace orv::cli {
namespace {

// FIELD=VALUE words into the row; dates as yyyy-mm-dd.
Status applyFields(companies::CompanyRow& row, const std::vector<std::string>& words) {
  for (const std::string& w : words) {
    const auto eq = w.find('=');
    if (eq == std::string::npos || eq == 0)
      return Status::error("ALAN=DEĞER bekleniyordu: " + w);
    if (Status s = row.set(w.substr(0, eq), w.substr(eq + 1)); !s) return s;
  }
  return Status::ok();
}

// A user given with --user needs the right of the card screen's command.
Status checkRight(const Context& ctx, const Session& s, int code) {
  if (ctx.user.empty() || s.hasRight(code)) return Status::ok();
  return Status::error("Programda Bu İşlemi Yapmaya Yetkili Değilsiniz");
}

int save(Context& ctx, Session& s, companies::CompanyRow& row, const std::string& loadedName) {
  CliPrompter prompter(ctx.out, ctx.err);
  companies::CompanyContext cc{*s.rootDb, ctx.root, "", nullptr};
  auto saved = companies::saveCompany(cc, row, loadedName, prompter);
  return saved ? 0 : reportFailure(ctx, saved.status());
}

int runCreate(Context& ctx) {
  if (ctx.args.empty()) return reportUsage(ctx, "company create AD [ALAN=DEĞER...]");
  auto session = openRootSession(ctx, false);
  if (!session) return reportFailure(ctx, session.status());
  if (Status s = checkRight(ctx, *session, 805); !s) return reportFailure(ctx, s);
  std::vector<std::string> currencies;
  if (auto p = db::Database::open(db::sharedParameterFolder(ctx.root), db::Database::Mode::MustExist))
    currencies = db::fillCurrencyList(**p);
  companies::CompanyRow row = companies::newCompanyRow(currencies);
  if (Status s = row.set("Adi", ctx.args[0]); !s) return reportFailure(ctx, s);
  row.set("Yil", ctx.args[0]);
  const std::vector<std::string> fields(ctx.args.begin() + 1, ctx.args.end());
  if (Status s = applyFields(row, fields); !s) return reportFailure(ctx, s);
  return save(ctx, session.value(), row, "");
}

int runSet(Context& ctx) {
  if (ctx.args.size() < 2) return reportUsage(ctx, "company set AD ALAN=DEĞER...");
  auto session = openRootSession(ctx, false);
  if (!session) return reportFailure(ctx, session.status());
  if (Status s = checkRight(ctx, *session, 810); !s) return reportFailure(ctx, s);
  auto found = companies::findCompany(*session->rootDb, ctx.args[0]);
  if (!found) return reportFailure(ctx, found.status());
  if (!found->has_value()) return reportFailure(ctx, Status::error("Firma bulunamadı: " + ctx.args[0]));
  companies::CompanyRow row = **found;
  const std::vector<std::string> fields(ctx.args.begin() + 1, ctx.args.end());
  if (Status s = applyFields(row, fields); !s) return reportFailure(ctx, s);
  return save(ctx, session.value(), row, ctx.args[0]);
}

int runList(Context& ctx) {
  if (!ctx.args.empty()) return reportUsage(ctx, "company list");
  auto session = openRootSession(ctx, false);
  if (!session) return reportFailure(ctx, session.status());
  auto rows = companies::listCompanies(*session->rootDb);
  if (!rows) return reportFailure(ctx, rows.status());
  ctx.out << std::left << std::setw(10) << "Adi" << std::setw(10) << "Yil"
          << std::setw(14) << "Listelenmez" << "Unvan\n";
  for (const auto& r : *rows)
    ctx.out << std::setw(10) << r.name() << std::setw(10) << r.get("Yil") << std::setw(14)
            << (r.flag("Goster") ? "evet" : "") << r.get("Unvan") << "\n";
  return 0;
}

const Registrar create{{{"company", "create"},
                        "company create AD [ALAN=DEĞER...]",
                        "Yeni firma kartı ve firma dizini oluşturur (tarihler yyyy-aa-gg).",
                        runCreate}};
const Registrar set{{{"company", "set"},
                     "company set AD ALAN=DEĞER...",
                     "Firma kartının alanlarını değiştirir; Adi değişirse dizini taşır.",
                     runSet}};
const Registrar list{{{"company", "list"}, "company list", "Firma kartlarını listeler.", runList}};

}  // namespace
}  // namespace orv::cli
