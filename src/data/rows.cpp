// Generic row access over the catalogue.
#include "data/rows.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "common/turkish.h"

namespace orv::db {
namespace {

bool sameField(std::string_view a, std::string_view b) { return trUpper(a) == trUpper(b); }

bool isTextLike(FieldType t) {
  return t == FieldType::Text || t == FieldType::Memo || t == FieldType::Date ||
         t == FieldType::Time || t == FieldType::DateTime;
}

std::string numberText(double d) {
  if (std::floor(d) == d && std::fabs(d) < 1e15) return std::to_string(static_cast<long long>(d));
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", d);
  return buf;
}

// The stored column of a catalogue field, null-safe for blank text and dates: a blank value
// is stored as NULL and must compare as the empty text.
std::string keyExpr(const TableDef& t, const std::string& field) {
  const FieldDef* f = t.field(field);
  const std::string col = quoteIdent(f ? f->name : field);
  if (f && isTextLike(f->type)) return "COALESCE(" + col + ",'') COLLATE TR";
  return col;
}

std::string keyParam(const TableDef& t, const std::string& field) {
  const FieldDef* f = t.field(field);
  if (f && isTextLike(f->type)) return "COALESCE(?,'')";
  return "?";
}

std::string tuple(const std::vector<std::string>& items) {
  std::string s = "(";
  for (size_t i = 0; i < items.size(); ++i) s += (i ? ", " : "") + items[i];
  return s + ")";
}

// "(k1, k2) >= (?, ?)" over the first `n` key fields.
std::string keyCompare(const TableDef& t, const std::vector<std::string>& fields, size_t n,
                       const char* op) {
  std::vector<std::string> lhs, rhs;
  for (size_t i = 0; i < n; ++i) {
    lhs.push_back(keyExpr(t, fields[i]));
    rhs.push_back(keyParam(t, fields[i]));
  }
  return tuple(lhs) + " " + op + " " + tuple(rhs);
}

std::string orderBy(const std::vector<std::string>& fields) {
  std::string s;
  for (size_t i = 0; i < fields.size(); ++i) s += (i ? ", " : "") + quoteIdent(fields[i]);
  return s;
}

// "f1" IS ?1 AND "f2" IS ?2 ... (IS: a blank criterion matches the stored NULL).
std::string whereClause(const Row& criteria, int firstParam) {
  std::string s;
  int n = firstParam;
  for (const auto& [name, v] : criteria.fields()) {
    (void)v;
    s += (s.empty() ? "" : " AND ") + quoteIdent(name) + " IS ?" + std::to_string(n++);
  }
  return s.empty() ? "1" : s;
}

std::string selectSql(const TableDef& t) { return "SELECT * FROM " + quoteIdent(t.name); }

std::vector<Row> collect(Statement& st, const TableDef& t) {
  std::vector<Row> rows;
  while (st.step()) rows.push_back(readRow(st, &t));
  return rows;
}

Status checkValueType(const TableDef& t, const FieldDef& f, const Value& v) {
  if (std::holds_alternative<std::monostate>(v)) return Status::ok();
  bool fits = true;
  switch (f.type) {
    case FieldType::Text:
    case FieldType::Memo:
    case FieldType::Time:
    case FieldType::DateTime: fits = std::holds_alternative<std::string>(v); break;
    case FieldType::Date:
      fits = std::holds_alternative<Date>(v) ||
             (std::holds_alternative<std::string>(v) && Date::fromIso(std::get<std::string>(v)));
      break;
    default: fits = std::holds_alternative<long long>(v) || std::holds_alternative<double>(v);
  }
  if (fits) return Status::ok();
  return Status::error(t.name + " tablosunun " + f.name + " alanına uygun olmayan bir değer verildi.");
}

template <typename T>
Result<T> fromDbError(const DbError& e, const TableDef& t) {
  return Result<T>::error(t.name + " tablosuna yazılamadı: " + e.what());
}

}  // namespace

// --- Row --------------------------------------------------------------------------------------

Row::Row(std::initializer_list<std::pair<std::string, Value>> fields) {
  for (const auto& [n, v] : fields) set(n, v);
}

Row& Row::set(std::string_view field, Value value) {
  for (auto& [n, v] : fields_)
    if (sameField(n, field)) {
      v = std::move(value);
      return *this;
    }
  fields_.emplace_back(std::string(field), std::move(value));
  return *this;
}

const Value* Row::find(std::string_view field) const {
  for (const auto& [n, v] : fields_)
    if (sameField(n, field)) return &v;
  return nullptr;
}

long long Row::getInt(std::string_view field) const {
  const Value* v = find(field);
  if (!v) return 0;
  if (const auto* i = std::get_if<long long>(v)) return *i;
  if (const auto* d = std::get_if<double>(v)) return static_cast<long long>(*d);
  return 0;
}

double Row::getDouble(std::string_view field) const {
  const Value* v = find(field);
  if (!v) return 0;
  if (const auto* i = std::get_if<long long>(v)) return static_cast<double>(*i);
  if (const auto* d = std::get_if<double>(v)) return *d;
  return 0;
}

std::string Row::getText(std::string_view field) const {
  const Value* v = find(field);
  if (!v) return {};
  if (const auto* s = std::get_if<std::string>(v)) return *s;
  if (const auto* i = std::get_if<long long>(v)) return std::to_string(*i);
  if (const auto* d = std::get_if<double>(v)) return numberText(*d);
  if (const auto* dt = std::get_if<Date>(v)) return dt->iso();
  return {};
}

Date Row::getDate(std::string_view field) const {
  const Value* v = find(field);
  if (!v) return Date();
  if (const auto* d = std::get_if<Date>(v)) return *d;
  if (const auto* s = std::get_if<std::string>(v)) {
    const auto parsed = Date::fromIso(s->substr(0, 10));
    return parsed ? *parsed : Date();
  }
  return Date();
}

// --- reading and binding ---------------------------------------------------------------------

void bindValue(Statement& st, int index, const Value& v) {
  std::visit(
      [&](const auto& x) {
        using X = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<X, std::monostate>) st.bindNull(index);
        else st.bind(index, x);
      },
      v);
}

