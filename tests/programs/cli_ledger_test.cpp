// The batch commands through the real orvdemirbas-cli: cards and rates imported from CSV,
// ledgers extended and exported, a faulty file saving nothing, and a second company taking
// the exported cards back unchanged.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "fixtures/data_root.h"
#include "users/user_admin.h"

#ifndef ORVDEMIRBAS_CLI_PATH
#error "ORVDEMIRBAS_CLI_PATH must name the orvdemirbas-cli program"
#endif

namespace {

void setEnv(const char* name, const std::string& value) {
#ifdef _WIN32
  _putenv_s(name, value.c_str());
#else
  setenv(name, value.c_str(), 1);
#endif
}

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

struct CliRun {
  int code = -1;
  std::string out, err;
};

class CliLedger : public ::testing::Test {
 protected:
  void SetUp() override {
    root_.addCompany("ORNEKAS");
    root_.addCompany("IKINCI");
    auto db = root_.openRoot();
    ASSERT_TRUE(orv::users::addAdministrator(*db, {"ali", "Ali Veli", "gizli"}));
    setEnv("ORVDEMIRBAS_PASSWORD", "gizli");
    setEnv("ORVDEMIRBAS_CONFIG", root_.parent() + "/config");
    setEnv("ORVAN_HOME", root_.parent() + "/ORVAN.WIN");
    for (const char* company : {"ORNEKAS", "IKINCI"})
      ASSERT_EQ(
          cli({"param", "set", "\"Amortisman Hesaplama Aktif Yılı\"", "2012", "--company", company})
              .code,
          0);
  }

  CliRun cli(const std::vector<std::string>& args, bool login = true) {
    std::string cmd =
        std::string("\"") + ORVDEMIRBAS_CLI_PATH + "\" --root \"" + root_.root() + "\"";
    if (login) cmd += " --user ali";
    for (const auto& a : args) cmd += " " + a;
    const std::string out = root_.parent() + "/out.txt", err = root_.parent() + "/err.txt";
    cmd += " >\"" + out + "\" 2>\"" + err + "\"";
    CliRun r;
    const int status = std::system(cmd.c_str());
#ifdef _WIN32
    r.code = status;
#else
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    r.out = slurp(out);
    r.err = slurp(err);
    return r;
  }

  std::string file(const std::string& name, const std::string& text) {
    const std::string path = root_.parent() + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return "\"" + path + "\"";
  }

  orv::test::TempDataRoot root_;
};

const char* kCards =
    "Bolum,SabitKiymet,Adi,Alis_Tarihi,Alis_Tutari,Amortisman_Orani,Hesap_Sekli,Amortisman_Donemi,"
    "Degerlendirilir,Notlar\n"
    "01,100,Masa,2004-03-15,10000,20,0,0,0,\"düz, yıllık\"\n"
    "01,1.01,Dolap,15.03.2004,10000,20,1,0,0,\n"
    "02,200,Araç,2004-01-01,10000,20,0,0,1,\"iki\nsatır\"\n";

}  // namespace

TEST_F(CliLedger, ImportExtendAndExportRoundTrip) {
  CliRun r = cli({"asset", "import", "--company", "ORNEKAS", file("cards.csv", kCards)});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "3 kart kaydedildi.\n");
  r = cli({"rates", "import", "--company", "ORNEKAS",
           file("rates.csv", "Tur,Tarih,Oran,AltLimit,UstLimit\nA,2005-12-31,10,0,0\n")});
  ASSERT_EQ(r.code, 0) << r.err;

  r = cli({"ledger", "extend", "--company", "ORNEKAS", "--all"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("01/100: 5 dönem eklendi; tam amortismana ulaştı"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("01/101: 5 dönem eklendi"), std::string::npos) << r.out;
  r = cli({"ledger", "extend", "--company", "ORNEKAS", "--asset", "01/100"});
  EXPECT_NE(r.out.find("01/100: 0 dönem eklendi"), std::string::npos) << r.out;

  r = cli({"ledger", "export", "--company", "ORNEKAS"}, /*login=*/false);
  ASSERT_EQ(r.code, 0) << r.err;
  std::istringstream lines(r.out);
  std::string header, first;
  std::getline(lines, header);
  std::getline(lines, first);
  EXPECT_EQ(header,
            "Bolum,SabitKiymet,Tarih,IlkDeger,DOrani,DTutar,DAmortisman,DBirikmisAmortisman,"
            "NetDegerArtisi,AmortismanOrani,AmortismanTutari,BirikmisAmortisman,KasaDegeri");
  EXPECT_EQ(first, "01,100,2004-12-31,10000,0,0,0,0,0,20,2000,2000,8000");
  EXPECT_NE(r.out.find("01,100,2008-12-31,10000,0,0,0,0,0,20,1999,9999,1\n"), std::string::npos);
  EXPECT_NE(r.out.find("01,101,2008-12-31,10000,0,0,0,0,0,40,1295,9999,1\n"), std::string::npos);
  EXPECT_NE(r.out.find("02,200,2005-12-31,10000,10,11000,2200,4400,800,20,2000,4000,6600\n"),
            std::string::npos);

  r = cli({"ledger", "export", "--company", "ORNEKAS", "--asset", "02/200"}, false);
  EXPECT_EQ(r.out.find("01,100"), std::string::npos);

  const CliRun exported = cli({"asset", "export", "--company", "ORNEKAS"}, false);
  ASSERT_EQ(exported.code, 0) << exported.err;
  EXPECT_NE(exported.out.find("\"iki\nsatır\""), std::string::npos);
  r = cli({"asset", "import", "--company", "IKINCI", file("again.csv", exported.out)});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(cli({"asset", "export", "--company", "IKINCI"}, false).out, exported.out);
}

TEST_F(CliLedger, FaultyImportNamesLineAndFieldAndSavesNothing) {
  struct Case {
    std::string text;
    std::string want;
  };
  const Case cases[] = {
      {"Bolum,SabitKiymet,Adi,Alis_Tarihi\n01,1,A,2004-01-01\n01,2,B,2004-13-01\n",
       "Satır 3, Alis_Tarihi"},
      {"Bolum,SabitKiymet,Adi,Alis_Tutari\n01,1,A,10\n01,2,B,1\n01,1,C,5\n",
       "Satır 4, SabitKiymet"},
      {"Bolum,SabitKiymet,Adi,Degerlendirilir\n01,1,A,evet\n", "Satır 2, Degerlendirilir"},
      {"Bolum,SabitKiymet,Adi\n01,1,\" \"\n", "Satır 2, Adi"},
      {"Bolum,SabitKiymet,Adi,Renk\n", "Satır 1, Renk"},
  };
  for (const auto& c : cases) {
    const CliRun r = cli({"asset", "import", "--company", "ORNEKAS", file("bad.csv", c.text)});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.rfind(c.want, 0), 0u) << r.err;
  }
  const CliRun exported = cli({"asset", "export", "--company", "ORNEKAS"}, false);
  EXPECT_EQ(std::count(exported.out.begin(), exported.out.end(), '\n'), 1);  // the header only
}

TEST_F(CliLedger, ExtendNeedsALoginAndAChoiceOfAssets) {
  EXPECT_NE(cli({"ledger", "extend", "--company", "ORNEKAS", "--all"}, false).code, 0);
  EXPECT_EQ(cli({"ledger", "extend", "--company", "ORNEKAS"}).code, 2);
  const CliRun r = cli({"ledger", "extend", "--company", "ORNEKAS", "--asset", "09/999"});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("bulunamadı"), std::string::npos);
}
