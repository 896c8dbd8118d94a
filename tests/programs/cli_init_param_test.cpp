// "init", "param get", "param set" and "--help" through the real orvdemirbas-cli.
#include <gtest/gtest.h>

#include <filesystem>

#include "data/data_root.h"
#include "data/aliases.h"
#include "data/parameters.h"
#include "fixtures/data_root.h"
#include "fixtures/process.h"
#include "fixtures/temp_dir.h"

using namespace orv;

#ifdef ORVDEMIRBAS_CLI_PATH

namespace {

class CliInitParam : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef _WIN32
    GTEST_SKIP() << "child processes are started on POSIX only";
TEST_F(CliInitParam, UserOptionLogsInWithThePasswordFromTheEnvironmentOrStdin) {
  ASSERT_EQ(cli({"init"}).exitCode, 0);
  ASSERT_EQ(test::runProcess({ORVDEMIRBAS_CLI_PATH, "--root", root, "user", "add", "AYSE", "--full-name", "Ayşe"},
                             "gizli\n", env()).exitCode, 0);
  const std::vector<std::string> get = {ORVDEMIRBAS_CLI_PATH, "--root", root, "--user", "AYSE",
                                        "param", "get", "Genel KDV Oranı"};
  auto withEnv = env();
  withEnv["ORVDEMIRBAS_PASSWORD"] = "yanlış";
  const auto wrong = test::runProcess(get, {}, withEnv);
  EXPECT_NE(wrong.exitCode, 0);
  EXPECT_NE(wrong.err.find("Hatalı şifre"), std::string::npos) << wrong.err;
  const auto right = test::runProcess(get, "gizli\n", env());
  EXPECT_EQ(right.exitCode, 0) << right.err;
  EXPECT_EQ(right.out, "18\n");
}

#endif
    root = dir.str() + "/DATA";
  }
  std::map<std::string, std::string> env() const {
    return {{"ORVDEMIRBAS_CONFIG", dir.str() + "/config"}, {"ORVAN_HOME", home()}};
  }
  std::string home() const { return dir.str() + "/ORVAN.WIN"; }
  test::ProcessResult run(std::vector<std::string> words, const std::string& r) {
    words.insert(words.begin(), {ORVDEMIRBAS_CLI_PATH, "--root", r});
    return test::runProcess(words, {}, env());
  }
  test::ProcessResult cli(std::vector<std::string> words) { return run(std::move(words), root); }

  test::TempDir dir;
  std::string root;
};

}  // namespace

TEST_F(CliInitParam, InitThenEveryParameterReadsBackItsDefault) {
  const auto made = cli({"init"});
  ASSERT_EQ(made.exitCode, 0) << made.err;
  EXPECT_EQ(made.out, "Veri kökü oluşturuldu: " + root + "\n");
  ASSERT_TRUE(db::isDataRoot(root));
  for (const auto& p : db::systemParameters(home())) {
    const auto got = cli({"param", "get", p.title});
    ASSERT_EQ(got.exitCode, 0) << p.title << ": " << got.err;
    EXPECT_EQ(got.out, p.defaultValue + "\n") << p.title;
  }
}

TEST_F(CliInitParam, InitTakesItsRootAfterTheCommandAndLeavesAnExistingRootAlone) {
  const auto first = test::runProcess({ORVDEMIRBAS_CLI_PATH, "init", "--root", root}, {}, env());
  ASSERT_EQ(first.exitCode, 0) << first.err;
  ASSERT_EQ(cli({"param", "set", "Genel KDV Oranı", "20"}).exitCode, 0);
  const auto again = cli({"init"});
  EXPECT_EQ(again.exitCode, 0);
  EXPECT_EQ(again.out, "Bu klasörde zaten bir veri kökü var: " + root + ". Hiçbir şey değiştirilmedi.\n");
  EXPECT_EQ(cli({"param", "get", "Genel KDV Oranı"}).out, "20\n");
}

TEST_F(CliInitParam, InitUnderAMissingFolderFailsInTurkishAndWritesNothing) {
  const auto r = run({"init"}, dir.str() + "/yok/DATA");
  EXPECT_NE(r.exitCode, 0);
  EXPECT_EQ(r.err, "Veri kökünün üst klasörü bulunamadı: " + dir.str() + "/yok. Hiçbir şey yazılmadı.\n");
  EXPECT_FALSE(std::filesystem::exists(dir.str() + "/yok"));
}

