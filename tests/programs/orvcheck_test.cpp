// orvcheck as a real process.
#include <gtest/gtest.h>

#include "data/aliases.h"
#include "data/catalogue.h"
#include "data/database.h"
#include "data/integrity_check.h"
#include "fixtures/process.h"
#include "fixtures/temp_dir.h"

using namespace orv;

#ifdef ORVCHECK_PATH

TEST(Orvcheck, ExitCodesFollowTheRepairTool) {
#ifdef _WIN32
  GTEST_SKIP();
#endif
  test::TempDir dir;
  const std::string folder = dir.sub("FIRMA1");
  auto db = db::Database::open(folder);
  ASSERT_TRUE(db.isOk());
  db::createTables(*db.value(), db::FolderKind::Company);

  auto fine = test::runProcess({ORVCHECK_PATH, "-Q+", "-R1", "/A" + folder});
  EXPECT_EQ(fine.exitCode, 0) << fine.out;

  // the company alias, as the program names it
  const std::string config = dir.sub("config");
  ASSERT_TRUE(AliasStore(config + "/" + kAliasFileName).repoint(kCompanyAlias, folder).isOk());
  auto aliased = test::runProcess({ORVCHECK_PATH, "-Q+", "-R1", std::string("/A") + kCompanyAlias}, {},
                                  {{"ORVDEMIRBAS_CONFIG", config}});
  EXPECT_EQ(aliased.exitCode, 0) << aliased.out;

  {
    db::Transaction writing(*db.value());
    db.value()->exec("DELETE FROM Kart");
    auto busy = test::runProcess({ORVCHECK_PATH, "-Q+", "-R1", "/A" + folder});
    EXPECT_EQ(db::checkCodeFromExitStatus(busy.exitCode), db::kCheckFilesInUse);
  }
  auto missing = test::runProcess({ORVCHECK_PATH, "-Q+", "-R1", "/A" + dir.sub("BOS")});
  EXPECT_EQ(db::checkCodeFromExitStatus(missing.exitCode), db::kCheckErrorsFound);
  EXPECT_FALSE(db::Database::existsIn(dir.sub("BOS")));
  EXPECT_EQ(test::runProcess({ORVCHECK_PATH, "-Q+"}).exitCode, 2);
}

#endif
