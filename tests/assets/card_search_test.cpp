// The browser's and record search's card source: order, department filter, nearest-key
// searches with bound text, pages read on demand, and the typed search text.
#include "assets/card_search.h"

#include <gtest/gtest.h>

#include "assets/card.h"
#include "fixtures/data_root.h"

using namespace orv;
using namespace orv::assets;

namespace {

class CardSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_.addCompany("ACME");
    session_ = root_.session("ACME");
    db::KartRepository repo(*session_.companyDb);
    const char* cards[][3] = {{"01", "100", "Masa"},     {"01", "200", "Çekmece"},
                              {"02", "050", "Dolap"},    {"02", "123", "O'Neil's desk"},
                              {"03", "001", "Şemsiye"},  {"01", "150", "Ilık su ısıtıcı"}};
    for (auto& c : cards) {
      db::KartRow k;
      k.Bolum = c[0];
      k.SabitKiymet = c[1];
      k.Adi = c[2];
      ids_[std::string(c[0]) + "/" + c[1]] = repo.insert(k);
    }
  }
  std::vector<std::string> codes(KartKaynagi& src) {
    std::vector<std::string> out;
    for (int i = 0; i < src.size(); ++i) out.push_back(src.row(i).Bolum + "/" + src.row(i).SabitKiymet);
    return out;
  }
  test::TempDataRoot root_;
  Session session_;
  std::map<std::string, long long> ids_;
};

TEST_F(CardSearchTest, CodeOrderAndDepartmentFilter) {
  KartKaynagi src(*session_.companyDb);
  src.ac();
  EXPECT_EQ(codes(src), (std::vector<std::string>{"01/100", "01/150", "01/200", "02/050", "02/123", "03/001"}));
  src.ac(KartSirasi::Kod, "02");
  EXPECT_EQ(codes(src), (std::vector<std::string>{"02/050", "02/123"}));
  src.ac(KartSirasi::Kod, "01' OR '1'='1");
  EXPECT_EQ(src.size(), 0);
  src.ac(KartSirasi::Kod, "");
  EXPECT_EQ(src.size(), 6);
}

TEST_F(CardSearchTest, NameOrderIsTurkish) {
  KartKaynagi src(*session_.companyDb);
  src.ac(KartSirasi::Ad);
  std::vector<std::string> names;
  for (int i = 0; i < src.size(); ++i) names.push_back(src.row(i).Adi);
  EXPECT_EQ(names, (std::vector<std::string>{"Çekmece", "Dolap", "Ilık su ısıtıcı", "Masa", "O'Neil's desk", "Şemsiye"}));
}

TEST_F(CardSearchTest, NearestNameWithQuotesAndTurkishLetters) {
  KartKaynagi src(*session_.companyDb);
  src.ac(KartSirasi::Ad);
  struct Case { const char* text; const char* name; };
  const Case cases[] = {{"o'n", "O'Neil's desk"}, {"ş", "Şemsiye"}, {"ç", "Çekmece"},
                        {"c", "Çekmece"},         {"ma", "Masa"},   {"zzz", "Şemsiye"}, {"ılı", "Ilık su ısıtıcı"}};
  for (const auto& c : cases) {
    const int at = src.enYakinAd(c.text);
    ASSERT_GE(at, 0) << c.text;
    EXPECT_EQ(src.row(at).Adi, c.name) << c.text;
  }
  EXPECT_EQ(src.size(), 6);  // searching changed nothing
}

TEST_F(CardSearchTest, NearestCodeFromTypedText) {
  KartKaynagi src(*session_.companyDb);
  src.ac();
  auto find = [&](const std::string& text, const std::string& chosen) {
    KodAnahtari key = kodAnahtari(text, chosen, 0);
    const int at = src.enYakinKod(key.bolum, key.kod);
    return at < 0 ? std::string() : src.row(at).Bolum + "/" + src.row(at).SabitKiymet;
  };
  EXPECT_EQ(find("01*123", ""), "01/150");   // first of department 01 at or after 123
  EXPECT_EQ(find("02", ""), "02/050");       // a department alone
  EXPECT_EQ(find("1.2.3", "02"), "02/123");  // separators removed with a department chosen
  EXPECT_EQ(find("999", "03"), "03/001");    // nothing after: the last card
}

TEST_F(CardSearchTest, RowsAreReadPageWiseAndPositionsFound) {
  db::KartRepository repo(*session_.companyDb);
  for (int i = 0; i < 300; ++i) {
    db::KartRow k;
    k.Bolum = "09";
    k.SabitKiymet = std::to_string(1000 + i);
    k.Adi = "Kart " + std::to_string(i);
    repo.insert(k);
  }
  KartKaynagi src(*session_.companyDb);
  src.ac();
  ASSERT_EQ(src.size(), 306);
  EXPECT_EQ(src.row(305).SabitKiymet, "1299");
  EXPECT_EQ(src.row(140).SabitKiymet, "1134");
  EXPECT_EQ(src.indexOf(ids_["02/123"]), 4);
  EXPECT_EQ(src.indexOf(123456), -1);
}

TEST(CardSearchText, CommaBackspaceAndStar) {
  EXPECT_EQ(aramaMetnineEkle("12", ","), "12.");
  EXPECT_EQ(aramaMetnineEkle("ş", "ç"), "şç");
  EXPECT_EQ(aramaGeriSil("01*1"), "01");
  EXPECT_EQ(aramaGeriSil("01*"), "01");
  EXPECT_EQ(aramaGeriSil("aş"), "a");
  EXPECT_EQ(aramaGeriSil(""), "");
}

}  // namespace
