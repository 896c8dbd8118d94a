// The database of one data folder: a single SQLite file "tables.db", with the Turkish
// collation TR and the function TR_UPPER registered on every connection.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/date.h"
#include "common/result.h"

struct sqlite3;
struct sqlite3_stmt;

namespace orv::db {

inline constexpr const char* kDatabaseFileName = "tables.db";

// An error of the database engine that the caller did not expect (disk full, corrupt file,
// an SQL mistake). Operations catch it at their boundary and report it as a Status.
class DbError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Statement {
 public:
  Statement(sqlite3* db, std::string_view sql);
  Statement(Statement&& other) noexcept;
  Statement& operator=(Statement&&) = delete;
  Statement(const Statement&) = delete;
  ~Statement();

  // Parameters are numbered from 1. Empty text and the zero date are stored as NULL.
  Statement& bindNull(int index);
  Statement& bind(int index, long long value);
  Statement& bind(int index, int value) { return bind(index, static_cast<long long>(value)); }
  Statement& bind(int index, bool value) { return bind(index, value ? 1LL : 0LL); }
  Statement& bind(int index, double value);
  Statement& bind(int index, std::string_view value);
  Statement& bind(int index, const char* value) { return bind(index, std::string_view(value)); }
  Statement& bind(int index, const std::string& value) { return bind(index, std::string_view(value)); }
  Statement& bind(int index, Date value);

  bool step();          // true while a row is available; throws DbError on failure
  void run();           // step to completion (for statements that return no rows)
  void reset();         // ready to run again; bindings stay

  bool isNull(int column) const;
  long long getInt(int column) const;
  double getDouble(int column) const;
  bool getBool(int column) const { return getInt(column) != 0; }
  std::string getText(int column) const;     // NULL gives ""
  Date getDate(int column) const;            // NULL or malformed gives the zero date
  int columnCount() const;
  std::string columnName(int column) const;
  enum class Kind { Null, Integer, Real, Text, Blob };
  Kind columnKind(int column) const;        // storage class of the value in this row

 private:
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
  bool readOnly_ = true;
};

struct ColumnInfo {
  std::string name;
  std::string type;
};

class Database {
 public:
  enum class Mode { CreateIfMissing, MustExist };

  // Opens (or creates) the database of a folder. The folder itself must exist.
  static Result<std::unique_ptr<Database>> open(const std::string& folder,
                                                Mode mode = Mode::CreateIfMissing);
  static bool existsIn(const std::string& folder);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  const std::string& folder() const { return folder_; }
  std::string filePath() const;
  sqlite3* handle() const { return db_; }

  void exec(std::string_view sql);                 // one or more statements, no results
  Statement prepare(std::string_view sql);
  long long lastInsertId() const;
  int changes() const;

  bool hasTable(std::string_view name) const;       // names compared without regard to case
  std::string tableName(std::string_view name) const;  // the stored spelling, or ""
  std::vector<ColumnInfo> columns(std::string_view table) const;
  bool hasColumn(std::string_view table, std::string_view column) const;

  // Tests make writes fail with this hook (disk full, busy): when it returns true for the
  // SQL of a statement that writes, the statement fails as the engine would.
  using FaultHook = std::function<bool(std::string_view sql)>;
  static void setWriteFaultHook(FaultHook hook);
  static bool writeFaultFor(std::string_view sql);

 private:
  Database(sqlite3* db, std::string folder) : db_(db), folder_(std::move(folder)) {}
  sqlite3* db_;
  std::string folder_;
};

// BEGIN IMMEDIATE on creation; rolls back in the destructor unless committed.
class Transaction {
 public:
  explicit Transaction(Database& db);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void commit();

 private:
  Database& db_;
  bool done_ = false;
};

// Quotes an identifier from our own catalogue (never user text) for SQL.
std::string quoteIdent(std::string_view name);

}  // namespace orv::db
