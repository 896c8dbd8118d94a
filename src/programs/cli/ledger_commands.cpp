// "ledger extend" and "ledger export": depreciation ledgers in batch.
#include <algorithm>

#include "depreciation/ledger_batch.h"
#include "programs/cli/command.h"
#include "programs/cli/session_setup.h"

namespace orv::cli {
namespace {

using depreciation::AssetCode;

// The --asset option as BOLUM/CODE; nullopt with an error printed when malformed.
bool readAsset(const Context& ctx, const ParsedArgs& args, std::optional<AssetCode>& asset) {
  if (!args.has("asset")) return true;
  asset = depreciation::parseAssetCode(args.option("asset"));
  if (!asset)
    ctx.err << "--asset BÖLÜM/KOD biçiminde verilmelidir: " << args.option("asset") << "\n";
  return asset.has_value();
}

int runExtend(Context& ctx) {
  const std::string usage = "ledger extend --company FİRMA (--asset BÖLÜM/KOD | --all)";
  auto args = parseArgs(ctx.args, {"company", "asset"});
  if (!args) return reportFailure(ctx, args.status());
  const bool all = std::find(args->words.begin(), args->words.end(), "--all") != args->words.end();
  if (args->words.size() != (all ? 1u : 0u) || !args->has("company") || all == args->has("asset"))
    return reportUsage(ctx, usage);
  depreciation::UzatmaSecenekleri options;
  if (!readAsset(ctx, *args, options.asset)) return 2;
  auto session = openCompanySession(ctx, args->option("company"), /*needLogin=*/true);
  if (!session) return reportFailure(ctx, session.status());
  long long cards = 0, periods = 0;
  const Status s = depreciation::extendLedgers(session.value(), options, [&](const auto& r) {
    ctx.out << r.bolum << "/" << r.sabitKiymet << ": " << r.eklenen << " dönem eklendi; "
            << depreciation::nedenMetni(r) << "\n";
    ++cards;
    periods += r.eklenen;
  });
  if (!s) return reportFailure(ctx, s);
  ctx.out << cards << " kart, " << periods << " dönem.\n";
  return 0;
}

int runExport(Context& ctx) {
  const std::string usage = "ledger export --company FİRMA [--asset BÖLÜM/KOD]";
  auto args = parseArgs(ctx.args, {"company", "asset"});
  if (!args) return reportFailure(ctx, args.status());
  if (!args->words.empty() || !args->has("company")) return reportUsage(ctx, usage);
  std::optional<AssetCode> asset;
  if (!readAsset(ctx, *args, asset)) return 2;
  auto session = openCompanySession(ctx, args->option("company"), /*needLogin=*/false);
  if (!session) return reportFailure(ctx, session.status());
  const Status s = depreciation::exportLedgers(*session->companyDb, asset, ctx.out);
  return s ? 0 : reportFailure(ctx, s);
}

const Registrar extendCommand{{{"ledger", "extend"},
                               "ledger extend --company FİRMA (--asset BÖLÜM/KOD | --all)",
                               "Amortisman tablolarına hesaplanabilen dönemleri ekler ve saklar.",
                               runExtend}};
const Registrar exportCommand{{{"ledger", "export"},
                               "ledger export --company FİRMA [--asset BÖLÜM/KOD]",
                               "Saklı amortisman tablolarını CSV olarak yazar.",
                               runExport}};

}  // namespace
}  // namespace orv::cli
