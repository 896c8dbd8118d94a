// TfrmKart, second part: showing and collecting the card record, and the commands.
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

#include "assets/card_values.h"
#include "assets/screens/card_widgets.h"
#include "assets/screens/code_change_panel.h"
#include "assets/screens/untKart.h"
#include "assets/screens/untKayitArama.h"
#include "common/codes.h"
#include "common/format.h"
#include "depreciation/ledger_editing.h"
#include "depreciation/screens/UntKartAmortisman.h"

using orv::db::KartRow;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }
constexpr const char* kChangedQuestion = "Ekrandaki bilgiler değişmiş. Çıkmadan önce saklamak istiyor musunuz ?";

}  // namespace

// Defined in untKart.cpp.
void putCardValue(QWidget* w, const orv::db::RowField<KartRow>& f, const KartRow& k);
void takeCardValue(QWidget* w, const orv::db::RowField<KartRow>& f, KartRow& k);

QAction* TfrmKart::addCommand(const QString& caption, const QKeySequence& key, void (TfrmKart::*slot)()) {
  auto* a = new QAction(caption, this);
  a->setShortcut(key);
  a->setShortcutContext(Qt::WindowShortcut);
  a->setEnabled(slot != nullptr);
  if (slot) connect(a, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
  addAction(a);
  actions_.insert(caption, a);
  return a;
}

void TfrmKart::buildCommands() {
  auto* menus = new QMenuBar;
  auto* islemler = menus->addMenu("İşlemler");
  auto* hizmetler = menus->addMenu("Hizmetler");
  auto* bar = new QToolBar;
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  struct Cmd { const char* caption; QKeySequence key; void (TfrmKart::*slot)(); bool inBar; bool service; };
  // Exit, transfer, copying, detail data, the calculator and forms come with their screens.
  const Cmd cmds[] = {
      {"Yeni Kart Oluştur", Qt::Key_F4, &TfrmKart::newCard, true, false},
      {"Bilgileri Kaydet", Qt::Key_F2, nullptr, true, false},
      {"Kayıt Arama...", Qt::Key_F3, &TfrmKart::search, true, false},
      {"Amortisman Hesabı", Qt::Key_F5, &TfrmKart::ledger, true, false},
      {"Browser Görünümüne Geç", Qt::Key_F11, &TfrmKart::toBrowser, true, false},
      {"Çıkış (Satış) Bilgileri", QKeySequence(Qt::CTRL | Qt::Key_S), nullptr, false, false},
      {"Transfer İşlemi", QKeySequence(Qt::CTRL | Qt::Key_T), nullptr, false, false},
      {"Transfer Edilme Bilgisini İptal Etme", {}, nullptr, false, false},
      {"Transfer Alınma Bilgisini İptal Etme", {}, nullptr, false, false},
      {"Kart Kopyala", Qt::Key_F7, nullptr, false, false},
      {"Sabit Kıymet Detay Bilgileri", Qt::Key_F6, nullptr, false, false},
      {"Sabit Kıymet Sil", {}, &TfrmKart::deleteCard, false, false},
      {"Sabit Kıymet Kodu Değiştirme", {}, &TfrmKart::openCodeChange, false, false},
      {"Geri", QKeySequence(Qt::CTRL | Qt::Key_PageUp), &TfrmKart::previous, true, false},
      {"İleri", QKeySequence(Qt::CTRL | Qt::Key_PageDown), &TfrmKart::next, true, false},
      {"Hesap Makinesi", QKeySequence(Qt::ALT | Qt::Key_H), nullptr, false, true},
      {"Sabit Kıymet Formları", {}, nullptr, false, true},
  };
  for (const Cmd& c : cmds) {
    QAction* a = addCommand(QString::fromUtf8(c.caption), c.key, c.slot);
    (c.service ? hizmetler : islemler)->addAction(a);
    if (c.inBar) bar->addAction(a);
  }
  QAction* saveAction = actions_["Bilgileri Kaydet"];
  saveAction->setEnabled(true);
  connect(saveAction, &QAction::triggered, this, [this] { save(); });
  QAction* close = addCommand("Kapat", QKeySequence(Qt::ALT | Qt::Key_X), nullptr);
  close->setEnabled(true);
  connect(close, &QAction::triggered, this, &QDialog::close);
  islemler->addSeparator();
  islemler->addAction(close);
  year_ = new QSpinBox;
  year_->setRange(1900, 2999);
  year_->setValue(session_.values.depreciationYear);
  year_->setToolTip("Amortisman Aktif Yılı");
  bar->addSeparator();
  bar->addWidget(year_);
  bar->addAction(close);
  connect(year_, &QSpinBox::valueChanged, this, [this](int y) {
    if (orv::Status s = orv::assets::AktifYilKaydet(session_, y); !s) prompter_->message(orv::MessageKind::Error, s.message());
  });
  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  layout->setMenuBar(menus);
  layout->insertWidget(0, bar);
  connectShortcutsAndMarks();
}

void TfrmKart::connectShortcutsAndMarks() {
  // Alt+1 .. Alt+5 move the focus to the sections.
  const char* targets[] = {"Bolum", "MuhFisNo", "Amortisman_Baslama", "MuhKod1", "Amortisman_BitisAy"};
  for (int i = 0; i < 5; ++i) {
    auto* jump = new QAction(this);
    jump->setShortcut(QKeySequence(Qt::ALT | (Qt::Key_1 + i)));
    const QString name = targets[i];
    connect(jump, &QAction::triggered, this, [this, name] {
      QWidget* w = fields_.value(name == "Bolum" && !fields_["Bolum"]->isEnabled() ? "Adi" : name);
      if (w) w->setFocus();
    });
    addAction(jump);
  }
  // Any change of an input marks the card changed.
  for (QWidget* w : fields_) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) connect(e, &QLineEdit::textEdited, this, &TfrmKart::markChanged);
    else if (auto* b = qobject_cast<QComboBox*>(w)) {
      connect(b, &QComboBox::currentIndexChanged, this, &TfrmKart::markChanged);
      if (b->isEditable()) connect(b, &QComboBox::editTextChanged, this, &TfrmKart::markChanged);
    } else if (auto* s = qobject_cast<QSpinBox*>(w)) connect(s, &QSpinBox::valueChanged, this, &TfrmKart::markChanged);
    else if (auto* c = qobject_cast<QCheckBox*>(w)) connect(c, &QCheckBox::toggled, this, &TfrmKart::markChanged);
  }
}

