// The asset card screen: controls for every field the card edits, the dependent values, and
// the commands wired to the card operations.
#include "assets/screens/untKart.h"

#include <QAction>
#include <QCoreApplication>
#include <QEventLoop>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/screens/message_prompter.h"
#include "assets/card_values.h"
#include "assets/screens/card_widgets.h"
#include "assets/screens/code_change_panel.h"
#include "assets/screens/untKayitArama.h"
#include "common/codes.h"
#include "common/format.h"
#include "common/turkish.h"
#include "depreciation/ledger_editing.h"
#include "depreciation/screens/UntKartAmortisman.h"

using orv::db::KartRow;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

void putValue(QWidget* w, const std::string& v) {
  if (auto* box = qobject_cast<QComboBox*>(w)) {
    if (box->isEditable()) box->setCurrentText(qs(v));
    else selectCode(box, v);
  } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    edit->setText(qs(v));
  }
}
void putValue(QWidget* w, double v) {
  if (auto* a = qobject_cast<AmountBox*>(w)) a->setValue(v);
}
void putValue(QWidget* w, long long v) {
  if (auto* s = qobject_cast<QSpinBox*>(w)) s->setValue(static_cast<int>(v));
  else if (auto* b = qobject_cast<QComboBox*>(w)) b->setCurrentIndex(v >= 0 && v < b->count() ? static_cast<int>(v) : 0);
}
void putValue(QWidget* w, int v) { putValue(w, static_cast<long long>(v)); }
void putValue(QWidget* w, bool v) {
  if (auto* c = qobject_cast<QCheckBox*>(w)) c->setChecked(v);
}
void putValue(QWidget* w, orv::Date v) {
  if (auto* d = qobject_cast<DateBox*>(w)) d->setDate(v);
}

void takeValue(QWidget* w, std::string& v) {
  if (auto* box = qobject_cast<QComboBox*>(w)) v = box->isEditable() ? box->currentText().trimmed().toStdString() : codeOf(box);
  else if (auto* edit = qobject_cast<QLineEdit*>(w)) v = edit->text().toStdString();
}
void takeValue(QWidget* w, double& v) {
  if (auto* a = qobject_cast<AmountBox*>(w)) v = a->value();
}
void takeValue(QWidget* w, int& v) {
  if (auto* s = qobject_cast<QSpinBox*>(w)) v = s->value();
  else if (auto* b = qobject_cast<QComboBox*>(w)) v = std::max(0, b->currentIndex());
}
void takeValue(QWidget*, long long&) {}
void takeValue(QWidget* w, bool& v) {
  if (auto* c = qobject_cast<QCheckBox*>(w)) v = c->isChecked();
}
void takeValue(QWidget* w, orv::Date& v) {
  if (auto* d = qobject_cast<DateBox*>(w)) v = d->date();
}

QComboBox* fixedList(std::initializer_list<const char*> entries) {
  auto* box = new QComboBox;
  for (const char* e : entries) box->addItem(QString::fromUtf8(e));
  return box;
}

}  // namespace

void putCardValue(QWidget* w, const orv::db::RowField<KartRow>& f, const KartRow& k) {
  std::visit([&](auto member) { putValue(w, k.*member); }, f.member);
}

void takeCardValue(QWidget* w, const orv::db::RowField<KartRow>& f, KartRow& k) {
  std::visit([&](auto member) { takeValue(w, k.*member); }, f.member);
}

