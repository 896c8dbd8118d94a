// Company cards with their folders: create, save again, rename, delete, choose.
#include "companies/companies.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/file_lock.h"
#include "companies/trash.h"
#include "data/catalogue.h"
#include "fixtures/temp_dir.h"

namespace fs = std::filesystem;
using namespace orv;
using namespace orv::companies;

namespace {

class RecordingPrompter : public Prompter {
 public:
  std::vector<std::string> messages;
  Answer answer = Answer::Yes;
  int questions = 0;
  void message(MessageKind, const std::string& text) override { messages.push_back(text); }
  Answer confirm(MessageKind, const std::string&, bool) override {
    ++questions;
    return answer;
  }
};

// A root folder "DATA" with its template and parameter folders, inside a temporary folder.
class CompaniesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = tmp.sub("Demirbas/DATA");
    auto r = db::Database::open(root);
    rootDb = std::move(r.value());
    db::createTables(*rootDb, db::FolderKind::Root);
    auto t = db::Database::open(tmp.sub("Demirbas/DATA/ORNEK"));
    db::createTables(**t, db::FolderKind::Company);
    auto p = db::Database::open(tmp.sub("Demirbas/DATA/PARAMETRE"));
    db::createTables(**p, db::FolderKind::Parameter);
    (*p)->exec("INSERT INTO paramtop (BASLIK) VALUES ('Genel')");
    ::setenv("XDG_DATA_HOME", tmp.sub("xdg").c_str(), 1);
  }
  CompanyContext ctx(const std::string& active = "") { return {*rootDb, root, active, nullptr}; }
  Result<SaveOutcome> create(const std::string& name) {
    CompanyRow row = newCompanyRow({"TL=Türk Lirası", "USD=Dolar"});
    row.set("Adi", name);
    row.set("Unvan", name + " A.Ş.");
    auto c = ctx();
    return saveCompany(c, row, "", prompter);
  }
  std::string folderOf(const std::string& name) { return companyFolder(root, name); }

  test::TempDir tmp;
  std::string root;
  std::unique_ptr<db::Database> rootDb;
  RecordingPrompter prompter;
};

TEST_F(CompaniesTest, CreatingMakesTheFolderBesideTheRootWithTemplateAndParameterTables) {
  auto r = create("Abc");
  ASSERT_TRUE(r) << r.message();
  EXPECT_EQ(*r, SaveOutcome::Created);
  EXPECT_EQ(prompter.messages.back(), "Firma bilgileri oluşturuldu.");
  EXPECT_EQ(fs::path(folderOf("Abc")), tmp.path() / "Demirbas" / "Abc");
  auto db = db::Database::open(folderOf("Abc"), db::Database::Mode::MustExist);
  ASSERT_TRUE(db);
  EXPECT_TRUE((*db)->hasTable("Kart"));
  EXPECT_TRUE((*db)->hasTable("PARAMALT"));
  auto st = (*db)->prepare("SELECT COUNT(*) FROM paramtop");
  ASSERT_TRUE(st.step());
  EXPECT_EQ(st.getInt(0), 1);  // parameter rows come along
  auto found = findCompany(*rootDb, "Abc");
  ASSERT_TRUE(found && found->has_value());
  EXPECT_EQ((*found)->get("Unvan"), "Abc A.Ş.");
  EXPECT_EQ((*found)->get("CalismaGunleri"), "1111100");
  EXPECT_EQ((*found)->get("YerelPara"), "TL");
}

TEST_F(CompaniesTest, SavingAgainReportsSavedAndKeepsOneRow) {
  ASSERT_TRUE(create("Abc"));
  auto row = *findCompany(*rootDb, "Abc").value();
  row.set("Tel1", "0212 555 00 00");
  auto c = ctx();
  auto r = saveCompany(c, row, "Abc", prompter);
  ASSERT_TRUE(r) << r.message();
  EXPECT_EQ(*r, SaveOutcome::Saved);
  EXPECT_EQ(prompter.messages.back(), "Firma bilgileri saklandı...");
  EXPECT_EQ(listCompanies(*rootDb)->size(), 1u);
}

TEST_F(CompaniesTest, BadNamesAreRefusedAndNothingIsMade) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "Firma Adı girilmeden kayıt yapılamaz..."},
      {"ornek", "Firma adı ORNEK olamaz..."},
      {"Parametre", nullptr},  // longer than the field
      {"data", "Firma adı DATA olamaz..."},
      {"../x", nullptr}, {"a b", nullptr}, {"ABCDEFGHI", nullptr}, {"Şirket", nullptr}};
  for (auto [name, message] : cases) {
    auto r = create(name);
    ASSERT_FALSE(r) << name;
    if (message) { EXPECT_EQ(r.message(), message); }
  }
  EXPECT_EQ(checkCompanyName(root, "parametre").message(), "Firma adı PARAMETRE olamaz...");
  EXPECT_TRUE(listCompanies(*rootDb)->empty());
  EXPECT_EQ(std::distance(fs::directory_iterator(tmp.path() / "Demirbas"), {}), 1);  // DATA
}

