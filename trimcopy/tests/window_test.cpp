// The window "Dosya Boyu Düzeltme İşlemi": its controls, the copy started by OK, and what
// happens while the copy runs. Set TRIMCOPY_SCREENSHOT=file.png to save a picture of it.
#include "edge_cases.h"
#include "temp_folder.h"
#include "trim_copy.h"
#include "trim_window.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using trimcopy::TrimCopyWindow;
using namespace trimcopy::testing;
namespace fs = std::filesystem;

namespace {

QString qpath(const fs::path& path) { return QString::fromStdString(trimcopy::utf8FromPath(path)); }

QStringList labelTexts(const QWidget& window) {
  QStringList texts;
  for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
  return texts;
}

}  // namespace

class TrimCopyWindowTest : public QObject {
  Q_OBJECT

 private:
  QStringList errors_;

  void prepare(TrimCopyWindow& window, const TempFolder& dir, std::int64_t sourceSize,
               std::int64_t wanted) {
    writeFile(dir / "source.bin", patternBytes(sourceSize));
    window.sourceEdit()->setText(qpath(dir / "source.bin"));
    window.newFileEdit()->setText(qpath(dir / "new.bin"));
    window.sizeEdit()->setValue(static_cast<double>(wanted));
    errors_.clear();
    window.reportError = [this](const QString& text) { errors_ << text; };
  }

 private slots:
  void showsTheControlsAsDescribed() {
    TrimCopyWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Dosya Boyu Düzeltme İşlemi"));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    const QStringList labels = labelTexts(window);
    for (const char* text : {"İşlem Yapılacak Dosya :", "Yeni Dosya Adı :",
                             "İstenilen Dosya Boyu :", "Bayt", "-"})
      QVERIFY2(labels.contains(QString::fromUtf8(text)), text);
    QVERIFY(window.counterLabel()->font().bold());
    QCOMPARE(window.counterLabel()->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QCOMPARE(window.progressBar()->minimum(), 0);
    QCOMPARE(window.progressBar()->maximum(), 100);
    QCOMPARE(window.progressBar()->value(), 0);
    QCOMPARE(window.cancelButton()->text(), QStringLiteral("&Vazgeç"));
    QCOMPARE(window.okButton()->text(), QStringLiteral("OK"));
  }

  void sizeBoxShowsThousandsSeparators() {
    TrimCopyWindow window;
    window.sizeEdit()->setValue(10240);
    QCOMPARE(window.sizeEdit()->text(), QStringLiteral("10.240"));
    window.sizeEdit()->setValue(-5000);
    QCOMPARE(window.sizeEdit()->text(), QStringLiteral("-5.000"));
    window.sizeEdit()->setValue(3221225472.0);   // 3 GiB: beyond 32 bits
    QCOMPARE(window.wantedSize(), std::int64_t{3221225472});
    window.sizeEdit()->clear();
    QTest::keyClicks(window.sizeEdit(), "1.048.576");
    QCOMPARE(window.wantedSize(), std::int64_t{1048576});
  }

  void okCopiesAsTheTableSays_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kEdgeCases)); ++i) QTest::newRow(kEdgeCases[i].name) << i;
  }

  void okCopiesAsTheTableSays() {
    QFETCH(int, row);
    const EdgeCase& c = kEdgeCases[row];
    TempFolder dir;
    TrimCopyWindow window;
    prepare(window, dir, c.sourceSize, c.wantedSize);
    QTest::mouseClick(window.okButton(), Qt::LeftButton);
    QVERIFY2(errors_.isEmpty(), qPrintable(errors_.join('\n')));
    QCOMPARE(readFile(dir / "new.bin"), patternBytes(c.sourceSize).substr(0, c.expectedSize));
    QCOMPARE(window.counterLabel()->text(),
             c.expectedSize == 0 ? QStringLiteral("-") : QString::number(c.expectedSize));
    QCOMPARE(window.progressBar()->value(), c.expectedBar);
    QVERIFY(window.okButton()->isEnabled());
    if (row == 0 && qEnvironmentVariableIsSet("TRIMCOPY_SCREENSHOT")) {
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      window.grab().save(qEnvironmentVariable("TRIMCOPY_SCREENSHOT"));
    }
  }

  void blankNewFileNameDoesNothing() {
    TempFolder dir;
    TrimCopyWindow window;
    prepare(window, dir, 4096, 4096);
    window.newFileEdit()->setText("   ");
    QTest::mouseClick(window.okButton(), Qt::LeftButton);
    QVERIFY(errors_.isEmpty());
    QVERIFY(window.okButton()->isEnabled());
    QCOMPARE(window.counterLabel()->text(), QStringLiteral("-"));
    QVERIFY(!fs::exists(dir / "   "));
  }

  // Events run between blocks: the first pending timer fires after the first block.
  void okIsDisabledAndWantedSizeReadAfreshDuringTheCopy() {
    TempFolder dir;
    TrimCopyWindow window;
    prepare(window, dir, 10240, 3000);   // 3000 alone would copy the whole source
    bool okEnabledDuringCopy = true;
    QTimer::singleShot(0, &window, [&] {
      okEnabledDuringCopy = window.okButton()->isEnabled();
      window.sizeEdit()->setValue(4096);
    });
    QTest::mouseClick(window.okButton(), Qt::LeftButton);
    QVERIFY(!okEnabledDuringCopy);
    QVERIFY(window.okButton()->isEnabled());
    QCOMPARE(fs::file_size(dir / "new.bin"), std::uintmax_t{4096});
    QCOMPARE(window.counterLabel()->text(), QStringLiteral("4096"));
  }

  void cancelDuringTheCopyClosesWhenItHasFinished() {
    TempFolder dir;
    TrimCopyWindow window;
    prepare(window, dir, 10240, 10240);
    window.show();
    bool visibleAfterCancel = false;
    QTimer::singleShot(0, &window, [&] {
      window.cancelButton()->click();
      window.close();
      visibleAfterCancel = window.isVisible();
    });
    QTest::mouseClick(window.okButton(), Qt::LeftButton);
    QVERIFY(visibleAfterCancel);
    QVERIFY(!window.isVisible());
    QCOMPARE(fs::file_size(dir / "new.bin"), std::uintmax_t{10240});
  }

  void refusalsAndErrorsAreReported() {
    TempFolder dir;
    TrimCopyWindow window;
    prepare(window, dir, 4096, 0);
    QTest::mouseClick(window.okButton(), Qt::LeftButton);
    QCOMPARE(errors_, QStringList{QStringLiteral("İstenilen dosya boyu sıfırdan büyük olmalıdır.")});

    prepare(window, dir, 4096, 4096);
    window.newFileEdit()->setText(window.sourceEdit()->text());
    QTest::mouseClick(window.okButton(), Qt::LeftButton);
    QCOMPARE(errors_.size(), 1);
    QVERIFY(errors_[0].contains(QStringLiteral("kendisi olamaz")));
    QCOMPARE(readFile(dir / "source.bin"), patternBytes(4096));

    prepare(window, dir, 4096, 4096);
    window.sourceEdit()->setText(qpath(dir / "none.bin"));
    QTest::mouseClick(window.okButton(), Qt::LeftButton);
    QCOMPARE(errors_.size(), 1);
    QVERIFY(errors_[0].startsWith(QStringLiteral("İşlem yapılacak dosya bulunamadı")));
    QVERIFY(window.okButton()->isEnabled());
    QVERIFY(!fs::exists(dir / "new.bin"));
  }
};

QTEST_MAIN(TrimCopyWindowTest)
#include "window_test.moc"
