// A temporary folder for one test, removed with everything in it afterwards, and the
// patterned files the tests copy.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace trimcopy::testing {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Bytes whose value depends on their offset, so a shifted or repeated block shows.
std::string patternBytes(std::int64_t size);
void writeFile(const std::filesystem::path& path, const std::string& bytes);
std::string readFile(const std::filesystem::path& path);

}  // namespace trimcopy::testing
