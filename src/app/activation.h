// Opening a data root and activating a company: the company row, its flags and formats, the
// company and parameter folders (aliases repointed), the schema upgrade, the code lists and
// the parameter load. The link to the accounting program is read by the accounting work.
#pragma once

#include <string>

#include "app/prompter.h"
#include "app/session.h"
#include "common/result.h"

namespace orv {

// A session on a root data folder: root database open, folders of the root set, alias store
// `aliasFile` (empty: the session repoints no aliases). No user and no company yet.
Result<Session> openRoot(const std::string& rootFolder, const std::string& aliasFile);

// What the program does at start before the login: ensures the three aliases of the store
// (with their messages), creates the data root on first start (the folders of the default
// root below the install root are made; a root named elsewhere must have its parent), opens
// it and runs the start-up schema upgrade on the root and on the company the company alias
// points to (skipped when that folder is gone). The session repoints this store later.
Result<Session> openAtStartup(const std::string& aliasFile, Prompter& prompter,
                              const std::string& installRoot);

// The company and parameter folders of a company row, without activating it.
struct CompanyFolders {
  std::string company;     // parent of the root + "/" + name
  std::string parameters;  // the company folder when it keeps its own parameters, else root/PARAMETRE
};
Result<CompanyFolders> companyFolders(db::Database& root, const std::string& rootFolder,
                                      const std::string& companyName);

// Activates the company in the session. On failure (no such company, a missing folder or
// database, a failing schema upgrade or parameter load) the session keeps its previous
// company and the message says what is wrong.
Status activateCompany(Session& session, const std::string& companyName, Prompter& prompter);

// The account-number group separator of FIRMA.HesapAyrac (0: none).
char accountSeparator(long long hesapAyrac);

}  // namespace orv
