// What command files share: the prompter of the command line, the login of --user and the
// sessions on the root or on an activated company.
#pragma once

#include <ostream>
#include <string>

#include "app/prompter.h"
#include "app/session.h"
#include "common/result.h"
#include "programs/cli/command.h"

namespace orv::cli {

// Information goes to stdout, warnings and errors to stderr; a question is printed to stderr
// and answered with the fixed answer (No unless a command decides otherwise).
class CliPrompter : public Prompter {
 public:
  CliPrompter(std::ostream& out, std::ostream& err, Answer answer = Answer::No)
      : out_(out), err_(err), answer_(answer) {}
  void message(MessageKind kind, const std::string& text) override;
  Answer confirm(MessageKind kind, const std::string& text, bool withCancel) override;

 private:
  std::ostream& out_;
  std::ostream& err_;
  Answer answer_;
};

// The password of --user: ORVDEMIRBAS_PASSWORD, else the first line of standard input.
Result<std::string> readLoginPassword(const Context& ctx);

// A session on the root data folder. With needLogin, or whenever --user was given, the user
// logs in (user and rights in the session). The command line repoints no aliases.
Result<Session> openRootSession(const Context& ctx, bool needLogin);
// The same, with the company activated.
Result<Session> openCompanySession(const Context& ctx, const std::string& company, bool needLogin);

// Prints the failure on stderr and gives the exit code 1.
int reportFailure(const Context& ctx, const Status& status);
// Prints "Kullanım: orvdemirbas-cli <usage>" on stderr and gives the exit code 2.
int reportUsage(const Context& ctx, const std::string& usage);

// Splits the arguments into plain words and "--name VALUE" options (names without dashes).
// An option without its value is an error.
struct ParsedArgs {
  std::vector<std::string> words;
  std::vector<std::pair<std::string, std::string>> options;
  std::string option(const std::string& name) const;  // "" when absent
  bool has(const std::string& name) const;
};
Result<ParsedArgs> parseArgs(const std::vector<std::string>& args,
                             const std::vector<std::string>& optionNames);

}  // namespace orv::cli
