// "user add | passwd | grant | revoke | list": the administration of users and their rights.
// No login is needed; access to the root data folder is the boundary.
#include <iostream>
#include <istream>
#include <memory>
#include <sstream>
#include <string>

#include "data/database.h"
#include "programs/cli/command.h"
#include "users/user_admin.h"

namespace orv::cli {
namespace {

// The root database, or nullptr after telling why on stderr.
std::unique_ptr<db::Database> openRoot(Context& ctx) {
  if (ctx.root.empty()) {
    ctx.err << "Kök veri klasörü belirtilmedi (--root).\n";
    return nullptr;
  }
  auto opened = db::Database::open(ctx.root, db::Database::Mode::MustExist);
  if (!opened) {
    ctx.err << opened.message() << "\n";
    return nullptr;
  }
  if (!opened.value()->hasTable("users") || !opened.value()->hasTable("Yetkiler")) {
    ctx.err << "Kök veri klasöründe kullanıcı tabloları yok: " << ctx.root << "\n";
    return nullptr;
  }
  return std::move(opened).value();
}

// The password is the first line of standard input (a CR before the line end is dropped).
bool readPassword(Context& ctx, std::string& password) {
  if (!std::getline(ctx.in, password)) {
    ctx.err << "Şifre okunamadı: şifre standart girdinin ilk satırında verilmelidir.\n";
    return false;
  }
  if (!password.empty() && password.back() == '\r') password.pop_back();
  return true;
}

int report(Context& ctx, const Status& status, const std::string& done) {
  if (!status) {
    ctx.err << status.message() << "\n";
    return 1;
  }
  ctx.out << done << "\n";
  return 0;
}

int usageError(Context& ctx, const std::string& usage) {
  ctx.err << "Kullanım: orvdemirbas-cli " << usage << "\n";
  return 2;
}

int runAdd(Context& ctx) {
  const std::string usage = "user add NAME --full-name TEXT";
  if (ctx.args.size() != 3 || ctx.args[1] != "--full-name") return usageError(ctx, usage);
  auto root = openRoot(ctx);
  if (!root) return 1;
  users::NewUser user{ctx.args[0], ctx.args[2], {}};
  if (!readPassword(ctx, user.password)) return 1;
  const auto id = users::addUser(*root, user);
  return report(ctx, id.status(), "Kullanıcı eklendi: " + user.userName);
}

int runPasswd(Context& ctx) {
  if (ctx.args.size() != 1) return usageError(ctx, "user passwd NAME");
  auto root = openRoot(ctx);
  if (!root) return 1;
  std::string password;
  if (!readPassword(ctx, password)) return 1;
  return report(ctx, users::setPassword(*root, ctx.args[0], password),
                "Şifre değiştirildi: " + ctx.args[0]);
}

int runRights(Context& ctx, bool grant) {
  const std::string usage = grant ? "user grant NAME CODE...|all" : "user revoke NAME CODE...";
  if (ctx.args.size() < 2) return usageError(ctx, usage);
  const std::vector<std::string> words(ctx.args.begin() + 1, ctx.args.end());
  const auto codes = users::parseRightCodes(words);
  if (!codes) {
    ctx.err << codes.message() << "\n";
    return 1;
  }
  auto root = openRoot(ctx);
  if (!root) return 1;
  const auto& name = ctx.args[0];
  return grant ? report(ctx, users::grantRights(*root, name, codes.value()), "Yetkiler verildi: " + name)
               : report(ctx, users::revokeRights(*root, name, codes.value()), "Yetkiler alındı: " + name);
}

int runList(Context& ctx) {
  if (!ctx.args.empty()) return usageError(ctx, "user list");
  auto root = openRoot(ctx);
  if (!root) return 1;
  const auto users = users::listUsers(*root);
  if (!users) {
    ctx.err << users.message() << "\n";
    return 1;
  }
  for (const auto& user : users.value()) {
    std::ostringstream codes;
    for (size_t i = 0; i < user.rights.size(); ++i) codes << (i ? "," : "") << user.rights[i];
    ctx.out << user.userName << "\t" << user.fullName << "\t" << codes.str() << "\n";
  }
  return 0;
}

const Registrar addCommand({{"user", "add"}, "user add NAME --full-name TEXT",
                            "Kullanıcı ekler; şifre standart girdinin ilk satırından okunur.", runAdd});
const Registrar passwdCommand({{"user", "passwd"}, "user passwd NAME",
                               "Kullanıcının şifresini değiştirir; şifre standart girdinin ilk "
                               "satırından okunur.",
                               runPasswd});
const Registrar grantCommand({{"user", "grant"}, "user grant NAME CODE...|all",
                              "Kullanıcıya yetki kodlarını (ya da hepsini: all) verir.",
                              [](Context& ctx) { return runRights(ctx, true); }});
const Registrar revokeCommand({{"user", "revoke"}, "user revoke NAME CODE...",
                               "Kullanıcıdan yetki kodlarını alır.",
                               [](Context& ctx) { return runRights(ctx, false); }});
const Registrar listCommand({{"user", "list"}, "user list",
                             "Kullanıcıları listeler: ad, tam ad ve verilmiş yetki kodları "
                             "(sekmeyle ayrılmış).",
                             runList});

}  // namespace
}  // namespace orv::cli
