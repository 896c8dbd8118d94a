// TfrmDoviz over a fresh parameter database: saving rates of a date, refusing a rate that is
// no number, an invalid date, previous rates in the status bar, the currency grid and rights.
#include "definitions/screens/untDoviz.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "definitions/currency_rates.h"
#include "definitions/rates_fixture.h"
#include "definitions/screens/rate_models.h"

using namespace orv;

namespace {

class RecordingPrompter : public Prompter {
 public:
  void message(MessageKind kind, const std::string& text) override {
    messages.push_back({kind, text});
  }
  Answer confirm(MessageKind, const std::string&, bool) override { return Answer::Yes; }
  std::vector<std::pair<MessageKind, std::string>> messages;
};

int rateRows(Session& s) {
  auto st = s.parameterDb->prepare("SELECT COUNT(*) FROM DOVIZALT");
  st.step();
  return static_cast<int>(st.getInt(0));
}

void setCell(TfrmDoviz& screen, int row, int column, const QString& text) {
  auto* model = screen.ratesModel();
  QVERIFY(model->setData(model->index(row, column), text, Qt::EditRole));
}

void screenshot(QWidget& w, const char* name) {
  const QByteArray dir = qgetenv("ORV_SCREENSHOT_DIR");
  if (!dir.isEmpty()) w.grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
}

}  // namespace

class TestTfrmDoviz : public QObject {
  Q_OBJECT

 private:
  test::TempDir dir_;
  Session session_;
  RecordingPrompter prompter_;

 private slots:
  void init() {
    session_ = test::parameterSession(dir_);
    prompter_.messages.clear();
    for (const char* code : {"USD", "EUR", "GBP"})
      QVERIFY(definitions::saveCurrency(session_, {0, code, std::string(code) + " dövizi", ""}));
  }
  void cleanup() {
    session_.parameterDb.reset();
    std::filesystem::remove_all(dir_.path() / "tables.db");
  }

  void savesOnlyRowsWithARate() {
    TfrmDoviz screen(session_, nullptr, &prompter_);
    screen.setDateText("05.03.2024");
    QCOMPARE(screen.weekdayText(), QString("Salı"));
    setCell(screen, 1, orv::screens::DailyRatesModel::Buy, "1,5");
    setCell(screen, 1, orv::screens::DailyRatesModel::Sell, "1,6");
    screen.save();
    QCOMPARE(rateRows(session_), 1);
    QCOMPARE(prompter_.messages.back().second, std::string(definitions::kDailyRatesSaved));
    const auto rates =
        definitions::loadDailyRates(*session_.parameterDb, Date::fromYMD(2024, 3, 5));
    QCOMPARE(rates[1].alis, 1.5);
  }

  void aRateThatIsNoNumberIsRefused() {
    TfrmDoviz screen(session_, nullptr, &prompter_);
    screen.setDateText("05.03.2024");
    setCell(screen, 0, orv::screens::DailyRatesModel::Buy, "2");
    setCell(screen, 2, orv::screens::DailyRatesModel::Sell, "abc");
    screen.save();
    QCOMPARE(rateRows(session_), 0);
    QCOMPARE(prompter_.messages.back().first, MessageKind::Error);
    QVERIFY(prompter_.messages.back().second.find("GBP") != std::string::npos);
  }

  void invalidDateEmptiesAndLocksTheRateCells() {
    QVERIFY(definitions::saveDailyRates(session_, Date::fromYMD(2024, 3, 5), {{"USD", "3", "4"}}));
    TfrmDoviz screen(session_, nullptr, &prompter_);
    screen.setDateText("05.03.2024");
    auto* model = screen.ratesModel();
    QCOMPARE(model->index(0, orv::screens::DailyRatesModel::Buy).data().toString(), QString("3"));
    screen.setDateText("31.02.2024");
    QCOMPARE(screen.weekdayText(), QString("-"));
    QVERIFY(model->index(0, orv::screens::DailyRatesModel::Buy).data().toString().isEmpty());
    QVERIFY(
        !(model->flags(model->index(0, orv::screens::DailyRatesModel::Buy)) & Qt::ItemIsEditable));
    QCOMPARE(model->index(0, 0).data().toString(), QString("USD dövizi"));
  }

  void selectingARowShowsItsPreviousRates() {
    QVERIFY(
        definitions::saveDailyRates(session_, Date::fromYMD(2024, 3, 1), {{"EUR", "30,5", "31"}}));
    QVERIFY(definitions::saveDailyRates(session_, Date::fromYMD(2024, 3, 4),
                                        {{"USD", "32,1", "32,45"}, {"EUR", "30,5", "35"}}));
    TfrmDoviz screen(session_, nullptr, &prompter_);
    screen.setDateText("04.03.2024");
    screen.ratesView()->setCurrentIndex(screen.ratesModel()->index(1, 0));
    QCOMPARE(screen.previousText(), QString("30,5 / 31"));
    screen.ratesView()->setCurrentIndex(screen.ratesModel()->index(0, 0));
    QCOMPARE(screen.previousText(), QString("0 / 0"));
    screenshot(screen, "untDoviz");
  }

  void dayButtonsMoveTheDate() {
    TfrmDoviz screen(session_, nullptr, &prompter_);
    screen.setDateText("29.02.2024");
    auto buttons = screen.findChildren<QPushButton*>();
    for (auto* b : buttons)
      if (b->text() == "▶") b->click();
    QCOMPARE(screen.date(), Date::fromYMD(2024, 3, 1));
  }

  void currencyGridToggleAndEscape() {
    TfrmDoviz screen(session_, nullptr, &prompter_);
    screen.setCurrenciesShown(true);
    QVERIFY(screen.currenciesShown());
    auto* model = screen.currencyModel();
    QCOMPARE(model->rowCount(), 3);
    model->appendBlank();
    QVERIFY(model->setData(model->index(3, 1), "Japon Yeni", Qt::EditRole));
    QVERIFY(model->setData(model->index(3, 0), "JPY", Qt::EditRole));
    QVERIFY(!model->setData(model->index(3, 0), "USD", Qt::EditRole));  // code in use
    screenshot(screen, "untDoviz_dovizler");
    QTest::keyClick(&screen, Qt::Key_Escape);
    QVERIFY(!screen.currenciesShown());
    QCOMPARE(screen.ratesModel()->rowCount(), 4);  // rebuilt from the currency table
  }

  void withoutRight2023NothingCanChange() {
    session_.rights = {2020};
    TfrmDoviz screen(session_, nullptr, &prompter_);
    screen.setDateText("05.03.2024");
    auto* model = screen.ratesModel();
    QVERIFY(
        !(model->flags(model->index(0, orv::screens::DailyRatesModel::Buy)) & Qt::ItemIsEditable));
    QVERIFY(
        !(screen.currencyModel()->flags(screen.currencyModel()->index(0, 0)) & Qt::ItemIsEditable));
    for (auto* b : screen.findChildren<QPushButton*>())
      if (b->text() == "Sakla") QVERIFY(!b->isEnabled());
  }
};

QTEST_MAIN(TestTfrmDoviz)
#include "untDoviz_test.moc"
