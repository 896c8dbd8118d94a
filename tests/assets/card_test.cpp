// Saving, deleting and recoding asset cards: the checks, rights, the unique department and
// code, saves that must not overwrite another's work, and the lock slot.
#include "assets/card.h"

#include <gtest/gtest.h>

#include "data/catalogue.h"
#include "data/schema_upgrade.h"
#include "depreciation/ledger_store.h"
#include "fixtures/data_root.h"

using namespace orv;
using namespace orv::assets;

namespace {

class RecordingPrompter : public Prompter {
 public:
  void message(MessageKind kind, const std::string& text) override { messages.push_back({kind, text}); }
  Answer confirm(MessageKind, const std::string& text, bool) override {
    questions.push_back(text);
    return answer;
  }
  std::string last() const { return messages.empty() ? "" : messages.back().second; }
  std::vector<std::pair<MessageKind, std::string>> messages;
  std::vector<std::string> questions;
  Answer answer = Answer::Yes;
};

db::KartRow makeCard(const std::string& bolum, const std::string& kod, const std::string& adi) {
  db::KartRow k;
  k.Bolum = bolum;
  k.SabitKiymet = kod;
  k.Adi = adi;
  k.Alis_Tutari = 1000;
  k.Kdv_Orani = 18;
  k.Amortisman_Orani = 20;
  k.Amortisman_Baslama = Date::fromYMD(2004, 1, 1);
  return k;
}

class CardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_.addCompany("ACME");
    session_ = root_.session("ACME");
    session_.rights = {30, 35, 40, 100};
    locks_ = std::make_unique<locks::RecordLocks>(*session_.rootDb, locks::lockSettingsFor(session_), prompter_);
  }

  Result<long long> saveNew(const db::KartRow& k) {
    KartKaydi kayit{k, {}};
    return KartKaydet(session_, *locks_, prompter_, kayit, {true, false, k.SabitKiymet});
  }

  KartKaydi load(long long ulas) {
    auto row = db::KartRepository(*session_.companyDb).find(ulas);
    EXPECT_TRUE(row.has_value());
    return {*row, *row};
  }

  int count(const char* sql, long long ulas) {
    auto st = session_.companyDb->prepare(sql);
    st.bind(1, ulas);
    st.step();
    return static_cast<int>(st.getInt(0));
  }

  test::TempDataRoot root_;
  Session session_;
  RecordingPrompter prompter_;
  std::unique_ptr<locks::RecordLocks> locks_;
};

struct CheckCase {
  const char* name;
  void (*change)(db::KartRow&);
  const char* message;
};

TEST_F(CardTest, CardChecksRefuseWithTheirMessagesAndSaveNothing) {
  const CheckCase cases[] = {
      {"no department", [](db::KartRow& k) { k.Bolum = ""; }, kNoDepartment},
      {"no code", [](db::KartRow& k) { k.SabitKiymet = ""; }, kNoCode},
      {"blank name", [](db::KartRow& k) { k.Adi = "   "; }, kNoName},
      {"department checked first", [](db::KartRow& k) { k.Bolum = ""; k.Adi = ""; }, kNoDepartment},
      {"bad method", [](db::KartRow& k) { k.Amortisman_Donemi = 3; },
       "Amortisman Dönemi 0 (Yıllık), 1 (3 Aylık) veya 2 (1 Aylık) olmalıdır."},
      {"too wide", [](db::KartRow& k) { k.Adi = std::string(41, 'x'); },
       "Kart tablosunun Adi alanı en çok 40 karakter alabilir (girilen: 41 karakter)."},
  };
  for (const auto& c : cases) {
    db::KartRow k = makeCard("01", "100", "Masa");
    c.change(k);
    prompter_.messages.clear();
    auto r = saveNew(k);
    ASSERT_FALSE(r) << c.name;
    EXPECT_EQ(r.message(), c.message) << c.name;
    ASSERT_EQ(prompter_.messages.size(), 1u) << c.name;
    EXPECT_EQ(prompter_.messages[0].first, MessageKind::Information) << c.name;
  }
  EXPECT_EQ(count("SELECT COUNT(*) FROM Kart WHERE Ulas >= ?", 0), 0);
}

