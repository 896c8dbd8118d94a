// The files that keep screen settings in the user's configuration folder: the placement
// files DEM001.INI and DEM002.INI, and DEMIRBAS.INI for the bar and side-bar layouts (its
// sections are the key names below "Software\ORVAN\DEMIRBAS", e.g. "SIDEBARS/MAIN").
#pragma once

#include <string>

#include "common/result.h"

namespace orv::app {

inline constexpr const char* kPlacementFile1 = "DEM001.INI";
inline constexpr const char* kPlacementFile2 = "DEM002.INI";
inline constexpr const char* kLayoutFile = "DEMIRBAS.INI";

std::string settingsFile(const std::string& configFolder, const char* name);

// Empties both placement files and removes the layout file. A file that cannot be written
// is named in the message; the others are still reset.
Status resetScreenSettings(const std::string& configFolder);

}  // namespace orv::app
