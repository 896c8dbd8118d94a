// The company choice: shown companies only, typed search, the command-line company.
#include <QListWidget>
#include <QtTest>

#include "companies/screens/untFirmaSec.h"
#include "fixtures/data_root.h"

using namespace orv;

class CompanyChoiceTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TempDataRoot> data;
  std::unique_ptr<db::Database> root;

 private slots:
  void init() {
    data = std::make_unique<test::TempDataRoot>();
    data->addCompany("ALFA");
    data->addCompany("BETA");
    data->addCompany("GIZLI");
    root = data->openRoot();
    root->exec("UPDATE FIRMA SET Goster = 1 WHERE Adi = 'GIZLI'");
  }

  void hiddenCompaniesAreNotOffered() {
    TfrmFirmaSec dlg(*root, data->root(), true, nullptr);
    QCOMPARE(dlg.list()->count(), 2);
    QCOMPARE(dlg.list()->currentRow(), 0);
    QVERIFY(!dlg.chooseByName("GIZLI"));
    QVERIFY(dlg.chooseByName("BETA"));
    QCOMPARE(QString::fromStdString(dlg.chosen()->name), QString("BETA"));
  }

  void typingSearchesAndShowsTheSearchInTheCaption() {
    TfrmFirmaSec dlg(*root, data->root(), true, nullptr);
    QTest::keyClicks(dlg.list(), "be");
    QCOMPARE(dlg.list()->currentRow(), 1);
    QCOMPARE(dlg.windowTitle(), QString("Firma Seçimi (Araman Firma Kodu : be )"));
    QTest::keyClick(dlg.list(), Qt::Key_Backspace);
    QCOMPARE(dlg.windowTitle(), QString("Firma Seçimi (Araman Firma Kodu : b )"));
    QTest::keyClick(dlg.list(), Qt::Key_Return);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(dlg.chosen()->name), QString("BETA"));
    TfrmFirmaSec again(*root, data->root(), true, nullptr);
    QTest::keyClicks(again.list(), "zz");
    QCOMPARE(again.list()->currentRow(), 0);  // nothing matches: the selection stays
    QTest::keyClick(again.list(), Qt::Key_Delete);
    QCOMPARE(again.windowTitle(), QString("Firma Seçimi"));
  }

  void screenshot() {
    if (!qEnvironmentVariableIsSet("ORV_SCREENSHOTS")) QSKIP("no screenshot folder");
    TfrmFirmaSec dlg(*root, data->root(), true, nullptr);
    dlg.show();
    QTest::qWait(30);
    dlg.grab().save(qEnvironmentVariable("ORV_SCREENSHOTS") + "/company_choice.png");
  }
};

QTEST_MAIN(CompanyChoiceTest)
#include "untFirmaSec_test.moc"
