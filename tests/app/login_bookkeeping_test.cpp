// Login rows, abnormal end, two instances on one workstation, and the data check.
#include "app/login_bookkeeping.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/data_check.h"
#include "app/shell_texts.h"
#include "fixtures/data_root.h"

namespace fs = std::filesystem;
using namespace orv;
using namespace orv::app;

namespace {

class Recorder : public Prompter {
 public:
  std::vector<std::string> said;
  std::vector<Answer> answers;  // consumed in order; Yes when empty
  void message(MessageKind, const std::string& t) override { said.push_back(t); }
  Answer confirm(MessageKind, const std::string& t, bool) override {
    said.push_back("? " + t);
    if (answers.empty()) return Answer::Yes;
    Answer a = answers.front();
    answers.erase(answers.begin());
    return a;
  }
};

struct Row { std::string user, time; };

class LoginBookkeepingTest : public ::testing::Test {
 protected:
  void SetUp() override { root = data.openRoot(); }
  std::vector<Row> rows() {
    std::vector<Row> out;
    auto st = root->prepare("SELECT USERNAME, TIME FROM login ORDER BY IPNO");
    while (st.step()) out.push_back({st.getText(0), st.getText(1)});
    return out;
  }
  test::TempDataRoot data;
  std::unique_ptr<db::Database> root;
  Workstation ws{"10.0.0.5", "00:11:22:33:44:55"};
  KullaniciBilgileri ali{1, "Ali Veli", "ALI", ""};
  KullaniciBilgileri ayse{2, "Ayşe Kaya", "AYSE", ""};
};

TEST_F(LoginBookkeepingTest, FirstStartAddsTheRowAndCloseRemovesIt) {
  EXPECT_EQ(*registerLogin(*root, ws, ali, false, {9, 5, 7, 0}), StartKind::Fresh);
  ASSERT_EQ(rows().size(), 1u);
  EXPECT_EQ(rows()[0].time, "09:05:07");
  ASSERT_TRUE(removeLogin(*root, ws, false));
  EXPECT_TRUE(rows().empty());
}

TEST_F(LoginBookkeepingTest, LeftRowWithoutRunningInstanceIsAnAbnormalEndAndGetsTheNewUser) {
  registerLogin(*root, ws, ali, false, {9, 0, 0, 0});
  EXPECT_EQ(*registerLogin(*root, ws, ayse, false, {10, 0, 0, 0}), StartKind::AbnormalEnd);
  ASSERT_EQ(rows().size(), 1u);
  EXPECT_EQ(rows()[0].user, "AYSE");
  EXPECT_EQ(rows()[0].time, "10:00:00");
}

TEST_F(LoginBookkeepingTest, SecondInstanceIsNoAbnormalEndAndTheRowStaysUntilTheLastCloses) {
  const std::string folder = data.parent() + "/instances";
  auto first = std::make_unique<LocalInstance>(folder);
  EXPECT_FALSE(first->othersRunning());
  ASSERT_EQ(*registerLogin(*root, ws, ali, first->othersRunning()), StartKind::Fresh);

  auto second = std::make_unique<LocalInstance>(folder);
  EXPECT_TRUE(second->othersRunning());
  EXPECT_EQ(*registerLogin(*root, ws, ayse, second->othersRunning()),
            StartKind::SharedWithRunningInstance);
  EXPECT_EQ(rows()[0].user, "AYSE");

  ASSERT_TRUE(removeLogin(*root, ws, first->othersRunning()));  // first closes
  first.reset();
  EXPECT_EQ(rows().size(), 1u);
  EXPECT_FALSE(second->othersRunning());
  ASSERT_TRUE(removeLogin(*root, ws, second->othersRunning()));  // the last one closes
  EXPECT_TRUE(rows().empty());
}

TEST_F(LoginBookkeepingTest, InstanceFolderIsOnePerRoot) {
  EXPECT_EQ(localInstanceFolder(data.root()), localInstanceFolder(data.root() + "/"));
  EXPECT_NE(localInstanceFolder(data.root()), localInstanceFolder(data.parent()));
}

class DataCheckTest : public LoginBookkeepingTest {
 protected:
  void SetUp() override {
    LoginBookkeepingTest::SetUp();
    tool = data.parent() + "/orvcheck";
    std::ofstream(tool) << "#";
    registerLogin(*root, ws, ali, false);
  }
  CheckEnd check(int exitCode) {
    return runDataCheck({*root, ws, tool, data.companyFolder("ABC")},
                        [&](const std::string& p, const std::vector<std::string>& a) {
                          ranProgram = p;
                          ranArgs = a;
                          return Result<int>(exitCode);
                        },
                        prompter);
  }
  std::string tool, ranProgram;
  std::vector<std::string> ranArgs;
  Recorder prompter;
};

TEST_F(DataCheckTest, RunsTheToolWithTheRepairCommandLine) {
  EXPECT_EQ(check(0), CheckEnd::Continue);
  EXPECT_EQ(ranProgram, tool);
  EXPECT_EQ(ranArgs, (std::vector<std::string>{"-Q+", "-R1", "/A" + data.companyFolder("ABC")}));
  EXPECT_EQ(prompter.said,
            (std::vector<std::string>{"? Genel Demirbas Programı Verilerini Kontrol Etmek İstiyormusunuz?"}));
}

TEST_F(DataCheckTest, FilesInUseAreReported) {
  EXPECT_EQ(check(-2), CheckEnd::Continue);
  EXPECT_EQ(prompter.said.back(), "Dosyalar Kullanımda Kontrol İşlemi Yapılmadı!");
}

TEST_F(DataCheckTest, ErrorsFoundAndNoEndTheProgramWithoutLoginRow) {
  prompter.answers = {Answer::Yes, Answer::No};
  EXPECT_EQ(check(-1), CheckEnd::EndProgram);
  EXPECT_EQ(prompter.said.back(), "? İşlemlerde Hata Bulundu! Devam Etmek İstiyormusunuz?");
  EXPECT_TRUE(rows().empty());
}

TEST_F(DataCheckTest, OtherWorkstationFirstReportsActiveUsersAndNoStops) {
  registerLogin(*root, {"10.0.0.9", "aa:bb:cc:dd:ee:ff"}, ayse, false);
  prompter.answers = {Answer::No};
  EXPECT_EQ(check(0), CheckEnd::Continue);
  EXPECT_TRUE(ranProgram.empty());
  ASSERT_EQ(prompter.said.size(), 2u);
  EXPECT_EQ(prompter.said[0].rfind("Programda Aktif Kullanıcılar Bulunmakta!\r\rİşleme Devam Etmek İçin", 0), 0u);
}

TEST_F(DataCheckTest, MissingToolAsksNothing) {
  fs::remove(tool);
  EXPECT_EQ(check(0), CheckEnd::Continue);
  EXPECT_TRUE(prompter.said.empty());
}

TEST(ShellTextsTest, VersionAndLabels) {
  EXPECT_EQ(displayVersion("1.0.5.0"), "1.05");
  EXPECT_EQ(displayVersion("2.3"), "2.3");
  EXPECT_EQ(displayVersion("1.0.5"), "1.05");
  EXPECT_EQ(versionLabel("1.0.5.0"), "Ver 1.05    ");
  EXPECT_EQ(userLabel({1, "Ali Veli", "ALI", ""}), "Kullanıcı : Ali Veli (ALI)");
  EXPECT_EQ(mainCaption("ABC", 2024), "Orvan Sabit Kıymetler Programı  (ABC - 2024)");
}

}  // namespace
