// The company card screen: a new card saved makes the company and its folder; the active
// company cannot be renamed.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "companies/screens/untFirma.h"
#include "fixtures/data_root.h"
#include "users/rights.h"

using namespace orv;

// Answers every message box with its default button and records its text.
class BoxAnswerer : public QObject {
 public:
  QStringList texts;
  BoxAnswerer() {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts << box->text();
        if (box->defaultButton()) box->defaultButton()->click();
        else box->accept();
      }
    });
    timer_.start();
  }

 private:
  QTimer timer_;
};

class CompanyCardTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TempDataRoot> data;

 private slots:
  void init() { data = std::make_unique<test::TempDataRoot>(); }

  void newCardMakesTheCompanyWithItsFolder() {
    Session s = data->rootSession();
    for (int c : users::allRightCodes()) s.rights.insert(c);
    TfrmFirma card(s, nullptr);
    BoxAnswerer answers;
    QTest::keyClicks(card.edit("Adi"), "Abc");
    card.edit("Unvan")->setText("Abc Ticaret A.Ş.");
    QVERIFY(card.changed());
    QVERIFY(card.sakla());
    QVERIFY(answers.texts.contains("Firma bilgileri oluşturuldu."));
    QVERIFY(std::filesystem::exists(data->companyFolder("Abc") + "/tables.db"));
    QCOMPARE(QString::fromStdString(card.loadedName()), QString("Abc"));
    QVERIFY(!card.changed());
  }

  void nameBoxTakesOnlySafeCharacters() {
    Session s = data->rootSession();
    TfrmFirma card(s, nullptr);
    QTest::keyClicks(card.edit("Adi"), "a/b c._12345678");
    QCOMPARE(card.edit("Adi")->text(), QString("abc_1234"));
  }

  void activeCompanyIsNotRenamed() {
    data->addCompany("ABC");
    Session s = data->session("ABC");
    for (int c : users::allRightCodes()) s.rights.insert(c);
    TfrmFirma card(s, nullptr);
    QVERIFY(card.loadByName("ABC"));
    card.edit("Adi")->setText("XYZ");
    BoxAnswerer answers;
    QVERIFY(!card.sakla());
    QVERIFY(answers.texts.contains("Aktif olarak Çalıştığınız Firmanın İsmini Değiştiremezsiniz!"));
    QCOMPARE(card.edit("Adi")->text(), QString("ABC"));
    QVERIFY(std::filesystem::exists(data->companyFolder("ABC")));
  }

  void screenshots() {
    if (!qEnvironmentVariableIsSet("ORV_SCREENSHOTS")) QSKIP("no screenshot folder");
    data->addCompany("ABC");
    Session s = data->session("ABC");
    TfrmFirma card(s, nullptr);
    card.loadByName("ABC");
    card.show();
    QTest::qWait(30);
    const QString dir = qEnvironmentVariable("ORV_SCREENSHOTS");
    card.grab().save(dir + "/company_card_1.png");
    card.findChild<QTabWidget*>()->setCurrentIndex(1);
    QTest::qWait(30);
    card.grab().save(dir + "/company_card_2.png");
  }
};

QTEST_MAIN(CompanyCardTest)
#include "untFirma_test.moc"
