#include "app/screen_settings.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace orv::app {

std::string settingsFile(const std::string& configFolder, const char* name) {
  return (fs::path(configFolder) / name).string();
}

Status resetScreenSettings(const std::string& configFolder) {
  std::string failed;
  std::error_code ec;
  fs::create_directories(configFolder, ec);
  for (const char* name : {kPlacementFile1, kPlacementFile2}) {
    std::ofstream out(settingsFile(configFolder, name), std::ios::trunc);
    if (!out) failed += " " + settingsFile(configFolder, name);
  }
  const std::string layout = settingsFile(configFolder, kLayoutFile);
  fs::remove(layout, ec);
  if (ec) failed += " " + layout;
  if (!failed.empty()) return Status::error("Anahtar açılamıyor:" + failed);
  return Status::ok();
}

}  // namespace orv::app
