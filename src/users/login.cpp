// Login, attempt rules, command-line login text and rights of this program.
#include "users/login.h"

#include <charconv>

#include "common/turkish.h"
#include "users/password.h"

namespace orv::users {
namespace {

constexpr const char* kReadFailedText = "Kullanıcı bilgileri okunamadı: ";

std::optional<int> parseCode(std::string_view code) {
  int value = 0;
  const auto* end = code.data() + code.size();
  const auto [ptr, ec] = std::from_chars(code.data(), end, value);
  if (ec != std::errc() || ptr != end || code.empty()) return std::nullopt;
  return value;
}

}  // namespace

Result<std::vector<std::string>> userNames(db::Database& root) {
  try {
    std::vector<std::string> names;
    auto st = root.prepare("SELECT Username FROM users WHERE Username IS NOT NULL ORDER BY Username");
    while (st.step()) names.push_back(st.getText(0));
    return names;
  } catch (const db::DbError& e) {
    return Result<std::vector<std::string>>::error(kReadFailedText + std::string(e.what()));
  }
}

Result<KullaniciBilgileri> login(db::Database& root, const std::string& user,
                                 const std::string& password) {
  using R = Result<KullaniciBilgileri>;
  try {
    auto st = root.prepare("SELECT Ulas, Password, Adi, Username, IP FROM users WHERE Username = ?1 "
                           "ORDER BY Ulas LIMIT 1");
    st.bind(1, user);
    if (user.empty() || !st.step()) return R::error(kUnknownUserText);
    const auto encoded = encodePassword(password);
    if (!encoded || encoded.value() != st.getText(1)) return R::error(kWrongPasswordText);
    KullaniciBilgileri who;
    who.id = st.getInt(0);
    who.fullName = st.getText(2);
    who.userName = st.getText(3);
    who.address = st.getText(4);
    return who;
  } catch (const db::DbError& e) {
    return R::error(kReadFailedText + std::string(e.what()));
  }
}

bool isUnknownUser(const Status& failure) {
  return !failure.isOk() && failure.message() == kUnknownUserText;
}

bool isWrongPassword(const Status& failure) {
  return !failure.isOk() && failure.message() == kWrongPasswordText;
}

Result<KullaniciBilgileri> LoginAttempts::tryLogin(const std::string& user,
                                                   const std::string& password) {
  if (exhausted()) return Result<KullaniciBilgileri>::error(kWrongPasswordText);
  auto result = login(root_, user, password);
  if (isWrongPassword(result.status())) ++failed_;
  return result;
}

std::optional<CommandLineLogin> parseCommandLineLogin(std::string_view text) {
  // Each of the four parts is followed by "@"; anything after the fourth is ignored.
  std::vector<std::string> parts;
  size_t start = 0;
  while (parts.size() < 4) {
    const size_t at = text.find('@', start);
    if (at == std::string_view::npos) return std::nullopt;
    parts.emplace_back(text.substr(start, at - start));
    start = at + 1;
  }
  if (parts[0] != kCommandLineMarker) return std::nullopt;
  return CommandLineLogin{parts[1], parts[2], parts[3]};
}

Result<std::set<int>> loadRights(db::Database& root, long long userId) {
  try {
    std::set<int> granted;
    auto st = root.prepare("SELECT Yetki_Id FROM Yetkiler WHERE UlasProje = ?1 AND UlasUser = ?2 "
                           "AND Durum <> 0 AND Yetki_Id IS NOT NULL ORDER BY Yetki_Id");
    st.bind(1, kProgramNumber).bind(2, userId);
    while (st.step()) granted.insert(static_cast<int>(st.getInt(0)));
    return granted;
  } catch (const db::DbError& e) {
    return Result<std::set<int>>::error("Yetkiler okunamadı: " + std::string(e.what()));
  }
}

Status loginToSession(Session& session, db::Database& root, const std::string& user,
                      const std::string& password) {
  auto who = login(root, user, password);
  if (!who) return who.status();
  auto rights = loadRights(root, who->id);
  if (!rights) return rights.status();
  session.user = who.value();
  session.rights = std::move(rights).value();
  return Status::ok();
}

bool hasRight(const std::set<int>& rights, std::string_view code) {
  const auto value = parseCode(trim(code));
  return value && rights.count(*value) > 0;
}

bool hasRight(const Session& session, std::string_view code) { return hasRight(session.rights, code); }

}  // namespace orv::users
