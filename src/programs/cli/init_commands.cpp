// "init": creates a fresh data root (root tables, ORNEK, PARAMETRE, lock slots).
#include "data/data_root.h"
#include "programs/cli/command.h"
#include "programs/cli/session_setup.h"

namespace orv::cli {
namespace {

int runInit(Context& ctx) {
  const std::string usage = "init [--root KLASÖR]";
  auto args = parseArgs(ctx.args, {"root"});
  if (!args) return reportFailure(ctx, args.status());
  if (!args->words.empty()) return reportUsage(ctx, usage);
  const std::string root = args->has("root") ? args->option("root") : ctx.root;
  if (root.empty()) return reportUsage(ctx, usage);
  CliPrompter prompter(ctx.out, ctx.err);
  const Status s = db::initDataRoot(root, prompter);
  return s ? 0 : reportFailure(ctx, s);
}

const Registrar init{{{"init"},
                      "init [--root KLASÖR]",
                      "Yeni bir kök veri klasörü kurar (ORNEK ve PARAMETRE ile); kurulu kökte "
                      "hiçbir şey değiştirmez.",
                      runInit}};

}  // namespace
}  // namespace orv::cli
