// Sessions and login for the commands of orvdemirbas-cli.
#include "programs/cli/session_setup.h"

#include <algorithm>
#include <cstdlib>
#include <istream>

#include "app/activation.h"
#include "users/login.h"

namespace orv::cli {

void CliPrompter::message(MessageKind kind, const std::string& text) {
  (kind == MessageKind::Information ? out_ : err_) << text << "\n";
}

Answer CliPrompter::confirm(MessageKind, const std::string& text, bool) {
  err_ << text << " -> " << (answer_ == Answer::Yes ? "Evet" : answer_ == Answer::No ? "Hayır" : "Vazgeç")
       << "\n";
  return answer_;
}

Result<std::string> readLoginPassword(const Context& ctx) {
  if (const char* env = std::getenv("ORVDEMIRBAS_PASSWORD")) return std::string(env);
  std::string line;
  if (!std::getline(ctx.in, line))
    return Result<std::string>::error(
        "Şifre okunamadı: ORVDEMIRBAS_PASSWORD ortam değişkeninde ya da standart girdinin ilk "
        "satırında verilmelidir.");
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

Result<Session> openRootSession(const Context& ctx, bool needLogin) {
  if (ctx.root.empty()) return Result<Session>::error("Kök veri klasörü belirtilmedi (--root).");
  auto session = openRoot(ctx.root, /*aliasFile=*/"");
  if (!session) return session;
  if (!needLogin && ctx.user.empty()) return session;
  if (ctx.user.empty()) return Result<Session>::error("Bu komut için kullanıcı girişi gerekli (--user AD).");
  auto password = readLoginPassword(ctx);
  if (!password) return password.status();
  Session& s = session.value();
  if (Status st = users::loginToSession(s, *s.rootDb, ctx.user, password.value()); !st) return st;
  return session;
}

Result<Session> openCompanySession(const Context& ctx, const std::string& company, bool needLogin) {
  auto session = openRootSession(ctx, needLogin);
  if (!session) return session;
  CliPrompter prompter(ctx.out, ctx.err);
  if (Status st = activateCompany(session.value(), company, prompter); !st) return st;
  return session;
}

int reportFailure(const Context& ctx, const Status& status) {
  ctx.err << status.message() << "\n";
  return 1;
}

int reportUsage(const Context& ctx, const std::string& usage) {
  ctx.err << "Kullanım: orvdemirbas-cli " << usage << "\n";
  return 2;
}

std::string ParsedArgs::option(const std::string& name) const {
  for (const auto& [n, v] : options)
    if (n == name) return v;
  return {};
}

bool ParsedArgs::has(const std::string& name) const {
  return std::any_of(options.begin(), options.end(), [&](const auto& o) { return o.first == name; });
}

Result<ParsedArgs> parseArgs(const std::vector<std::string>& args, const std::vector<std::string>& names) {
  ParsedArgs parsed;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool known = a.rfind("--", 0) == 0 &&
                       std::find(names.begin(), names.end(), a.substr(2)) != names.end();
    if (!known) {
      parsed.words.push_back(a);
      continue;
    }
    if (i + 1 >= args.size()) return Result<ParsedArgs>::error(a + " seçeneğinin değeri eksik.");
    parsed.options.emplace_back(a.substr(2), args[++i]);
  }
  return parsed;
}

}  // namespace orv::cli
