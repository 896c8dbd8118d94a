#include "users/rights.h"

#include <gtest/gtest.h>

#include "root_fixture.h"
#include "users/login.h"
#include "users/user_admin.h"

using namespace orv;
using namespace orv::users;

namespace {

class Rights : public test::RootTables {
 protected:
  void addRightRow(int project, long long user, int code, bool granted) {
    root->prepare("INSERT INTO Yetkiler (UlasProje, UlasUser, Yetki_Id, Durum) VALUES (?1,?2,?3,?4)")
        .bind(1, project).bind(2, user).bind(3, code).bind(4, granted).run();
  }
};

}  // namespace

TEST_F(Rights, OnlyGrantedRowsOfThisProgramAndUserCount) {
  const long long ayse = addUser("AYSE", "p");
  const long long ali = addUser("ALI", "p");
  addRightRow(4, ayse, 10, true);
  addRightRow(4, ayse, 2010, true);
  addRightRow(4, ayse, 20, false);   // Durum false: denied like a missing row
  addRightRow(5, ayse, 30, true);    // another program
  addRightRow(4, ali, 40, true);     // another user
  const auto rights = loadRights(*root, ayse);
  ASSERT_TRUE(rights.isOk());
  EXPECT_EQ(rights.value(), (std::set<int>{10, 2010}));
  struct Case { const char* code; bool granted; };
  for (const Case& c : {Case{"10", true}, Case{"2010", true}, Case{" 2010 ", true},
                        Case{"20", false}, Case{"30", false}, Case{"40", false},
                        Case{"", false}, Case{"10a", false}, Case{"abc", false}})
    EXPECT_EQ(hasRight(rights.value(), c.code), c.granted) << c.code;
}

TEST_F(Rights, LoginToSessionFillsUserAndRightsAndLeavesThemOnFailure) {
  const long long id = addUser("AYSE", "p", "Ayşe");
  addRightRow(4, id, 800, true);
  Session session;
  EXPECT_FALSE(loginToSession(session, *root, "AYSE", "q").isOk());
  EXPECT_EQ(session.user.id, 0);
  ASSERT_TRUE(loginToSession(session, *root, "AYSE", "p").isOk());
  EXPECT_EQ(session.user.fullName, "Ayşe");
  EXPECT_TRUE(hasRight(session, "800"));
  EXPECT_FALSE(hasRight(session, "805"));
}

TEST_F(Rights, AUserWithoutRowsHoldsNoRight) {
  const long long id = addUser("YENI", "p");
  const auto rights = loadRights(*root, id);
  ASSERT_TRUE(rights.isOk());
  for (int code : allRightCodes()) EXPECT_FALSE(hasRight(rights.value(), std::to_string(code)));
}

TEST(RightCodes, AreAscendingAndKnown) {
  const auto& codes = allRightCodes();
  EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
  EXPECT_EQ(codes.size(), 61u);
  EXPECT_TRUE(isKnownRightCode(3563));
  EXPECT_FALSE(isKnownRightCode(11));
}
