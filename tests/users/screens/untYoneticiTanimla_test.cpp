// The first-start administrator: made with every right, passwords must match.
#include <QLineEdit>
#include <QtTest>

#include "fixtures/data_root.h"
#include "users/login.h"
#include "users/rights.h"
#include "users/screens/untYoneticiTanimla.h"
#include "users/user_admin.h"

using namespace orv;

class AdministratorDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void administratorGetsEveryRight() {
    test::TempDataRoot data;
    auto root = data.openRoot();
    TfrmYoneticiTanimla dlg(*root);
    dlg.userBox()->setText("ADMIN");
    dlg.fullNameBox()->setText("Sistem Yöneticisi");
    dlg.passwordBox()->setText("abc");
    dlg.repeatBox()->setText("abd");
    QVERIFY(!dlg.save());
    QVERIFY(*users::hasNoUsers(*root));
    dlg.repeatBox()->setText("abc");
    QVERIFY(dlg.save());
    auto user = users::login(*root, "ADMIN", "abc");
    QVERIFY(user.isOk());
    auto rights = users::loadRights(*root, user->id);
    QCOMPARE(rights->size(), users::allRightCodes().size());
    if (qEnvironmentVariableIsSet("ORV_SCREENSHOTS")) {
      dlg.show();
      QTest::qWait(30);
      dlg.grab().save(qEnvironmentVariable("ORV_SCREENSHOTS") + "/admin.png");
    }
  }
};

QTEST_MAIN(AdministratorDialogTest)
#include "untYoneticiTanimla_test.moc"
