// The ledger screen: wiring of keys, buttons and the grid to the ledger rules and the engine.
#include "depreciation/screens/UntKartAmortisman.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "app/screen_settings.h"
#include "app/screens/message_prompter.h"
#include "assets/card_values.h"
#include "assets/screens/banded_header.h"
#include "common/format.h"
#include "data/aliases.h"
#include "depreciation/ledger_store.h"
#include "depreciation/screens/ledger_model.h"

using namespace orv::depreciation;

namespace {
QString qs(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

TFrmKartAmortisman::TFrmKartAmortisman(orv::Session& session, const orv::db::KartRow& kart, QWidget* parent,
                                       orv::Prompter* prompter)
    : TfrmGenMain(parent), session_(session) {
  if (!prompter) ownPrompter_ = std::make_unique<MessagePrompter>(this);
  prompter_ = prompter ? prompter : ownPrompter_.get();
  setKeyHandling(false);
  d_.ayarlar = AmortismanAyarlariOlustur(kart, session);
  // The revaluation rate table stays open while the screen is shown.
  try {
    if (session.parameterDb) rates_ = orv::definitions::DegerlemeOranTablosu::load(*session.parameterDb);
  } catch (const orv::db::DbError&) {
  }
  d_.ortam = HesapOrtami::fromSession(session, &rates_);
  orv::Status s = DefterYukle(*session.companyDb, kart.Ulas, d_.defter);
  loaded_ = s.isOk();
  if (!loaded_) prompter_->message(orv::MessageKind::Error, s.message());
  model_ = std::make_unique<orv::screens::LedgerModel>(session, d_, *prompter_);
  QString caption = kLedgerCaption;
  if (d_.ayarlar.SaltOkunur) caption += kLedgerClosedSuffix;
  setWindowTitle(caption);
  buildLayout(kart);
  loadLayout();
  focusRow(model_->rowCount() - 1);
}

TFrmKartAmortisman::~TFrmKartAmortisman() = default;

void TFrmKartAmortisman::buildLayout(const orv::db::KartRow& kart) {
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(qs(orv::assets::maskeliKod(session_, kart.SabitKiymet) + " " + kart.Adi));
  title->setStyleSheet("background: #000080; color: white; font-weight: bold; padding: 4px;");
  layout->addWidget(title);
  view_ = new QTableView;
  header_ = new BandedHeader(view_);
  view_->setHorizontalHeader(header_);
  view_->setModel(model_.get());
  delegate_ = new orv::screens::LedgerDelegate(view_);
  view_->setItemDelegate(delegate_);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->verticalHeader()->hide();
  view_->verticalHeader()->setDefaultSectionSize(22);
  view_->installEventFilter(this);
  setBands();
  layout->addWidget(view_, 1);
  auto* bottom = new QHBoxLayout;
  const std::string amount = session_.company.kurus1 ? ",0.00" : ",0.##";
  const orv::FormatSettings fs = orv::formatSettings(session_.values);
  bottom->addWidget(new QLabel("Alış Tarihi :"));
  bottom->addWidget(new QLabel(qs(orv::assets::tarihMetni(session_, kart.Alis_Tarihi))));
  bottom->addSpacing(20);
  bottom->addWidget(new QLabel("Alış Tutarı :"));
  bottom->addWidget(new QLabel(qs(orv::formatFloat(amount, kart.Alis_Tutari, fs))));
  bottom->addStretch();
  const std::pair<const char*, void (TFrmKartAmortisman::*)()> buttons[] = {
      {"Ekle", &TFrmKartAmortisman::ekle}, {"Sil", &TFrmKartAmortisman::sil},
      {"Kayıt", &TFrmKartAmortisman::kayit}, {"Kapat", nullptr}};
  for (const auto& [text, slot] : buttons) {
    auto* b = new QPushButton(text);
    b->setFocusPolicy(Qt::NoFocus);
    bottom->addWidget(b);
    if (slot) connect(b, &QPushButton::clicked, this, slot);
    else connect(b, &QPushButton::clicked, this, &QDialog::reject);
  }
  layout->addLayout(bottom);
  connect(model_.get(), &orv::screens::LedgerModel::committed, this, [this](int row, int column) {
    // After every commit the cursor moves one column to the right.
    QTimer::singleShot(0, this, [this, row, column] {
      view_->setCurrentIndex(model_->index(row, std::min(column + 1, SutunSayisi - 1)));
    });
  });
  resize(1100, 460);
}

void TFrmKartAmortisman::setBands() {
  const bool revalued = d_.ayarlar.Degerlendirilir;
  header_->setBands({{"Yıl", 0, 1},
                     {"Yeniden Değerleme Bilgileri", 2, 6},
                     {"Değerlemesiz Amortisman Bilgileri", 7, 10}});
  for (int c = SutunDOrani; c <= SutunNetDegerArtisi; ++c) view_->setColumnHidden(c, !revalued);
  view_->setColumnWidth(0, 80);
  view_->setColumnWidth(1, 130);
  // Bands of 320 (both) or 600 (the last alone) shared by their columns.
  if (revalued)
    for (int c = SutunDOrani; c <= SutunNetDegerArtisi; ++c) view_->setColumnWidth(c, c == SutunDOrani ? 56 : 66);
  const int last = revalued ? 320 : 600;
  view_->setColumnWidth(SutunAmortismanOrani, revalued ? 56 : 90);
  for (int c = SutunAmortismanTutari; c <= SutunKasaDegeri; ++c)
    view_->setColumnWidth(c, (last - (revalued ? 56 : 90)) / 3);
}

QString TFrmKartAmortisman::layoutKey() const {
  return d_.ayarlar.Degerlendirilir ? "AMORTHESAP/DBGRID" : "AMORTHESAP/DBGRID1";
}

void TFrmKartAmortisman::loadLayout() {
  QSettings s(qs(orv::app::settingsFile(orv::configFolder(), orv::app::kLayoutFile)), QSettings::IniFormat);
  const QStringList widths = s.value(layoutKey() + "/Widths").toStringList();
  for (int c = 0; c < widths.size() && c < SutunSayisi; ++c)
    if (widths[c].toInt() > 10) view_->setColumnWidth(c, widths[c].toInt());
}

void TFrmKartAmortisman::saveLayout() {
  QSettings s(qs(orv::app::settingsFile(orv::configFolder(), orv::app::kLayoutFile)), QSettings::IniFormat);
  QStringList widths;
  for (int c = 0; c < SutunSayisi; ++c) widths << QString::number(view_->columnWidth(c));
  s.setValue(layoutKey() + "/Widths", widths);
}

QWidget* TFrmKartAmortisman::openEditor() const { return delegate_->openEditor(); }

void TFrmKartAmortisman::focusRow(int row) {
  if (row < 0 || row >= model_->rowCount()) return;
  const int column = std::max(0, view_->currentIndex().column());
  view_->setCurrentIndex(model_->index(row, column));
  view_->scrollTo(view_->currentIndex());
}

void TFrmKartAmortisman::ekle() {
  if (defterSatirEkle(session_, d_, *prompter_) != EklemeSonucu::Eklendi) return;
  model_->rowsChanged();
  focusRow(model_->rowCount() - 1);
}

void TFrmKartAmortisman::sil() {
  if (d_.ayarlar.SaltOkunur) return;
  if (QWidget* editor = delegate_->openEditor()) {  // a pending edit is saved first
    emit delegate_->commitData(editor);
    emit delegate_->closeEditor(editor);
  }
  const int row = view_->currentIndex().row();
  if (!defterSatirSil(session_, d_, row, *prompter_)) return;
  model_->rowsChanged();
  focusRow(std::min(row, model_->rowCount() - 1));
}

void TFrmKartAmortisman::kayit() {
  if (!d_.ayarlar.SaltOkunur) saved_ = true;
  accept();
}

bool TFrmKartAmortisman::gridKey(QKeyEvent* key) {
  const auto mods = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  switch (key->key()) {
    case Qt::Key_Escape: reject(); return true;
    case Qt::Key_Insert: case Qt::Key_F5: ekle(); return true;
    case Qt::Key_F2: kayit(); return true;
    case Qt::Key_Delete:
      if (satirAcik(d_, view_->currentIndex().row())) sil();
      return true;
    default: break;
  }
  const QString text = key->text();
  if (mods == 0 && text.size() == 1 && text[0].isDigit() && satirAcik(d_, view_->currentIndex().row())) {
    view_->edit(view_->currentIndex());
    if (QWidget* editor = delegate_->openEditor()) {
      QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), text);
      QCoreApplication::sendEvent(editor, &copy);
    }
    return true;
  }
  return false;
}

bool TFrmKartAmortisman::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::KeyPress && gridKey(static_cast<QKeyEvent*>(event))) return true;
  return TfrmGenMain::eventFilter(watched, event);
}

void TFrmKartAmortisman::closeEvent(QCloseEvent* event) { TfrmGenMain::closeEvent(event); }

bool TFrmKartAmortisman::ac(orv::Session& session, const orv::db::KartRow& kart, QWidget* parent,
                            orv::Prompter* prompter) {
  TFrmKartAmortisman screen(session, kart, parent, prompter);
  if (!screen.loaded()) return false;
  screen.exec();
  screen.saveLayout();
  if (!screen.savedFlag()) return false;
  orv::Status s = DefterKaydet(*session.companyDb, screen.defter().defter);
  if (!s) (prompter ? *prompter : *screen.prompter_).message(orv::MessageKind::Error, s.message());
  return s.isOk();
}
