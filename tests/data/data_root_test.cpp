#include "data/data_root.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "data/catalogue.h"
#include "data/parameters.h"
#include "data/rows.h"
#include "fixtures/temp_dir.h"

using namespace orv;
using namespace orv::db;
namespace fs = std::filesystem;

namespace {

struct Recorder : Prompter {
  void message(MessageKind kind, const std::string& text) override { said.push_back({kind, text}); }
  Answer confirm(MessageKind, const std::string&, bool) override { return Answer::Yes; }
  std::vector<std::pair<MessageKind, std::string>> said;
};

const std::string kHome = "/opt/ORVAN.WIN";

std::unique_ptr<Database> open(const std::string& folder) {
  auto r = Database::open(folder, Database::Mode::MustExist);
  EXPECT_TRUE(r.isOk()) << r.message();
  return std::move(r).value();
}

std::vector<std::string> columnNames(Database& db, const std::string& table) {
  std::vector<std::string> names;
  for (const auto& c : db.columns(table)) names.push_back(c.name);
  return names;
}

void expectLayouts(Database& db, FolderKind kind) {
  for (const TableDef* t : tablesIn(kind)) {
    ASSERT_TRUE(db.hasTable(t->name)) << t->name << " in " << db.folder();
    std::vector<std::string> want;
    for (const auto& f : t->fields) want.push_back(f.name);
    EXPECT_EQ(columnNames(db, t->name), want) << t->name;
    for (const auto& idx : t->indexes) {
      auto st = db.prepare("SELECT 1 FROM sqlite_master WHERE type='index' AND name=?1");
      st.bind(1, physicalIndexName(*t, idx));
      EXPECT_TRUE(st.step()) << physicalIndexName(*t, idx);
    }
  }
}

class DataRootTest : public ::testing::Test {
 protected:
  std::string root() const { return dir.str() + "/DATA"; }
  test::TempDir dir;
  Recorder prompter;
};

}  // namespace

TEST_F(DataRootTest, FreshRootHasEveryTableAndFieldInOrder) {
  ASSERT_TRUE(initDataRoot(root(), prompter, kHome).isOk());
  EXPECT_EQ(prompter.said.back().second, "Veri kökü oluşturuldu: " + root());
  expectLayouts(*open(root()), FolderKind::Root);
  expectLayouts(*open(templateFolder(root())), FolderKind::Company);
  expectLayouts(*open(templateFolder(root())), FolderKind::Parameter);
  expectLayouts(*open(sharedParameterFolder(root())), FolderKind::Parameter);
  EXPECT_FALSE(open(sharedParameterFolder(root()))->hasTable("Kart"));
  EXPECT_FALSE(open(root())->hasTable("Kart"));
}

