// Reading and writing INI files without any platform library.
#include "data/ini_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/turkish.h"

namespace orv {
namespace fs = std::filesystem;
namespace {

bool sameKey(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

}  // namespace

Result<IniFile> IniFile::load(const std::string& path) {
  std::error_code ec;
  if (!fs::exists(path, ec)) return IniFile();
  std::ifstream in(path, std::ios::binary);
  if (!in) return Result<IniFile>::error("Ayar dosyası okunamadı: " + path);
  std::ostringstream buf;
  buf << in.rdbuf();
  return parse(buf.str());
}

IniFile IniFile::parse(const std::string& text) {
  IniFile ini;
  ini.sections_.push_back({"", {}});
  for (std::string raw : split(text, '\n')) {
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    const std::string line = trim(raw);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      ini.sections_.push_back({trim(line.substr(1, line.size() - 2)), {}});
      continue;
    }
    const size_t eq = line.find('=');
    if (line.empty() || line[0] == ';' || line[0] == '#' || eq == std::string::npos) {
      if (!line.empty()) ini.sections_.back().lines.push_back({"", line});
      continue;
    }
    ini.sections_.back().lines.push_back({trim(line.substr(0, eq)), trim(line.substr(eq + 1))});
  }
  return ini;
}

IniFile::Section* IniFile::find(const std::string& name) {
  for (auto& s : sections_)
    if (sameKey(s.name, name)) return &s;
  return nullptr;
}

const IniFile::Section* IniFile::find(const std::string& name) const {
  for (const auto& s : sections_)
    if (sameKey(s.name, name)) return &s;
  return nullptr;
}

bool IniFile::hasSection(const std::string& section) const { return find(section) != nullptr; }

std::optional<std::string> IniFile::value(const std::string& section, const std::string& key) const {
  const Section* s = find(section);
  if (!s) return std::nullopt;
  for (const auto& l : s->lines)
    if (!l.key.empty() && sameKey(l.key, key)) return l.value;
  return std::nullopt;
}

void IniFile::setValue(const std::string& section, const std::string& key, const std::string& value) {
  Section* s = find(section);
  if (!s) {
    sections_.push_back({section, {}});
    s = &sections_.back();
  }
  for (auto& l : s->lines)
    if (!l.key.empty() && sameKey(l.key, key)) {
      l.value = value;
      return;
    }
  s->lines.push_back({key, value});
}

void IniFile::replaceSection(const std::string& section,
                             const std::vector<std::pair<std::string, std::string>>& entries) {
  Section* s = find(section);
  if (!s) {
    sections_.push_back({section, {}});
    s = &sections_.back();
  }
  s->lines.clear();
  for (const auto& [k, v] : entries) s->lines.push_back({k, v});
}

std::string IniFile::text() const {
  std::string out;
  for (const auto& s : sections_) {
    if (s.name.empty() && s.lines.empty()) continue;
    if (!s.name.empty()) out += (out.empty() ? "" : "\n") + std::string("[") + s.name + "]\n";
    for (const auto& l : s.lines) out += l.key.empty() ? l.value + "\n" : l.key + "=" + l.value + "\n";
  }
  return out;
}

Status IniFile::save(const std::string& path) const {
  const fs::path target(path);
  std::error_code ec;
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
  const fs::path tmp = target.string() + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return Status::error("Ayar dosyası yazılamadı: " + path);
    out << text();
    out.flush();
    if (!out) return Status::error("Ayar dosyası yazılamadı: " + path);
  }
  fs::rename(tmp, target, ec);
  if (ec) {
    fs::remove(tmp, ec);
    return Status::error("Ayar dosyası yazılamadı: " + path);
  }
  return Status::ok();
}

}  // namespace orv
