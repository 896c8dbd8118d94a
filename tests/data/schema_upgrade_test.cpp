#include "data/schema_upgrade.h"

#include <gtest/gtest.h>

#include "data/catalogue.h"
#include "fixtures/temp_dir.h"

using namespace orv;
using namespace orv::db;

namespace {

struct Recorder : Prompter {
  void message(MessageKind kind, const std::string& text) override { said.push_back({kind, text}); }
  Answer confirm(MessageKind, const std::string&, bool) override { return Answer::Yes; }
  std::vector<std::pair<MessageKind, std::string>> said;
};

std::unique_ptr<Database> open(const test::TempDir& d) { return std::move(Database::open(d.str())).value(); }

// FIRMA as the oldest version had it: without the four later fields.
void createOldFirma(Database& db) {
  db.exec(createTableSql(*findTable("FIRMA")));
  for (const char* c : {"YerelPara", "Kurus1", "Kurus2", "MaliDonemBaslangici"})
    db.exec(std::string("ALTER TABLE FIRMA DROP COLUMN ") + c);
}

}  // namespace

TEST(SchemaUpgrade, OldFirmaGetsBothGroupsEachAfterItsWarningInCatalogueOrder) {
  test::TempDir dir;
  auto db = open(dir);
  createOldFirma(*db);
  Recorder p;
  ASSERT_TRUE(upgradeRootSchema(*db, p).isOk());
  ASSERT_EQ(p.said.size(), 2u);
  for (const auto& m : p.said) {
    EXPECT_EQ(m.first, MessageKind::Warning);
    EXPECT_EQ(m.second, "FIRMA.DB Dosyasına Yeni Alanlar Eklenecektir.");
  }
  const auto cols = db->columns("FIRMA");
  const auto& def = findTable("FIRMA")->fields;
  ASSERT_EQ(cols.size(), def.size());
  for (size_t i = 0; i < def.size(); ++i) EXPECT_EQ(cols[i].name, def[i].name);
  EXPECT_EQ(cols[48].type, "VARCHAR(5)");  // YerelPara agrees with the catalogue
  Recorder again;
  ASSERT_TRUE(upgradeRootSchema(*db, again).isOk());
  EXPECT_TRUE(again.said.empty());
}

TEST(SchemaUpgrade, OnlyTheMissingGroupIsAnnounced) {
  test::TempDir dir;
  auto db = open(dir);
  db->exec(createTableSql(*findTable("FIRMA")));
  db->exec("ALTER TABLE FIRMA DROP COLUMN MaliDonemBaslangici");
  Recorder p;
  ASSERT_TRUE(upgradeRootSchema(*db, p).isOk());
  EXPECT_EQ(p.said.size(), 1u);
  EXPECT_TRUE(db->hasColumn("FIRMA", "MaliDonemBaslangici"));
}

TEST(SchemaUpgrade, AFailingAdditionNamesTableAndColumnAndStops) {
  test::TempDir dir;
  auto db = open(dir);
  createOldFirma(*db);
  Database::setWriteFaultHook([](std::string_view sql) { return sql.find("\"Kurus1\"") != sql.npos; });
  Recorder p;
  const Status s = upgradeRootSchema(*db, p);
  Database::setWriteFaultHook(nullptr);
  ASSERT_FALSE(s.isOk());
  EXPECT_EQ(s.message().rfind("FIRMA.DB dosyasına Kurus1 alanı eklenemedi", 0), 0u) << s.message();
  EXPECT_TRUE(db->hasColumn("FIRMA", "YerelPara"));
  EXPECT_FALSE(db->hasColumn("FIRMA", "MaliDonemBaslangici"));  // stopped, not skipped
}

TEST(SchemaUpgrade, StartupSkipsACompanyFolderThatIsGone) {
  test::TempDir dir;
  auto db = open(dir);
  createTables(*db, FolderKind::Root);
  Recorder p;
  EXPECT_TRUE(upgradeAtStartup(*db, dir.str() + "/YOKFIRMA", p).isOk());
  EXPECT_TRUE(p.said.empty());
}

TEST(SchemaUpgrade, StartupUpgradesTheAliasedCompany) {
  test::TempDir rootDir, companyDir;
  auto root = open(rootDir);
  createTables(*root, FolderKind::Root);
  {
    auto company = open(companyDir);
    createTables(*company, FolderKind::Company);
    company->exec("ALTER TABLE Kart DROP COLUMN CikisTipi");
  }
  Recorder p;
  ASSERT_TRUE(upgradeAtStartup(*root, companyDir.str(), p).isOk());
  ASSERT_EQ(p.said.size(), 1u);
  EXPECT_EQ(p.said[0].second, "KART.DB Dosyasına Yeni Alanlar Eklenecektir.");
  EXPECT_TRUE(open(companyDir)->hasColumn("Kart", "CikisTipi"));
}

TEST(SchemaUpgrade, ReshapingLeavesExactlyTheCallersColumns) {
  test::TempDir dir;
  auto db = open(dir);
  db->exec("CREATE TABLE RAPTEMP0 (A TEXT, B REAL, DIGER INTEGER)");
  db->exec("INSERT INTO RAPTEMP0 VALUES ('x', 1, 0)");
  Recorder p;
  ASSERT_TRUE(reshapeTemporaryTable(*db, "raptemp0", {{"Kod", "TEXT"}, {"Tutar", "REAL"}}, p).isOk());
  const auto cols = db->columns("RAPTEMP0");
  ASSERT_EQ(cols.size(), 2u);
  EXPECT_EQ(cols[0].name, "Kod");
  EXPECT_EQ(cols[1].name, "Tutar");
  EXPECT_TRUE(p.said.empty());
}

TEST(SchemaUpgrade, ReshapingReportsAMissingTableAndAFailingChange) {
  test::TempDir dir;
  auto db = open(dir);
  Recorder p;
  EXPECT_FALSE(reshapeTemporaryTable(*db, "YOK", {{"A", "TEXT"}}, p).isOk());
  db->exec("CREATE TABLE T1 (A TEXT)");
  Database::setWriteFaultHook([](std::string_view sql) { return sql.find("DROP TABLE") != sql.npos; });
  EXPECT_FALSE(reshapeTemporaryTable(*db, "T1", {{"B", "TEXT"}}, p).isOk());
  Database::setWriteFaultHook(nullptr);
  ASSERT_EQ(p.said.size(), 2u);
  EXPECT_EQ(p.said[0], std::make_pair(MessageKind::Error,
                                      std::string("Eski geçici dosyaya ait bilgilere erişilemiyor... İŞLEM DEVAM EDEMEZ")));
  EXPECT_EQ(p.said[1], std::make_pair(MessageKind::Information, std::string("Geçici dosya kaldırılamıyor.")));
  EXPECT_TRUE(db->hasColumn("T1", "A"));
}
