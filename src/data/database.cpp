// SQLite connection, statements and transactions; every error path ends in DbError.
#include "data/database.h"

#include <sqlite3.h>

#include <filesystem>
#include <mutex>

#include "common/turkish.h"

namespace orv::db {
namespace fs = std::filesystem;

namespace {

std::mutex& hookMutex() {
  static std::mutex m;
  return m;
}
Database::FaultHook& faultHook() {
  static Database::FaultHook hook;
  return hook;
}

[[noreturn]] void fail(sqlite3* db, std::string_view what) {
  throw DbError(std::string(what) + ": " + (db ? sqlite3_errmsg(db) : "veritabanı açılamadı"));
}

int collateTurkish(void*, int la, const void* a, int lb, const void* b) {
  return trCompare(std::string_view(static_cast<const char*>(a), la),
                   std::string_view(static_cast<const char*>(b), lb));
}

void trUpperFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
    sqlite3_result_null(ctx);
    return;
  }
  const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
  const std::string up = trUpper(text ? text : "");
  sqlite3_result_text(ctx, up.c_str(), static_cast<int>(up.size()), SQLITE_TRANSIENT);
}

}  // namespace

// --- Statement ------------------------------------------------------------------------------

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db) {
  if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr) != SQLITE_OK)
    fail(db, "SQL hazırlanamadı (" + std::string(sql.substr(0, 80)) + ")");
  readOnly_ = stmt_ == nullptr || sqlite3_stmt_readonly(stmt_);
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_), stmt_(other.stmt_), readOnly_(other.readOnly_) {
  other.stmt_ = nullptr;
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::bindNull(int i) {
  if (sqlite3_bind_null(stmt_, i) != SQLITE_OK) fail(db_, "bind");
  return *this;
}

Statement& Statement::bind(int i, long long v) {
  if (sqlite3_bind_int64(stmt_, i, v) != SQLITE_OK) fail(db_, "bind");
  return *this;
}

Statement& Statement::bind(int i, double v) {
  if (sqlite3_bind_double(stmt_, i, v) != SQLITE_OK) fail(db_, "bind");
  return *this;
}

Statement& Statement::bind(int i, std::string_view v) {
  if (v.empty()) return bindNull(i);
  if (sqlite3_bind_text(stmt_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT) != SQLITE_OK)
    fail(db_, "bind");
  return *this;
}

Statement& Statement::bind(int i, Date v) {
  if (v.isNull()) return bindNull(i);
  return bind(i, v.iso());
}

bool Statement::step() {
  if (!readOnly_ && Database::writeFaultFor(sqlite3_sql(stmt_)))
    throw DbError("disk I/O error");
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  const std::string msg = sqlite3_errmsg(db_);
  sqlite3_reset(stmt_);
  throw DbError(msg);
}

void Statement::run() {
  while (step()) {
  }
  sqlite3_reset(stmt_);
}

void Statement::reset() { sqlite3_reset(stmt_); }

bool Statement::isNull(int c) const { return sqlite3_column_type(stmt_, c) == SQLITE_NULL; }
long long Statement::getInt(int c) const { return sqlite3_column_int64(stmt_, c); }
double Statement::getDouble(int c) const { return sqlite3_column_double(stmt_, c); }

std::string Statement::getText(int c) const {
  const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, c));
  return t ? std::string(t, sqlite3_column_bytes(stmt_, c)) : std::string();
}

Date Statement::getDate(int c) const {
  const auto d = Date::fromIso(getText(c).substr(0, 10));
  return d ? *d : Date();
}

int Statement::columnCount() const { return sqlite3_column_count(stmt_); }
std::string Statement::columnName(int c) const { return sqlite3_column_name(stmt_, c); }

Statement::Kind Statement::columnKind(int c) const {
  switch (sqlite3_column_type(stmt_, c)) {
    case SQLITE_INTEGER: return Kind::Integer;
    case SQLITE_FLOAT: return Kind::Real;
    case SQLITE_TEXT: return Kind::Text;
    case SQLITE_BLOB: return Kind::Blob;
    default: return Kind::Null;
  }
}

// --- Database -------------------------------------------------------------------------------

