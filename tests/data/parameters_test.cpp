#include "data/parameters.h"

#include <gtest/gtest.h>

#include "data/catalogue.h"
#include "data/data_root.h"
#include "data/rows.h"
#include "fixtures/temp_dir.h"

using namespace orv;
using namespace orv::db;

namespace {

struct Recorder : Prompter {
  void message(MessageKind kind, const std::string& text) override { said.push_back({kind, text}); }
  Answer confirm(MessageKind, const std::string&, bool) override { return Answer::Yes; }
  std::vector<std::pair<MessageKind, std::string>> said;
};

const std::string kHome = "/opt/ORVAN.WIN";

class ParametersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = std::move(Database::open(dir.str())).value();
    createTables(*db, FolderKind::Parameter);
  }
  void addRow(int group, const std::string& kod, const std::string& title, const std::string& d1,
              const std::string& d2 = "") {
    auto r = insertRow(*db, table("paramalt"),
                       Row{{"UlasParamTop", static_cast<long long>(group)}, {"Kod", kod},
                           {"Baslik", title}, {"Deger1", d1}, {"Deger2", d2}});
    ASSERT_TRUE(r.isOk()) << r.message();
  }
  Status load() { return loadParameters(*db, user, values, printer, prompter, kHome); }
  // A definition whose reset sequence is the single byte `marker`.
  void addPrinter(const std::string& code, const std::string& title, char flag, int marker) {
    addRow(kGroupPrinters, code, title, std::string(1, flag) + title + "@" + std::to_string(marker) + ";@");
  }
  test::TempDir dir;
  std::unique_ptr<Database> db;
  std::string user = "ali";
  SistemDegerleri values;
  PrinterDefinition printer;
  Recorder prompter;
};

}  // namespace

TEST_F(ParametersTest, ReadEnsureAndStore) {
  EXPECT_EQ(readParameter(*db, "Genel KDV Oranı", "18"), "18");
  EXPECT_EQ(countRows(*db, table("paramalt")), 0);  // reading writes nothing
  ASSERT_TRUE(ensureParameter(*db, "Yuvarlama Değeri", "1", 1, "030").isOk());
  ASSERT_TRUE(ensureParameter(*db, "Yuvarlama Değeri", "5", 1, "030").isOk());
  EXPECT_EQ(readParameter(*db, "Yuvarlama Değeri", ""), "1");
  ASSERT_TRUE(storeParameter(*db, "Yuvarlama Değeri", "10").isOk());
  ASSERT_TRUE(storeParameter(*db, "Yeni Başlık", "x").isOk());
  EXPECT_EQ(readParameter(*db, "Yuvarlama Değeri", ""), "10");
  EXPECT_EQ(readParameter(*db, "Yeni Başlık", ""), "x");
  EXPECT_EQ(readParameter(*db, "yeni başlık", "yok"), "yok");  // titles are exact
  EXPECT_EQ(countRows(*db, table("paramalt")), 2);
}

TEST_F(ParametersTest, StoringATooLongValueChangesNothing) {
  ASSERT_TRUE(storeParameter(*db, "A", "eski").isOk());
  const Status s = storeParameter(*db, "A", std::string(241, 'x'));
  ASSERT_FALSE(s.isOk());
  EXPECT_EQ(s.message(), "paramalt tablosunun Deger1 alanı en çok 240 karakter alabilir (girilen: 241 karakter).");
  EXPECT_EQ(readParameter(*db, "A", ""), "eski");
}

TEST_F(ParametersTest, EmptyStoreLoadsTheDefaultsAndEnsuresEveryParameter) {
  values.companyFolder = "/d/ACME";
  values.rootFolder = "/d/DATA";
  ASSERT_TRUE(load().isOk());
  EXPECT_TRUE(prompter.said.empty());
  EXPECT_EQ(values.dateSeparator, '\\');  // no "Tarih Ayıracı" row: a backslash
  EXPECT_EQ(values.thousandSeparator, ',');
  EXPECT_EQ(values.programPath, kHome + "/Demirbas");
  EXPECT_EQ(values.tempPath, kHome + "/Demirbas/Usr");
  EXPECT_EQ(values.linesPerPage, 60);
  EXPECT_EQ(values.turkishLetters, 1);
  EXPECT_DOUBLE_EQ(values.generalVatRate, 18);
  EXPECT_EQ(values.subUnitName, "Kr");
  EXPECT_EQ(values.cardLayout, 1);
  for (const auto& p : systemParameters(kHome)) EXPECT_TRUE(parameterExists(*db, p.title)) << p.title;
  EXPECT_EQ(readParameter(*db, kDataPathTitle, ""), "/d/ACME");
  EXPECT_EQ(readParameter(*db, kRootPathTitle, ""), "/d/DATA");
  EXPECT_EQ(systemParameters(kHome).size(), 29u);
}