TEST_F(CardTest, NewCardStoresCreatorAndTellsTheMaskedCode) {
  KartKaydi kayit{makeCard("01", "123456", "Masa"), {}};
  auto r = KartKaydet(session_, *locks_, prompter_, kayit, {true, true, "123.456"});
  ASSERT_TRUE(r) << r.message();
  EXPECT_EQ(prompter_.last(), "123.456 için yeni demirbaş kartı oluşturuldu");
  EXPECT_EQ(kayit.okunan.CreateBy, session_.user.id);
  EXPECT_EQ(kayit.okunan.CreateDate.size(), 10u);
  EXPECT_EQ(kayit.okunan.Ulas, *r);
}

TEST_F(CardTest, SameCodeRefusedInItsDepartmentAcceptedInAnother) {
  ASSERT_TRUE(saveNew(makeCard("01", "100", "Masa")));
  auto again = saveNew(makeCard("01", "100", "Sandalye"));
  ASSERT_FALSE(again);
  EXPECT_EQ(again.message(), "Girdiğiniz 100 Nolu Sabit Kıymet Kodu\rÖnceden Başka bir Sabit Kıymet "
                             "Kaydı İçin Kullanılmıştır.\rLütfen Başka Bir Sabit Kıymet Kodu Belirleyiniz.");
  EXPECT_EQ(prompter_.messages.back().first, MessageKind::Error);
  EXPECT_TRUE(saveNew(makeCard("02", "100", "Sandalye")));
}

TEST_F(CardTest, TheTableItselfRefusesADuplicatePair) {
  ASSERT_TRUE(saveNew(makeCard("01", "100", "Masa")));
  db::KartRepository repo(*session_.companyDb);
  EXPECT_THROW(repo.insert(makeCard("01", "100", "Kopya")), db::DbError);
}

TEST_F(CardTest, RightsOfNewAndExistingCards) {
  session_.rights = {35};
  auto r = saveNew(makeCard("01", "100", "Masa"));
  EXPECT_EQ(r.message(), kNoNewCardRight);
  session_.rights = {30};
  auto id = saveNew(makeCard("01", "100", "Masa"));
  ASSERT_TRUE(id);
  KartKaydi kayit = load(*id);
  auto edit = KartKaydet(session_, *locks_, prompter_, kayit, {false, false, "100"});
  EXPECT_EQ(edit.message(), kNoEditRight);
  EXPECT_EQ(prompter_.messages.back().first, MessageKind::Error);
}

TEST_F(CardTest, SaveKeepsTheLedgerSummaryAndExitWrittenMeanwhile) {
  auto id = saveNew(makeCard("01", "100", "Masa"));
  ASSERT_TRUE(id);
  KartKaydi kayit = load(*id);
  // Another screen writes the summary and an exit after this card was read.
  db::KartRepository repo(*session_.companyDb);
  db::KartRow other = *repo.find(*id);
  other.BirikmisAmortisman = 400;
  other.SonIslemTarihi = Date::fromYMD(2005, 12, 31);
  other.Sat_Tarih = Date::fromYMD(2006, 3, 1);
  other.Notlar = "başka ekranın notu";
  repo.update(other);

  kayit.kart.Adi = "Çalışma Masası";
  kayit.kart.Sat_Tarih = {};  // stale values the card carries
  auto r = KartKaydet(session_, *locks_, prompter_, kayit, {false, true, "100"});
  ASSERT_TRUE(r) << r.message();
  EXPECT_EQ(prompter_.last(), "100 için girilen bilgiler kaydedildi.");
  const db::KartRow stored = *repo.find(*id);
  EXPECT_EQ(stored.Adi, "Çalışma Masası");
  EXPECT_EQ(stored.BirikmisAmortisman, 400);
  EXPECT_EQ(stored.Sat_Tarih, Date::fromYMD(2006, 3, 1));
  EXPECT_EQ(stored.Notlar, "başka ekranın notu");
  EXPECT_EQ(stored.ModifiedBy, session_.user.id);
  EXPECT_EQ(kayit.okunan.BirikmisAmortisman, 400);  // the card now holds the stored row
}

TEST_F(CardTest, SaveRefusedWhenAnotherChangedTheSameCardFields) {
  auto id = saveNew(makeCard("01", "100", "Masa"));
  ASSERT_TRUE(id);
  KartKaydi mine = load(*id);
  KartKaydi theirs = load(*id);
  theirs.kart.Alis_Tutari = 5000;
  ASSERT_TRUE(KartKaydet(session_, *locks_, prompter_, theirs, {false, false, "100"}));
  mine.kart.Adi = "Benim adım";
  auto r = KartKaydet(session_, *locks_, prompter_, mine, {false, false, "100"});
  ASSERT_FALSE(r);
  EXPECT_EQ(r.message(), kChangedMeanwhile);
  const db::KartRow stored = *db::KartRepository(*session_.companyDb).find(*id);
  EXPECT_EQ(stored.Adi, "Masa");
  EXPECT_EQ(stored.Alis_Tutari, 5000);
}