TEST_F(CliInitParam, SetStoresInTheSharedOrTheCompanysOwnParameters) {
  test::TempDataRoot data;
  test::CompanySetup own;
  own.ownParameters = true;
  data.addCompany("OZEL", own);
  data.addCompany("ORTAK");
  auto p = [&](std::vector<std::string> w) { return run(std::move(w), data.root()); };
  ASSERT_EQ(p({"param", "set", "Tarih Ayıracı", "/", "--company", "OZEL"}).exitCode, 0);
  ASSERT_EQ(p({"param", "set", "Tarih Ayıracı", "."}).exitCode, 0);
  EXPECT_EQ(p({"param", "get", "Tarih Ayıracı", "--company", "OZEL"}).out, "/\n");
  EXPECT_EQ(p({"param", "get", "Tarih Ayıracı", "--company", "ORTAK"}).out, ".\n");
  EXPECT_EQ(p({"param", "get", "Tarih Ayıracı"}).out, ".\n");
}

TEST_F(CliInitParam, BadRequestsFailWithTurkishMessages) {
  ASSERT_EQ(cli({"init"}).exitCode, 0);
  struct Case {
    std::vector<std::string> words;
    std::string err;
  };
  const std::vector<Case> cases = {
      {{"param", "get", "Olmayan Başlık"}, "Parametre bulunamadı: Olmayan Başlık\n"},
      {{"param", "get", "Temp Path", "--company", "YOK"}, "Firma bulunamadı: YOK\n"},
      {{"param", "set", "Genel KDV Oranı", std::string(241, '9')},
       "paramalt tablosunun Deger1 alanı en çok 240 karakter alabilir (girilen: 241 karakter).\n"},
      {{"param", "get"}, "Kullanım: orvdemirbas-cli param get BAŞLIK [--company FİRMA]\n"},
      {{"param", "get", "X", "--company"}, "--company seçeneğinin değeri eksik.\n"},
      {{"yoket"}, "Bilinmeyen komut: yoket (komutların listesi için --help)\n"},
  };
  for (const auto& c : cases) {
    const auto r = cli(c.words);
    EXPECT_NE(r.exitCode, 0) << c.words[0];
    EXPECT_EQ(r.err, c.err);
  }
  EXPECT_EQ(cli({"param", "get", "Genel KDV Oranı"}).out, "18\n");  // the refused set wrote nothing
  const auto noRoot = run({"param", "get", "Temp Path"}, dir.str() + "/BOS");
  EXPECT_NE(noRoot.exitCode, 0);
  EXPECT_NE(noRoot.err.find("Veri kökü açılamadı"), std::string::npos) << noRoot.err;
}

TEST_F(CliInitParam, HelpListsEveryRegisteredCommand) {
  const auto r = test::runProcess({ORVDEMIRBAS_CLI_PATH, "--help"}, {}, env());
  ASSERT_EQ(r.exitCode, 0);
  for (const char* usage : {"init [--root KLASÖR]", "param get BAŞLIK [--company FİRMA]",
                            "param set BAŞLIK DEĞER [--company FİRMA]"})
    EXPECT_NE(r.out.find(usage), std::string::npos) << usage;
  const auto none = test::runProcess({ORVDEMIRBAS_CLI_PATH}, {}, env());
  EXPECT_EQ(none.exitCode, 2);
}

TEST_F(CliInitParam, WithoutRootTheAliasStoreDecides) {
  const std::string aliased = dir.str() + "/KOK";
  ASSERT_EQ(test::runProcess({ORVDEMIRBAS_CLI_PATH, "init", "--root", aliased}, {}, env()).exitCode, 0);
  AliasStore(dir.str() + "/config/aliases.ini").repoint(kRootAlias, aliased);
  ASSERT_EQ(test::runProcess({ORVDEMIRBAS_CLI_PATH, "param", "set", "Temp Path", "/x"}, {}, env()).exitCode, 0);
  EXPECT_EQ(db::readParameter(*std::move(db::Database::open(db::sharedParameterFolder(aliased))).value(),
                              "Temp Path", ""),
            "/x");
}

TEST_F(CliInitParam, UserOptionLogsInWithThePasswordFromTheEnvironmentOrStdin) {
  ASSERT_EQ(cli({"init"}).exitCode, 0);
  ASSERT_EQ(test::runProcess({ORVDEMIRBAS_CLI_PATH, "--root", root, "user", "add", "AYSE", "--full-name", "Ayşe"},
                             "gizli\n", env()).exitCode, 0);
  const std::vector<std::string> get = {ORVDEMIRBAS_CLI_PATH, "--root", root, "--user", "AYSE",
                                        "param", "get", "Genel KDV Oranı"};
  auto withEnv = env();
  withEnv["ORVDEMIRBAS_PASSWORD"] = "yanlış";
  const auto wrong = test::runProcess(get, {}, withEnv);
  EXPECT_NE(wrong.exitCode, 0);
  EXPECT_NE(wrong.err.find("Hatalı şifre"), std::string::npos) << wrong.err;
  const auto right = test::runProcess(get, "gizli\n", env());
  EXPECT_EQ(right.exitCode, 0) << right.err;
  EXPECT_EQ(right.out, "18\n");
}

#endif
