// Schema upgrade by column additions, and reshaping working tables.
#include "data/schema_upgrade.h"

#include "data/catalogue.h"

namespace orv::db {
namespace {

struct ColumnGroup {
  const char* table;
  std::vector<const char*> columns;
  const char* warning;
  const char* fileName;  // as the user knows the table file
};

const std::vector<ColumnGroup>& rootGroups() {
  static const std::vector<ColumnGroup> g = {
      {"FIRMA", {"YerelPara", "Kurus1", "Kurus2"}, kFirmaUpgradeWarning, "FIRMA.DB"},
      {"FIRMA", {"MaliDonemBaslangici"}, kFirmaUpgradeWarning, "FIRMA.DB"},
  };
  return g;
}

const std::vector<ColumnGroup>& companyGroups() {
  static const std::vector<ColumnGroup> g = {
      {"Kart", {"CikisTipi"}, kKartUpgradeWarning, "KART.DB"},
  };
  return g;
}

Status addColumn(Database& db, const std::string& table, const FieldDef& field, const char* fileName) {
  try {
    db.exec("ALTER TABLE " + quoteIdent(table) + " ADD COLUMN " + quoteIdent(field.name) + " " +
            sqlType(field));
    return Status::ok();
  } catch (const DbError& e) {
    return Status::error(std::string(fileName) + " dosyasına " + field.name +
                         " alanı eklenemedi: " + e.what());
  }
}

Status applyGroup(Database& db, const ColumnGroup& group, Prompter& prompter) {
  const std::string stored = db.tableName(group.table);
  if (stored.empty()) return Status::ok();
  const TableDef& def = *findTable(group.table);
  std::vector<const FieldDef*> missing;
  for (const char* column : group.columns)
    if (!db.hasColumn(stored, column)) missing.push_back(def.field(column));
  if (missing.empty()) return Status::ok();
  prompter.message(MessageKind::Warning, group.warning);
  for (const FieldDef* field : missing)
    if (Status s = addColumn(db, stored, *field, group.fileName); !s) return s;
  return Status::ok();
}

Status applyGroups(Database& db, const std::vector<ColumnGroup>& groups, Prompter& prompter) {
  for (const auto& g : groups)
    if (Status s = applyGroup(db, g, prompter); !s) return s;
  return Status::ok();
}

// Indexes of the catalogue missing from an older Kart table, and the department-and-code index
// made unique. Cards that already share a code keep the old index, and the user is told.
void upgradeKartIndexes(Database& db, Prompter& prompter) {
  const std::string stored = db.tableName("Kart");
  if (stored.empty()) return;
  const TableDef& def = *findTable("Kart");
  for (const auto& idx : def.indexes) {
    const std::string name = physicalIndexName(def, idx);
    bool present = false, unique = false;
    {
      auto st = db.prepare("SELECT \"unique\" FROM pragma_index_list(?) WHERE name = ?");
      st.bind(1, stored).bind(2, name);
      present = st.step();
      unique = present && st.getInt(0) != 0;
    }
    if (present && (!idx.unique || unique)) continue;
    try {
      Transaction tx(db);
      if (present) db.exec("DROP INDEX " + quoteIdent(name));
      createTable(db, def);
      tx.commit();
    } catch (const DbError&) {
      prompter.message(MessageKind::Warning, "KART.DB dosyasında aynı bölüm ve kodu taşıyan kartlar var; "
                                             "bu kartların kodları düzeltilmelidir.");
    }
  }
}

}  // namespace

Status upgradeRootSchema(Database& root, Prompter& prompter) {
  return applyGroups(root, rootGroups(), prompter);
}

Status upgradeCompanySchema(Database& company, Prompter& prompter) {
  if (Status s = applyGroups(company, companyGroups(), prompter); !s) return s;
  upgradeKartIndexes(company, prompter);
  return Status::ok();
}

Status upgradeSchema(Database& root, Database& company, Prompter& prompter) {
  if (Status s = upgradeRootSchema(root, prompter); !s) return s;
  return upgradeCompanySchema(company, prompter);
}

Status upgradeAtStartup(Database& root, const std::string& companyFolder, Prompter& prompter) {
  if (Status s = upgradeRootSchema(root, prompter); !s) return s;
  if (companyFolder.empty() || !Database::existsIn(companyFolder)) return Status::ok();
  auto company = Database::open(companyFolder, Database::Mode::MustExist);
  if (!company) return Status::ok();  // gone or unreadable: the activation will tell
  return upgradeCompanySchema(*company.value(), prompter);
}

Status reshapeTemporaryTable(Database& temp, std::string_view name,
                             const std::vector<ColumnSpec>& columns, Prompter& prompter) {
  const std::string stored = temp.tableName(name);
  if (stored.empty()) {
    const std::string text = "Eski geçici dosyaya ait bilgilere erişilemiyor... İŞLEM DEVAM EDEMEZ";
    prompter.message(MessageKind::Error, text);
    return Status::error(text);
  }
  std::string defs;
  for (const auto& c : columns) defs += (defs.empty() ? "" : ", ") + quoteIdent(c.name) + " " + c.sqlType;
  try {
    Transaction tx(temp);
    temp.exec("DROP TABLE " + quoteIdent(stored));
    temp.exec("CREATE TABLE " + quoteIdent(stored) + " (" + defs + ")");
    tx.commit();
    return Status::ok();
  } catch (const DbError&) {
    const std::string text = "Geçici dosya kaldırılamıyor.";
    prompter.message(MessageKind::Information, text);
    return Status::error(text);
  }
}

}  // namespace orv::db