Row readRow(const Statement& st, const TableDef* table) {
  Row row;
  for (int c = 0; c < st.columnCount(); ++c) {
    const std::string name = st.columnName(c);
    const FieldDef* f = table ? table->field(name) : nullptr;
    const auto kind = st.columnKind(c);
    if (f && f->type == FieldType::Date) row.set(name, st.getDate(c));
    else if (f && (f->type == FieldType::Text || f->type == FieldType::Memo)) row.set(name, st.getText(c));
    else if (kind == Statement::Kind::Null) row.set(name, f && isTextLike(f->type) ? Value(std::string()) : Value());
    else if (kind == Statement::Kind::Integer) row.set(name, st.getInt(c));
    else if (kind == Statement::Kind::Real) row.set(name, st.getDouble(c));
    else row.set(name, st.getText(c));
  }
  return row;
}

// --- writing ---------------------------------------------------------------------------------

Status checkRow(const TableDef& t, const Row& row) {
  for (const auto& [name, v] : row.fields()) {
    const FieldDef* f = t.field(name);
    if (!f) return Status::error(t.name + " tablosunda " + name + " adında bir alan yok.");
    if (Status s = checkValueType(t, *f, v); !s) return s;
    if (const auto* text = std::get_if<std::string>(&v))
      if (Status s = checkWidth(t, f->name, *text); !s) return s;
  }
  return Status::ok();
}

Result<long long> insertRow(Database& db, const TableDef& t, const Row& row) {
  if (Status s = checkRow(t, row); !s) return s;
  std::vector<std::string> cols, params;
  for (const auto& [name, v] : row.fields()) {
    (void)v;
    cols.push_back(quoteIdent(t.field(name)->name));
    params.push_back("?");
  }
  const std::string sql = cols.empty()
                              ? "INSERT INTO " + quoteIdent(t.name) + " DEFAULT VALUES"
                              : "INSERT INTO " + quoteIdent(t.name) + " " + tuple(cols) + " VALUES " + tuple(params);
  try {
    Statement st = db.prepare(sql);
    int i = 1;
    for (const auto& [name, v] : row.fields()) bindValue(st, i++, v);
    st.run();
    return db.lastInsertId();
  } catch (const DbError& e) {
    return fromDbError<long long>(e, t);
  }
}

Result<int> updateRows(Database& db, const TableDef& t, const Row& where, const Row& values) {
  if (where.empty() || values.empty())
    return Result<int>::error(t.name + " tablosunda değiştirilecek kayıt belirtilmedi.");
  if (Status s = checkRow(t, values); !s) return s;
  if (Status s = checkRow(t, where); !s) return s;
  std::string set;
  int n = 1;
  for (const auto& [name, v] : values.fields()) {
    (void)v;
    set += (set.empty() ? "" : ", ") + quoteIdent(t.field(name)->name) + " = ?" + std::to_string(n++);
  }
  try {
    Statement st = db.prepare("UPDATE " + quoteIdent(t.name) + " SET " + set + " WHERE " + whereClause(where, n));
    int i = 1;
    for (const auto& [name, v] : values.fields()) bindValue(st, i++, v);
    for (const auto& [name, v] : where.fields()) bindValue(st, i++, v);
    st.run();
    return db.changes();
  } catch (const DbError& e) {
    return fromDbError<int>(e, t);
  }
}

