// Administration of users and their rights for this program: the rows of users (password in
// its encoded form) and of Yetkiler (program number 4). Access to the root data folder is the
// boundary; no login is needed. Each operation checks all input first and changes nothing on
// a failure.
#pragma once

#include <string>
#include <vector>

#include "common/date.h"
#include "common/result.h"
#include "data/database.h"

namespace orv::users {

struct NewUser {
  std::string userName;   // Username, 1..20 characters, unique
  std::string fullName;   // Adi, at most 50 characters
  std::string password;   // typed text, at most 20 characters of code page 1254
  std::string createdBy = "orvdemirbas-cli";  // CreBy
};

struct UserSummary {
  long long id = 0;
  std::string userName;
  std::string fullName;
  std::vector<int> rights;  // granted codes of this program, ascending
};

// Adds a user; the id (Ulas) of the new row.
Result<long long> addUser(db::Database& root, const NewUser& user, Date today = Date::today());
// Adds a user holding every right code of this program, in one transaction (first start).
Result<long long> addAdministrator(db::Database& root, const NewUser& user,
                                   Date today = Date::today());
Status setPassword(db::Database& root, const std::string& userName, const std::string& password);
Status grantRights(db::Database& root, const std::string& userName, const std::vector<int>& codes);
Status revokeRights(db::Database& root, const std::string& userName, const std::vector<int>& codes);
// Every user in the order of user names, with the granted codes of this program.
Result<std::vector<UserSummary>> listUsers(db::Database& root);
// True when the users table has no row (the first start then creates the administrator).
Result<bool> hasNoUsers(db::Database& root);

// Right codes from words: numbers of known codes, or the single word "all" for every code.
Result<std::vector<int>> parseRightCodes(const std::vector<std::string>& words);

}  // namespace orv::users
