// The command-line form of trimcopy, for scripts: trimcopy SOURCE NEWFILE SIZE.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace trimcopy {

// Exit codes: 0 copied, 1 the copy was refused or failed, 2 the command line is wrong.
constexpr int kExitOk = 0;
constexpr int kExitCopyFailed = 1;
constexpr int kExitUsage = 2;

// Runs the command line given as UTF-8 arguments (without the program name). Output for
// people goes to out, reasons of failure in Turkish to err.
int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// A whole number in decimal digits with an optional sign; nullopt when it is not one or
// does not fit in 64 bits.
std::optional<long long> parseWholeNumber(const std::string& text);

}  // namespace trimcopy