TEST_F(DataRootTest, FirmaAndKartFieldsAreTheListedOnes) {
  ASSERT_TRUE(initDataRoot(root(), prompter, kHome).isOk());
  const std::vector<std::string> firma = {
      "Ulas", "Adi", "Yil", "Aktif", "Goster", "OzelKullan", "YilBas", "Unvan", "Cadde", "Sokak",
      "Kapi", "Daire", "Ilce", "Sehir", "Ulke", "PostaKodu", "Tel1", "Tel2", "Fax", "VergiDaire",
      "VergiNo", "SskNo", "Mus1ad", "Mus1tel", "Mus1cadde", "Mus1sokak", "Mus1kapi", "Mus1Ilce",
      "Mus1sehir", "Mus1VergiDaire", "Mus1VergiNo", "Mus1OdaSicil", "Mus1Muhur", "Mus2Ad", "Mus2Tel",
      "Mus2Cadde", "Mus2Sokak", "Mus2Kapi", "Mus2Ilce", "Mus2Sehir", "Mus2VergiDaire", "Mus2VergiNo",
      "Mus2OdaSicil", "Mus2Muhur", "Doviz", "HesapAyrac", "CalismaGunleri", "OnayTarihi", "YerelPara",
      "Kurus1", "Kurus2", "MaliDonemBaslangici"};
  const std::vector<std::string> kart = {
      "Ulas", "Bolum", "SabitKiymet", "Adi", "Aciklama", "SeriNo", "PlakaNo", "Zimmet", "Ozel1", "Ozel2",
      "Ozel3", "Ozel4", "MuhFisNo", "Alis_Tarihi", "Alis_Tutari", "Kdv_Orani", "Kdv_Tutari", "Satici",
      "Alis_Aciklama", "Alis_FatSeri", "Alis_FaturaNo", "Odeme_Tipi", "Siparis_Kodu", "Satis_Kodu",
      "Amortisman_Baslama", "Hesap_Sekli", "Amortisman_Sekli", "Amortisman_Donemi", "Amortisman_Orani",
      "Amortisman_BitisAy", "Amortisman_BitisYil", "HurdaDegeri", "DegerlenmisTutar",
      "AmortismanAlimUzerinden", "Degerlendirilir", "MuhKod1", "MuhKod2", "MuhKod3", "MuhKod4",
      "SonIslemTarihi", "DegerOrani", "NetDegerArtisi", "DBirikmisAmortisman", "BirikmisAmortisman",
      "YeniKasaDegeri", "SayimTarihi", "Transfer_Kod", "Transfer_Tarih", "GelenTransferKodu",
      "GelenTransferTarihi", "Sat_Musteri_Kodu", "Sat_musteri", "Sat_FatSeri", "Sat_FatNo", "Sat_Odeme",
      "Sat_Tarih", "Sat_Info", "Sat_Tutar", "Sat_KdvOran", "Sat_Kdv", "Sig_Tarih1", "Sig_Tarih2",
      "Sig_No1", "Sig_Tarih3", "Sig_Tarih4", "Sig_No2", "Gar_Tarih1", "Gar_Tarih2", "Gar_No", "Notlar",
      "CreateBy", "CreateDate", "ModifiedBy", "ModifiedDate", "CikisTipi"};
  EXPECT_EQ(columnNames(*open(root()), "FIRMA"), firma);
  EXPECT_EQ(columnNames(*open(templateFolder(root())), "Kart"), kart);
}

TEST_F(DataRootTest, SharedParametersHoldGroupsDefaultsAndCodeHeaders) {
  ASSERT_TRUE(initDataRoot(root(), prompter, kHome).isOk());
  auto params = open(sharedParameterFolder(root()));
  std::vector<long long> groups;
  for (const auto& r : selectWhere(*params, table("paramtop"), {}, {"ULAS"})) groups.push_back(r.getInt("ULAS"));
  for (long long g : {1, 2, 3, 6, 99}) EXPECT_NE(std::find(groups.begin(), groups.end(), g), groups.end()) << g;
  EXPECT_TRUE(locate(*params, table("paramtop"), Row{{"ULAS", 2LL}, {"BASLIK", "Yazıcı Tanımları"}}));
  EXPECT_TRUE(locate(*params, table("paramtop"), Row{{"BASLIK", "Etiket Tanımları"}}));
  for (const auto& p : systemParameters(kHome)) {
    auto row = locate(*params, table("paramalt"), Row{{"Baslik", p.title}});
    ASSERT_TRUE(row) << p.title;
    EXPECT_EQ(row->getText("Deger1"), p.defaultValue) << p.title;
    EXPECT_EQ(row->getInt("UlasParamTop"), p.group) << p.title;
    EXPECT_EQ(row->getText("Kod"), p.code) << p.title;
  }
  auto ip = locate(*params, table("paramalt"), Row{{"Baslik", "Ana Makina IP Adresi"}});
  EXPECT_EQ(ip->getInt("UlasParamTop"), 3);
  EXPECT_EQ(ip->getText("Kod"), "314");
  std::vector<std::string> heads;
  for (const auto& r : selectWhere(*params, table("KodTop"), {}, {"Kodu"})) heads.push_back(r.getText("Kodu"));
  EXPECT_EQ(heads, (std::vector<std::string>{"001", "002", "003", "004", "005", "006", "007", "008", "009"}));
  auto rootDb = open(root());
  EXPECT_EQ(countRows(*rootDb, table("LOCK")), 2);
  EXPECT_TRUE(locate(*rootDb, table("LOCK"), Row{{"SIRA", 1LL}, {"DURUM", 0LL}}));
  EXPECT_TRUE(locate(*rootDb, table("LOCK"), Row{{"SIRA", 2LL}, {"DURUM", 0LL}}));
}

