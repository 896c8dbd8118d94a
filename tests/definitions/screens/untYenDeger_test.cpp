// TfrmYenDeger over a fresh parameter database: series, adding and editing rows, a second row
// of a date refused, deleting, and the read-only grid without right 2043.
#include "definitions/screens/untYenDeger.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "definitions/rates_fixture.h"
#include "definitions/revaluation_rates.h"
#include "definitions/screens/rate_models.h"

using namespace orv;

namespace {

class RecordingPrompter : public Prompter {
 public:
  void message(MessageKind, const std::string& text) override { messages.push_back(text); }
  Answer confirm(MessageKind, const std::string&, bool) override { return Answer::Yes; }
  std::vector<std::string> messages;
};

}  // namespace

class TestTfrmYenDeger : public QObject {
  Q_OBJECT

 private:
  test::TempDir dir_;
  Session session_;
  RecordingPrompter prompter_;

 private slots:
  void init() {
    session_ = test::parameterSession(dir_);
    session_.company.kurus1 = true;
    prompter_.messages.clear();
  }
  void cleanup() {
    session_.parameterDb.reset();
    std::filesystem::remove_all(dir_.path() / "tables.db");
  }

  void addingInTheMonthlySeriesCreatesAnRowOfLetterC() {
    TfrmYenDeger screen(session_, nullptr, &prompter_);
    QCOMPARE(screen.seriesBox()->currentText(), QString("Yıllık"));
    screen.seriesBox()->setCurrentIndex(2);
    screen.add();
    const auto rows = definitions::listAllRevaluationRates(*session_.parameterDb);
    QCOMPARE(rows.size(), size_t(1));
    QCOMPARE(rows[0].Tur, std::string("C"));
    QCOMPARE(screen.model()->rowCount(), 1);
  }

  void editsAreSavedAndASecondRowOfADateIsRefused() {
    TfrmYenDeger screen(session_, nullptr, &prompter_);
    auto* m = screen.model();
    screen.add();
    screen.add();
    QVERIFY(m->setData(m->index(0, 0), "31.12.2005", Qt::EditRole));
    QCoreApplication::processEvents();
    QVERIFY(m->setData(m->index(1, 1), "10,5", Qt::EditRole));
    QVERIFY(m->setData(m->index(1, 3), "250000", Qt::EditRole));
    QVERIFY(!m->setData(m->index(0, 0), "31.12.2005", Qt::EditRole));
    QVERIFY(!prompter_.messages.empty());
    QVERIFY(!m->setData(m->index(1, 2), "on", Qt::EditRole));
    const auto table = definitions::DegerlemeOranTablosu::load(*session_.parameterDb);
    QVERIFY(table.find('A', Date::fromYMD(2005, 12, 31)) != nullptr);
    QCOMPARE(m->index(1, 3).data().toString(), QString("250.000,00"));
    screen.view()->resizeColumnsToContents();
    const QByteArray dir = qgetenv("ORV_SCREENSHOT_DIR");
    if (!dir.isEmpty()) screen.grab().save(QString::fromUtf8(dir) + "/untYenDeger.png");
  }

  void silDeletesTheCurrentRow() {
    TfrmYenDeger screen(session_, nullptr, &prompter_);
    screen.add();
    screen.add();
    screen.view()->setCurrentIndex(screen.model()->index(0, 1));
    screen.removeCurrent();
    QCOMPARE(definitions::listAllRevaluationRates(*session_.parameterDb).size(), size_t(1));
    QCOMPARE(screen.model()->rowCount(), 1);
  }

  void withoutRight2043TheGridIsReadOnly() {
    QVERIFY(definitions::addRevaluationRate(session_, 'A'));
    session_.rights = {2040};
    TfrmYenDeger screen(session_, nullptr, &prompter_);
    QVERIFY(!screen.addButton()->isEnabled());
    QVERIFY(!screen.removeButton()->isEnabled());
    QVERIFY(!(screen.model()->flags(screen.model()->index(0, 1)) & Qt::ItemIsEditable));
  }
};

QTEST_MAIN(TestTfrmYenDeger)
#include "untYenDeger_test.moc"
