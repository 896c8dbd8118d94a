// The demo data root: user DEMO with password "demo" and every right, one company DEMO.
#pragma once

#include <string>

#include "common/result.h"

namespace orv::app {

inline constexpr const char* kDemoUser = "DEMO";
inline constexpr const char* kDemoPassword = "demo";
inline constexpr const char* kDemoCompany = "DEMO";

// installRoot()/Demo/DATA
std::string demoRootFolder(const std::string& installRoot);
// Builds what is missing of the demo root (data root, user, company); an existing demo root
// is left as it is.
Status ensureDemoRoot(const std::string& root, const std::string& installRoot);

}  // namespace orv::app
