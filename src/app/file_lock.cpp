// The one platform file for file locks: flock on POSIX systems, LockFileEx on Windows.
#include "app/file_lock.h"

#include <filesystem>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace orv {
namespace {

std::string uniqueName(const std::string& prefix) {
  std::random_device rd;
  const unsigned long long r = (static_cast<unsigned long long>(rd()) << 32) ^ rd();
#ifdef _WIN32
  const unsigned long pid = GetCurrentProcessId();
#else
  const unsigned long pid = static_cast<unsigned long>(getpid());
#endif
  return prefix + std::to_string(pid) + "-" + std::to_string(r) + ".lock";
}

#ifdef _WIN32
long long openLocked(const std::string& path, bool wait) {
  HANDLE h = CreateFileW(fs::path(path).wstring().c_str(), GENERIC_READ | GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return -1;
  OVERLAPPED ov{};
  DWORD flags = LOCKFILE_EXCLUSIVE_LOCK | (wait ? 0 : LOCKFILE_FAIL_IMMEDIATELY);
  if (!LockFileEx(h, flags, 0, 1, 0, &ov)) {
    CloseHandle(h);
    return -1;
  }
  return reinterpret_cast<long long>(h);
}
void unlockClose(long long handle) {
  HANDLE h = reinterpret_cast<HANDLE>(handle);
  OVERLAPPED ov{};
  UnlockFileEx(h, 0, 1, 0, &ov);
  CloseHandle(h);
}
bool stillNamed(long long, const std::string&) { return true; }
#else
long long openLocked(const std::string& path, bool wait) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | (wait ? 0 : LOCK_NB)) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}
void unlockClose(long long handle) {
  ::flock(static_cast<int>(handle), LOCK_UN);
  ::close(static_cast<int>(handle));
}
// A checker may have removed the file between our open and our lock: then the lock we hold
// is on a file that no longer has the name.
bool stillNamed(long long handle, const std::string& path) {
  struct stat a {}, b {};
  if (::fstat(static_cast<int>(handle), &a) != 0 || ::stat(path.c_str(), &b) != 0) return false;
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}
#endif

}  // namespace

std::unique_ptr<HeldFileLock> HeldFileLock::hold(const std::string& folder,
                                                 const std::string& prefix) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  for (int attempt = 0; attempt < 5; ++attempt) {
    const std::string path = (fs::path(folder) / uniqueName(prefix)).string();
    const long long h = openLocked(path, true);
    if (h < 0) return nullptr;
    if (stillNamed(h, path)) return std::unique_ptr<HeldFileLock>(new HeldFileLock(path, h));
    unlockClose(h);
  }
  return nullptr;
}

HeldFileLock::~HeldFileLock() {
  std::error_code ec;
  fs::remove(path_, ec);  // removed while still locked, so no checker takes it for stale
  unlockClose(handle_);
}

int liveMarkers(const std::string& folder, const std::string& prefix, const HeldFileLock* except) {
  std::error_code ec;
  int live = 0;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.rfind(prefix, 0) != 0 || it->path().extension() != ".lock") continue;
    const std::string path = it->path().string();
    if (except && fs::equivalent(path, except->path(), ec)) continue;
    const long long h = openLocked(path, false);
    if (h < 0) {
      ++live;
      continue;
    }
    std::error_code rm;
    fs::remove(path, rm);  // stale: its holder has ended
    unlockClose(h);
  }
  return live;
}

}  // namespace orv
