// The data check after an abnormal end: wait for other workstations to leave, then run the
// check tool `orvcheck` over the company folder and act on its exit code (-2: files in use,
// another negative value: errors found).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/login_bookkeeping.h"
#include "app/prompter.h"
#include "common/result.h"
#include "data/database.h"

namespace orv::app {

// Starts PROGRAM with ARGS, waits for it and gives its exit code; a failure to start or to
// wait carries one of the texts "Error during CreateProcess", "Error in WaitForSingleObject",
// "Error in GetExitCodeProcess".
using ToolRunner =
    std::function<Result<int>(const std::string& program, const std::vector<std::string>& args)>;

// orvcheck beside the running program (orvcheck.exe on Windows).
std::string checkToolPath(const std::string& programFolder);
// The tool's arguments: -Q+ -R1 and /A followed by the company folder.
std::vector<std::string> checkToolArguments(const std::string& companyFolder);

enum class CheckEnd { Continue, EndProgram };

struct DataCheckInput {
  db::Database& root;
  Workstation workstation;
  std::string toolPath;
  std::string companyFolder;  // the folder the company alias points to
};

// Runs the check. EndProgram when the user does not go on after errors were found; the
// workstation's login row is then already removed.
CheckEnd runDataCheck(const DataCheckInput& in, const ToolRunner& run, Prompter& prompter);

}  // namespace orv::app
