// CSV reading and writing for the batch commands.
#include "data/csv_text.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <ostream>
#include <sstream>

#include "common/turkish.h"

namespace orv::csv {

Result<std::vector<Record>> parse(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::vector<Record> records;
  Record current;
  std::string field;
  bool inQuotes = false, fieldStarted = false;
  int line = 1, quoteLine = 0;
  current.line = 1;
  auto endField = [&] {
    current.fields.push_back(std::move(field));
    field.clear();
    fieldStarted = false;
  };
  auto endRecord = [&](int nextLine) {
    endField();
    const bool blank = current.fields.size() == 1 && current.fields[0].empty();
    if (!blank) records.push_back(std::move(current));
    current = Record{};
    current.line = nextLine;
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inQuotes) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"')
        inQuotes = false;
      else {
        if (c == '\n') ++line;
        field += c;
      }
    } else if (c == '"' && !fieldStarted && field.empty()) {
      inQuotes = fieldStarted = true;
      quoteLine = line;
    } else if (c == ',') {
      endField();
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      ++line;
      endRecord(line);
    } else {
      field += c;
      fieldStarted = true;
    }
  }
  if (inQuotes)
    return Result<std::vector<Record>>::error("Satır " + std::to_string(quoteLine) +
                                              ": kapanmayan tırnak işareti");
  endRecord(line);
  return records;
}

Result<std::vector<Record>> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Result<std::vector<Record>>::error("Dosya açılamadı: " + path);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  return parse(buffer.str());
}

std::string quote(std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
  std::string out = "\"";
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

void writeRecord(std::ostream& out, const std::vector<std::string>& fields) {
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i) out << ',';
    out << quote(fields[i]);
  }
  out << '\n';
}

std::string formatNumber(double value) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, r.ptr);
}

std::string formatDate(Date date) { return date.iso(); }

std::optional<double> parseNumber(std::string_view text) {
  const std::string t = trim(text);
  if (t.empty()) return 0.0;
  const char* first = t.data();
  if (*first == '+') ++first;
  double v = 0;
  const auto r = std::from_chars(first, t.data() + t.size(), v);
  if (r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<Date> parseDate(std::string_view text) {
  const std::string t = trim(text);
  if (t.empty()) return Date();
  return Date::parse(t);
}

std::optional<long long> parseInteger(std::string_view text) {
  const std::string t = trim(text);
  if (t.empty()) return 0LL;
  long long v = 0;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
  if (r.ec != std::errc() || r.ptr != t.data() + t.size()) return std::nullopt;
  return v;
}

std::optional<bool> parseLogical(std::string_view text) {
  const std::string t = trim(text);
  if (t.empty() || t == "0") return false;
  if (t == "1") return true;
  return std::nullopt;
}

std::string fieldError(int line, std::string_view field, std::string_view what,
                       std::string_view value) {
  std::string msg =
      "Satır " + std::to_string(line) + ", " + std::string(field) + ": " + std::string(what);
  if (!value.empty()) msg += " (\"" + std::string(value) + "\")";
  return msg;
}

}  // namespace orv::csv
