#include "data/integrity_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "data/catalogue.h"
#include "data/database.h"
#include "fixtures/temp_dir.h"

using namespace orv;
using namespace orv::db;

namespace {

std::unique_ptr<Database> rootIn(const test::TempDir& dir) {
  auto db = Database::open(dir.str());
  EXPECT_TRUE(db.isOk());
  createTables(*db.value(), FolderKind::Root);
  return std::move(db).value();
}

}  // namespace

TEST(IntegrityCheck, ASoundDatabaseIsFine) {
  test::TempDir dir;
  rootIn(dir);
  const auto report = checkFolderDatabase(dir.str());
  EXPECT_EQ(report.code, kCheckFine);
  EXPECT_TRUE(report.problems.empty());
}

TEST(IntegrityCheck, AMissingDatabaseIsAnErrorAndIsNotCreated) {
  test::TempDir dir;
  EXPECT_EQ(checkFolderDatabase(dir.str()).code, kCheckErrorsFound);
  EXPECT_FALSE(Database::existsIn(dir.str()));
  EXPECT_EQ(checkFolderDatabase(dir.str() + "/yok").code, kCheckErrorsFound);
}

TEST(IntegrityCheck, ADamagedFileIsAnError) {
  test::TempDir dir;
  {
    auto db = rootIn(dir);
    Transaction tx(*db);
    for (int i = 0; i < 300; ++i)
      db->prepare("INSERT INTO users (Username, Adi) VALUES (?1, ?2)")
          .bind(1, "U" + std::to_string(i)).bind(2, std::string(40, 'a')).run();
    tx.commit();
  }
  const auto file = std::filesystem::path(dir.str()) / kDatabaseFileName;
  const auto size = std::filesystem::file_size(file);
  std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
  for (std::streamoff at = 4096 + 100; at < static_cast<std::streamoff>(size); at += 4096) {
    f.seekp(at);
    f.write("\xff\xff\xff\xff\xff\xff\xff\xff", 8);
  }
  f.close();
  const auto report = checkFolderDatabase(dir.str());
  EXPECT_EQ(report.code, kCheckErrorsFound);
  EXPECT_FALSE(report.problems.empty());
}

TEST(IntegrityCheck, AWriterAtWorkMeansFilesInUse) {
  test::TempDir dir;
  auto db = rootIn(dir);
  Transaction writing(*db);
  db->exec("INSERT INTO LOCK (SIRA) VALUES (9)");
  const auto report = checkFolderDatabase(dir.str());
  EXPECT_EQ(report.code, kCheckFilesInUse);
  ASSERT_EQ(report.problems.size(), 1u);
  EXPECT_EQ(report.problems[0], "Dosyalar Kullanımda Kontrol İşlemi Yapılmadı!");
}

TEST(IntegrityCheck, CommandLineKeepsTheRepairToolsShape) {
  EXPECT_EQ(checkCommandLine("/opt/orvcheck", "ORVDEM001"), "/opt/orvcheck -Q+ -R1 /A\"ORVDEM001\"");
  EXPECT_EQ(checkArguments("/d/FIRMA1"), (std::vector<std::string>{"-Q+", "-R1", "/A/d/FIRMA1"}));
  EXPECT_EQ(checkCodeFromExitStatus(254), -2);
  EXPECT_EQ(checkCodeFromExitStatus(255), -1);
  EXPECT_EQ(checkCodeFromExitStatus(0), 0);
  EXPECT_EQ(checkCodeFromExitStatus(-2), -2);
}
