// TfrmKart: a new card typed into the controls and saved, VAT and end date following the
// fields, the unsaved-changes question on closing, the ledger refused for an unsaved card,
// moving between cards and the code change panel.
#include "assets/screens/untKart.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include "assets/screens/asset_screen_fixture.h"
#include "assets/screens/card_widgets.h"
#include "assets/screens/code_change_panel.h"
#include "depreciation/ledger_editing.h"

using namespace orv;

class TestTfrmKart : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::AssetCompany> company_;
  test::RecordingPrompter prompter_;

  static void type(QWidget* w, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(w);
    QVERIFY(edit);
    edit->setFocus();
    edit->selectAll();
    bool ascii = true;
    for (QChar c : text) ascii = ascii && c.unicode() < 128;
    if (ascii) {
      QTest::keyClicks(edit, text);
    } else {  // the test library types ASCII only
      edit->setText(text);
      emit edit->textEdited(text);
    }
    emit edit->editingFinished();
  }

 private slots:
  void init() {
    company_ = std::make_unique<test::AssetCompany>();
    prompter_ = {};
  }

  void newCardTypedAndSaved() {
    TfrmKart card(company_->session, 0, nullptr, &prompter_);
    card.show();
    QCOMPARE(card.headerText(), QString("Yeni Demirbaş Girişi"));
    auto* bolum = qobject_cast<QComboBox*>(card.field("Bolum"));
    bolum->setCurrentIndex(1);
    type(card.field("SabitKiymet"), "1234567");
    QCOMPARE(qobject_cast<QLineEdit*>(card.field("SabitKiymet"))->text(), QString("123.456.7"));
    type(card.field("Adi"), "Çalışma Masası");
    type(card.field("Alis_Tutari"), "1000");
    QCOMPARE(static_cast<AmountBox*>(card.field("Kdv_Tutari"))->value(), 180.0);
    type(card.field("Alis_Tutari"), "2000");
    QCOMPARE(static_cast<AmountBox*>(card.field("Kdv_Tutari"))->value(), 360.0);
    QCOMPARE(card.totalText(), QString("2,360.00"));
    type(card.field("Kdv_Tutari"), "100");
    QCOMPARE(static_cast<AmountBox*>(card.field("Kdv_Orani"))->value(), 18.0);
    QCOMPARE(card.totalText(), QString("2,100.00"));
    type(card.field("Alis_Tarihi"), "01012005");
    QCOMPARE(qobject_cast<QLineEdit*>(card.field("Alis_Tarihi"))->text(), QString("01/01/2005"));
    QCOMPARE(static_cast<DateBox*>(card.field("Alis_Tarihi"))->date(), Date::fromYMD(2005, 1, 1));
    QCOMPARE(static_cast<DateBox*>(card.field("Amortisman_Baslama"))->date(), Date::fromYMD(2005, 1, 1));
    type(card.field("Amortisman_Orani"), "33.33");
    QCOMPARE(card.endDateText(), QString("01/01/2008"));
    QCOMPARE(qobject_cast<QSpinBox*>(card.field("Amortisman_BitisYil"))->value(), 2008);
    QVERIFY(card.isChanged());
    test::screenshot(card, "kart_yeni");

    QVERIFY(card.save());
    QCOMPARE(prompter_.last(), std::string("123.456.7 için yeni demirbaş kartı oluşturuldu"));
    QVERIFY(!card.isNewCard());
    QVERIFY(!card.isChanged());
    QCOMPARE(card.headerText(), QString("123.456.7: Çalışma Masası"));
    QVERIFY(!card.field("SabitKiymet")->isEnabled());
    auto stored = db::KartRepository(*company_->session.companyDb).find(card.cardId());
    QVERIFY(stored);
    QCOMPARE(stored->SabitKiymet, std::string("1234567"));
    QCOMPARE(stored->Bolum, std::string("01"));
    QCOMPARE(stored->Kdv_Tutari, 100.0);
    QCOMPARE(stored->Amortisman_BitisYil, 2008);
    test::screenshot(card, "kart_kayitli");
  }

  void missingNameIsRefusedAndNothingSaved() {
    TfrmKart card(company_->session, 0, nullptr, &prompter_);
    qobject_cast<QComboBox*>(card.field("Bolum"))->setCurrentIndex(1);
    type(card.field("SabitKiymet"), "1");
    QVERIFY(!card.save());
    QCOMPARE(prompter_.last(), std::string("Demirbaşın adını girmeden kayıt yapamazsınız..."));
    QVERIFY(card.isNewCard());
  }

  void closingWithChangesAsksAndCancelStays() {
    const long long id = company_->addCard("01", "100", "Masa");
    TfrmKart card(company_->session, id, nullptr, &prompter_);
    card.show();
    type(card.field("Adi"), "Masa 2");
    prompter_.answer = Answer::Cancel;
    card.close();
    QVERIFY(card.isVisible());
    QCOMPARE(prompter_.questions.back(),
             std::string("Ekrandaki bilgiler değişmiş. Çıkmadan önce saklamak istiyor musunuz ?"));
    prompter_.answer = Answer::No;
    card.close();
    QVERIFY(!card.isVisible());
    QCOMPARE(db::KartRepository(*company_->session.companyDb).find(id)->Adi, std::string("Masa"));
  }

  void ledgerNeedsASavedCard() {
    TfrmKart card(company_->session, 0, nullptr, &prompter_);
    card.ledger();
    QCOMPARE(prompter_.last(), std::string(depreciation::kSaveCardFirst));
  }

  void movesInCodeOrderAndSwitchesToBrowser() {
    const long long b = company_->addCard("01", "200", "B");
    const long long a = company_->addCard("01", "100", "A");
    TfrmKart card(company_->session, a, nullptr, &prompter_);
    card.next();
    QCOMPARE(card.cardId(), b);
    card.next();
    QCOMPARE(card.cardId(), b);
    card.previous();
    QCOMPARE(card.cardId(), a);
    card.show();
    card.toBrowser();
    QVERIFY(card.browserRequested());
  }

  void codeChangeThroughThePanel() {
    const long long a = company_->addCard("01", "100", "A");
    company_->addCard("02", "200", "B");
    TfrmKart card(company_->session, a, nullptr, &prompter_);
    card.resize(1000, 700);
    card.show();
    card.openCodeChange();
    CodeChangePanel* panel = card.codeChangePanel();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->department(), std::string("01"));
    selectCode(panel->departmentBox(), "02");
    panel->codeEdit()->setText("200");
    card.changeCode();
    QCOMPARE(prompter_.last(), std::string(assets::yeniKodKullanilmisMesaji("200")));
    panel->codeEdit()->setText("300400");
    test::screenshot(card, "kart_kod_degistir");
    card.changeCode();
    QCOMPARE(prompter_.questions.back(), std::string("seçiminiz Sonucu 01 Bölümü -100 Kodlu Sabit Kıymeti\r02 "
                                                     "Bölümü -300.400 Kodlu Sabit Kıymete Dönüştürmek İstiyorsunuz.\r"
                                                     "Kod Değişikliği İşlemini Onaylıyor musunuz?"));
    QCOMPARE(card.headerText(), QString("300.400: A"));
    QCOMPARE(card.record().kart.Bolum, std::string("02"));
  }
};

QTEST_MAIN(TestTfrmKart)
#include "untKart_test.moc"
