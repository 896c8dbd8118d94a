// CSV of the batch commands: UTF-8, "," separated, fields quoted with '"' when they hold a
// separator, a quote or a line break; numbers with "." and the shortest text that reads back
// the same double; dates written as yyyy-mm-dd and read as yyyy-mm-dd or dd.mm.yyyy.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/date.h"
#include "common/result.h"

namespace orv::csv {

struct Record {
  int line = 0;  // line of the file where the record starts (from 1)
  std::vector<std::string> fields;
};

// Splits text into records; a leading UTF-8 byte-order mark is skipped, blank lines are
// skipped, "\r\n" and "\n" both end a record. An unclosed quote is an error naming its line.
Result<std::vector<Record>> parse(std::string_view text);
Result<std::vector<Record>> readFile(const std::string& path);

std::string quote(std::string_view field);
void writeRecord(std::ostream& out, const std::vector<std::string>& fields);

std::string formatNumber(double value);  // shortest round-trip text, "." decimal
std::string formatDate(Date date);       // yyyy-mm-dd; empty for the zero date

std::optional<double> parseNumber(std::string_view text);      // empty gives 0
std::optional<Date> parseDate(std::string_view text);          // empty gives the zero date
std::optional<long long> parseInteger(std::string_view text);  // empty gives 0
std::optional<bool> parseLogical(std::string_view text);       // "0"/"1"; empty gives false

// The message of an import error, naming line and field: "Satır 3, Oran: sayı değil ("x")".
std::string fieldError(int line, std::string_view field, std::string_view what,
                       std::string_view value = {});

}  // namespace orv::csv
