#include "temp_folder.h"

#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace trimcopy::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
  std::random_device random;
  path_ = fs::temp_directory_path() / ("trimcopy-test-" + std::to_string(random()));
  fs::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

std::string patternBytes(std::int64_t size) {
  std::string bytes(static_cast<std::size_t>(size), '\0');
  for (std::int64_t i = 0; i < size; ++i)
    bytes[static_cast<std::size_t>(i)] = static_cast<char>((i * 7 + i / 1024) % 251);
  return bytes;
}

void writeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace trimcopy::testing
