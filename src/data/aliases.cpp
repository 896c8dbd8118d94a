// The alias store and the folders the program starts from.
#include "data/aliases.h"

#include <cstdlib>
#include <filesystem>

#include "data/ini_file.h"

namespace orv {
namespace fs = std::filesystem;
namespace {

std::string env(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

std::string homeFolder() {
#ifdef _WIN32
  const std::string home = env("USERPROFILE");
#else
  const std::string home = env("HOME");
#endif
  return home.empty() ? fs::temp_directory_path().string() : home;
}

std::string join(const std::string& a, const std::string& b) { return (fs::path(a) / b).string(); }

}  // namespace

std::string installRoot() {
  if (const std::string v = env("ORVAN_HOME"); !v.empty()) return v;
#ifdef _WIN32
  return "C:\\ORVAN.WIN";
#else
  return join(join(homeFolder(), ".local/share"), "ORVAN.WIN");
#endif
}

std::string configFolder() {
  if (const std::string v = env("ORVDEMIRBAS_CONFIG"); !v.empty()) return v;
#ifdef _WIN32
  const std::string base = env("APPDATA").empty() ? homeFolder() : env("APPDATA");
#else
  const std::string base = env("XDG_CONFIG_HOME").empty() ? join(homeFolder(), ".config") : env("XDG_CONFIG_HOME");
#endif
  return join(base, "OrvDemirbas");
}

std::string defaultAliasFile() { return join(configFolder(), kAliasFileName); }

std::vector<AliasDefault> standardAliases(const std::string& home) {
  const std::string demirbas = join(home, "Demirbas");
  return {
      {kRootAlias, join(demirbas, "DATA"), "ORVAN-Demirbas Root"},
      {kCompanyAlias, join(demirbas, "ORNEK"), "ORVAN-Demirbas Firma Bilgileri Veri Yolu"},
      {kParameterAlias, join(join(demirbas, "DATA"), "PARAMETRE"),
       "ORVAN-Demirbas Firma Parametreleri Veri Yolu"},
  };
}

std::optional<std::string> AliasStore::path(const std::string& alias) const {
  auto ini = IniFile::load(file_);
  if (!ini) return std::nullopt;
  return ini->value(alias, "PATH");
}

Result<std::string> AliasStore::ensure(const std::string& alias, const std::string& defaultPath,
                                       const std::string& title, Prompter& prompter) {
  if (auto existing = path(alias)) return *existing;
  prompter.message(MessageKind::Warning, title + " Alias parametrelerine ulaşılamıyor !...");
  if (Status s = repoint(alias, defaultPath); !s) return s;
  prompter.message(MessageKind::Information, "Yeni ALIAS üretildi: " + title);
  return defaultPath;
}

Status AliasStore::repoint(const std::string& alias, const std::string& folder) {
  auto ini = IniFile::load(file_);
  if (!ini) return ini.status();
  IniFile updated = std::move(ini).value();
  updated.replaceSection(alias, {{"PATH", folder}});
  return updated.save(file_);
}

Result<std::string> ensureStandardAliases(AliasStore& store, Prompter& prompter, const std::string& home) {
  std::string root;
  for (const auto& a : standardAliases(home)) {
    auto p = store.ensure(a.alias, a.defaultPath, a.title, prompter);
    if (!p) return p.status();
    if (a.alias == kRootAlias) root = p.value();
  }
  return root;
}

}  // namespace orv
