#include "data/database.h"

#include <gtest/gtest.h>

#include "data/catalogue.h"
#include "fixtures/temp_dir.h"

using namespace orv;
using namespace orv::db;

namespace {

std::unique_ptr<Database> openIn(const test::TempDir& dir) {
  auto r = Database::open(dir.str());
  EXPECT_TRUE(r.isOk()) << r.message();
  return std::move(r).value();
}

}  // namespace

TEST(Database, OpeningAMissingFolderFailsWithTurkishMessage) {
  auto r = Database::open("/nonexistent/orv/folder");
  ASSERT_FALSE(r.isOk());
  EXPECT_NE(r.message().find("Veri klasörü bulunamadı"), std::string::npos);
}

TEST(Database, EmptyTextAndZeroDateAreStoredAsNull) {
  test::TempDir dir;
  auto db = openIn(dir);
  db->exec("CREATE TABLE t (a TEXT, d DATE)");
  db->prepare("INSERT INTO t VALUES (?1, ?2)").bind(1, std::string()).bind(2, Date()).run();
  auto st = db->prepare("SELECT a IS NULL, d IS NULL, a, d FROM t");
  ASSERT_TRUE(st.step());
  EXPECT_TRUE(st.getBool(0));
  EXPECT_TRUE(st.getBool(1));
  EXPECT_EQ(st.getText(2), "");
  EXPECT_TRUE(st.getDate(3).isNull());
}

TEST(Database, TransactionRollsBackUnlessCommitted) {
  test::TempDir dir;
  auto db = openIn(dir);
  db->exec("CREATE TABLE t (a INTEGER)");
  {
    Transaction tx(*db);
    db->exec("INSERT INTO t VALUES (1)");
  }
  {
    Transaction tx(*db);
    db->exec("INSERT INTO t VALUES (2)");
    tx.commit();
  }
  auto st = db->prepare("SELECT group_concat(a) FROM t");
  ASSERT_TRUE(st.step());
  EXPECT_EQ(st.getText(0), "2");
}

TEST(Database, WriteFaultHookMakesWritesFail) {
  test::TempDir dir;
  auto db = openIn(dir);
  db->exec("CREATE TABLE t (a INTEGER)");
  Database::setWriteFaultHook([](std::string_view sql) { return sql.find("INSERT") != sql.npos; });
  EXPECT_THROW(db->prepare("INSERT INTO t VALUES (1)").run(), DbError);
  Database::setWriteFaultHook(nullptr);
  EXPECT_NO_THROW(db->prepare("INSERT INTO t VALUES (1)").run());
}

TEST(Database, TurkishCollationOrdersDottedAndUndottedI) {
  test::TempDir dir;
  auto db = openIn(dir);
  db->exec("CREATE TABLE t (a TEXT COLLATE TR)");
  for (const char* w : {"Zeki", "Çağrı", "Ilgaz", "İnci", "Ceren", "Şule", "Sema", "Ömer", "Oya"})
    db->prepare("INSERT INTO t VALUES (?1)").bind(1, w).run();
  auto st = db->prepare("SELECT group_concat(a, ',') FROM (SELECT a FROM t ORDER BY a)");
  ASSERT_TRUE(st.step());
  EXPECT_EQ(st.getText(0), "Ceren,Çağrı,Ilgaz,İnci,Oya,Ömer,Sema,Şule,Zeki");
}

TEST(Database, TrUpperFollowsTurkishRules) {
  test::TempDir dir;
  auto db = openIn(dir);
  auto st = db->prepare("SELECT TR_UPPER('ılık iğne şöğüç')");
  ASSERT_TRUE(st.step());
  EXPECT_EQ(st.getText(0), "ILIK İĞNE ŞÖĞÜÇ");
}

TEST(Catalogue, WidthIsCheckedInCharactersNotBytes) {
  const TableDef* firma = findTable("FIRMA.DB");
  ASSERT_NE(firma, nullptr);
  EXPECT_TRUE(checkWidth(*firma, "Adi", "ŞİŞLİĞÜÇÖ").isOk() == false);  // 10 letters
  EXPECT_TRUE(checkWidth(*firma, "Adi", "ŞİŞLİĞÜÇ").isOk());            // 8 letters, 16 bytes
  const Status s = checkWidth(*firma, "adi", "123456789");
  ASSERT_FALSE(s.isOk());
  EXPECT_EQ(s.message(), "FIRMA tablosunun Adi alanı en çok 8 karakter alabilir (girilen: 9 karakter).");
}
