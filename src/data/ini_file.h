// A small INI file: sections of key=value lines, kept in file order. Keys and sections are
// found without regard to ASCII case, as the platform's INI functions do. Lines starting
// with ';' or '#' are comments (kept when the file is written back).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/result.h"

namespace orv {

class IniFile {
 public:
  // A missing file reads as empty; an unreadable one is an error.
  static Result<IniFile> load(const std::string& path);
  static IniFile parse(const std::string& text);

  std::optional<std::string> value(const std::string& section, const std::string& key) const;
  void setValue(const std::string& section, const std::string& key, const std::string& value);
  bool hasSection(const std::string& section) const;
  // Replaces every key of the section by the given ones (creates the section when missing).
  void replaceSection(const std::string& section,
                      const std::vector<std::pair<std::string, std::string>>& entries);

  std::string text() const;
  // Writes through a temporary file and a rename, creating the folder when needed.
  Status save(const std::string& path) const;

 private:
  struct Line {
    std::string key;    // empty for comments and blank lines
    std::string value;  // the raw line for comments
  };
  struct Section {
    std::string name;
    std::vector<Line> lines;
  };
  Section* find(const std::string& name);
  const Section* find(const std::string& name) const;
  std::vector<Section> sections_;  // the first may have an empty name (lines before any section)
};

}  // namespace orv
