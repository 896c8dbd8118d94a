// Writing users and Yetkiler rows.
#include "users/user_admin.h"

#include <charconv>

#include "common/turkish.h"
#include "data/catalogue.h"
#include "users/login.h"
#include "users/password.h"
#include "users/rights.h"

namespace orv::users {
namespace {

Status storageFailure(const db::DbError& e) {
  return Status::error("Kullanıcı bilgileri yazılamadı: " + std::string(e.what()));
}

Status checkUsersField(std::string_view field, std::string_view value) {
  return db::checkWidth(*db::findTable("users"), field, value);
}

// The encoded password, after the checks of the typed text.
Result<std::string> checkedPassword(const std::string& password) {
  for (char32_t c : toU32(password))
    if (c < 0x20) return Result<std::string>::error("Şifrede kontrol karakteri olamaz.");
  if (auto width = checkUsersField("Password", password); !width) return width;
  return encodePassword(password);
}

// Ulas of the user with exactly this name, 0 when there is none.
long long findUserId(db::Database& root, const std::string& userName) {
  auto st = root.prepare("SELECT Ulas FROM users WHERE Username = ?1 ORDER BY Ulas LIMIT 1");
  st.bind(1, userName);
  return st.step() ? st.getInt(0) : 0;
}

Status userNotFound(const std::string& userName) {
  return Status::error("Kullanıcı bulunamadı: " + userName);
}

Result<long long> insertUser(db::Database& root, const NewUser& user, Date today) {
  using R = Result<long long>;
  if (trim(user.userName).empty() || trim(user.userName) != user.userName)
    return R::error("Kullanıcı adı boş olamaz, başında ve sonunda boşluk olamaz.");
  for (char32_t c : toU32(user.userName))
    if (c < 0x20 || c == U'@') return R::error("Kullanıcı adında \"@\" ve kontrol karakteri olamaz.");
  if (auto s = checkUsersField("Username", user.userName); !s) return s;
  if (auto s = checkUsersField("Adi", user.fullName); !s) return s;
  if (auto s = checkUsersField("CreBy", user.createdBy); !s) return s;
  const auto encoded = checkedPassword(user.password);
  if (!encoded) return encoded.status();
  if (findUserId(root, user.userName) != 0)
    return R::error("Bu kullanıcı adı zaten var: " + user.userName);
  auto st = root.prepare(
      "INSERT INTO users (Username, Password, Adi, CreDate, CreBy) VALUES (?1, ?2, ?3, ?4, ?5)");
  st.bind(1, user.userName).bind(2, encoded.value()).bind(3, user.fullName).bind(4, today);
  st.bind(5, user.createdBy).run();
  return root.lastInsertId();
}

void writeRight(db::Database& root, long long userId, int code, bool granted) {
  auto update = root.prepare("UPDATE Yetkiler SET Durum = ?1 WHERE UlasProje = ?2 AND UlasUser = ?3 "
                             "AND Yetki_Id = ?4");
  update.bind(1, granted).bind(2, kProgramNumber).bind(3, userId).bind(4, code).run();
  if (root.changes() > 0 || !granted) return;
  auto insert = root.prepare(
      "INSERT INTO Yetkiler (UlasProje, UlasUser, Yetki_Id, Durum) VALUES (?1, ?2, ?3, 1)");
  insert.bind(1, kProgramNumber).bind(2, userId).bind(3, code).run();
}

Status writeRights(db::Database& root, const std::string& userName, const std::vector<int>& codes,
                   bool granted) {
  try {
    db::Transaction tx(root);
    const long long id = findUserId(root, userName);
    if (id == 0) return userNotFound(userName);
    for (int code : codes) writeRight(root, id, code, granted);
    tx.commit();
    return Status::ok();
  } catch (const db::DbError& e) {
    return storageFailure(e);
  }
}

}  // namespace

Result<long long> addUser(db::Database& root, const NewUser& user, Date today) {
  try {
    db::Transaction tx(root);
    auto id = insertUser(root, user, today);
    if (id) tx.commit();
    return id;
  } catch (const db::DbError& e) {
    return storageFailure(e);
  }
}

Result<long long> addAdministrator(db::Database& root, const NewUser& user, Date today) {
  try {
    db::Transaction tx(root);
    auto id = insertUser(root, user, today);
    if (!id) return id;
    for (int code : allRightCodes()) writeRight(root, id.value(), code, true);
    tx.commit();
    return id;
  } catch (const db::DbError& e) {
    return storageFailure(e);
  }
}

Status setPassword(db::Database& root, const std::string& userName, const std::string& password) {
  const auto encoded = checkedPassword(password);
  if (!encoded) return encoded.status();
  try {
    db::Transaction tx(root);
    const long long id = findUserId(root, userName);
    if (id == 0) return userNotFound(userName);
    root.prepare("UPDATE users SET Password = ?1 WHERE Ulas = ?2").bind(1, encoded.value()).bind(2, id).run();
    tx.commit();
    return Status::ok();
  } catch (const db::DbError& e) {
    return storageFailure(e);
  }
}

Status grantRights(db::Database& root, const std::string& userName, const std::vector<int>& codes) {
  return writeRights(root, userName, codes, true);
}

Status revokeRights(db::Database& root, const std::string& userName, const std::vector<int>& codes) {
  return writeRights(root, userName, codes, false);
}

Result<std::vector<UserSummary>> listUsers(db::Database& root) {
  using R = Result<std::vector<UserSummary>>;
  try {
    std::vector<UserSummary> users;
    auto st = root.prepare("SELECT Ulas, Username, Adi FROM users ORDER BY Username, Ulas");
    while (st.step()) users.push_back({st.getInt(0), st.getText(1), st.getText(2), {}});
    for (auto& user : users) {
      auto rights = loadRights(root, user.id);
      if (!rights) return rights.status();
      user.rights.assign(rights->begin(), rights->end());
    }
    return users;
  } catch (const db::DbError& e) {
    return R(storageFailure(e));
  }
}

Result<bool> hasNoUsers(db::Database& root) {
  try {
    auto st = root.prepare("SELECT COUNT(*) FROM users");
    return !st.step() || st.getInt(0) == 0;
  } catch (const db::DbError& e) {
    return Result<bool>(storageFailure(e));
  }
}

Result<std::vector<int>> parseRightCodes(const std::vector<std::string>& words) {
  using R = Result<std::vector<int>>;
  if (words.empty()) return R::error("Yetki kodu verilmedi.");
  if (words.size() == 1 && words[0] == "all") return allRightCodes();
  std::vector<int> codes;
  for (const auto& word : words) {
    int code = 0;
    const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), code);
    if (ec != std::errc() || ptr != word.data() + word.size() || !isKnownRightCode(code))
      return R::error("Bilinmeyen yetki kodu: " + word);
    codes.push_back(code);
  }
  return codes;
}

}  // namespace orv::users
