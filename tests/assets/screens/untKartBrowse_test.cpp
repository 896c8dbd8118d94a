// TfrmKartBrowse, TfrmKayitArama and the view options: code order, hand-over to the card,
// the refused new card, the record search by code, by name and by department, quotes in the
// search text, and the grid's display parts.
#include "assets/screens/untKartBrowse.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QTableView>
#include <QTest>

#include "assets/screens/asset_screen_fixture.h"
#include "assets/screens/banded_header.h"
#include "assets/screens/card_models.h"
#include "assets/screens/untGridOptions.h"
#include "assets/screens/untKayitArama.h"

using namespace orv;

class TestTfrmKartBrowse : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::AssetCompany> company_;
  test::RecordingPrompter prompter_;
  std::map<std::string, long long> ids_;

  QString cell(QTableView* view, int row, int column) {
    return view->model()->index(row, column).data().toString();
  }

 private slots:
  void init() {
    company_ = std::make_unique<test::AssetCompany>();
    prompter_ = {};
    const char* cards[][3] = {{"01", "100200300", "Çalışma Masası"}, {"01", "150", "Dolap"},
                              {"02", "050", "Bilgisayar"},           {"02", "123", "O'Neil's Yazıcı"},
                              {"03", "001", "Şemsiye"}};
    for (auto& c : cards) ids_[c[2]] = company_->addCard(c[0], c[1], c[2]);
  }

  void showsCardsInCodeOrderWithMaskedCodes() {
    TfrmKartBrowse browser(company_->session, ids_["Bilgisayar"], nullptr, &prompter_);
    browser.show();
    QCOMPARE(browser.model()->rowCount(), 5);
    QCOMPARE(cell(browser.view(), 0, 1), QString("100.200.300"));
    QCOMPARE(cell(browser.view(), 0, 2), QString("Çalışma Masası"));
    QCOMPARE(cell(browser.view(), 0, 14), QString("Yıllık"));
    QCOMPARE(cell(browser.view(), 0, 18), QString("0.00"));
    QCOMPARE(browser.focusedUlas(), ids_["Bilgisayar"]);
    QCOMPARE(browser.header()->bands().size(), size_t(2));
    test::screenshot(browser, "browser");
  }

  void f11HandsTheFocusedCardToTheCardView() {
    TfrmKartBrowse browser(company_->session, ids_["Dolap"], nullptr, &prompter_);
    browser.show();
    QAction* toCard = browser.action("Kart Görünümüne Geç");
    QCOMPARE(toCard->shortcut(), QKeySequence(Qt::Key_F11));
    toCard->trigger();
    QVERIFY(browser.cardViewRequested());
    QCOMPARE(browser.handOverUlas(), ids_["Dolap"]);
  }

  void newCardWithoutRight30IsRefusedAndStays() {
    company_->session.rights.erase(30);
    TfrmKartBrowse browser(company_->session, 0, nullptr, &prompter_);
    browser.show();
    browser.newCard();
    QVERIFY(browser.isVisible());
    QVERIFY(!browser.cardViewRequested());
    QCOMPARE(prompter_.last(), std::string("Programa Yeni Sabit Kıymet Kart Açmaya Yetkili Değilsiniz!"));
  }

  void laterCommandsStayDisabled() {
    TfrmKartBrowse browser(company_->session, 0, nullptr, &prompter_);
    for (const char* caption : {"Satış Bilgileri", "Transfer İşlemi", "Sabit Kıymet Detay Bilgisi", "Hesap Makinesi"})
      QVERIFY2(!browser.action(QString::fromUtf8(caption))->isEnabled(), caption);
    QVERIFY(browser.action("Amortisman Hesabı")->isEnabled());
  }

  void deletingTheFocusedCard() {
    TfrmKartBrowse browser(company_->session, ids_["Dolap"], nullptr, &prompter_);
    browser.deleteCard();
    QCOMPARE(browser.model()->rowCount(), 4);
    QVERIFY(!db::KartRepository(*company_->session.companyDb).find(ids_["Dolap"]));
  }

  void viewOptionsSwitchThePartsAtOnce() {
    TfrmKartBrowse browser(company_->session, 0, nullptr, &prompter_);
    browser.show();
    TfrmGridOptions::Parts seen;
    TfrmGridOptions options({false, true, true}, [&](const TfrmGridOptions::Parts& p) {
      seen = p;
      browser.setPreviews(p.previews);
      browser.setBandsShown(p.bands);
      browser.setHeadersShown(p.headers);
    });
    options.previewBox()->setChecked(true);
    QVERIFY(seen.previews);
    options.bandBox()->setChecked(false);
    QVERIFY(!browser.header()->bandsVisible());
    test::screenshot(browser, "browser_aciklama");
    options.headerBox()->setChecked(false);
    QVERIFY(!browser.header()->isVisible());
  }

  void searchByCodeWithDepartmentStar() {
    TfrmKayitArama search(company_->session);
    search.show();
    search.typeText("02*1");
    QCOMPARE(search.focusedUlas(), ids_["O'Neil's Yazıcı"]);
    search.backspace();
    QCOMPARE(search.searchText(), QString("02"));
    QCOMPARE(search.focusedUlas(), ids_["Bilgisayar"]);
    search.typeText("*100,2");  // "," typed becomes "."
    QCOMPARE(search.searchText(), QString("02*100.2"));
    test::screenshot(search, "kayit_arama_kod");
  }

  void searchByNameWithQuotesAndTurkishLetters() {
    TfrmKayitArama search(company_->session);
    search.show();
    search.view()->setCurrentIndex(search.model()->index(0, 2));  // the name column
    QCOMPARE(search.model()->source().sira(), assets::KartSirasi::Ad);
    search.typeText("o'n");
    QCOMPARE(search.focusedUlas(), ids_["O'Neil's Yazıcı"]);
    search.clearSearch();
    search.typeText("şem");
    QCOMPARE(search.focusedUlas(), ids_["Şemsiye"]);
    QCOMPARE(search.model()->rowCount(), 5);
    test::screenshot(search, "kayit_arama_ad");
    search.acceptFocused();
    QCOMPARE(search.chosenUlas(), ids_["Şemsiye"]);
  }

  void departmentFilterAndItsFirstEntry() {
    TfrmKayitArama search(company_->session);
    search.chooseDepartment(2);  // "02=Üretim"
    QCOMPARE(search.model()->rowCount(), 2);
    search.typeText("12");
    QCOMPARE(search.focusedUlas(), ids_["O'Neil's Yazıcı"]);
    search.chooseDepartment(0);
    QCOMPARE(search.model()->rowCount(), 5);
  }

  void transferredAndExitedCardsAreColoured() {
    db::KartRepository repo(*company_->session.companyDb);
    db::KartRow k = *repo.find(ids_["Dolap"]);
    k.Transfer_Kod = "999";
    repo.update(k);
    TfrmKayitArama search(company_->session);
    const QModelIndex idx = search.model()->index(search.model()->source().indexOf(ids_["Dolap"]), 0);
    QCOMPARE(idx.data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::red));
    QCOMPARE(idx.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::yellow));
  }
};

QTEST_MAIN(TestTfrmKartBrowse)
#include "untKartBrowse_test.moc"