void TfrmKart::markChanged() {
  if (!showing_) changed_ = true;
}

std::string TfrmKart::maskedCode() const { return orv::assets::maskeliKod(session_, kayit_.kart.SabitKiymet); }

QString TfrmKart::headerText() const { return header_->text(); }
QString TfrmKart::endDateText() const { return endDate_->text(); }
QString TfrmKart::totalText() const {
  const orv::FormatSettings fs = orv::formatSettings(session_.values);
  const double sum = static_cast<AmountBox*>(fields_["Alis_Tutari"])->value() +
                     static_cast<AmountBox*>(fields_["Kdv_Tutari"])->value();
  const QString t = qs(orv::formatFloat(session_.formats.amount, sum, fs)).trimmed();
  return t.isEmpty() ? "0" : t;
}

void TfrmKart::showHeader() {
  const KartRow& k = kayit_.kart;
  header_->setText(qs(orv::assets::kartBasligi(session_, k, new_)));
  const bool incomplete = !new_ && (k.SabitKiymet.empty() || k.Adi.empty());
  header_->setStyleSheet(QString("font-size: 13pt; font-weight: bold; padding: 6px; background: #000080; color: %1;")
                             .arg(incomplete ? "rgb(98,77,200)" : "white"));
  const std::string transfer = orv::assets::transferBandi(session_, k);
  transferBanner_->setText(qs(transfer));
  transferBanner_->setVisible(!transfer.empty());
  const std::string exit = orv::assets::cikisBandi(session_, k);
  exitBanner_->setText(qs(exit));
  exitBanner_->setVisible(!exit.empty());
  countDate_->setText(orv::assets::tarihVar(k.SayimTarihi)
                          ? "Son Sayım Tarihi: " + qs(orv::assets::tarihMetni(session_, k.SayimTarihi)) : QString());
}

