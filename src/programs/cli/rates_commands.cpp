// "rates import" and "rates export": the revaluation rate table as CSV.
#include "definitions/revaluation_rates.h"
#include "programs/cli/command.h"
#include "programs/cli/session_setup.h"

namespace orv::cli {
namespace {

int runImport(Context& ctx) {
  const std::string usage = "rates import --company FİRMA DOSYA.csv";
  auto args = parseArgs(ctx.args, {"company"});
  if (!args) return reportFailure(ctx, args.status());
  if (args->words.size() != 1 || !args->has("company")) return reportUsage(ctx, usage);
  auto session = openCompanySession(ctx, args->option("company"), /*needLogin=*/true);
  if (!session) return reportFailure(ctx, session.status());
  auto saved = definitions::importRevaluationRates(session.value(), args->words[0]);
  if (!saved) return reportFailure(ctx, saved.status());
  ctx.out << *saved << " oran kaydedildi.\n";
  return 0;
}

int runExport(Context& ctx) {
  const std::string usage = "rates export --company FİRMA";
  auto args = parseArgs(ctx.args, {"company"});
  if (!args) return reportFailure(ctx, args.status());
  if (!args->words.empty() || !args->has("company")) return reportUsage(ctx, usage);
  auto session = openCompanySession(ctx, args->option("company"), /*needLogin=*/false);
  if (!session) return reportFailure(ctx, session.status());
  try {
    definitions::exportRevaluationRates(*session->parameterDb, ctx.out);
  } catch (const db::DbError& e) {
    return reportFailure(ctx, Status::error(std::string("Oranlar okunamadı: ") + e.what()));
  }
  return ctx.out ? 0 : 1;
}

const Registrar importCommand{{{"rates", "import"},
                               "rates import --company FİRMA DOSYA.csv",
                               "Yeniden değerleme oranlarını CSV dosyasından kaydeder (Tur, Tarih, "
                               "Oran, AltLimit, UstLimit).",
                               runImport}};
const Registrar exportCommand{{{"rates", "export"},
                               "rates export --company FİRMA",
                               "Yeniden değerleme oranlarını CSV olarak yazar.",
                               runExport}};

}  // namespace
}  // namespace orv::cli
