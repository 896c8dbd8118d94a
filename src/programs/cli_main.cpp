// orvdemirbas-cli [--root DIR] [--user NAME] COMMAND [ARGS]: parses the global options,
// finds the command by its words and runs it. Errors in Turkish on stderr; exit code 0 only
// on full success, 1 for a failed command, 2 for a wrong command line.
#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "data/aliases.h"
#include "programs/cli/command.h"

namespace {

using orv::cli::Command;

struct GlobalOptions {
  std::string root;
  std::string user;
  bool help = false;
  size_t commandStart = 0;  // index of the first word of the command
};

std::string defaultRoot() {
  orv::AliasStore store(orv::defaultAliasFile());
  if (auto p = store.path(orv::kRootAlias)) return *p;
  return orv::standardAliases(orv::installRoot()).front().defaultPath;
}

bool parseGlobals(const std::vector<std::string>& args, GlobalOptions& g, std::ostream& err) {
  size_t i = 0;
  for (; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      g.help = true;
    } else if (a == "--root" || a == "--user") {
      if (i + 1 >= args.size()) {
        err << a << " seçeneğinin değeri eksik.\n";
        return false;
      }
      (a == "--root" ? g.root : g.user) = args[++i];
    } else if (a.rfind("--root=", 0) == 0) {
      g.root = a.substr(7);
    } else if (a.rfind("--user=", 0) == 0) {
      g.user = a.substr(7);
    } else if (a.rfind("--", 0) == 0) {
      err << "Bilinmeyen seçenek: " << a << "\n";
      return false;
    } else {
      break;
    }
  }
  g.commandStart = i;
  return true;
}

// The command whose words match the most leading arguments.
const Command* findCommand(const std::vector<std::string>& words) {
  const Command* best = nullptr;
  for (const auto& c : orv::cli::commands()) {
    if (c.words.size() > words.size() || !std::equal(c.words.begin(), c.words.end(), words.begin())) continue;
    if (!best || c.words.size() > best->words.size()) best = &c;
  }
  return best;
}

void printHelp(std::ostream& out) {
  out << "Kullanım: orvdemirbas-cli [--root KLASÖR] [--user AD] KOMUT [ARGÜMANLAR]\n"
         "  --root KLASÖR  kök veri klasörü (verilmezse takma ad deposundaki ORVDEMROOT)\n"
         "  --user AD      kullanıcı girişi; şifre ORVDEMIRBAS_PASSWORD ortam değişkeninden,\n"
         "                 yoksa standart girdinin ilk satırından okunur\n\nKomutlar:\n";
  std::vector<const Command*> sorted;
  for (const auto& c : orv::cli::commands()) sorted.push_back(&c);
  std::sort(sorted.begin(), sorted.end(), [](const Command* a, const Command* b) { return a->usage < b->usage; });
  for (const Command* c : sorted) out << "  " << c->usage << "\n      " << c->help << "\n";
}

int run(const std::vector<std::string>& args) {
  GlobalOptions g;
  if (!parseGlobals(args, g, std::cerr)) return 2;
  const std::vector<std::string> rest(args.begin() + static_cast<long>(g.commandStart), args.end());
  if (rest.empty()) {
    printHelp(g.help ? std::cout : std::cerr);
    return g.help ? 0 : 2;
  }
  const Command* cmd = findCommand(rest);
  if (!cmd) {
    std::cerr << "Bilinmeyen komut: " << rest.front() << " (komutların listesi için --help)\n";
    return 2;
  }
  std::vector<std::string> cmdArgs(rest.begin() + static_cast<long>(cmd->words.size()), rest.end());
  if (g.help || (!cmdArgs.empty() && (cmdArgs[0] == "--help" || cmdArgs[0] == "-h"))) {
    std::cout << "Kullanım: orvdemirbas-cli " << cmd->usage << "\n" << cmd->help << "\n";
    return 0;
  }
  orv::cli::Context ctx{g.root.empty() ? defaultRoot() : g.root, g.user, std::move(cmdArgs),
                        std::cout, std::cerr, std::cin};
  return cmd->run(ctx);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::cerr << "Beklenmeyen hata: " << e.what() << "\n";
    return 1;
  }
}