void TfrmKart::showSummary() {
  const KartRow& k = kayit_.kart;
  const orv::FormatSettings fs = orv::formatSettings(session_.values);
  auto amount = [&](double v) { return qs(orv::formatFloat(session_.formats.amount, v, fs)); };
  summary_[0]->setText(orv::assets::tarihVar(k.SonIslemTarihi) ? qs(orv::assets::tarihMetni(session_, k.SonIslemTarihi)) : "");
  summary_[1]->setText(qs(orv::formatFloat("#.##", k.DegerOrani, fs)));
  summary_[2]->setText(amount(k.DBirikmisAmortisman));
  summary_[3]->setText(amount(k.NetDegerArtisi));
  summary_[4]->setText(amount(k.BirikmisAmortisman));
  summary_[5]->setText(amount(k.YeniKasaDegeri));
}

void TfrmKart::showRecord() {
  showing_ = true;
  for (const auto& f : orv::db::kartFields())
    if (QWidget* w = fields_.value(f.name)) putCardValue(w, f, kayit_.kart);
  static_cast<QLineEdit*>(fields_["SabitKiymet"])->setText(qs(maskedCode()));
  fields_["Bolum"]->setEnabled(new_);
  fields_["SabitKiymet"]->setEnabled(new_);
  total_->setText(totalText());
  recomputeEndDate(false);
  showHeader();
  showSummary();
  showing_ = false;
}

void TfrmKart::collect() {
  for (const auto& f : orv::db::kartFields())
    if (QWidget* w = fields_.value(f.name)) takeCardValue(w, f, kayit_.kart);
  kayit_.kart.SabitKiymet = orv::stripCode(maskedText(static_cast<QLineEdit*>(fields_["SabitKiymet"])),
                                           session_.company.accountGroupSeparator);
}

void TfrmKart::showEmpty() {
  kayit_ = {orv::assets::yeniBosKart(session_), {}};
  new_ = true;
  showRecord();
  changed_ = false;
  fields_["Bolum"]->setFocus();
}

bool TfrmKart::askToSave(bool withCancel, bool* cancelled) {
  if (cancelled) *cancelled = false;
  if (!changed_) return true;
  const orv::Answer a = prompter_->confirm(orv::MessageKind::Warning, kChangedQuestion, withCancel);
  if (a == orv::Answer::Cancel) {
    if (cancelled) *cancelled = true;
    return false;
  }
  return a == orv::Answer::No || save();
}

bool TfrmKart::loadCard(long long ulas) {
  if (!askToSave(false)) return false;
  auto row = orv::db::KartRepository(*session_.companyDb).find(ulas);
  if (!row) return false;
  kayit_ = {*row, *row};
  new_ = false;
  showRecord();
  changed_ = false;
  fields_["Adi"]->setFocus();
  return true;
}

void TfrmKart::newCard() {
  if (askToSave(false)) showEmpty();
}

bool TfrmKart::save() {
  collect();
  orv::assets::KaydetSecenekleri o{new_, true, maskedText(static_cast<QLineEdit*>(fields_["SabitKiymet"]))};
  auto r = orv::assets::KartKaydet(session_, *locks_, *prompter_, kayit_, o);
  if (!r) {
    if (r.message() == orv::assets::kLockTimeOut) setWindowTitle("Time-out");
    return false;
  }
  setWindowTitle("Kart İşlemleri");
  new_ = false;
  showRecord();
  changed_ = false;
  return true;
}

void TfrmKart::search() {
  const long long chosen = TfrmKayitArama::sec(session_, this, kayit_.kart.Ulas);
  if (chosen) loadCard(chosen);
}

void TfrmKart::ledger() {
  if (new_) {
    prompter_->message(orv::MessageKind::Information, orv::depreciation::kSaveCardFirst);
    return;
  }
  collect();  // the settings follow what the card shows
  if (!TFrmKartAmortisman::ac(session_, kayit_.kart, this, ownPrompter_ ? nullptr : prompter_)) return;
  if (auto stored = orv::db::KartRepository(*session_.companyDb).find(kayit_.kart.Ulas)) {
    const bool wasChanged = changed_;
    orv::assets::KartKaydiniYenile(kayit_, *stored);
    showRecord();
    changed_ = wasChanged;
  }
}