TEST_F(DataRootTest, AnExistingRootIsLeftAsItIs) {
  ASSERT_TRUE(initDataRoot(root(), prompter, kHome).isOk());
  ASSERT_TRUE(storeParameter(*open(sharedParameterFolder(root())), "Genel KDV Oranı", "20").isOk());
  Recorder again;
  ASSERT_TRUE(initDataRoot(root() + "/", again, kHome).isOk());
  ASSERT_EQ(again.said.size(), 1u);
  EXPECT_EQ(again.said[0].second, "Bu klasörde zaten bir veri kökü var: " + root() + ". Hiçbir şey değiştirilmedi.");
  EXPECT_EQ(readParameter(*open(sharedParameterFolder(root())), "Genel KDV Oranı", ""), "20");
}

TEST_F(DataRootTest, BadPlacesAreRefusedAndNothingIsWritten) {
  Status s = initDataRoot(dir.str() + "/yok/DATA", prompter, kHome);
  ASSERT_FALSE(s.isOk());
  EXPECT_EQ(s.message(), "Veri kökünün üst klasörü bulunamadı: " + dir.str() + "/yok. Hiçbir şey yazılmadı.");
  std::ofstream(dir.str() + "/dosya") << "x";
  EXPECT_FALSE(initDataRoot(dir.str() + "/dosya/DATA", prompter, kHome).isOk());
  fs::create_directories(root());
  std::ofstream(root() + "/notlar.txt") << "x";
  s = initDataRoot(root(), prompter, kHome);
  ASSERT_FALSE(s.isOk());
  EXPECT_EQ(s.message(), "Klasör boş değil ve bir veri kökü değil: " + root() + ". Hiçbir şey yazılmadı.");
  size_t entries = 0;
  for (const auto& e : fs::recursive_directory_iterator(dir.path())) (void)e, ++entries;
  EXPECT_EQ(entries, 3u);  // dosya, DATA, DATA/notlar.txt
  EXPECT_TRUE(prompter.said.empty());
}

TEST_F(DataRootTest, AFailingWriteLeavesNoHalfRootBehind) {
  Database::setWriteFaultHook([](std::string_view sql) { return sql.find("\"KodTop\"") != sql.npos && sql.find("INSERT") != sql.npos; });
  const Status s = initDataRoot(root(), prompter, kHome);
  Database::setWriteFaultHook(nullptr);
  ASSERT_FALSE(s.isOk());
  EXPECT_NE(s.message().find("Hiçbir şey yazılmadı."), std::string::npos) << s.message();
  EXPECT_TRUE(fs::is_empty(dir.path()));
  ASSERT_TRUE(initDataRoot(root(), prompter, kHome).isOk());  // and a later try works
}

TEST_F(DataRootTest, AnEmptyExistingFolderBecomesTheRoot) {
  fs::create_directories(root());
  ASSERT_TRUE(initDataRoot(root(), prompter, kHome).isOk());
  EXPECT_TRUE(isDataRoot(root()));
  size_t top = 0;
  for (const auto& e : fs::directory_iterator(dir.path())) (void)e, ++top;
  EXPECT_EQ(top, 1u);  // no staging folder left beside it
}

TEST(DataRootFolders, CompaniesLiveBesideTheRoot) {
  EXPECT_EQ(companyFolderOf("/srv/Demirbas/DATA", "ACME"), "/srv/Demirbas/ACME");
  EXPECT_EQ(companyFolderOf("/srv/Demirbas/DATA/", "ACME"), "/srv/Demirbas/ACME");
  EXPECT_EQ(sharedParameterFolder("/srv/Demirbas/DATA"), "/srv/Demirbas/DATA/PARAMETRE");
}
