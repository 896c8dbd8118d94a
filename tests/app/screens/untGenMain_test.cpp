// The base form's keys: Enter and Down go forward, Up back, Escape closes; a text area
// keeps its keys.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QtTest>

#include "app/screens/untGenMain.h"

class GenMainTest : public QObject {
  Q_OBJECT

 private slots:
  void keysMoveTheFocusAndEscapeCloses() {
    TfrmGenMain form;
    auto* layout = new QVBoxLayout(&form);
    auto* a = new QLineEdit(&form);
    auto* b = new QLineEdit(&form);
    auto* memo = new QPlainTextEdit(&form);
    layout->addWidget(a);
    layout->addWidget(b);
    layout->addWidget(memo);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    a->setFocus();
    QTest::keyClick(a, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), b);
    QTest::keyClick(b, Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), a);
    QTest::keyClick(a, Qt::Key_Down);
    QTest::keyClick(b, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), memo);
    QTest::keyClick(memo, Qt::Key_Return);  // a new line, not the next control
    QCOMPARE(QApplication::focusWidget(), memo);
    QCOMPARE(memo->toPlainText(), QString("\n"));
    QTest::keyClick(memo, Qt::Key_Escape);
    QVERIFY(!form.isVisible());
  }

  void switchedOffHandlingLeavesKeysAlone() {
    TfrmGenMain form;
    form.setKeyHandling(false);
    auto* layout = new QVBoxLayout(&form);
    auto* a = new QLineEdit(&form);
    layout->addWidget(a);
    layout->addWidget(new QLineEdit(&form));
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    a->setFocus();
    QTest::keyClick(a, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), a);
  }
};

QTEST_MAIN(GenMainTest)
#include "untGenMain_test.moc"
