// The main window after a command-line login: caption, labels and the rights of the menus.
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include "app/activation.h"
#include "app/menu_items.h"
#include "app/screens/untMain.h"
#include "data/parameters.h"
#include "fixtures/data_root.h"
#include "users/login.h"
#include "users/rights.h"
#include "users/user_admin.h"

using namespace orv;

// Answers every message box with its default button and records its text.
class BoxAnswerer {
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

class MainWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TempDataRoot> data;
  std::unique_ptr<test::TempDir> config;

  Session loggedIn(const std::vector<int>& rights) {
    Session s = data->rootSession();
    users::NewUser u{"ALI", "Ali Veli", "x", "test"};
    auto id = users::addUser(*s.rootDb, u);
    if (!rights.empty()) users::grantRights(*s.rootDb, "ALI", rights);
    users::loginToSession(s, *s.rootDb, "ALI", "x");
    (void)id;
    return s;
  }
  TfrmMain::Options options() {
    TfrmMain::Options o;
    o.commandLineCompany = "ABC";
    o.configFolder = config->str();
    o.programFolder = config->str();
    return o;
  }

 private slots:
  void init() {
    data = std::make_unique<test::TempDataRoot>();
    config = std::make_unique<test::TempDir>();
    data->addCompany("ABC");
  }

  void commandLineCompanyReachesTheMainWindowWithItsCaption() {
    Session s = loggedIn(users::allRightCodes());
    TfrmMain w(s, options());
    QVERIFY(w.registerWorkstation());
    QVERIFY(!w.action("btfirmasecimi")->isEnabled());  // nothing before a company is active
    QVERIFY(w.finishStartUp());
    QVERIFY(w.windowTitle().startsWith("Orvan Sabit Kıymetler Programı  (ABC - "));
    QCOMPARE(w.companyLabel(), QString("ABC : ABC A.Ş."));
    for (const auto& item : app::menuItems())
      QCOMPARE(w.action(item.name)->isEnabled(), w.isBuilt(item.name));
    if (qEnvironmentVariableIsSet("ORV_SCREENSHOTS")) {
      w.resize(1200, 760);
      w.show();
      QTest::qWait(50);
      w.grab().save(qEnvironmentVariable("ORV_SCREENSHOTS") + "/main.png");
    }
    w.closeWithoutQuestion();
    w.close();
  }

  void userWithoutRightsKeepsOnlyTheUnguardedCommands() {
    Session s = loggedIn({});
    TfrmMain w(s, options());
    w.registerWorkstation();
    QVERIFY(w.finishStartUp());
    QVERIFY(w.action("btfirmasecimi")->isEnabled());
    QVERIFY(w.action("dxKapat")->isEnabled());
    QVERIFY(w.action("dxprghakkinda")->isEnabled());
    QVERIFY(!w.action("dxFirmaKarti")->isEnabled());
    QVERIFY(!w.action("dxhizmet02")->isEnabled());
    QVERIFY(!w.yearBox()->isEnabled());
    w.closeWithoutQuestion();
    w.close();
  }

  void activeYearIsStoredAtOnce() {
    Session s = loggedIn(users::allRightCodes());
    TfrmMain w(s, options());
    w.registerWorkstation();
    QVERIFY(w.finishStartUp());
    w.yearBox()->setValue(2031);
    QCOMPARE(db::readParameter(*s.parameterDb, "Amortisman Hesaplama Aktif Yılı", ""),
             std::string("2031"));
    w.closeWithoutQuestion();
    w.close();
  }

  void leftRowWarnsOfAnAbnormalEndButASecondInstanceDoesNot() {
    Session s = loggedIn(users::allRightCodes());
    auto first = std::make_unique<TfrmMain>(s, options());
    first->registerWorkstation();
    {
      BoxAnswerer answers;
      TfrmMain second(s, options());  // the first still runs
      QVERIFY(second.registerWorkstation());
      QVERIFY(answers.texts.isEmpty());
      second.closeWithoutQuestion();
      second.close();
    }
    auto count = [&] {
      auto st = s.rootDb->prepare("SELECT COUNT(*) FROM login");
      st.step();
      return st.getInt(0);
    };
    QCOMPARE(count(), 1LL);  // the first instance still holds the row
    first.reset();           // ends without closing: the row is left behind
    BoxAnswerer answers;
    TfrmMain third(s, options());
    QVERIFY(third.registerWorkstation());
    QCOMPARE(answers.texts.size(), 1);
    QVERIFY(answers.texts[0].startsWith("Program Önceden Geçersiz Bir Biçimde Kapatılmış!"));
    QCOMPARE(count(), 1LL);
    third.closeWithoutQuestion();
    third.close();
    QCOMPARE(count(), 0LL);
  }

  void closingRemovesTheLoginRow() {
    Session s = loggedIn(users::allRightCodes());
    {
      TfrmMain w(s, options());
      w.registerWorkstation();
      QVERIFY(w.finishStartUp());
      auto st = s.rootDb->prepare("SELECT COUNT(*) FROM login");
      QVERIFY(st.step());
      QCOMPARE(st.getInt(0), 1LL);
      w.closeWithoutQuestion();
      w.close();
    }
    auto st = s.rootDb->prepare("SELECT COUNT(*) FROM login");
    QVERIFY(st.step());
    QCOMPARE(st.getInt(0), 0LL);
  }
};

QTEST_MAIN(MainWindowTest)
#include "untMain_test.moc"
