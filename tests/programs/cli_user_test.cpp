// User administration through the real orvdemirbas-cli: add, passwd, grant, revoke and list
// on a root made by "init", with the rows read back by the login core.
#include <gtest/gtest.h>

#include "data/database.h"
#include "fixtures/process.h"
#include "fixtures/temp_dir.h"
#include "users/login.h"
#include "users/rights.h"

using namespace orv;

#ifdef ORVDEMIRBAS_CLI_PATH

namespace {

class CliUser : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef _WIN32
    GTEST_SKIP() << "child processes are started on POSIX only";
#endif
    root = dir.str() + "/DATA";
    ASSERT_EQ(cli({"init"}).exitCode, 0);
  }
  test::ProcessResult cli(std::vector<std::string> words, const std::string& input = {}) {
    words.insert(words.begin(), {ORVDEMIRBAS_CLI_PATH, "--root", root});
    return test::runProcess(words, input,
                            {{"ORVDEMIRBAS_CONFIG", dir.str() + "/config"},
                             {"ORVAN_HOME", dir.str() + "/ORVAN.WIN"}});
  }
  std::unique_ptr<db::Database> openRoot() {
    auto db = db::Database::open(root, db::Database::Mode::MustExist);
    EXPECT_TRUE(db.isOk()) << db.message();
    return std::move(db).value();
  }

  test::TempDir dir;
  std::string root;
};

}  // namespace

TEST_F(CliUser, AddGrantRevokePasswdAndListRoundTrip) {
  const auto added = cli({"user", "add", "AYSE", "--full-name", "Ayşe Yılmaz"}, "gizli\n");
  ASSERT_EQ(added.exitCode, 0) << added.err;
  ASSERT_EQ(cli({"user", "grant", "AYSE", "10", "2010", "3563"}).exitCode, 0);
  ASSERT_EQ(cli({"user", "revoke", "AYSE", "10"}).exitCode, 0);
  auto listed = cli({"user", "list"});
  ASSERT_EQ(listed.exitCode, 0) << listed.err;
  EXPECT_EQ(listed.out, "AYSE\tAyşe Yılmaz\t2010,3563\n");

  auto db = openRoot();
  auto who = users::login(*db, "AYSE", "gizli");
  ASSERT_TRUE(who.isOk()) << who.message();
  EXPECT_EQ(users::loadRights(*db, who->id).value(), (std::set<int>{2010, 3563}));

  ASSERT_EQ(cli({"user", "passwd", "AYSE"}, "yeni şifre\r\n").exitCode, 0);
  EXPECT_FALSE(users::login(*db, "AYSE", "gizli").isOk());
  EXPECT_TRUE(users::login(*db, "AYSE", "yeni şifre").isOk());

  ASSERT_EQ(cli({"user", "grant", "AYSE", "all"}).exitCode, 0);
  EXPECT_EQ(users::loadRights(*db, who->id)->size(), users::allRightCodes().size());
}

TEST_F(CliUser, BadInputIsRefusedInTurkishAndChangesNothing) {
  ASSERT_EQ(cli({"user", "add", "AYSE", "--full-name", "Ayşe"}, "p\n").exitCode, 0);
  struct Case { std::vector<std::string> words; std::string input; std::string part; };
  const Case cases[] = {
      {{"user", "add", "AYSE", "--full-name", "İkinci"}, "p\n", "zaten var"},
      {{"user", "add", "ALI", "--full-name", "Ali"}, "", "Şifre okunamadı"},
      {{"user", "add", "ALI"}, "p\n", "Kullanım"},
      {{"user", "grant", "AYSE", "10", "11"}, "", "Bilinmeyen yetki kodu: 11"},
      {{"user", "grant", "YOK", "10"}, "", "Kullanıcı bulunamadı: YOK"},
      {{"user", "passwd", "AYSE"}, std::string(21, 'x') + "\n", "Password"},
      {{"user", "revoke", "AYSE"}, "", "Kullanım"},
  };
  for (const auto& c : cases) {
    const auto r = cli(c.words, c.input);
    EXPECT_NE(r.exitCode, 0) << c.words.back();
    EXPECT_NE(r.err.find(c.part), std::string::npos) << r.err;
  }
  EXPECT_EQ(cli({"user", "list"}).out, "AYSE\tAyşe\t\n");
  auto db = openRoot();
  EXPECT_TRUE(users::login(*db, "AYSE", "p").isOk());
}

TEST_F(CliUser, AFolderWithoutARootIsRefusedAndLeftEmpty) {
  root = dir.sub("BOS");
  const auto r = cli({"user", "add", "AYSE", "--full-name", "Ayşe"}, "p\n");
  EXPECT_NE(r.exitCode, 0);
  EXPECT_FALSE(r.err.empty());
  EXPECT_FALSE(db::Database::existsIn(root));
}

#endif
