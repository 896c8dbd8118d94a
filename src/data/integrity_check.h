// The data check after an abnormal end: an integrity check of one data folder's database, run
// by the program orvcheck with the command line "-Q+ -R1 /A<folder or alias>". Exit codes:
// 0 fine, kCheckFilesInUse when another process is writing and the check was not done,
// kCheckErrorsFound when the database is damaged or cannot be read.
#pragma once

#include <string>
#include <vector>

namespace orv::db {

inline constexpr int kCheckFine = 0;
inline constexpr int kCheckErrorsFound = -1;
inline constexpr int kCheckFilesInUse = -2;

struct IntegrityReport {
  int code = kCheckFine;
  std::vector<std::string> problems;  // Turkish lines for the user
};

// Checks the database of FOLDER without changing it; creates nothing when it is missing.
IntegrityReport checkFolderDatabase(const std::string& folder);

// The arguments the program passes to orvcheck for a folder or an alias name.
std::vector<std::string> checkArguments(const std::string& folderOrAlias);
// The same as one command line: TOOL + " -Q+ -R1 " + "/A\"" + folderOrAlias + "\"".
std::string checkCommandLine(const std::string& toolPath, const std::string& folderOrAlias);
// A process exit status as orvcheck's signed code (POSIX reports -2 as 254).
int checkCodeFromExitStatus(int status);

}  // namespace orv::db
