// The login table of the root folder: one row per workstation running the program, found by
// IP and MAC. A row found at start means the last run on this workstation did not end
// normally, unless another instance on this workstation is still running: every running
// instance holds a marker in a local folder (see app/file_lock.h), and the row goes only
// when the last of them closes.
#pragma once

#include <memory>
#include <string>

#include "app/file_lock.h"
#include "app/prompter.h"
#include "app/session.h"
#include "common/date.h"
#include "common/result.h"
#include "data/database.h"

namespace orv::app {

struct Workstation {
  std::string ip;
  std::string mac;
  static Workstation current();  // the workstation helpers of common/
};

inline constexpr const char* kAbnormalEndText =
    "Program Önceden Geçersiz Bir Biçimde Kapatılmış!\r\r Veri Dosyalarınızda Bir Sorun "
    "Olabilir!\r\rProgram Dosyalarınızı Kontrol Edecektir!";

// The folder of this workstation's instance markers for a root folder (one per root, in the
// system's temporary folder).
std::string localInstanceFolder(const std::string& rootFolder);

// The running instance of this process on one root folder.
class LocalInstance {
 public:
  // Takes this instance's marker in FOLDER (a failure leaves the instance without marker:
  // it then counts as the only one).
  explicit LocalInstance(const std::string& folder);
  // Another live instance of this workstation on the same root.
  bool othersRunning() const;

 private:
  std::string folder_;
  std::unique_ptr<HeldFileLock> own_;
};

enum class StartKind {
  Fresh,          // no row: a new one was added
  AbnormalEnd,    // a row left from a run that did not end normally (reused)
  SharedWithRunningInstance,  // the row of another running instance of this workstation (reused)
};

// Registers the workstation at start: adds its row or reuses the found one, which then gets
// the current user and time. Only locates/updates/inserts the one row.
Result<StartKind> registerLogin(db::Database& root, const Workstation& ws,
                                const KullaniciBilgileri& user, bool otherLocalInstance,
                                TimeOfDay now = TimeOfDay::now());

// Removes the workstation's row unless another local instance still runs.
Status removeLogin(db::Database& root, const Workstation& ws, bool otherLocalInstance);

Result<int> loginRowCount(db::Database& root);

}  // namespace orv::app
