// Typed rows and generic table access over the catalogue: read a row as field -> value,
// insert and update with width checks in characters, and the nearest-key, range and locate
// queries that stand for the original's index searches. Every value is bound, never spliced.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "common/date.h"
#include "common/result.h"
#include "data/catalogue.h"
#include "data/database.h"

namespace orv::db {

// One field value. Logical fields hold 0/1 as an integer; blank text and the zero date are
// stored as NULL and read back as "" and the zero date.
using Value = std::variant<std::monostate, long long, double, std::string, Date>;

// A row as an ordered list of field -> value (field names compared without regard to case).
class Row {
 public:
  Row() = default;
  Row(std::initializer_list<std::pair<std::string, Value>> fields);

  Row& set(std::string_view field, Value value);
  const Value* find(std::string_view field) const;
  bool has(std::string_view field) const { return find(field) != nullptr; }

  long long getInt(std::string_view field) const;     // NULL or text: 0
  double getDouble(std::string_view field) const;     // NULL or text: 0
  bool getBool(std::string_view field) const { return getInt(field) != 0; }
  std::string getText(std::string_view field) const;  // numbers as text, NULL as ""
  Date getDate(std::string_view field) const;         // NULL or malformed: the zero date

  const std::vector<std::pair<std::string, Value>>& fields() const { return fields_; }
  bool empty() const { return fields_.empty(); }

 private:
  std::vector<std::pair<std::string, Value>> fields_;
};

// Binds a value to a statement parameter (1-based).
void bindValue(Statement& st, int index, const Value& value);

// Reads every column of the current result row; the catalogue's field types decide dates
// and numbers when the table is known, else SQLite's own column types.
Row readRow(const Statement& st, const TableDef* table = nullptr);

// Checks that every field of the row exists in the table and that texts fit their widths.
// Returns the Turkish message naming table and field on the first problem.
Status checkRow(const TableDef& table, const Row& row);

// Appends a row and returns its Ulas (the rowid). Nothing is written when a check fails.
Result<long long> insertRow(Database& db, const TableDef& table, const Row& row);
// Changes the given fields of the rows matching `where` (exact field values; at least one).
// Returns the number of changed rows.
Result<int> updateRows(Database& db, const TableDef& table, const Row& where, const Row& values);
// Deletes the rows matching `where` (at least one field); returns how many went.
Result<int> deleteRows(Database& db, const TableDef& table, const Row& where);

// Search keys: either the fields of a named index of the catalogue or a list of fields.
std::vector<std::string> indexFields(const TableDef& table, std::string_view indexName);

// The first row, in the order of `fields`, whose key is >= `values` (the nearest-key search).
// `values` may be shorter than `fields` (a partial key).
std::optional<Row> findNearest(Database& db, const TableDef& table,
                               const std::vector<std::string>& fields,
                               const std::vector<Value>& values);
// The rows whose key lies between `from` and `to` (both inclusive), in key order.
std::vector<Row> selectRange(Database& db, const TableDef& table,
                             const std::vector<std::string>& fields,
                             const std::vector<Value>& from, const std::vector<Value>& to);
// The first row (lowest rowid) whose fields equal the criteria exactly.
std::optional<Row> locate(Database& db, const TableDef& table, const Row& criteria);
// Every row matching the criteria (all rows when empty), ordered by `orderBy` (rowid when empty).
std::vector<Row> selectWhere(Database& db, const TableDef& table, const Row& criteria,
                             const std::vector<std::string>& orderBy = {});
long long countRows(Database& db, const TableDef& table, const Row& criteria = {});

// Convenience: the catalogue table by name; throws std::logic_error for an unknown name
// (a programming mistake, not a user error).
const TableDef& table(std::string_view name);

}  // namespace orv::db
