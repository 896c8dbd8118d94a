// Where the program finds its data: the install root, the user's configuration folder and
// the alias store "aliases.ini" (one section per alias with its PATH), which stands for the
// database engine's persistent aliases. Repointing an alias is saved at once, so the next
// start opens the last active company.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/prompter.h"
#include "common/result.h"

namespace orv {

inline constexpr const char* kRootAlias = "ORVDEMROOT";
inline constexpr const char* kCompanyAlias = "ORVDEM001";
inline constexpr const char* kParameterAlias = "ORVDEM002";
inline constexpr const char* kAccountingAlias = "ORVMUHROOT";
inline constexpr const char* kAliasFileName = "aliases.ini";

// ORVAN_HOME, else the user's data folder (~/.local/share/ORVAN.WIN; C:\ORVAN.WIN on Windows).
std::string installRoot();
// ORVDEMIRBAS_CONFIG, else ~/.config/OrvDemirbas ($XDG_CONFIG_HOME honoured; %APPDATA% on Windows).
std::string configFolder();
std::string defaultAliasFile();  // configFolder()/aliases.ini

struct AliasDefault {
  std::string alias;
  std::string defaultPath;
  std::string title;  // used in the two messages of `ensure`
};
// The program's three aliases with their defaults below the install root.
std::vector<AliasDefault> standardAliases(const std::string& installRoot);

class AliasStore {
 public:
  explicit AliasStore(std::string file) : file_(std::move(file)) {}
  const std::string& file() const { return file_; }

  // The folder of an alias, or nothing when the alias (or the store) does not exist.
  std::optional<std::string> path(const std::string& alias) const;
  // The folder of the alias; a missing alias is created with the default path after the
  // warning "<title> Alias parametrelerine ulaşılamıyor !..." and announced with
  // "Yeni ALIAS üretildi: <title>".
  Result<std::string> ensure(const std::string& alias, const std::string& defaultPath,
                             const std::string& title, Prompter& prompter);
  // Points the alias at a folder and saves the store.
  Status repoint(const std::string& alias, const std::string& folder);

 private:
  std::string file_;
};

// Ensures the three aliases as the program does at start; returns the root data folder.
Result<std::string> ensureStandardAliases(AliasStore& store, Prompter& prompter,
                                          const std::string& installRoot);

}  // namespace orv