TfrmKart::TfrmKart(orv::Session& session, long long ulas, QWidget* parent, orv::Prompter* prompter)
    : TfrmGenMain(parent), session_(session) {
  if (!prompter) ownPrompter_ = std::make_unique<MessagePrompter>(this);
  prompter_ = prompter ? prompter : ownPrompter_.get();
  locks_ = std::make_unique<orv::locks::RecordLocks>(*session.rootDb, orv::locks::lockSettingsFor(session), *prompter_);
  locks_->setPump([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
  setWindowTitle("Kart İşlemleri");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  header_ = new QLabel;
  header_->setStyleSheet("font-size: 13pt; font-weight: bold; padding: 6px; background: #000080;");
  layout->addWidget(header_);
  transferBanner_ = new QLabel;
  transferBanner_->setStyleSheet("background: red; color: white; font-size: 7pt; padding: 2px;");
  exitBanner_ = new QLabel;
  exitBanner_->setStyleSheet("background: grey; color: white; padding: 2px;");
  layout->addWidget(transferBanner_);
  layout->addWidget(exitBanner_);
  auto* grid = new QGridLayout;
  grid->addWidget(buildIdentity(), 0, 0, 2, 1);
  grid->addWidget(buildPurchase(), 0, 1);
  grid->addWidget(buildDepreciation(), 0, 2);
  grid->addWidget(buildAccounts(), 1, 1, 1, 2);
  grid->addWidget(buildSummary(), 2, 0, 1, 3);
  grid->setRowStretch(1, 1);
  layout->addLayout(grid, 1);
  countDate_ = new QLabel;
  layout->addWidget(countDate_);
  buildCommands();
  codePanel_ = new CodeChangePanel(session, this);
  connect(codePanel_, &CodeChangePanel::changeRequested, this, &TfrmKart::changeCode);
  resize(1080, 720);
  if (ulas == 0 || !loadCard(ulas)) showEmpty();
}

TfrmKart::~TfrmKart() = default;

QLineEdit* TfrmKart::addText(const QString& name, int maxLength) {
  auto* e = new QLineEdit;
  e->setMaxLength(maxLength);
  e->setMinimumWidth(std::min(maxLength, 25) * 7);
  fields_.insert(name, e);
  return e;
}

QWidget* TfrmKart::buildIdentity() {
  auto* box = new QGroupBox("Sabit Kıymet Bilgileri");
  auto* form = new QFormLayout(box);
  auto* bolum = new QComboBox;
  fillCodeBox(bolum, session_.codeLists.codes[0]);
  fields_.insert("Bolum", bolum);
  form->addRow("Bölüm:", bolum);
  auto* code = new QLineEdit;
  code->setInputMask(assetInputMask(session_));
  code->installEventFilter(this);
  fields_.insert("SabitKiymet", code);
  form->addRow("Sabit Kıymet Kodu:", code);
  form->addRow("Adı:", addText("Adi", 40));
  form->addRow("Açıklama:", addText("Aciklama", 40));
  form->addRow("Seri No:", addText("SeriNo", 25));
  form->addRow("Plaka No:", addText("PlakaNo", 25));
  auto* zimmet = new QComboBox;
  zimmet->setEditable(true);
  for (const auto& e : session_.codeLists.codes[5]) {
    const auto eq = e.find('=');
    if (eq != std::string::npos && eq + 1 < e.size()) zimmet->addItem(qs(e.substr(eq + 1)));
  }
  zimmet->lineEdit()->setMaxLength(25);
  fields_.insert("Zimmet", zimmet);
  form->addRow("Zimmet:", zimmet);
  for (int i = 1; i <= 4; ++i) {
    auto* ozel = new QComboBox;
    fillCodeBox(ozel, session_.codeLists.codes[static_cast<size_t>(i)]);
    fields_.insert(QString("Ozel%1").arg(i), ozel);
    form->addRow(QString("Özel Kod-%1:").arg(i), ozel);
  }
  return box;
}

QWidget* TfrmKart::buildPurchase() {
  auto* box = new QGroupBox("Alış Bilgileri");
  auto* form = new QFormLayout(box);
  form->addRow("Muhasebe Fiş No:", addText("MuhFisNo", 15));
  auto* alisTarihi = new DateBox(session_);
  fields_.insert("Alis_Tarihi", alisTarihi);
  form->addRow("Alış Tarihi:", alisTarihi);
  auto* alis = new AmountBox(session_, session_.formats.amount);
  fields_.insert("Alis_Tutari", alis);
  form->addRow("Alış Fiyatı:", alis);
  auto* vatRow = new QHBoxLayout;
  auto* rate = new AmountBox(session_, "##0.00");
  rate->setMaximumWidth(70);
  auto* vat = new AmountBox(session_, session_.formats.amount);
  fields_.insert("Kdv_Orani", rate);
  fields_.insert("Kdv_Tutari", vat);
  vatRow->addWidget(rate);
  vatRow->addWidget(vat);
  form->addRow("KDV Oranı %, Tutarı:", vatRow);
  total_ = new QLabel;
  total_->setAlignment(Qt::AlignRight);
  total_->setMaximumWidth(130);
  form->addRow("Toplam:", total_);
  form->addRow("Satıcı:", addText("Satici", 25));
  auto* invoice = new QHBoxLayout;
  QLineEdit* seri = addText("Alis_FatSeri", 5);
  seri->setMaximumWidth(60);
  invoice->addWidget(seri);
  invoice->addWidget(addText("Alis_FaturaNo", 10));
  form->addRow("Fatura Seri/No:", invoice);
  form->addRow("Açıklama:", addText("Alis_Aciklama", 30));
  auto* payment = fixedList({"Nakit", "Kredi Kartı", "Çek", "Senet", "Açık", "Diğer"});
  fields_.insert("Odeme_Tipi", payment);
  form->addRow("Ödeme Tipi:", payment);
  auto* codes = new QHBoxLayout;
  codes->addWidget(addText("Siparis_Kodu", 5));
  codes->addWidget(addText("Satis_Kodu", 5));
  form->addRow("Sip./Satış Kodu:", codes);
  connect(alis, &AmountBox::valueEdited, this, &TfrmKart::purchaseChanged);
  connect(rate, &AmountBox::valueEdited, this, &TfrmKart::purchaseChanged);
  connect(vat, &AmountBox::valueEdited, this, [this] { total_->setText(totalText()); });
  connect(alisTarihi, &QLineEdit::editingFinished, this, &TfrmKart::purchaseDateLeft);
  return box;
}

QWidget* TfrmKart::buildDepreciation() {
  auto* box = new QGroupBox("Amortisman Bilgileri");
  auto* form = new QFormLayout(box);
  auto* start = new DateBox(session_);
  fields_.insert("Amortisman_Baslama", start);
  form->addRow("Amort.Baş.Tarihi:", start);
  auto* method = fixedList({"Normal", "Hızlandırılmış"});
  auto* kind = fixedList({"Normal Amortisman", "Kıst Amortisman"});
  auto* period = fixedList({"Yıllık", "3 Aylık", "1 Aylık"});
  fields_.insert("Hesap_Sekli", method);
  fields_.insert("Amortisman_Sekli", kind);
  fields_.insert("Amortisman_Donemi", period);
  form->addRow("Hesaplama Şekli:", method);
  form->addRow("Amortisman Şekli:", kind);
  form->addRow("Amortisman Dönemi:", period);
  auto* rate = new AmountBox(session_, "##0.00");
  fields_.insert("Amortisman_Orani", rate);
  form->addRow("Amort. Oranı %:", rate);
  auto* end = new QHBoxLayout;
  endDate_ = new QLabel;
  endDate_->setMinimumWidth(80);
  endDate_->setCursor(Qt::PointingHandCursor);
  endDate_->installEventFilter(this);
  auto* month = new QSpinBox;
  month->setRange(0, 12);
  auto* year = new QSpinBox;
  year->setRange(0, 9999);
  fields_.insert("Amortisman_BitisAy", month);
  fields_.insert("Amortisman_BitisYil", year);
  end->addWidget(endDate_);
  end->addWidget(month);
  end->addWidget(year);
  form->addRow("Bitiş Tarihi:", end);
  auto* scrap = new AmountBox(session_, session_.formats.amount);
  auto* revalued = new AmountBox(session_, session_.formats.amount);
  fields_.insert("HurdaDegeri", scrap);
  fields_.insert("DegerlenmisTutar", revalued);
  form->addRow("Hurda Değeri:", scrap);
  form->addRow("Değerlenmiş Tutar:", revalued);
  auto* onPurchase = new QCheckBox("Amortisman Alım Tutarı Üzerinden Alınsın");
  auto* revaluable = new QCheckBox("Değerlendirilebilir");
  fields_.insert("AmortismanAlimUzerinden", onPurchase);
  fields_.insert("Degerlendirilir", revaluable);
  form->addRow(onPurchase);
  form->addRow(revaluable);
  connect(start, &QLineEdit::editingFinished, this, [this] { recomputeEndDate(new_); });
  connect(rate, &AmountBox::valueEdited, this, [this] { recomputeEndDate(new_); });
  connect(kind, &QComboBox::currentIndexChanged, this, [this] { recomputeEndDate(new_); });
  return box;
}

QWidget* TfrmKart::buildAccounts() {
  auto* box = new QGroupBox("Muhasebe Kodları");
  auto* form = new QFormLayout(box);
  const char* captions[] = {"Aktife Kayıtlı M.Kodu:", "Birikmiş Amort. M.Kodu:", "Amort. Gideri M.Kodu:",
                            "Y. Değerleme M.Kodu:"};
  for (int i = 0; i < 4; ++i) {
    auto* row = new QHBoxLayout;
    row->addWidget(addText(QString("MuhKod%1").arg(i + 1), 25));
    auto* lookup = new QPushButton("...");
    lookup->setMaximumWidth(28);
    lookup->setEnabled(false);  // the account search comes with the accounting link
    row->addWidget(lookup);
    row->addWidget(new QLabel, 1);
    form->addRow(QString::fromUtf8(captions[i]), row);
  }
  return box;
}

QWidget* TfrmKart::buildSummary() {
  auto* box = new QGroupBox("Amortisman -  Yeniden Değerleme Değerleri");
  auto* grid = new QGridLayout(box);
  const char* captions[] = {"Tarih", "Değ.%", "Değ.Birikmiş Amort.", "Net Değer Artışı", "Birikmiş Amortisman",
                            "Yeni Kasa Değeri"};
  for (int i = 0; i < 6; ++i) {
    auto* caption = new QLabel(QString::fromUtf8(captions[i]));
    caption->setAlignment(Qt::AlignCenter);
    caption->setStyleSheet("font-weight: bold;");
    summary_[i] = new QLabel;
    summary_[i]->setAlignment(Qt::AlignCenter);
    summary_[i]->setFrameShape(QFrame::Panel);
    summary_[i]->setFrameShadow(QFrame::Sunken);
    summary_[i]->installEventFilter(this);
    grid->addWidget(caption, 0, i);
    grid->addWidget(summary_[i], 1, i);
  }
  return box;
}
