// A new user's walk through the asset register: a card typed and saved, its ledger opened
// from the card with three periods added and saved, the card's summary refreshed, and the
// card found again in the browser's record search by name and by code.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <QTest>

#include "assets/screens/asset_screen_fixture.h"
#include "assets/screens/card_models.h"
#include "assets/screens/untKart.h"
#include "assets/screens/untKartBrowse.h"
#include "assets/screens/untKayitArama.h"
#include "depreciation/screens/UntKartAmortisman.h"
#include "depreciation/screens/ledger_model.h"

using namespace orv;

namespace {

template <typename Dialog, typename Work>
void whenShown(Work work) {
  QTimer::singleShot(50, [work] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    work(*dialog);
  });
}

void type(QWidget* w, const QString& text) {
  auto* edit = qobject_cast<QLineEdit*>(w);
  QVERIFY(edit);
  edit->setText(text);
  emit edit->textEdited(text);
  emit edit->editingFinished();
}

}  // namespace

class TestAssetFlow : public QObject {
  Q_OBJECT

 private slots:
  void createLedgerFind() {
    test::AssetCompany company;
    company.session.values.depreciationYear = 2007;
    company.addCard("01", "100", "Dolap");
    test::RecordingPrompter prompter;

    TfrmKart card(company.session, 0, nullptr, &prompter);
    card.show();
    qobject_cast<QComboBox*>(card.field("Bolum"))->setCurrentIndex(2);
    type(card.field("SabitKiymet"), "200300");
    type(card.field("Adi"), "Forklift Şarj Ünitesi");
    type(card.field("Alis_Tarihi"), "01/03/2004");
    type(card.field("Alis_Tutari"), "50000");
    type(card.field("Amortisman_Orani"), "25");
    QVERIFY(card.save());
    const long long id = card.cardId();

    whenShown<TFrmKartAmortisman>([](TFrmKartAmortisman& ledger) {
      for (int i = 0; i < 3; ++i) ledger.ekle();
      QCOMPARE(ledger.model()->rowCount(), 3);
      test::screenshot(ledger, "akis_defter");
      ledger.kayit();
    });
    card.ledger();
    QCOMPARE(db::KartRepository(*company.session.companyDb).ledgerOf(id).size(), size_t(3));
    QVERIFY(card.record().kart.BirikmisAmortisman > 0);
    QVERIFY(!card.isChanged());
    test::screenshot(card, "akis_kart");
    card.close();

    TfrmKartBrowse browser(company.session, id, nullptr, &prompter);
    browser.show();
    QCOMPARE(browser.focusedUlas(), id);
    test::screenshot(browser, "akis_browser");

    browser.focusCard(1);
    whenShown<TfrmKayitArama>([](TfrmKayitArama& search) {
      search.view()->setCurrentIndex(search.model()->index(0, 2));
      search.typeText("fork");
      test::screenshot(search, "akis_arama_ad");
      search.acceptFocused();
    });
    browser.search();
    QCOMPARE(browser.focusedUlas(), id);

    browser.focusCard(1);
    whenShown<TfrmKayitArama>([](TfrmKayitArama& search) {
      search.typeText("02*200");
      test::screenshot(search, "akis_arama_kod");
      search.acceptFocused();
    });
    browser.search();
    QCOMPARE(browser.focusedUlas(), id);
  }
};

QTEST_MAIN(TestAssetFlow)
#include "asset_flow_test.moc"
