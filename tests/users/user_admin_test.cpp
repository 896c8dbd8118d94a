#include "users/user_admin.h"

#include <gtest/gtest.h>

#include "root_fixture.h"
#include "users/login.h"
#include "users/rights.h"

using namespace orv;
using namespace orv::users;

namespace {

class UserAdmin : public test::RootTables {
 protected:
  long long count(const char* table) {
    auto st = root->prepare(std::string("SELECT COUNT(*) FROM ") + table);
    st.step();
    return st.getInt(0);
  }
};

}  // namespace

TEST_F(UserAdmin, AddWritesTheRowWithCreationData) {
  const auto id = users::addUser(*root, {"AYSE", "Ayşe Yılmaz", "gizli"}, Date::fromYMD(2026, 3, 4));
  ASSERT_TRUE(id.isOk()) << id.message();
  auto st = root->prepare("SELECT Username, Adi, CreDate, CreBy FROM users WHERE Ulas = ?1");
  st.bind(1, id.value());
  ASSERT_TRUE(st.step());
  EXPECT_EQ(st.getText(0), "AYSE");
  EXPECT_EQ(st.getText(1), "Ayşe Yılmaz");
  EXPECT_EQ(st.getText(2), "2026-03-04");
  EXPECT_EQ(st.getText(3), "orvdemirbas-cli");
}

TEST_F(UserAdmin, BadInputIsRefusedAndChangesNothing) {
  addUser("AYSE", "p");
  struct Case { NewUser user; const char* part; };
  const Case cases[] = {
      {{"AYSE", "x", "p"}, "zaten var"},
      {{"", "x", "p"}, "boş olamaz"},
      {{" ALI", "x", "p"}, "boşluk"},
      {{"A@B", "x", "p"}, "@"},
      {{"ÇOKUZUNKULLANICIADI21", "x", "p"}, "Username"},
      {{"ALI", std::string(51, 'a'), "p"}, "Adi"},
      {{"ALI", "x", std::string(21, 'p')}, "Password"},
      {{"ALI", "x", "ab\tc"}, "kontrol karakteri"},
      {{"ALI", "x", "\xE2\x82\xBD"}, "kullanılamayan"},
  };
  for (const auto& c : cases) {
    const auto id = users::addUser(*root, c.user);
    ASSERT_FALSE(id.isOk()) << c.user.userName;
    EXPECT_NE(id.message().find(c.part), std::string::npos) << id.message();
  }
  EXPECT_EQ(count("users"), 1);
}

TEST_F(UserAdmin, PasswdChangesWhatLogsIn) {
  addUser("AYSE", "eski");
  ASSERT_TRUE(setPassword(*root, "AYSE", "yeni").isOk());
  EXPECT_FALSE(login(*root, "AYSE", "eski").isOk());
  EXPECT_TRUE(login(*root, "AYSE", "yeni").isOk());
  EXPECT_FALSE(setPassword(*root, "YOK", "x").isOk());
  EXPECT_FALSE(setPassword(*root, "AYSE", std::string(21, 'x')).isOk());
  EXPECT_TRUE(login(*root, "AYSE", "yeni").isOk());
}

TEST_F(UserAdmin, GrantAndRevokeWriteOneRowPerCodeOfThisProgram) {
  const long long id = addUser("AYSE", "p");
  ASSERT_TRUE(grantRights(*root, "AYSE", {10, 20, 2010}).isOk());
  ASSERT_TRUE(grantRights(*root, "AYSE", {10}).isOk());  // again: no second row
  ASSERT_TRUE(revokeRights(*root, "AYSE", {20, 30}).isOk());
  EXPECT_EQ(count("Yetkiler"), 3);
  auto st = root->prepare("SELECT COUNT(*) FROM Yetkiler WHERE UlasProje = 4 AND UlasUser = ?1");
  st.bind(1, id);
  ASSERT_TRUE(st.step());
  EXPECT_EQ(st.getInt(0), 3);
  EXPECT_EQ(loadRights(*root, id).value(), (std::set<int>{10, 2010}));
  ASSERT_TRUE(grantRights(*root, "AYSE", {20}).isOk());
  EXPECT_EQ(loadRights(*root, id).value(), (std::set<int>{10, 20, 2010}));
  EXPECT_FALSE(grantRights(*root, "YOK", {10}).isOk());
}

TEST_F(UserAdmin, AdministratorHoldsEveryRightAndListShowsIt) {
  ASSERT_TRUE(hasNoUsers(*root).value());
  ASSERT_TRUE(addAdministrator(*root, {"ADMIN", "Yönetici", "a"}).isOk());
  addUser("ALI", "p", "Ali");
  EXPECT_FALSE(hasNoUsers(*root).value());
  const auto users = listUsers(*root);
  ASSERT_TRUE(users.isOk());
  ASSERT_EQ(users->size(), 2u);
  EXPECT_EQ((*users)[0].userName, "ADMIN");
  EXPECT_EQ((*users)[0].rights, allRightCodes());
  EXPECT_EQ((*users)[1].fullName, "Ali");
  EXPECT_TRUE((*users)[1].rights.empty());
}

TEST(RightCodeWords, AllOrKnownNumbersOnly) {
  EXPECT_EQ(parseRightCodes({"all"}).value(), allRightCodes());
  EXPECT_EQ(parseRightCodes({"10", "2010"}).value(), (std::vector<int>{10, 2010}));
  for (const auto& words : std::vector<std::vector<std::string>>{
           {}, {"11"}, {"10", "x"}, {"10", "all"}, {"-10"}, {"10 "}})
    EXPECT_FALSE(parseRightCodes(words).isOk());
}
