// The folders of an installation and the creation of a fresh data root: the root tables,
// the template company folder "ORNEK" and the shared parameter folder "PARAMETRE" with its
// groups, parameter defaults and code headers, and the LOCK rows of slots 1 and 2.
#pragma once

#include <string>

#include "app/prompter.h"
#include "common/result.h"
#include "data/database.h"

namespace orv::db {

inline constexpr const char* kTemplateFolderName = "ORNEK";
inline constexpr const char* kSharedParameterFolderName = "PARAMETRE";

std::string templateFolder(const std::string& root);           // root/ORNEK
std::string sharedParameterFolder(const std::string& root);    // root/PARAMETRE
std::string companyFolderOf(const std::string& root, const std::string& company);  // parent(root)/company

// A folder whose database holds the FIRMA table.
bool isDataRoot(const std::string& folder);

// Creates the data root. On an existing root nothing changes and the prompter is told so.
// A missing parent folder, a folder that holds other things or a failing write leave
// nothing behind: the root is built in a temporary sibling and renamed into place.
Status initDataRoot(const std::string& rootFolder, Prompter& prompter);
Status initDataRoot(const std::string& rootFolder, Prompter& prompter, const std::string& installRoot);

// Fills an empty parameter folder: the groups, every system parameter with its default and
// the code headers 001 to 009.
void fillParameterFolder(Database& params, const std::string& installRoot);

}  // namespace orv::db
