// The list of commands that the command files register at start.
#include "programs/cli/command.h"

namespace orv::cli {
namespace {

std::vector<Command>& registry() {
  static std::vector<Command> list;  // function-local: filled during static initialisation
  return list;
}

}  // namespace

void registerCommand(Command command) { registry().push_back(std::move(command)); }
const std::vector<Command>& commands() { return registry(); }

}  // namespace orv::cli
