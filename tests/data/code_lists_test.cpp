#include "data/code_lists.h"

#include <gtest/gtest.h>

#include "data/catalogue.h"
#include "data/rows.h"
#include "fixtures/temp_dir.h"

using namespace orv;
using namespace orv::db;

namespace {

class CodeListsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = std::move(Database::open(dir.str())).value();
    createTables(*db, FolderKind::Parameter);
  }
  long long header(const std::string& code) {
    return insertRow(*db, table("KodTop"), Row{{"Kodu", code}, {"Aciklama", "başlık"}}).value();
  }
  void value(long long head, const std::string& code, const std::string& text) {
    ASSERT_TRUE(insertRow(*db, table("KodAlt"), Row{{"UlasKodTop", head}, {"Kodu", code}, {"Aciklama", text}}));
  }
  test::TempDir dir;
  std::unique_ptr<Database> db;
};

}  // namespace

TEST_F(CodeListsTest, EmptyChoiceOnTopOnlyWhenTheHeaderExistsWithoutA000) {
  header("001");
  const long long h2 = header("002");
  value(h2, "10", "Muhasebe");
  value(h2, "000", "Genel");
  const long long h3 = header("003");
  value(h3, "B", "İkinci");
  value(h3, "A", "Birinci");
  const auto lists = fillCodeLists(*db);
  EXPECT_EQ(lists[0], CodeEntries{"000="});
  EXPECT_EQ(lists[1], (CodeEntries{"10=Muhasebe", "000=Genel"}));
  EXPECT_EQ(lists[2], (CodeEntries{"000=", "B=İkinci", "A=Birinci"}));
  EXPECT_TRUE(lists[3].empty());  // no header 004
}

TEST_F(CodeListsTest, CurrencyListHasSymbolsAndNoEmptyChoice) {
  ASSERT_TRUE(insertRow(*db, table("DOVIZTOP"), Row{{"KOD", "USD"}, {"DOVIZ", "Amerikan Doları"}, {"SEMBOL", "$"}}));
  ASSERT_TRUE(insertRow(*db, table("DOVIZTOP"), Row{{"KOD", "EUR"}, {"DOVIZ", "Avro"}, {"SEMBOL", "€"}}));
  EXPECT_EQ(fillCurrencyList(*db), (CodeEntries{"USD=Amerikan Doları ($)", "EUR=Avro (€)"}));
}
