// orvdemirbas-cli company create / set / list as a real process.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "fixtures/data_root.h"

#ifdef ORVDEMIRBAS_CLI_PATH
namespace {

struct Run {
  int code;
  std::string out;
};

Run cli(const std::string& root, const std::string& args) {
  const std::string cmd = std::string(ORVDEMIRBAS_CLI_PATH) + " --root '" + root + "' " + args + " 2>&1";
  FILE* p = popen(cmd.c_str(), "r");
  std::string out;
  char buf[512];
  while (size_t n = fread(buf, 1, sizeof buf, p)) out.append(buf, n);
  const int status = pclose(p);
  return {WEXITSTATUS(status), out};
}

TEST(CompanyCommandsTest, CreateSetAndListGoThroughTheFolders) {
  orv::test::TempDataRoot data;
  auto r = cli(data.root(), "company create Abc 'Unvan=Abc Ltd' OnayTarihi=2024-12-31");
  ASSERT_EQ(r.code, 0) << r.out;
  EXPECT_EQ(r.out, "Firma bilgileri oluşturuldu.\n");
  EXPECT_TRUE(std::filesystem::exists(data.companyFolder("Abc") + "/tables.db"));
  r = cli(data.root(), "company set Abc Adi=Xyz Kurus1=1");
  ASSERT_EQ(r.code, 0) << r.out;
  EXPECT_FALSE(std::filesystem::exists(data.companyFolder("Abc")));
  EXPECT_TRUE(std::filesystem::exists(data.companyFolder("Xyz") + "/tables.db"));
  r = cli(data.root(), "company list");
  EXPECT_NE(r.out.find("Xyz       Abc                     Abc Ltd"), std::string::npos) << r.out;
}

TEST(CompanyCommandsTest, BadInputFailsWithItsMessageAndChangesNothing) {
  orv::test::TempDataRoot data;
  const std::pair<const char*, const char*> cases[] = {
      {"company create ornek", "Firma adı ORNEK olamaz..."},
      {"company create Abc OnayTarihi=31.12.2024", "OnayTarihi alanına bir tarih"},
      {"company create Abc Yok=1", "böyle bir alan yok: Yok"},
      {"company set Nope Unvan=x", "Firma bulunamadı: Nope"}};
  for (auto [args, text] : cases) {
    auto r = cli(data.root(), args);
    EXPECT_EQ(r.code, 1) << args;
    EXPECT_NE(r.out.find(text), std::string::npos) << r.out;
  }
  EXPECT_FALSE(std::filesystem::exists(data.companyFolder("Abc")));
  EXPECT_FALSE(std::filesystem::exists(data.companyFolder("ornek")));
}

}  // namespace
#endif