void TfrmKart::toBrowser() {
  browserRequest_ = true;
  close();
}

void TfrmKart::move(bool forward) {
  if (!askToSave(false)) return;
  changed_ = false;
  const KartRow& k = kayit_.kart;
  auto target = orv::assets::komsuKart(*session_.companyDb, k.Bolum, k.SabitKiymet, k.Ulas, forward);
  if (target) loadCard(*target);
}

void TfrmKart::next() { move(true); }
void TfrmKart::previous() { move(false); }

void TfrmKart::deleteCard() {
  if (new_) return;
  if (orv::assets::KartSilmeIslemi(session_, *prompter_, kayit_.kart.Ulas, maskedCode())) showEmpty();
}

void TfrmKart::openCodeChange() {
  if (new_) return;
  if (!session_.hasRight(orv::assets::kRightCodeChange)) {
    prompter_->message(orv::MessageKind::Error, orv::assets::kNoRight);
    return;
  }
  codePanel_->open(kayit_.kart.Bolum, kayit_.kart.SabitKiymet);
}

void TfrmKart::changeCode() {
  orv::assets::KodDegisikligi d{kayit_.kart.Ulas, kayit_.kart.Bolum, maskedCode(), codePanel_->department(),
                                codePanel_->code(), codePanel_->typedCode()};
  if (!orv::assets::KodDegistirmeIslemi(session_, *prompter_, d)) return;
  codePanel_->hide();
  changed_ = false;
  loadCard(d.ulas);
}

void TfrmKart::purchaseChanged() {
  auto* vat = static_cast<AmountBox*>(fields_["Kdv_Tutari"]);
  vat->setValue(orv::assets::kdvTutari(static_cast<AmountBox*>(fields_["Alis_Tutari"])->value(),
                                       static_cast<AmountBox*>(fields_["Kdv_Orani"])->value()));
  total_->setText(totalText());
  markChanged();
}

void TfrmKart::purchaseDateLeft() {
  auto* start = static_cast<DateBox*>(fields_["Amortisman_Baslama"]);
  const orv::Date purchase = static_cast<DateBox*>(fields_["Alis_Tarihi"])->date();
  if (!orv::assets::tarihVar(start->date()) && !purchase.isNull()) {
    start->setDate(purchase);
    recomputeEndDate(new_);
  }
}

void TfrmKart::recomputeEndDate(bool copyToFields) {
  const orv::Date end = orv::assets::bitisTarihi(static_cast<DateBox*>(fields_["Amortisman_Baslama"])->date(),
                                                 static_cast<AmountBox*>(fields_["Amortisman_Orani"])->value(),
                                                 static_cast<QComboBox*>(fields_["Amortisman_Sekli"])->currentIndex());
  endDate_->setText(qs(orv::assets::tarihMetni(session_, end)));
  if (!copyToFields || end.isNull()) return;
  static_cast<QSpinBox*>(fields_["Amortisman_BitisAy"])->setValue(end.month());
  static_cast<QSpinBox*>(fields_["Amortisman_BitisYil"])->setValue(end.year());
}

bool TfrmKart::eventFilter(QObject* watched, QEvent* event) {
  if (watched == fields_.value("SabitKiymet") && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->text() == "?") {
    search();
    return true;
  }
  const bool summaryClick = watched == endDate_ || std::find(std::begin(summary_), std::end(summary_), watched) != std::end(summary_);
  if (summaryClick && event->type() == QEvent::MouseButtonPress && !new_) {
    recomputeEndDate(true);
    return true;
  }
  return TfrmGenMain::eventFilter(watched, event);
}

void TfrmKart::reject() {
  // Closing in any way asks about unsaved changes; Cancel, or Yes with a failed save, stays.
  bool cancelled = false;
  if (!askToSave(true, &cancelled)) return;
  changed_ = false;
  TfrmGenMain::reject();
}
