// "asset import" and "asset export": asset cards as CSV.
#include "assets/card.h"
#include "data/kart_csv.h"
#include "data/locks.h"
#include "programs/cli/command.h"
#include "programs/cli/session_setup.h"

namespace orv::cli {
namespace {

int runImport(Context& ctx) {
  const std::string usage = "asset import --company FİRMA DOSYA.csv";
  auto args = parseArgs(ctx.args, {"company"});
  if (!args) return reportFailure(ctx, args.status());
  if (args->words.size() != 1 || !args->has("company")) return reportUsage(ctx, usage);
  auto session = openCompanySession(ctx, args->option("company"), /*needLogin=*/true);
  if (!session) return reportFailure(ctx, session.status());
  if (!session->hasRight(assets::kRightNewCard))
    return reportFailure(ctx, Status::error(assets::kNoNewCardRight));
  auto cards = db::readKartCsv(*session->companyDb, args->words[0]);
  if (!cards) return reportFailure(ctx, cards.status());
  // Saved as the card screen saves: under lock slot 1, waiting for another workstation's save.
  CliPrompter waiting(ctx.out, ctx.err, Answer::Yes);
  locks::RecordLocks locks(*session->rootDb, locks::lockSettingsFor(*session), waiting);
  auto saved = assets::KartlariKaydet(session.value(), locks, std::move(cards).value());
  if (!saved) return reportFailure(ctx, saved.status());
  ctx.out << *saved << " kart kaydedildi.\n";
  return 0;
}

int runExport(Context& ctx) {
  const std::string usage = "asset export --company FİRMA";
  auto args = parseArgs(ctx.args, {"company"});
  if (!args) return reportFailure(ctx, args.status());
  if (!args->words.empty() || !args->has("company")) return reportUsage(ctx, usage);
  auto session = openCompanySession(ctx, args->option("company"), /*needLogin=*/false);
  if (!session) return reportFailure(ctx, session.status());
  try {
    db::exportKartCsv(*session->companyDb, ctx.out);
  } catch (const db::DbError& e) {
    return reportFailure(ctx, Status::error(std::string("Kartlar okunamadı: ") + e.what()));
  }
  return ctx.out ? 0 : 1;
}

const Registrar importCommand{
    {{"asset", "import"},
     "asset import --company FİRMA DOSYA.csv",
     "CSV dosyasındaki kartları kaydeder; hatalı dosyadan hiçbir şey kaydedilmez.",
     runImport}};
const Registrar exportCommand{
    {{"asset", "export"}, "asset export --company FİRMA", "Kartları CSV olarak yazar.", runExport}};

}  // namespace
}  // namespace orv::cli
