// Two orvdemirbas-cli processes importing cards into one company at the same time: both save
// through the card operations under lock slot 1, and the department-and-code pair stays unique.
#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "fixtures/data_root.h"
#include "fixtures/process.h"
#include "users/user_admin.h"

#ifndef ORVDEMIRBAS_CLI_PATH
#error "ORVDEMIRBAS_CLI_PATH must name the orvdemirbas-cli program"
#endif

using namespace orv;

namespace {

class CardProcesses : public ::testing::Test {
 protected:
  void SetUp() override {
    root_.addCompany("ACME");
    auto db = root_.openRoot();
    ASSERT_TRUE(users::addAdministrator(*db, {"ali", "Ali Veli", "gizli"}));
  }

  std::string csv(const std::string& name, const std::string& department, int count,
                  const std::string& shared = {}) {
    const std::string path = root_.parent() + "/" + name;
    std::ofstream out(path, std::ios::binary);
    out << "Bolum,SabitKiymet,Adi\n";
    if (!shared.empty()) out << "09," << shared << ",Ortak kart " << name << "\n";
    for (int i = 0; i < count; ++i) out << department << "," << 1000 + i << ",Kart " << i << "\n";
    return path;
  }

  // Both imports started together, each in its own process.
  std::pair<test::ProcessResult, test::ProcessResult> importBoth(const std::string& a, const std::string& b) {
    const std::map<std::string, std::string> env = {{"ORVDEMIRBAS_PASSWORD", "gizli"},
                                                    {"ORVDEMIRBAS_CONFIG", root_.parent() + "/config"},
                                                    {"ORVAN_HOME", root_.parent() + "/ORVAN.WIN"}};
    auto run = [&](const std::string& file) {
      return test::runProcess({ORVDEMIRBAS_CLI_PATH, "--root", root_.root(), "--user", "ali", "asset", "import",
                               "--company", "ACME", file},
                              "", env);
    };
    test::ProcessResult ra, rb;
    std::thread first([&] { ra = run(a); });
    std::thread second([&] { rb = run(b); });
    first.join();
    second.join();
    return {ra, rb};
  }

  long long count(const std::string& where = "1") {
    Session s = root_.session("ACME");
    auto st = s.companyDb->prepare("SELECT COUNT(*) FROM Kart WHERE " + where);
    st.step();
    return st.getInt(0);
  }

  test::TempDataRoot root_;
};

TEST_F(CardProcesses, DisjointImportsAtOnceSaveEveryCard) {
  auto [a, b] = importBoth(csv("a.csv", "01", 1500), csv("b.csv", "02", 1500));
  EXPECT_EQ(a.exitCode, 0) << a.err;
  EXPECT_EQ(b.exitCode, 0) << b.err;
  EXPECT_EQ(count(), 3000);
}

TEST_F(CardProcesses, TheSameCodeFromTwoProcessesIsSavedOnce) {
  auto [a, b] = importBoth(csv("a.csv", "01", 800, "777"), csv("b.csv", "02", 800, "777"));
  EXPECT_NE(a.exitCode == 0, b.exitCode == 0) << a.err << b.err;
  const auto& refused = a.exitCode == 0 ? b : a;
  EXPECT_NE(refused.err.find("Önceden Başka bir Sabit Kıymet"), std::string::npos) << refused.err;
  EXPECT_EQ(count("Bolum = '09' AND SabitKiymet = '777'"), 1);
  EXPECT_EQ(count(), 801);  // the refused file saved nothing
}

}  // namespace
