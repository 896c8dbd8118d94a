// orvcheck: integrity check of a data folder's database after an abnormal end.
//   orvcheck -Q+ -R1 /A<folder or alias>
// "-Q+" is quiet (only problems are printed), "-R1" is accepted as the repair tool's option.
// An alias name is looked up in the alias store. Exit code: 0 fine, -2 files in use (the check
// was not done), -1 errors found or the database could not be read; 2 for a bad command line.
#include <filesystem>
#include <iostream>
#include <string>

#include "data/aliases.h"
#include "data/integrity_check.h"

namespace {

int usage() {
  std::cerr << "Kullanım: orvcheck -Q+ -R1 /A<klasör ya da alias>\n";
  return 2;
}

std::string folderOf(const std::string& folderOrAlias) {
  if (std::filesystem::is_directory(folderOrAlias)) return folderOrAlias;
  const auto aliased = orv::AliasStore(orv::defaultAliasFile()).path(folderOrAlias);
  return aliased ? *aliased : folderOrAlias;
}

}  // namespace

int main(int argc, char** argv) {
  std::string target;
  bool quiet = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg.size() > 2 && (arg.rfind("/A", 0) == 0 || arg.rfind("/a", 0) == 0)) {
      target = arg.substr(2);
      if (target.size() >= 2 && target.front() == '"' && target.back() == '"')
        target = target.substr(1, target.size() - 2);
    } else if (arg == "-Q+") {
      quiet = true;
    } else if (arg != "-Q-" && arg.rfind("-R", 0) != 0) {
      return usage();
    }
  }
  if (target.empty()) return usage();
  const std::string folder = folderOf(target);
  const auto report = orv::db::checkFolderDatabase(folder);
  for (const auto& problem : report.problems) std::cout << problem << "\n";
  if (!quiet && report.code == orv::db::kCheckFine) std::cout << "Kontrol tamam: " << folder << "\n";
  return report.code;
}
