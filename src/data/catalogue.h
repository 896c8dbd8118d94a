// The program's permanent tables: fields in order with types and widths, named indexes, and
// which kind of data folder holds them. Creating tables and checking text widths go by it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"
#include "data/database.h"

namespace orv::db {

enum class FieldType { AutoInc, LongInt, ShortInt, Number, Date, Time, DateTime, Logical, Text, Memo };

struct FieldDef {
  std::string name;
  FieldType type;
  int width = 0;  // characters, for Text only
};

struct IndexDef {
  std::string name;                  // as the program names it ("ISABITKIYMET")
  std::vector<std::string> fields;
  bool unique = false;
};

enum class FolderKind { Root, Company, Parameter };

struct TableDef {
  std::string name;                  // without ".DB"
  FolderKind folder;
  std::vector<FieldDef> fields;
  std::vector<IndexDef> indexes;

  const FieldDef* field(std::string_view fieldName) const;  // case-insensitive
  int fieldIndex(std::string_view fieldName) const;          // -1 when absent
};

const std::vector<TableDef>& allTables();
const TableDef* findTable(std::string_view name);            // case-insensitive, ".DB" ignored
std::vector<const TableDef*> tablesIn(FolderKind kind);

std::string sqlType(const FieldDef& f);                      // column type in CREATE/ALTER
std::string createTableSql(const TableDef& t);
std::vector<std::string> createIndexSql(const TableDef& t);  // index names carry the table
std::string physicalIndexName(const TableDef& t, const IndexDef& i);

void createTable(Database& db, const TableDef& t);           // no-op when present
void createTables(Database& db, FolderKind kind);

// A text too wide for its field: the Turkish message naming table and field, else ok.
Status checkWidth(const TableDef& t, std::string_view field, std::string_view value);

}  // namespace orv::db