Result<int> deleteRows(Database& db, const TableDef& t, const Row& where) {
  if (where.empty()) return Result<int>::error(t.name + " tablosunda silinecek kayıt belirtilmedi.");
  if (Status s = checkRow(t, where); !s) return s;
  try {
    Statement st = db.prepare("DELETE FROM " + quoteIdent(t.name) + " WHERE " + whereClause(where, 1));
    int i = 1;
    for (const auto& [name, v] : where.fields()) bindValue(st, i++, v);
    st.run();
    return db.changes();
  } catch (const DbError& e) {
    return fromDbError<int>(e, t);
  }
}

// --- searching -------------------------------------------------------------------------------

std::vector<std::string> indexFields(const TableDef& t, std::string_view indexName) {
  for (const auto& idx : t.indexes)
    if (sameField(idx.name, indexName)) return idx.fields;
  throw std::logic_error(t.name + " tablosunda " + std::string(indexName) + " dizini yok");
}

std::optional<Row> findNearest(Database& db, const TableDef& t, const std::vector<std::string>& fields,
                               const std::vector<Value>& values) {
  const size_t n = std::min(fields.size(), values.size());
  std::string sql = selectSql(t);
  if (n > 0) sql += " WHERE " + keyCompare(t, fields, n, ">=");
  sql += " ORDER BY " + orderBy(fields) + " LIMIT 1";
  Statement st = db.prepare(sql);
  for (size_t i = 0; i < n; ++i) bindValue(st, static_cast<int>(i + 1), values[i]);
  if (!st.step()) return std::nullopt;
  return readRow(st, &t);
}

std::vector<Row> selectRange(Database& db, const TableDef& t, const std::vector<std::string>& fields,
                             const std::vector<Value>& from, const std::vector<Value>& to) {
  const size_t nFrom = std::min(fields.size(), from.size());
  const size_t nTo = std::min(fields.size(), to.size());
  std::string where;
  if (nFrom) where = keyCompare(t, fields, nFrom, ">=");
  if (nTo) where += (where.empty() ? "" : " AND ") + keyCompare(t, fields, nTo, "<=");
  std::string sql = selectSql(t);
  if (!where.empty()) sql += " WHERE " + where;
  sql += " ORDER BY " + orderBy(fields);
  Statement st = db.prepare(sql);
  int i = 1;
  for (size_t k = 0; k < nFrom; ++k) bindValue(st, i++, from[k]);
  for (size_t k = 0; k < nTo; ++k) bindValue(st, i++, to[k]);
  return collect(st, t);
}

std::optional<Row> locate(Database& db, const TableDef& t, const Row& criteria) {
  Statement st = db.prepare(selectSql(t) + " WHERE " + whereClause(criteria, 1) + " ORDER BY rowid LIMIT 1");
  int i = 1;
  for (const auto& [name, v] : criteria.fields()) bindValue(st, i++, v);
  if (!st.step()) return std::nullopt;
  return readRow(st, &t);
}

std::vector<Row> selectWhere(Database& db, const TableDef& t, const Row& criteria,
                             const std::vector<std::string>& order) {
  Statement st = db.prepare(selectSql(t) + " WHERE " + whereClause(criteria, 1) + " ORDER BY " +
                            (order.empty() ? std::string("rowid") : orderBy(order)));
  int i = 1;
  for (const auto& [name, v] : criteria.fields()) bindValue(st, i++, v);
  return collect(st, t);
}

long long countRows(Database& db, const TableDef& t, const Row& criteria) {
  Statement st = db.prepare("SELECT COUNT(*) FROM " + quoteIdent(t.name) + " WHERE " + whereClause(criteria, 1));
  int i = 1;
  for (const auto& [name, v] : criteria.fields()) bindValue(st, i++, v);
  st.step();
  return st.getInt(0);
}

const TableDef& table(std::string_view name) {
  const TableDef* t = findTable(name);
  if (!t) throw std::logic_error("Katalogda olmayan tablo: " + std::string(name));
  return *t;
}

}  // namespace orv::db
