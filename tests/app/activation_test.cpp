#include "app/activation.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/aliases.h"
#include "data/parameters.h"
#include "data/rows.h"
#include "fixtures/data_root.h"

using namespace orv;

namespace {

class RecordingPrompter : public Prompter {
 public:
  void message(MessageKind kind, const std::string& text) override { messages.push_back({kind, text}); }
  Answer confirm(MessageKind, const std::string&, bool) override { return Answer::Yes; }
  std::vector<std::pair<MessageKind, std::string>> messages;
};

}  // namespace

TEST(Activation, SetsCompanyFormatsFoldersAndParameters) {
  test::TempDataRoot root;
  root.addCompany("ACME", /*kurus1=*/false, /*kurus2=*/true);
  Session s = root.session("ACME");
  ASSERT_TRUE(s.companyActive());
  EXPECT_EQ(s.company.title, "ACME A.Ş.");
  EXPECT_EQ(s.formats.amount, "#,##0");
  EXPECT_EQ(s.formats.kurus2Amount, "###,0.00;; ");
  EXPECT_EQ(s.values.companyFolder, root.companyFolder("ACME"));
  EXPECT_EQ(s.values.parameterFolder, root.sharedParameterFolder());
  EXPECT_EQ(s.parameterDb->folder(), root.sharedParameterFolder());
  EXPECT_EQ(s.values.depreciationYear, 2002);
  EXPECT_EQ(s.company.workingDays, "       ");
  ASSERT_EQ(s.codeLists.codes[0].size(), 1u);
  EXPECT_EQ(s.codeLists.codes[0][0], "000=");
  // the load recorded the folders for other tools
  EXPECT_EQ(db::readParameter(*s.parameterDb, db::kDataPathTitle, ""), root.companyFolder("ACME"));
}

TEST(Activation, CompanyWithOwnParametersReadsThemFromItsFolder) {
  test::TempDataRoot root;
  test::CompanySetup setup;
  setup.ownParameters = true;
  root.addCompany("OZEL", setup);
  Session s = root.session("OZEL");
  EXPECT_EQ(s.values.parameterFolder, root.companyFolder("OZEL"));
  EXPECT_EQ(s.parameterDb->folder(), root.companyFolder("OZEL"));
}

TEST(Activation, RepointsTheAliasesOfTheSession) {
  test::TempDataRoot root;
  root.addCompany("ACME");
  Session s = root.session("ACME");
  AliasStore store(root.aliasFile());
  EXPECT_EQ(store.path(kCompanyAlias), root.companyFolder("ACME"));
  EXPECT_EQ(store.path(kParameterAlias), root.sharedParameterFolder());
}

TEST(Activation, FailuresLeaveThePreviousCompanyActive) {
  test::TempDataRoot root;
  root.addCompany("ACME");
  root.addCompany("GONE");
  std::filesystem::remove_all(root.companyFolder("GONE"));
  Session s = root.session("ACME");
  RecordingPrompter p;
  Status st = activateCompany(s, "YOK", p);
  ASSERT_FALSE(st.isOk());
  EXPECT_EQ(st.message(), "Firma bulunamadı: YOK");
  st = activateCompany(s, "GONE", p);
  ASSERT_FALSE(st.isOk());
  EXPECT_NE(st.message().find("Firma klasörü açılamadı"), std::string::npos) << st.message();
  EXPECT_EQ(s.company.name, "ACME");
  EXPECT_EQ(s.companyDb->folder(), root.companyFolder("ACME"));
}

TEST(Activation, OldKartGetsCikisTipiOnceWithItsWarning) {
  test::TempDataRoot root;
  root.addCompany("ESKI");
  {
    auto owner = std::move(db::Database::open(root.companyFolder("ESKI"))).value();
    owner->exec("ALTER TABLE Kart DROP COLUMN CikisTipi");
  }
  Session s = root.rootSession();
  RecordingPrompter first;
  ASSERT_TRUE(activateCompany(s, "ESKI", first).isOk());
  ASSERT_EQ(first.messages.size(), 1u);
  EXPECT_EQ(first.messages[0].second, "KART.DB Dosyasına Yeni Alanlar Eklenecektir.");
  EXPECT_TRUE(s.companyDb->hasColumn("Kart", "CikisTipi"));
  RecordingPrompter second;
  ASSERT_TRUE(activateCompany(s, "ESKI", second).isOk());
  EXPECT_TRUE(second.messages.empty());
}