TEST_F(CardTest, SavingADeletedCardIsRefused) {
  auto id = saveNew(makeCard("01", "100", "Masa"));
  KartKaydi kayit = load(*id);
  ASSERT_TRUE(KartSil(*session_.companyDb, *id).value());
  auto r = KartKaydet(session_, *locks_, prompter_, kayit, {false, false, "100"});
  EXPECT_EQ(r.message(), kCardGone);
}

TEST_F(CardTest, DatabaseFailureWhileWritingIsReported) {
  db::Database::setWriteFaultHook([](std::string_view sql) { return sql.find("INSERT INTO \"Kart\"") != std::string_view::npos; });
  auto r = saveNew(makeCard("01", "100", "Masa"));
  db::Database::setWriteFaultHook(nullptr);
  EXPECT_EQ(r.message(), kSaveFailed);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Kart WHERE Ulas >= ?", 0), 0);
}

TEST_F(CardTest, DeletingRemovesLedgerRowsAndCountLines) {
  auto id = saveNew(makeCard("01", "100", "Masa"));
  auto keep = saveNew(makeCard("01", "101", "Dolap"));
  db::KartRepository repo(*session_.companyDb);
  for (long long card : {*id, *keep}) {
    db::LedgerRow row;
    row.UlasKart = card;
    row.Tarih = Date::fromYMD(2004, 12, 31);
    repo.insertLedgerRow(row);
    session_.companyDb->prepare("INSERT INTO SayimAlt (UlasSayimTop, UlasDemirbas) VALUES (1, ?)").bind(1, card).run();
  }
  prompter_.answer = Answer::Yes;
  ASSERT_TRUE(KartSilmeIslemi(session_, prompter_, *id, "100"));
  EXPECT_EQ(prompter_.questions.back(),
            "Dikkat !... \r100 Kodlu Sabit Kıymet Kartı Silinecektir.\rİşleme Devam Etmek İstiyor musunuz?");
  EXPECT_EQ(count("SELECT COUNT(*) FROM KartAmortisman WHERE UlasKart = ?", *id), 0);
  EXPECT_EQ(count("SELECT COUNT(*) FROM SayimAlt WHERE UlasDemirbas = ?", *id), 0);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Kart WHERE Ulas = ?", *id), 0);
  EXPECT_EQ(count("SELECT COUNT(*) FROM KartAmortisman WHERE UlasKart = ?", *keep), 1);
  EXPECT_FALSE(KartSil(*session_.companyDb, *id).value());
}

TEST_F(CardTest, DeleteNeedsRightAndYes) {
  auto id = saveNew(makeCard("01", "100", "Masa"));
  prompter_.answer = Answer::No;
  EXPECT_FALSE(KartSilmeIslemi(session_, prompter_, *id, "100"));
  session_.rights.erase(kRightDeleteCard);
  prompter_.answer = Answer::Yes;
  EXPECT_FALSE(KartSilmeIslemi(session_, prompter_, *id, "100"));
  EXPECT_EQ(prompter_.last(), kNoDeleteRight);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Kart WHERE Ulas = ?", *id), 1);
}

TEST_F(CardTest, CodeChangeRefusesATakenPairTheCardItselfIncluded) {
  auto id = saveNew(makeCard("01", "100", "Masa"));
  ASSERT_TRUE(saveNew(makeCard("02", "200", "Dolap")));
  for (auto pair : {std::pair<std::string, std::string>{"02", "200"}, {"01", "100"}}) {
    Status s = KartKodDegistir(*session_.companyDb, *id, pair.first, pair.second, pair.second);
    EXPECT_EQ(s.message(), yeniKodKullanilmisMesaji(pair.second));
  }
  ASSERT_TRUE(KartKodDegistir(*session_.companyDb, *id, "02", "300", "300"));
  const db::KartRow stored = *db::KartRepository(*session_.companyDb).find(*id);
  EXPECT_EQ(stored.Bolum, "02");
  EXPECT_EQ(stored.SabitKiymet, "300");
}

