// The demo root and the reset of screen settings.
#include "app/demo_root.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/activation.h"
#include "app/screen_settings.h"
#include "fixtures/temp_dir.h"
#include "users/login.h"

namespace fs = std::filesystem;
using namespace orv;

TEST(DemoRootTest, DemoUserLogsInAndTheDemoCompanyActivates) {
  test::TempDir tmp;
  const std::string root = app::demoRootFolder(tmp.str());
  ASSERT_TRUE(app::ensureDemoRoot(root, tmp.str()));
  ASSERT_TRUE(app::ensureDemoRoot(root, tmp.str()));  // a second start changes nothing
  auto session = openRoot(root, "");
  ASSERT_TRUE(session) << session.message();
  Session s = std::move(session).value();
  ASSERT_TRUE(users::loginToSession(s, *s.rootDb, "DEMO", "demo"));
  EXPECT_TRUE(s.hasRight(800));
  SilentPrompter quiet;
  Status active = activateCompany(s, "DEMO", quiet);
  ASSERT_TRUE(active) << active.message();
  EXPECT_EQ(s.company.title, "Demo Sabit Kıymet Ticaret A.Ş.");
  EXPECT_EQ(s.values.depreciationYear, Date::today().year());
  auto cards = s.companyDb->prepare("SELECT count(*) FROM Kart");
  ASSERT_TRUE(cards.step());
  EXPECT_EQ(cards.getInt(0), 4);  // made once: the second start added none
  EXPECT_EQ(s.codeLists.codes[0], (CodeList{"000=", "01=İdari Bina", "02=Üretim", "03=Lojistik"}));
}

TEST(ScreenSettingsTest, ResetEmptiesPlacementsAndRemovesLayouts) {
  test::TempDir tmp;
  for (const char* f : {app::kPlacementFile1, app::kPlacementFile2, app::kLayoutFile})
    std::ofstream(app::settingsFile(tmp.str(), f)) << "[MAIN]\nNormalMenu=1\n";
  ASSERT_TRUE(app::resetScreenSettings(tmp.str()));
  EXPECT_EQ(fs::file_size(app::settingsFile(tmp.str(), app::kPlacementFile1)), 0u);
  EXPECT_EQ(fs::file_size(app::settingsFile(tmp.str(), app::kPlacementFile2)), 0u);
  EXPECT_FALSE(fs::exists(app::settingsFile(tmp.str(), app::kLayoutFile)));
}
