#include "users/login.h"

#include <gtest/gtest.h>

#include "root_fixture.h"
#include "users/password.h"
#include "users/user_admin.h"

using namespace orv;
using namespace orv::users;

namespace {

class Login : public test::RootTables {};

}  // namespace

TEST_F(Login, RightPasswordFillsTheCurrentUserFromTheRow) {
  const long long id = addUser("AYSE", "gizli", "Ayşe Yılmaz");
  root->prepare("UPDATE users SET IP = '10.0.0.7' WHERE Ulas = ?1").bind(1, id).run();
  const auto who = login(*root, "AYSE", "gizli");
  ASSERT_TRUE(who.isOk()) << who.message();
  EXPECT_EQ(who->id, id);
  EXPECT_EQ(who->userName, "AYSE");
  EXPECT_EQ(who->fullName, "Ayşe Yılmaz");
  EXPECT_EQ(who->address, "10.0.0.7");
}

TEST_F(Login, WrongUserAndWrongPasswordGiveTheirOwnMessages) {
  addUser("AYSE", "gizli");
  struct Case { const char* user; const char* password; const char* message; };
  const Case cases[] = {{"MEHMET", "gizli", kUnknownUserText},
                        {"ayse", "gizli", kUnknownUserText},
                        {"", "", kUnknownUserText},
                        {"AYSE", "Gizli", kWrongPasswordText},
                        {"AYSE", "", kWrongPasswordText},
                        {"AYSE", "gizli ", kWrongPasswordText}};
  for (const auto& c : cases) {
    const auto who = login(*root, c.user, c.password);
    ASSERT_FALSE(who.isOk()) << c.user << "/" << c.password;
    EXPECT_EQ(who.message(), c.message) << c.user << "/" << c.password;
  }
  EXPECT_EQ(std::string(kWrongPasswordText), "Hatalı şifre girişi !...\rLütfen tekrar deneyiniz..");
}

TEST_F(Login, EmptyPasswordMatchesOnlyAnEmptyStoredPassword) {
  addUser("BOS", "");
  addUser("DOLU", "x");
  EXPECT_TRUE(login(*root, "BOS", "").isOk());
  EXPECT_FALSE(login(*root, "BOS", "x").isOk());
  EXPECT_FALSE(login(*root, "DOLU", "").isOk());
}

TEST_F(Login, TwoWrongPasswordsThenTheRightOneLogIn) {
  addUser("AYSE", "gizli");
  LoginAttempts attempts(*root);
  EXPECT_FALSE(attempts.tryLogin("AYSE", "a").isOk());
  EXPECT_FALSE(attempts.tryLogin("AYSE", "b").isOk());
  EXPECT_FALSE(attempts.exhausted());
  EXPECT_TRUE(attempts.tryLogin("AYSE", "gizli").isOk());
}

TEST_F(Login, ThirdWrongPasswordEndsTheLoginButUnknownNamesDoNotCount) {
  addUser("AYSE", "gizli");
  LoginAttempts attempts(*root);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(isUnknownUser(attempts.tryLogin("YOK", "x").status()));
  EXPECT_EQ(attempts.failedPasswords(), 0);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(attempts.tryLogin("AYSE", "yanlis").isOk());
  EXPECT_TRUE(attempts.exhausted());
  EXPECT_FALSE(attempts.tryLogin("AYSE", "gizli").isOk());
}

TEST_F(Login, StoredPasswordIsTheEncodedForm) {
  addUser("AYSE", "gizli");
  auto st = root->prepare("SELECT Password FROM users WHERE Username = 'AYSE'");
  ASSERT_TRUE(st.step());
  EXPECT_EQ(st.getText(0), encodePassword("gizli").value());
}

TEST_F(Login, UserNamesComeInTurkishOrder) {
  for (const char* name : {"ZEKI", "ÇETIN", "CAN", "ÖMER", "OSMAN"}) addUser(name, "p");
  const auto names = userNames(*root);
  ASSERT_TRUE(names.isOk());
  EXPECT_EQ(names.value(), (std::vector<std::string>{"CAN", "ÇETIN", "OSMAN", "ÖMER", "ZEKI"}));
}

TEST(CommandLineLogin, NeedsTheMarkerAndFourPartsEachEndedByAt) {
  const auto parsed = parseCommandLineLogin("Q_7_KP_482@DEMO@demo@FIRMA1@");
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(parsed->user, "DEMO");
  EXPECT_EQ(parsed->password, "demo");
  EXPECT_EQ(parsed->company, "FIRMA1");
  EXPECT_FALSE(parseCommandLineLogin("Q_7_KP_482@DEMO@demo@FIRMA1").has_value());
  EXPECT_FALSE(parseCommandLineLogin("X@DEMO@demo@FIRMA1@").has_value());
  EXPECT_FALSE(parseCommandLineLogin("FIRMA1").has_value());
  EXPECT_TRUE(parseCommandLineLogin("Q_7_KP_482@DEMO@@@").has_value());
}
