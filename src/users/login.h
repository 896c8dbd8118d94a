// Logging in against the users table of the root data folder, the attempt rules of the login
// form, the command-line login text, and the rights of the logged-in user for this program.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/session.h"
#include "common/result.h"
#include "data/database.h"

namespace orv::users {

// This program's rows in Yetkiler carry this program number.
inline constexpr int kProgramNumber = 4;
inline constexpr int kMaxPasswordAttempts = 3;

inline constexpr const char* kUnknownUserText =
    "Hatalı Kullanıcı Adı Girildi. Lütfen Tekrar Deneyiniz...";
inline constexpr const char* kWrongPasswordText = "Hatalı şifre girişi !...\rLütfen tekrar deneyiniz..";
inline constexpr const char* kNoRightText = "Programda Bu İşlemi Yapmaya Yetkili Değilsiniz";

// Every Username of the users table in the order of its index (for the login form's list).
Result<std::vector<std::string>> userNames(db::Database& root);

// Checks one user name and password. Fails with kUnknownUserText or kWrongPasswordText (the
// caller tells them apart with isUnknownUser), or with a storage message.
Result<KullaniciBilgileri> login(db::Database& root, const std::string& user,
                                 const std::string& password);
bool isUnknownUser(const Status& failure);
bool isWrongPassword(const Status& failure);

// The attempt rules of the login form: an unknown user name does not count; the third wrong
// password ends the login (exhausted() then stays true and every further try is refused).
class LoginAttempts {
 public:
  explicit LoginAttempts(db::Database& root) : root_(root) {}
  Result<KullaniciBilgileri> tryLogin(const std::string& user, const std::string& password);
  int failedPasswords() const { return failed_; }
  bool exhausted() const { return failed_ >= kMaxPasswordAttempts; }

 private:
  db::Database& root_;
  int failed_ = 0;
};

// The command-line login text: marker "@" user "@" password "@" company "@".
inline constexpr const char* kCommandLineMarker = "Q_7_KP_482";
struct CommandLineLogin {
  std::string user;
  std::string password;
  std::string company;
};
// The parts when the text has the form above and the right marker; nullopt otherwise.
std::optional<CommandLineLogin> parseCommandLineLogin(std::string_view text);

// The granted right codes of a user for this program (rows of Yetkiler with program number 4
// whose Durum is true). A code without a row, or with Durum false, is not in the set.
Result<std::set<int>> loadRights(db::Database& root, long long userId);

// Logs in and loads the rights into the session (user and rights replaced only on success).
Status loginToSession(Session& session, db::Database& root, const std::string& user,
                      const std::string& password);

// Right check by code as text ("2010"); a text that is no number is never granted.
bool hasRight(const std::set<int>& rights, std::string_view code);
bool hasRight(const Session& session, std::string_view code);

}  // namespace orv::users