bool Database::existsIn(const std::string& folder) {
  std::error_code ec;
  return fs::is_regular_file(fs::path(folder) / kDatabaseFileName, ec);
}

Result<std::unique_ptr<Database>> Database::open(const std::string& folder, Mode mode) {
  std::error_code ec;
  if (!fs::is_directory(fs::path(folder), ec))
    return Result<std::unique_ptr<Database>>::error("Veri klasörü bulunamadı: " + folder);
  if (mode == Mode::MustExist && !existsIn(folder))
    return Result<std::unique_ptr<Database>>::error("Veri klasöründe veritabanı yok: " + folder);
  const std::string path = (fs::path(folder) / kDatabaseFileName).string();
  sqlite3* raw = nullptr;
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
  if (sqlite3_open_v2(path.c_str(), &raw, flags, nullptr) != SQLITE_OK) {
    const std::string msg = raw ? sqlite3_errmsg(raw) : "bellek yetersiz";
    sqlite3_close(raw);
    return Result<std::unique_ptr<Database>>::error("Veritabanı açılamadı: " + path + " (" + msg + ")");
  }
  std::unique_ptr<Database> db(new Database(raw, folder));
  sqlite3_busy_timeout(raw, 10000);
  sqlite3_create_collation_v2(raw, "TR", SQLITE_UTF8, nullptr, collateTurkish, nullptr);
  sqlite3_create_function_v2(raw, "TR_UPPER", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                             trUpperFunction, nullptr, nullptr, nullptr);
  try {
    db->exec("PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL;");
  } catch (const DbError& e) {
    return Result<std::unique_ptr<Database>>::error("Veritabanı açılamadı: " + path + " (" + e.what() + ")");
  }
  return db;
}

Database::~Database() { sqlite3_close_v2(db_); }

std::string Database::filePath() const { return (fs::path(folder_) / kDatabaseFileName).string(); }

void Database::exec(std::string_view sql) {
  const std::string text(sql);
  if (writeFaultFor(text)) throw DbError("disk I/O error");
  char* err = nullptr;
  if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
    const std::string msg = err ? err : "bilinmeyen hata";
    sqlite3_free(err);
    throw DbError(msg);
  }
}

Statement Database::prepare(std::string_view sql) { return Statement(db_, sql); }
long long Database::lastInsertId() const { return sqlite3_last_insert_rowid(db_); }
int Database::changes() const { return sqlite3_changes(db_); }

std::string Database::tableName(std::string_view name) const {
  Statement st(db_, "SELECT name FROM sqlite_master WHERE type='table' AND lower(name)=lower(?1)");
  st.bind(1, name);
  return st.step() ? st.getText(0) : std::string();
}

bool Database::hasTable(std::string_view name) const { return !tableName(name).empty(); }

std::vector<ColumnInfo> Database::columns(std::string_view table) const {
  std::vector<ColumnInfo> cols;
  Statement st(db_, "SELECT name, type FROM pragma_table_info(?1)");
  st.bind(1, tableName(table));
  while (st.step()) cols.push_back({st.getText(0), st.getText(1)});
  return cols;
}

bool Database::hasColumn(std::string_view table, std::string_view column) const {
  const std::string want = trUpper(column);
  for (const auto& c : columns(table))
    if (trUpper(c.name) == want) return true;
  return false;
}

void Database::setWriteFaultHook(FaultHook hook) {
  std::lock_guard lock(hookMutex());
  faultHook() = std::move(hook);
}

bool Database::writeFaultFor(std::string_view sql) {
  std::lock_guard lock(hookMutex());
  return faultHook() && faultHook()(sql);
}

// --- Transaction ----------------------------------------------------------------------------

Transaction::Transaction(Database& db) : db_(db) { db_.exec("BEGIN IMMEDIATE"); }

Transaction::~Transaction() {
  if (done_) return;
  try {
    sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
  } catch (...) {
  }
}

void Transaction::commit() {
  if (sqlite3_exec(db_.handle(), "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
    fail(db_.handle(), "COMMIT");
  done_ = true;
}

std::string quoteIdent(std::string_view name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

}  // namespace orv::db
