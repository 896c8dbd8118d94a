// Moving a folder to the desktop's trash, so that a deleted company can still be restored:
// the freedesktop trash (with its .trashinfo record) on Linux, the recycle bin on Windows.
#pragma once

#include <string>

#include "common/result.h"

namespace orv::companies {

// Moves FOLDER into the trash. On failure nothing was moved and the message says why.
Status moveToTrash(const std::string& folder);

// The freedesktop trash folder in use: $XDG_DATA_HOME/Trash, else ~/.local/share/Trash.
std::string trashFolder();

}  // namespace orv::companies
