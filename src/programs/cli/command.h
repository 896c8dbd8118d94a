// Commands of orvdemirbas-cli register themselves here; the entry point parses the global
// options (--root, --user), finds the command by its words and runs it.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace orv::cli {

struct Context {
  std::string root;                 // root data folder (from --root or the alias store)
  std::string user;                 // from --user; empty when not given
  std::vector<std::string> args;    // the words after the command's own words
  std::ostream& out;
  std::ostream& err;
  std::istream& in;
};

struct Command {
  std::vector<std::string> words;   // {"param", "get"}
  std::string usage;                // "param get TITLE [--company NAME]"
  std::string help;                 // one line, Turkish
  std::function<int(Context&)> run; // exit code: 0 only on full success
};

void registerCommand(Command command);
const std::vector<Command>& commands();

// A file of commands defines one of these at namespace scope.
struct Registrar {
  explicit Registrar(Command command) { registerCommand(std::move(command)); }
};

}  // namespace orv::cli
