// The one platform file for deleting to the trash.
#include "companies/trash.h"

#include <cctype>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace fs = std::filesystem;

namespace orv::companies {
namespace {

Status failed(const std::string& folder) {
  return Status::error("Firma dizini çöp kutusuna taşınamadı: " + folder);
}

#ifndef _WIN32
// Paths in .trashinfo are URL-escaped except for unreserved characters and "/".
std::string escapePath(const std::string& path) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : path) {
    if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

std::string deletionDate() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%S", &local);
  return buf;
}

// A name free in both files/ and info/: NAME, NAME.2, NAME.3, ...
std::string freeTrashName(const fs::path& trash, const std::string& base) {
  std::error_code ec;
  for (int n = 1;; ++n) {
    const std::string name = n == 1 ? base : base + "." + std::to_string(n);
    if (!fs::exists(trash / "files" / name, ec) &&
        !fs::exists(trash / "info" / (name + ".trashinfo"), ec))
      return name;
  }
}

// rename fails across file systems: copy, then remove the original.
bool moveTree(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  fs::rename(from, to, ec);
  if (!ec) return true;
  fs::copy(from, to, fs::copy_options::recursive, ec);
  if (ec) {
    std::error_code ignore;
    fs::remove_all(to, ignore);
    return false;
  }
  fs::remove_all(from, ec);
  return !ec;
}
#endif

}  // namespace

std::string trashFolder() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome && *dataHome) return (fs::path(dataHome) / "Trash").string();
  const char* home = std::getenv("HOME");
  return (fs::path(home ? home : ".") / ".local" / "share" / "Trash").string();
}

#ifdef _WIN32
Status moveToTrash(const std::string& folder) {
  std::wstring from = fs::path(folder).wstring();
  from.push_back(L'\0');  // the list ends with two NULs
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  if (SHFileOperationW(&op) != 0 || op.fAnyOperationsAborted) return failed(folder);
  return Status::ok();
}
#else
Status moveToTrash(const std::string& folder) {
  std::error_code ec;
  const fs::path source = fs::absolute(folder, ec);
  if (ec || !fs::is_directory(source, ec)) return failed(folder);
  const fs::path trash = trashFolder();
  fs::create_directories(trash / "files", ec);
  fs::create_directories(trash / "info", ec);
  if (ec) return failed(folder);
  const std::string name = freeTrashName(trash, source.filename().string());
  const fs::path info = trash / "info" / (name + ".trashinfo");
  {
    std::ofstream out(info);
    out << "[Trash Info]\nPath=" << escapePath(source.lexically_normal().string())
        << "\nDeletionDate=" << deletionDate() << "\n";
    if (!out) {
      fs::remove(info, ec);
      return failed(folder);
    }
  }
  if (!moveTree(source, trash / "files" / name)) {
    fs::remove(info, ec);
    return failed(folder);
  }
  return Status::ok();
}
#endif

}  // namespace orv::companies