TEST_F(CompaniesTest, DuplicateNameIsRefusedWithoutRegardToCase) {
  ASSERT_TRUE(create("Abc"));
  auto r = create("ABC");
  ASSERT_FALSE(r);
  EXPECT_EQ(r.message(), "Bu İsimde Bir Firma Mevcut! Lütfen Başka Bir Firma Belirleyiniz.");
}

TEST_F(CompaniesTest, ExistingFolderThatIsNoCompanyIsNotTakenOver) {
  fs::create_directories(folderOf("Usr"));
  std::ofstream(fs::path(folderOf("Usr")) / "notes.txt") << "x";
  EXPECT_FALSE(create("Usr"));
  EXPECT_TRUE(listCompanies(*rootDb)->empty());
}

TEST_F(CompaniesTest, RenameMovesTheFolderThenUpdatesTheRow) {
  ASSERT_TRUE(create("Abc"));
  auto row = *findCompany(*rootDb, "Abc").value();
  row.set("Adi", "Xyz");
  auto c = ctx("Other");
  ASSERT_TRUE(saveCompany(c, row, "Abc", prompter));
  EXPECT_FALSE(fs::exists(folderOf("Abc")));
  EXPECT_TRUE(fs::exists(fs::path(folderOf("Xyz")) / "tables.db"));
  EXPECT_TRUE(findCompany(*rootDb, "Xyz")->has_value());
  EXPECT_FALSE(findCompany(*rootDb, "Abc")->has_value());
  EXPECT_NE(prompter.messages[prompter.messages.size() - 2].find("dizinine taşınmıştır."),
            std::string::npos);
}

TEST_F(CompaniesTest, FailedMoveChangesNothing) {
  ASSERT_TRUE(create("Abc"));
  fs::create_directories(folderOf("Xyz"));  // the target is in the way
  auto row = *findCompany(*rootDb, "Abc").value();
  row.set("Adi", "Xyz");
  auto c = ctx();
  auto r = saveCompany(c, row, "Abc", prompter);
  EXPECT_FALSE(r);
  EXPECT_TRUE(fs::exists(fs::path(folderOf("Abc")) / "tables.db"));
  EXPECT_TRUE(findCompany(*rootDb, "Abc")->has_value());
}

TEST_F(CompaniesTest, FailedRowWriteAfterMovePutsTheFolderBack) {
  ASSERT_TRUE(create("Abc"));
  auto row = *findCompany(*rootDb, "Abc").value();
  row.set("Adi", "Xyz");
  db::Database::setWriteFaultHook([](std::string_view sql) { return sql.find("FIRMA") != sql.npos; });
  auto c = ctx();
  auto r = saveCompany(c, row, "Abc", prompter);
  db::Database::setWriteFaultHook(nullptr);
  ASSERT_FALSE(r);
  EXPECT_EQ(r.message(), "Firma bilgileri saklanamadı...");
  EXPECT_TRUE(fs::exists(fs::path(folderOf("Abc")) / "tables.db"));
  EXPECT_FALSE(fs::exists(folderOf("Xyz")));
}

TEST_F(CompaniesTest, ActiveCompanyIsNeitherRenamedNorDeleted) {
  ASSERT_TRUE(create("Abc"));
  auto row = *findCompany(*rootDb, "Abc").value();
  row.set("Adi", "Xyz");
  auto c = ctx("Abc");
  auto r = saveCompany(c, row, "Abc", prompter);
  ASSERT_FALSE(r);
  EXPECT_EQ(r.message(), "Aktif olarak Çalıştığınız Firmanın İsmini Değiştiremezsiniz!");
  auto d = deleteCompany(c, "Abc", prompter);
  ASSERT_FALSE(d);
  EXPECT_EQ(d.message(), "Aktif Olarak Çalıştığınız Firmayı Silemezsiniz!");
  EXPECT_EQ(prompter.questions, 0);
  EXPECT_TRUE(fs::exists(folderOf("Abc")));
}

