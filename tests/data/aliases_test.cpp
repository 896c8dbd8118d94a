#include "data/aliases.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "data/ini_file.h"
#include "fixtures/temp_dir.h"

using namespace orv;

namespace {

struct Recorder : Prompter {
  void message(MessageKind kind, const std::string& text) override { said.push_back({kind, text}); }
  Answer confirm(MessageKind, const std::string&, bool) override { return Answer::Yes; }
  std::vector<std::pair<MessageKind, std::string>> said;
};

}  // namespace

TEST(IniFile, KeepsCommentsAndFindsKeysWithoutRegardToCase) {
  const IniFile ini = IniFile::parse("; yorum\r\n[Main]\r\nNormalMenu = 1\r\n\r\n[Other]\nx=a=b\n");
  EXPECT_EQ(ini.value("MAIN", "normalmenu"), "1");
  EXPECT_EQ(ini.value("Other", "x"), "a=b");
  EXPECT_FALSE(ini.value("Main", "x"));
  EXPECT_EQ(ini.text(), "; yorum\n\n[Main]\nNormalMenu=1\n\n[Other]\nx=a=b\n");
}

TEST(IniFile, SaveCreatesTheFolderAndLoadReadsItBack) {
  test::TempDir dir;
  const std::string path = dir.str() + "/a/b/ayar.ini";
  IniFile ini;
  ini.setValue("S", "Yol", "C:\\Şirket");
  ASSERT_TRUE(ini.save(path).isOk());
  auto back = IniFile::load(path);
  ASSERT_TRUE(back.isOk());
  EXPECT_EQ(back->value("s", "YOL"), "C:\\Şirket");
}

TEST(AliasStore, EnsureCreatesAMissingAliasWithBothMessagesOnce) {
  test::TempDir dir;
  AliasStore store(dir.str() + "/cfg/aliases.ini");
  Recorder p;
  auto path = store.ensure(kRootAlias, "/x/DATA", "ORVAN-Demirbas Root", p);
  ASSERT_TRUE(path.isOk());
  EXPECT_EQ(path.value(), "/x/DATA");
  ASSERT_EQ(p.said.size(), 2u);
  EXPECT_EQ(p.said[0], std::make_pair(MessageKind::Warning,
                                      std::string("ORVAN-Demirbas Root Alias parametrelerine ulaşılamıyor !...")));
  EXPECT_EQ(p.said[1], std::make_pair(MessageKind::Information, std::string("Yeni ALIAS üretildi: ORVAN-Demirbas Root")));
  Recorder again;
  EXPECT_EQ(store.ensure(kRootAlias, "/other", "ORVAN-Demirbas Root", again).value(), "/x/DATA");
  EXPECT_TRUE(again.said.empty());
}

TEST(AliasStore, RepointingSurvivesANewStoreAndKeepsOtherAliases) {
  test::TempDir dir;
  const std::string file = dir.str() + "/aliases.ini";
  SilentPrompter quiet;
  AliasStore first(file);
  ASSERT_TRUE(ensureStandardAliases(first, quiet, "/opt/ORVAN.WIN").isOk());
  ASSERT_TRUE(AliasStore(file).repoint(kCompanyAlias, "/data/ACME").isOk());
  AliasStore fresh(file);
  EXPECT_EQ(fresh.path(kCompanyAlias), "/data/ACME");
  EXPECT_EQ(fresh.path(kRootAlias), "/opt/ORVAN.WIN/Demirbas/DATA");
  EXPECT_EQ(fresh.path(kParameterAlias), "/opt/ORVAN.WIN/Demirbas/DATA/PARAMETRE");
  EXPECT_FALSE(fresh.path(kAccountingAlias));
}

TEST(AliasStore, AnUnwritableStoreIsReported) {
  test::TempDir dir;
  std::ofstream(dir.str() + "/file") << "x";
  AliasStore store(dir.str() + "/file/aliases.ini");  // its folder is a file
  Recorder p;
  EXPECT_FALSE(store.ensure(kRootAlias, "/x", "T", p).isOk());
}

#ifndef _WIN32  // setenv is POSIX
TEST(Folders, EnvironmentOverridesTheConfigAndInstallFolders) {
  setenv("ORVDEMIRBAS_CONFIG", "/tmp/orv-cfg", 1);
  setenv("ORVAN_HOME", "/tmp/orv-home", 1);
  EXPECT_EQ(defaultAliasFile(), "/tmp/orv-cfg/aliases.ini");
  EXPECT_EQ(installRoot(), "/tmp/orv-home");
  unsetenv("ORVDEMIRBAS_CONFIG");
  unsetenv("ORVAN_HOME");
  EXPECT_NE(installRoot().find("ORVAN.WIN"), std::string::npos);
  EXPECT_NE(configFolder().find("OrvDemirbas"), std::string::npos);
}
#endif