TEST(Activation, AFailingColumnAdditionStopsTheActivation) {
  test::TempDataRoot root;
  root.addCompany("ESKI");
  {
    auto owner = std::move(db::Database::open(root.companyFolder("ESKI"))).value();
    owner->exec("ALTER TABLE Kart DROP COLUMN CikisTipi");
  }
  Session s = root.rootSession();
  RecordingPrompter p;
  db::Database::setWriteFaultHook([](std::string_view sql) { return sql.find("CikisTipi") != sql.npos; });
  const Status st = activateCompany(s, "ESKI", p);
  db::Database::setWriteFaultHook(nullptr);
  ASSERT_FALSE(st.isOk());
  EXPECT_NE(st.message().find("KART.DB dosyasına CikisTipi alanı eklenemedi"), std::string::npos) << st.message();
  EXPECT_FALSE(s.companyActive());
}

TEST(Activation, ReadsTheRowsFlagsAsTheyAreStored) {
  test::TempDataRoot root;
  test::CompanySetup setup;
  setup.fiscalYearStart = 0;  // 0 means January
  root.addCompany("ACME", setup);
  {
    auto db = root.openRoot();
    ASSERT_TRUE(db::updateRows(*db, db::table("FIRMA"), db::Row{{"Adi", "ACME"}},
                               db::Row{{"HesapAyrac", 2LL}, {"CalismaGunleri", "12345"},
                                       {"OnayTarihi", Date::fromYMD(2023, 12, 31)}, {"YerelPara", "TL"}})
                    .isOk());
  }
  Session s = root.session("ACME");
  EXPECT_EQ(s.company.fiscalYearStart, 1);
  EXPECT_EQ(s.company.accountGroupSeparator, '-');
  EXPECT_EQ(s.values.accountGroupSeparator, '-');
  EXPECT_EQ(s.company.workingDays, "12345  ");
  EXPECT_EQ(s.company.approvalDate, Date::fromYMD(2023, 12, 31));
  EXPECT_EQ(s.values.localCurrencyName, "TL");
  EXPECT_TRUE(s.values.kurus1);
  EXPECT_EQ(s.formats.amount, "###,0.00;; ");
}

TEST(Activation, AccountSeparatorCodes) {
  const std::pair<long long, char> cases[] = {{1, '.'}, {2, '-'}, {3, ' '}, {4, ','}, {5, '/'}, {0, 0}, {9, 0}};
  for (const auto& [code, sep] : cases) EXPECT_EQ(accountSeparator(code), sep) << code;
}

TEST(Activation, PicksThePrinterAssignedToTheLoggedInUser) {
  test::TempDataRoot root;
  root.addCompany("ACME");
  {
    auto params = std::move(db::Database::open(root.sharedParameterFolder())).value();
    const auto& t = db::table("paramalt");
    ASSERT_TRUE(db::insertRow(*params, t, db::Row{{"UlasParamTop", 2LL}, {"Kod", "P1"}, {"Baslik", "Ofis"},
                                                   {"Deger1", "0Ofis@27;@"}, {"Deger2", "@@@@@@@@@@@Ofis Yazıcısı@"}}));
    ASSERT_TRUE(db::insertRow(*params, t, db::Row{{"UlasParamTop", 99LL}, {"Kod", "P1"}, {"Baslik", "Y:P1"},
                                                   {"Deger1", "AYŞE;"}}));
  }
  Session s = root.rootSession();
  s.user.userName = "ayşe";
  SilentPrompter quiet;
  ASSERT_TRUE(activateCompany(s, "ACME", quiet).isOk());
  EXPECT_EQ(s.printer.printerName, "Ofis Yazıcısı");
  EXPECT_EQ(s.printer.codes[0], "\x1b");
}

TEST(Activation, FirstStartMakesAliasesAndTheDefaultRoot) {
  test::TempDir dir;
  const std::string home = dir.str() + "/ORVAN.WIN";
  const std::string aliases = dir.str() + "/config/aliases.ini";
  RecordingPrompter p;
  auto s = openAtStartup(aliases, p, home);
  ASSERT_TRUE(s.isOk()) << s.message();
  EXPECT_EQ(s->rootFolder, home + "/Demirbas/DATA");
  EXPECT_EQ(s->aliasFile, aliases);
  EXPECT_EQ(p.messages.size(), 7u);  // three aliases with two messages each, the new root
  RecordingPrompter second;
  ASSERT_TRUE(openAtStartup(aliases, second, home).isOk());
  EXPECT_TRUE(second.messages.empty());
}

TEST(Activation, StartupUpgradeSkipsARemovedCompany) {
  test::TempDataRoot root;
  root.addCompany("ACME");
  root.session("ACME");  // the company alias now points at ACME
  ASSERT_TRUE(AliasStore(root.aliasFile()).repoint(kRootAlias, root.root()).isOk());
  std::filesystem::remove_all(root.companyFolder("ACME"));
  RecordingPrompter p;
  auto s = openAtStartup(root.aliasFile(), p, root.parent() + "/ORVAN.WIN");
  ASSERT_TRUE(s.isOk()) << s.message();
  EXPECT_EQ(s->rootFolder, root.root());
  EXPECT_TRUE(p.messages.empty());
}