TEST_F(CompaniesTest, CompanyActiveInAnotherInstanceIsNeitherRenamedNorDeleted) {
  ASSERT_TRUE(create("Abc"));
  auto marker = HeldFileLock::hold(folderOf("Abc"), kActiveMarkerPrefix);  // the other one
  ASSERT_TRUE(marker);
  auto c = ctx();
  EXPECT_TRUE(activeElsewhere(c, "Abc"));
  auto row = *findCompany(*rootDb, "Abc").value();
  row.set("Adi", "Xyz");
  EXPECT_FALSE(saveCompany(c, row, "Abc", prompter));
  EXPECT_FALSE(deleteCompany(c, "Abc", prompter));
  EXPECT_TRUE(findCompany(*rootDb, "Abc")->has_value());
  marker.reset();  // that instance ends
  EXPECT_FALSE(activeElsewhere(c, "Abc"));
  EXPECT_TRUE(saveCompany(c, row, "Abc", prompter));
}

TEST_F(CompaniesTest, DeleteMovesTheFolderToTheTrashWithItsRecord) {
  ASSERT_TRUE(create("Abc"));
  auto c = ctx();
  prompter.answer = Answer::No;
  EXPECT_FALSE(*deleteCompany(c, "Abc", prompter));
  EXPECT_TRUE(fs::exists(folderOf("Abc")));
  prompter.answer = Answer::Yes;
  auto d = deleteCompany(c, "Abc", prompter);
  ASSERT_TRUE(d) << d.message();
  EXPECT_TRUE(*d);
  EXPECT_FALSE(fs::exists(folderOf("Abc")));
  EXPECT_FALSE(findCompany(*rootDb, "Abc")->has_value());
  const fs::path trash = trashFolder();
  EXPECT_TRUE(fs::exists(trash / "files" / "Abc" / "tables.db"));
  std::ifstream info(trash / "info" / "Abc.trashinfo");
  std::string all((std::istreambuf_iterator<char>(info)), {});
  EXPECT_NE(all.find("[Trash Info]\nPath=/"), std::string::npos);
  EXPECT_NE(all.find("/Demirbas/Abc\n"), std::string::npos);
  EXPECT_NE(all.find("DeletionDate="), std::string::npos);
}

TEST_F(CompaniesTest, SecondDeleteOfTheSameNameGetsItsOwnTrashEntry) {
  auto c = ctx();
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(create("Abc"));
    ASSERT_TRUE(deleteCompany(c, "Abc", prompter));
  }
  const fs::path trash = trashFolder();
  EXPECT_TRUE(fs::exists(trash / "files" / "Abc"));
  EXPECT_TRUE(fs::exists(trash / "files" / "Abc.2"));
  EXPECT_TRUE(fs::exists(trash / "info" / "Abc.2.trashinfo"));
}

TEST_F(CompaniesTest, UnsavedCardCannotBeDeleted) {
  auto c = ctx();
  auto d = deleteCompany(c, "", prompter);
  ASSERT_FALSE(d);
  EXPECT_EQ(d.message(), "Bu Firmaya Ait Bilgiler Henüz Saklanmamış !...");
}

TEST_F(CompaniesTest, ChoiceListsShownCompaniesWithParameterTablesOnly) {
  ASSERT_TRUE(create("Bbb"));
  ASSERT_TRUE(create("Aaa"));
  ASSERT_TRUE(create("Hidden"));
  auto row = *findCompany(*rootDb, "Hidden").value();
  row.set("Goster", "1");
  auto c = ctx();
  ASSERT_TRUE(saveCompany(c, row, "Hidden", prompter));
  CompanyRow orphan = newCompanyRow({});
  orphan.set("Adi", "NoDir");
  ASSERT_TRUE(saveCompany(c, orphan, "", prompter));
  fs::remove_all(folderOf("NoDir"));
  auto choices = choosableCompanies(*rootDb, root);
  ASSERT_TRUE(choices);
  ASSERT_EQ(choices->size(), 2u);
  EXPECT_EQ((*choices)[0].entry(), "Aaa=Aaa A.Ş.@@0@0@");
  EXPECT_EQ(findChoice(*choices, "bb"), 1);
  EXPECT_EQ(findChoice(*choices, "c"), -1);
  EXPECT_EQ(listCompanies(*rootDb)->size(), 4u);  // the card list still has them all
}

TEST(CompanyRowTest, FieldsAreCheckedByTypeAndWidth) {
  CompanyRow row;
  EXPECT_TRUE(row.set("onaytarihi", "2024-12-31"));
  EXPECT_EQ(row.get("OnayTarihi"), "2024-12-31");
  EXPECT_FALSE(row.set("OnayTarihi", "31.12.2024x"));
  EXPECT_TRUE(row.set("Kurus1", "evet"));
  EXPECT_TRUE(row.flag("Kurus1"));
  EXPECT_FALSE(row.set("HesapAyrac", "iki"));
  EXPECT_FALSE(row.set("Tel1", std::string(16, '1')));
  EXPECT_FALSE(row.set("Ulas", "5"));
  EXPECT_FALSE(row.set("Yok", "5"));
}

}  // namespace
