// TFrmKartAmortisman: adding periods with right 50, deleting with 54, read-only ledgers of
// sold assets and of users without 50, rows locked by the approval date, editing a cell by a
// digit key, and the saved flag written back by the opener.
#include "depreciation/screens/UntKartAmortisman.h"

#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "assets/screens/asset_screen_fixture.h"
#include "assets/screens/banded_header.h"
#include "depreciation/ledger_store.h"
#include "depreciation/screens/ledger_model.h"

using namespace orv;
using namespace orv::depreciation;

class TestTFrmKartAmortisman : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::AssetCompany> company_;
  test::RecordingPrompter prompter_;
  long long id_ = 0;

  db::KartRow card() { return *db::KartRepository(*company_->session.companyDb).find(id_); }

 private slots:
  void init() {
    company_ = std::make_unique<test::AssetCompany>();
    company_->session.values.depreciationYear = 2008;
    prompter_ = {};
    id_ = company_->addCard("01", "100", "Masa", 10000);
  }

  void addsPeriodsAndSavesThroughTheOpenerPart() {
    TFrmKartAmortisman screen(company_->session, card(), nullptr, &prompter_);
    QCOMPARE(screen.windowTitle(), QString(kLedgerCaption));
    for (int i = 0; i < 3; ++i) screen.ekle();
    QCOMPARE(screen.model()->rowCount(), 3);
    QCOMPARE(screen.model()->index(2, 0).data().toString(), QString("31/12/2006"));
    QCOMPARE(screen.model()->index(0, 8).data().toString(), QString("2,000.00"));
    QVERIFY(screen.view()->isColumnHidden(SutunDOrani));  // not a revalued asset
    screen.show();
    test::screenshot(screen, "defter");
    screen.kayit();
    QVERIFY(screen.savedFlag());
    QVERIFY(DefterKaydet(*company_->session.companyDb, screen.defter().defter));
    QCOMPARE(db::KartRepository(*company_->session.companyDb).ledgerOf(id_).size(), size_t(3));
    QCOMPARE(card().BirikmisAmortisman, 6000.0);
  }

  void withoutRight50TheLedgerIsReadOnly() {
    company_->session.rights.erase(50);
    TFrmKartAmortisman screen(company_->session, card(), nullptr, &prompter_);
    QCOMPARE(screen.windowTitle(), QString(kLedgerCaption) + kLedgerClosedSuffix);
    screen.ekle();
    QCOMPARE(screen.model()->rowCount(), 0);
    QCOMPARE(prompter_.last(), std::string(kLedgerNoRight));
    screen.kayit();
    QVERIFY(!screen.savedFlag());
  }

  void right50Without54AddsButCannotDelete() {
    company_->session.rights.erase(54);
    TFrmKartAmortisman screen(company_->session, card(), nullptr, &prompter_);
    screen.ekle();
    screen.ekle();
    screen.view()->setCurrentIndex(screen.model()->index(1, 0));
    screen.sil();
    QCOMPARE(screen.model()->rowCount(), 2);
    QCOMPARE(prompter_.last(), std::string(kLedgerNoRight));
  }

  void soldAssetOpensClosed() {
    db::KartRow k = card();
    k.Sat_Tarih = Date::fromYMD(2006, 5, 1);
    TFrmKartAmortisman screen(company_->session, k, nullptr, &prompter_);
    QVERIFY(screen.windowTitle().endsWith(kLedgerClosedSuffix));
    screen.ekle();
    QCOMPARE(screen.model()->rowCount(), 0);
    QVERIFY(prompter_.messages.empty());
  }

  void approvalDateLocksRowsForDeleteAndEdit() {
    {
      TFrmKartAmortisman screen(company_->session, card(), nullptr, &prompter_);
      for (int i = 0; i < 3; ++i) screen.ekle();
      QVERIFY(DefterKaydet(*company_->session.companyDb, screen.defter().defter));
    }
    company_->session.company.approvalDate = Date::fromYMD(2004, 12, 31);
    TFrmKartAmortisman screen(company_->session, card(), nullptr, &prompter_);
    auto* model = screen.model();
    QVERIFY(!(model->flags(model->index(0, 8)) & Qt::ItemIsEditable));
    QVERIFY(!model->setData(model->index(0, 8), "5", Qt::EditRole));
    QCOMPARE(model->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor());
    screen.view()->setCurrentIndex(model->index(0, 0));
    screen.sil();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(prompter_.last(), std::string("31/12/2004 Tarihi ve Öncesi İçin İşlem Yapamazsınız!"));
    QVERIFY(!model->setData(model->index(1, 0), "30/06/2004", Qt::EditRole));
    QCOMPARE(prompter_.last(), std::string("31/12/2004 Tarihi ve Öncesi İçin İşlem Yapamazsınız!"));
    QVERIFY(!model->setData(model->index(1, 0), "30/06/2009", Qt::EditRole));
    QCOMPARE(prompter_.last(), std::string("2008 Yılı Sonrası İçin İşlem Yapamazsınız!"));
    screen.show();
    test::screenshot(screen, "defter_onayli");
  }

  void digitKeyEditsTheCellAndMovesRight() {
    TFrmKartAmortisman screen(company_->session, card(), nullptr, &prompter_);
    screen.ekle();
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    screen.view()->setFocus();
    screen.view()->setCurrentIndex(screen.model()->index(0, SutunAmortismanTutari));
    QTest::keyClick(screen.view(), Qt::Key_2);
    auto* editor = qobject_cast<QLineEdit*>(screen.openEditor());
    QVERIFY(editor);
    QCOMPARE(editor->text(), QString("2"));
    QTest::keyClicks(editor, "500");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(screen.view()->currentIndex().column(), SutunAmortismanTutari + 1);
    const auto& row = screen.defter().defter.satirlar[0];
    QCOMPARE(row.AmortismanTutari, 2500.0);
    QCOMPARE(row.BirikmisAmortisman, 2000.0);  // not recomputed
    QCOMPARE(row.ModifiedBy, company_->session.user.id);
  }
};

QTEST_MAIN(TestTFrmKartAmortisman)
#include "UntKartAmortisman_test.moc"
