// Rows of the login table and the local instance markers.
#include "app/login_bookkeeping.h"

#include <cstdio>
#include <filesystem>

#include "common/workstation.h"

namespace fs = std::filesystem;

namespace orv::app {
namespace {

const char* kInstancePrefix = "instance-";

std::string clockText(TimeOfDay t) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  return buf;
}

// FNV-1a: stable across processes and builds, unlike std::hash.
std::string hashText(const std::string& text) {
  unsigned long long h = 1469598103934665603ULL;
  for (unsigned char c : text) h = (h ^ c) * 1099511628211ULL;
  char buf[20];
  std::snprintf(buf, sizeof buf, "%016llx", h);
  return buf;
}

Status storageFailure(const db::DbError& e) {
  return Status::error(std::string("login tablosuna erişilemiyor: ") + e.what());
}

}  // namespace

Workstation Workstation::current() { return {workstationIpAddress(), workstationMacAddress()}; }

std::string localInstanceFolder(const std::string& rootFolder) {
  std::error_code ec;
  fs::path canonical = fs::weakly_canonical(rootFolder, ec);
  if (ec) canonical = fs::absolute(rootFolder, ec);
  return (fs::temp_directory_path(ec) / "orvdemirbas-instances" /
          hashText(canonical.generic_string()))
      .string();
}

LocalInstance::LocalInstance(const std::string& folder)
    : folder_(folder), own_(HeldFileLock::hold(folder, kInstancePrefix)) {}

bool LocalInstance::othersRunning() const {
  return liveMarkers(folder_, kInstancePrefix, own_.get()) > 0;
}

Result<StartKind> registerLogin(db::Database& root, const Workstation& ws,
                                const KullaniciBilgileri& user, bool otherLocalInstance,
                                TimeOfDay now) {
  try {
    db::Transaction tx(root);
    auto find = root.prepare("SELECT COUNT(*) FROM login WHERE IPNO = ? AND MACNO = ?");
    find.bind(1, ws.ip).bind(2, ws.mac);
    const bool found = find.step() && find.getInt(0) > 0;
    if (found) {
      root.prepare("UPDATE login SET USERNAME = ?, USERADI = ?, TIME = ?, LOGIN = 1 "
                   "WHERE IPNO = ? AND MACNO = ?")
          .bind(1, user.userName).bind(2, user.fullName).bind(3, clockText(now))
          .bind(4, ws.ip).bind(5, ws.mac).run();
    } else {
      root.prepare("INSERT INTO login (IPNO, MACNO, USERNAME, USERADI, TIME, LOGIN) "
                   "VALUES (?, ?, ?, ?, ?, 1)")
          .bind(1, ws.ip).bind(2, ws.mac).bind(3, user.userName).bind(4, user.fullName)
          .bind(5, clockText(now)).run();
    }
    tx.commit();
    if (!found) return StartKind::Fresh;
    return otherLocalInstance ? StartKind::SharedWithRunningInstance : StartKind::AbnormalEnd;
  } catch (const db::DbError& e) {
    return storageFailure(e);
  }
}

Status removeLogin(db::Database& root, const Workstation& ws, bool otherLocalInstance) {
  if (otherLocalInstance) return Status::ok();
  try {
    root.prepare("DELETE FROM login WHERE IPNO = ? AND MACNO = ?")
        .bind(1, ws.ip).bind(2, ws.mac).run();
    return Status::ok();
  } catch (const db::DbError& e) {
    return storageFailure(e);
  }
}

Result<int> loginRowCount(db::Database& root) {
  try {
    auto st = root.prepare("SELECT COUNT(*) FROM login");
    return st.step() ? static_cast<int>(st.getInt(0)) : 0;
  } catch (const db::DbError& e) {
    return storageFailure(e);
  }
}

}  // namespace orv::app