TEST_F(ParametersTest, ConversionsOfStoredValues) {
  addRow(1, "", "Sayı Ondalık Simgesi", ",");
  addRow(1, "", "Sayı Basamak Gruplandırma Simgesi", ".");
  addRow(1, "", "Tarih Ayıracı", "");
  addRow(1, "", "Genel KDV Oranı", "8,5");
  addRow(1, "", "Bir Sayfada Yazılacak Satır", "çok");
  addRow(1, "", "Form Basımlarında Ön İzleme Olsun", "1");
  addRow(1, "", "Çıktılarda Türkçe Harf Basılsın", "x");
  addRow(1, "", "Sabit Kıymet Bilgileri Kart Düzeninde Görüntülensin (1/0)", "x");
  ASSERT_TRUE(load().isOk());
  EXPECT_EQ(values.decimalSeparator, ',');
  EXPECT_EQ(values.thousandSeparator, '.');
  EXPECT_EQ(values.dateSeparator, ' ');  // empty value: a blank
  EXPECT_DOUBLE_EQ(values.generalVatRate, 8.5);
  EXPECT_EQ(values.linesPerPage, 60);
  EXPECT_TRUE(values.previewForms);
  EXPECT_EQ(values.turkishLetters, 0);
  EXPECT_EQ(values.cardLayout, 1);
}

TEST_F(ParametersTest, ANonNumericVatRateOrTraceValueIsReportedAndTheLoadGoesOn) {
  addRow(1, "", "Genel KDV Oranı", "on sekiz");
  addRow(1, "", "Amortisman Hesabında Kullanılacak İz Değeri", "");
  addRow(6, "004", "Yerel Para Alt Birim Sembolü", "Krş");
  ASSERT_TRUE(load().isOk());
  EXPECT_DOUBLE_EQ(values.generalVatRate, 18);
  EXPECT_DOUBLE_EQ(values.traceValue, 1);
  EXPECT_EQ(values.subUnitName, "Krş");  // read after the failing rows
  ASSERT_EQ(prompter.said.size(), 2u);
  EXPECT_EQ(prompter.said[0].second,
            "\"Genel KDV Oranı\" parametresinin değeri (on sekiz) sayı değil; varsayılan değer 18 kullanılıyor.");
  EXPECT_NE(prompter.said[1].second.find("\"Amortisman Hesabında Kullanılacak İz Değeri\""), std::string::npos);
}

TEST_F(ParametersTest, AFailingWriteDuringTheLoadLeavesValuesAndStoreUnchanged) {
  values.linesPerPage = 77;
  Database::setWriteFaultHook([](std::string_view sql) { return sql.find("INSERT") != sql.npos; });
  const Status s = load();
  Database::setWriteFaultHook(nullptr);
  EXPECT_FALSE(s.isOk());
  EXPECT_EQ(values.linesPerPage, 77);
  EXPECT_EQ(countRows(*db, table("paramalt")), 0);
}

TEST(PrinterDecoding, ControlItemsSkipWhatIsNoByte) {
  EXPECT_EQ(decodeControlItem("27;300;15;x;"), std::string("\x1b\x0f"));
  EXPECT_EQ(decodeControlItem("27;64;tail"), std::string("\x1b\x40"));
  EXPECT_EQ(decodeControlItem(";0;-1;256;"), "");
  EXPECT_EQ(decodeControlItem("27"), "");
}

TEST(PrinterDecoding, RowGivesTwentySequencesAndThePrinterName) {
  std::string d1 = "1Epson@";
  for (int i = 1; i <= 9; ++i) d1 += std::to_string(i) + ";@";
  std::string d2;
  for (int i = 10; i <= 20; ++i) d2 += std::to_string(i) + ";@";
  d2 += "Epson LQ on LPT1:@";
  const PrinterDefinition p = decodePrinterRow(d1, d2);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(p.codes[i], std::string(1, static_cast<char>(i + 1))) << i;
  EXPECT_EQ(p.printerName, "Epson LQ");
}

TEST_F(ParametersTest, PrinterAssignmentComparesWholeUserNames) {
  addPrinter("A", "Birinci", '0', 65);
  addPrinter("B", "İkinci", '1', 66);
  addRow(kGroupPrinterUsers, "A", "Y:A", "HALI;VELİ;");
  struct Case { const char* user; int marker; };
  for (const Case c : {Case{"ALI", 66}, Case{"HALI", 65}, Case{"veli", 65}, Case{"VEL", 66}}) {
    PrinterDefinition p;
    selectPrinter(*db, c.user, p);
    EXPECT_EQ(p.codes[0], std::string(1, static_cast<char>(c.marker))) << c.user;
  }
}

TEST_F(ParametersTest, AnAllUsersRowFirstInTitleOrderWins) {
  addPrinter("A", "Birinci", '0', 65);
  addPrinter("B", "İkinci", '1', 66);
  addPrinter("C", "Üçüncü", '0', 67);
  addRow(kGroupPrinterUsers, "C", "Y:C", "ALI;");
  addRow(kGroupPrinterUsers, "A", "Y:A", "0;");
  PrinterDefinition p;
  selectPrinter(*db, "ali", p);
  EXPECT_EQ(p.codes[0], "A");
}

TEST_F(ParametersTest, WithoutAnyDefinitionThePrinterStaysAsItWas) {
  addPrinter("A", "Birinci", '0', 65);  // not current, not assigned
  PrinterDefinition p;
  p.printerName = "önceki";
  selectPrinter(*db, "ali", p);
  EXPECT_EQ(p.printerName, "önceki");
}