TEST_F(CardTest, CodeChangeCommandAsksWithBothCodes) {
  auto id = saveNew(makeCard("01", "100", "Masa"));
  KodDegisikligi d{*id, "01", "100", "03", "400500", "400.500"};
  ASSERT_TRUE(KodDegistirmeIslemi(session_, prompter_, d));
  EXPECT_EQ(prompter_.questions.back(),
            "seçiminiz Sonucu 01 Bölümü -100 Kodlu Sabit Kıymeti\r03 Bölümü -400.500 Kodlu Sabit "
            "Kıymete Dönüştürmek İstiyorsunuz.\rKod Değişikliği İşlemini Onaylıyor musunuz?");
  session_.rights.erase(kRightCodeChange);
  EXPECT_FALSE(KodDegistirmeIslemi(session_, prompter_, {*id, "03", "400500", "01", "1", "1"}));
  EXPECT_EQ(prompter_.last(), kNoRight);
}

TEST_F(CardTest, NeighboursInDepartmentAndCodeOrderStopAtTheEnds) {
  auto b = saveNew(makeCard("01", "200", "B"));
  auto a = saveNew(makeCard("01", "100", "A"));
  auto c = saveNew(makeCard("02", "050", "C"));
  auto& db = *session_.companyDb;
  EXPECT_EQ(komsuKart(db, "01", "100", *a, true), *b);
  EXPECT_EQ(komsuKart(db, "01", "200", *b, true), *c);
  EXPECT_EQ(komsuKart(db, "02", "050", *c, true), *c);
  EXPECT_EQ(komsuKart(db, "01", "100", *a, false), *a);
  EXPECT_EQ(komsuKart(db, "02", "050", *c, false), *b);
}

TEST_F(CardTest, TwoConnectionsSavingTheSameNewCodeLeaveOneCard) {
  // A second workstation: its own connections to the same folders.
  Session other = root_.session("ACME");
  other.rights = {30};
  RecordingPrompter otherPrompter;
  locks::RecordLocks otherLocks(*other.rootDb, locks::lockSettingsFor(other), otherPrompter);
  KartKaydi first{makeCard("01", "777", "Birinci"), {}};
  KartKaydi second{makeCard("01", "777", "İkinci"), {}};
  auto r1 = KartKaydet(session_, *locks_, prompter_, first, {true, false, "777"});
  auto r2 = KartKaydet(other, otherLocks, otherPrompter, second, {true, false, "777"});
  EXPECT_TRUE(r1);
  EXPECT_FALSE(r2);
  EXPECT_EQ(count("SELECT COUNT(*) FROM Kart WHERE Ulas >= ?", 0), 1);
}

}  // namespace

namespace {

bool codeIndexUnique(db::Database& db) {
  auto st = db.prepare("SELECT \"unique\" FROM pragma_index_list('Kart') WHERE name = 'Kart_ISABITKIYMET'");
  return st.step() && st.getInt(0) != 0;
}

TEST_F(CardTest, OlderDatabaseGetsTheUniqueCodeIndexUnlessCodesRepeat) {
  auto& db = *session_.companyDb;
  auto makeOld = [&] {
    db.exec("DROP INDEX Kart_ISABITKIYMET; DROP INDEX Kart_IADI;"
            "CREATE INDEX Kart_ISABITKIYMET ON Kart (Bolum, SabitKiymet)");
  };
  makeOld();
  ASSERT_FALSE(codeIndexUnique(db));
  ASSERT_TRUE(db::upgradeCompanySchema(db, prompter_));
  EXPECT_TRUE(codeIndexUnique(db));
  EXPECT_TRUE(db.prepare("SELECT 1 FROM pragma_index_list('Kart') WHERE name = 'Kart_IADI'").step());

  makeOld();
  db.exec("INSERT INTO Kart (Bolum, SabitKiymet, Adi) VALUES ('01', '5', 'a'), ('01', '5', 'b')");
  prompter_.messages.clear();
  ASSERT_TRUE(db::upgradeCompanySchema(db, prompter_));
  EXPECT_FALSE(codeIndexUnique(db));
  EXPECT_TRUE(db.prepare("SELECT 1 FROM pragma_index_list('Kart') WHERE name = 'Kart_ISABITKIYMET'").step());
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].first, MessageKind::Warning);
}

}  // namespace
