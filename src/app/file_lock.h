// Marker files held with an exclusive operating-system lock while a process lives. The
// system frees the lock when the process ends in any way, so a marker that can be locked by
// someone else belongs to a process that is gone. Two uses: the running instances of one
// workstation, and the company that an instance has active (a file in the company folder).
#pragma once

#include <memory>
#include <string>

namespace orv {

class HeldFileLock {
 public:
  // Creates FOLDER/PREFIX<unique>.lock and locks it; nullptr when that cannot be done.
  static std::unique_ptr<HeldFileLock> hold(const std::string& folder, const std::string& prefix);
  ~HeldFileLock();  // unlocks and removes the file
  HeldFileLock(const HeldFileLock&) = delete;
  HeldFileLock& operator=(const HeldFileLock&) = delete;
  const std::string& path() const { return path_; }

 private:
  HeldFileLock(std::string path, long long handle) : path_(std::move(path)), handle_(handle) {}
  std::string path_;
  long long handle_;
};

// Counts the markers PREFIX*.lock in FOLDER held by live holders other than EXCEPT (may be
// null). Markers left by ended processes are removed on the way.
int liveMarkers(const std::string& folder, const std::string& prefix,
                const HeldFileLock* except = nullptr);

}  // namespace orv
