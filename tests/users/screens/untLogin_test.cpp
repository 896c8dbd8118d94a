// The login form: the command-line login without showing the form, three wrong passwords.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "fixtures/data_root.h"
#include "users/screens/untLogin.h"
#include "users/user_admin.h"

using namespace orv;

class LoginFormTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TempDataRoot> data;
  std::unique_ptr<db::Database> root;

 private slots:
  void init() {
    data = std::make_unique<test::TempDataRoot>();
    root = data->openRoot();
    users::addUser(*root, {"ALI", "Ali Veli", "gizli", "test"});
    users::addUser(*root, {"AYSE", "Ayşe Kaya", "", "test"});
  }

  void userListIsReadWhenTheFormIsCreated() {
    TfrmLogin form(*root);
    QCOMPARE(form.userBox()->count(), 2);
    QCOMPARE(form.userBox()->itemText(0), QString("ALI"));
  }

  void commandLineLoginNeedsNoShownForm() {
    TfrmLogin form(*root);
    QVERIFY(form.tryCommandLine("ALI", "gizli"));
    QVERIFY(!form.isVisible());
    QCOMPARE(QString::fromStdString(form.user()->fullName), QString("Ali Veli"));
    TfrmLogin other(*root);
    QVERIFY(!other.tryCommandLine("ALI", "yanlis"));
    QVERIFY(!other.tryCommandLine("VELI", "gizli"));  // not in the list: the form is shown
    QVERIFY(!other.user());
  }

  void twoWrongPasswordsThenTheRightOneLogIn() {
    TfrmLogin form(*root);
    form.userBox()->setCurrentText("ALI");
    for (const char* p : {"a", "b", "gizli"}) {
      form.passwordBox()->setText(p);
      form.giris();
    }
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(form.user().has_value());
  }

  void thirdWrongPasswordClosesWithoutLogin() {
    TfrmLogin form(*root);
    form.userBox()->setCurrentText("ALI");
    for (const char* p : {"a", "b", "c"}) {
      form.passwordBox()->setText(p);
      form.giris();
    }
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QVERIFY(!form.user());
  }

  void unknownUserDoesNotCount() {
    TfrmLogin form(*root);
    for (int i = 0; i < 4; ++i) {
      form.userBox()->setCurrentText("KIMSE");
      form.giris();
    }
    form.userBox()->setCurrentText("AYSE");
    form.passwordBox()->clear();
    form.giris();  // an empty password matches the empty stored one
    QVERIFY(form.user().has_value());
  }

  void screenshot() {
    if (!qEnvironmentVariableIsSet("ORV_SCREENSHOTS")) QSKIP("no screenshot folder");
    TfrmLogin form(*root);
    form.show();
    QTest::qWait(30);
    form.grab().save(qEnvironmentVariable("ORV_SCREENSHOTS") + "/login.png");
  }
};

QTEST_MAIN(LoginFormTest)
#include "untLogin_test.moc"
