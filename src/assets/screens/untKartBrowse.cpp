// The asset browser: commands on the focused card through the card operations.
#include "assets/screens/untKartBrowse.h"

#include <QAction>
#include <QHeaderView>
#include <QListWidget>
#include <QMenuBar>
#include <QSpinBox>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/screens/message_prompter.h"
#include "assets/card.h"
#include "assets/card_values.h"
#include "assets/screens/banded_header.h"
#include "assets/screens/card_models.h"
#include "assets/screens/code_change_panel.h"
#include "assets/screens/untGridOptions.h"
#include "assets/screens/untKayitArama.h"
#include "depreciation/screens/UntKartAmortisman.h"

TfrmKartBrowse::TfrmKartBrowse(orv::Session& session, long long startUlas, QWidget* parent, orv::Prompter* prompter)
    : TfrmGenMain(parent), session_(session),
      model_(std::make_unique<orv::screens::KartListModel>(session, orv::screens::KartListModel::Kind::Browser)) {
  if (!prompter) ownPrompter_ = std::make_unique<MessagePrompter>(this);
  prompter_ = prompter ? prompter : ownPrompter_.get();
  setWindowTitle("Sabit Kıymet Kartı - Browser Görünümü");
  setKeyHandling(false);
  buildGrid();
  buildActions();
  codePanel_ = new CodeChangePanel(session, this);
  connect(codePanel_, &CodeChangePanel::changeRequested, this, &TfrmKartBrowse::changeCode);
  resize(1180, 640);
  if (startUlas) focusCard(startUlas);
  else if (model_->rowCount() > 0) view_->setCurrentIndex(model_->index(0, 0));
}

TfrmKartBrowse::~TfrmKartBrowse() = default;

QAction* TfrmKartBrowse::addCommand(const QString& caption, const QKeySequence& key, void (TfrmKartBrowse::*slot)(),
                                    bool enabled) {
  auto* a = new QAction(caption, this);
  a->setShortcut(key);
  a->setShortcutContext(Qt::WindowShortcut);
  a->setEnabled(enabled && slot != nullptr);
  if (slot) connect(a, &QAction::triggered, this, slot);
  addAction(a);
  actions_.insert(caption, a);
  return a;
}

void TfrmKartBrowse::buildActions() {
  auto* bar = new QToolBar;
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  auto* menus = new QMenuBar;
  auto* islemler = menus->addMenu("İşlemler");
  auto* hizmetler = menus->addMenu("Hizmetler");
  struct Cmd { const char* caption; QKeySequence key; void (TfrmKartBrowse::*slot)(); bool inBar; bool service; };
  const Cmd cmds[] = {
      {"Kart Görünümüne Geç", Qt::Key_F11, &TfrmKartBrowse::toCardView, true, false},
      {"Yeni Kart Oluştur", Qt::Key_F4, &TfrmKartBrowse::newCard, true, false},
      {"Kayıt Arama...", Qt::Key_F3, &TfrmKartBrowse::search, true, false},
      {"Amortisman Hesabı", Qt::Key_F5, &TfrmKartBrowse::ledger, true, false},
      // Exit, transfer and detail data come with their own screens.
      {"Satış Bilgileri", QKeySequence(Qt::CTRL | Qt::Key_S), nullptr, false, false},
      {"Transfer İşlemi", QKeySequence(Qt::CTRL | Qt::Key_T), nullptr, false, false},
      {"Sabit Kıymet Sil", {}, &TfrmKartBrowse::deleteCard, false, false},
      {"Sabit Kıymet Kodu Değiştirme", {}, &TfrmKartBrowse::openCodeChange, false, false},
      {"Sabit Kıymet Detay Bilgisi", Qt::Key_F6, nullptr, false, false},
      {"Başlıkları Düzenle", QKeySequence(Qt::CTRL | Qt::Key_B), &TfrmKartBrowse::toggleColumnBox, false, true},
      {"Görünüm Ayarları", QKeySequence(Qt::CTRL | Qt::Key_G), &TfrmKartBrowse::viewOptions, false, true},
      {"Hesap Makinesi", QKeySequence(Qt::ALT | Qt::Key_H), nullptr, false, true},
  };
  for (const Cmd& c : cmds) {
    QAction* a = addCommand(QString::fromUtf8(c.caption), c.key, c.slot);
    (c.service ? hizmetler : islemler)->addAction(a);
    if (c.inBar) bar->addAction(a);
  }
  QAction* close = addCommand("Kapat", QKeySequence(Qt::ALT | Qt::Key_X), nullptr);
  close->setEnabled(true);
  connect(close, &QAction::triggered, this, &QDialog::reject);
  islemler->addSeparator();
  islemler->addAction(close);
  bar->addSeparator();
  bar->addAction(actions_["Sabit Kıymet Sil"]);
  bar->addAction(actions_["Sabit Kıymet Kodu Değiştirme"]);
  bar->addSeparator();
  year_ = new QSpinBox;
  year_->setRange(1900, 2999);
  year_->setValue(session_.values.depreciationYear);
  year_->setToolTip("Amortisman Aktif Yılı");
  bar->addWidget(year_);
  bar->addSeparator();
  bar->addAction(close);
  connect(year_, &QSpinBox::valueChanged, this, [this](int y) {
    if (orv::Status s = orv::assets::AktifYilKaydet(session_, y); !s) prompter_->message(orv::MessageKind::Error, s.message());
  });
  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  layout->insertWidget(0, bar);
  layout->setMenuBar(menus);
}

void TfrmKartBrowse::buildGrid() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  auto* row = new QHBoxLayout;
  view_ = new QTableView;
  header_ = new BandedHeader(view_);
  view_->setHorizontalHeader(header_);
  view_->setModel(model_.get());
  header_->setBands({{"Genel Bilgiler", 0, orv::screens::KartListModel::kBrowserGeneralColumns - 1},
                     {"Amortisman Bilgileri", orv::screens::KartListModel::kBrowserGeneralColumns,
                      orv::screens::KartListModel::kBrowserColumns - 1}});
  delegate_ = new orv::screens::PreviewDelegate(view_, model_.get());
  view_->setItemDelegate(delegate_);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->verticalHeader()->setDefaultSectionSize(22);
  view_->verticalHeader()->hide();
  const int widths[] = {55, 110, 170, 130, 100, 80, 80, 48, 48, 48, 48, 95, 85, 70, 95, 80, 55, 60, 95, 115, 140};
  for (int c = 0; c < orv::screens::KartListModel::kBrowserColumns; ++c) view_->setColumnWidth(c, widths[c]);
  connect(view_, &QTableView::doubleClicked, this, &TfrmKartBrowse::toCardView);
  row->addWidget(view_, 1);
  columnBox_ = new QListWidget;
  columnBox_->setMaximumWidth(180);
  for (int c = 0; c < model_->columnCount(); ++c) {
    auto* item = new QListWidgetItem(model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), columnBox_);
    item->setCheckState(Qt::Checked);
  }
  connect(columnBox_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    view_->setColumnHidden(columnBox_->row(item), item->checkState() != Qt::Checked);
  });
  columnBox_->hide();
  row->addWidget(columnBox_);
  layout->addLayout(row, 1);
}

long long TfrmKartBrowse::focusedUlas() const { return model_->ulasAt(view_->currentIndex().row()); }

void TfrmKartBrowse::focusCard(long long ulas) {
  const int row = model_->source().indexOf(ulas);
  if (row < 0) return;
  view_->setCurrentIndex(model_->index(row, std::max(0, view_->currentIndex().column())));
  view_->scrollTo(view_->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void TfrmKartBrowse::refresh(long long focus) {
  model_->reload();
  if (focus) focusCard(focus);
  if (view_->currentIndex().row() < 0 && model_->rowCount() > 0) view_->setCurrentIndex(model_->index(0, 0));
}

void TfrmKartBrowse::toCardView() {
  cardView_ = true;
  handOver_ = focusedUlas();
  accept();
}

void TfrmKartBrowse::newCard() {
  if (!session_.hasRight(orv::assets::kRightNewCard)) {
    prompter_->message(orv::MessageKind::Error, orv::assets::kNoNewCardRight);
    return;
  }
  cardView_ = true;
  handOver_ = 0;
  accept();
}

void TfrmKartBrowse::search() {
  const long long chosen = TfrmKayitArama::sec(session_, this, focusedUlas());
  if (chosen) focusCard(chosen);
}

void TfrmKartBrowse::ledger() {
  const long long ulas = focusedUlas();
  auto kart = orv::db::KartRepository(*session_.companyDb).find(ulas);
  if (!kart) return;
  if (TFrmKartAmortisman::ac(session_, *kart, this, ownPrompter_ ? nullptr : prompter_)) refresh(ulas);
}

void TfrmKartBrowse::deleteCard() {
  const long long ulas = focusedUlas();
  auto kart = orv::db::KartRepository(*session_.companyDb).find(ulas);
  if (!kart) return;
  const int row = view_->currentIndex().row();
  if (!orv::assets::KartSilmeIslemi(session_, *prompter_, ulas, orv::assets::maskeliKod(session_, kart->SabitKiymet)))
    return;
  model_->reload();
  if (model_->rowCount() > 0) view_->setCurrentIndex(model_->index(std::min(row, model_->rowCount() - 1), 0));
}

void TfrmKartBrowse::openCodeChange() {
  if (!session_.hasRight(orv::assets::kRightCodeChange)) {
    prompter_->message(orv::MessageKind::Error, orv::assets::kNoRight);
    return;
  }
  if (focusedUlas() == 0) return;
  codePanel_->open({}, {});  // the browser's panel starts empty
}

void TfrmKartBrowse::changeCode() {
  const long long ulas = focusedUlas();
  auto kart = orv::db::KartRepository(*session_.companyDb).find(ulas);
  if (!kart) return;
  orv::assets::KodDegisikligi d{ulas, kart->Bolum, orv::assets::maskeliKod(session_, kart->SabitKiymet),
                                codePanel_->department(), codePanel_->code(), codePanel_->typedCode()};
  if (!orv::assets::KodDegistirmeIslemi(session_, *prompter_, d)) return;
  codePanel_->hide();
  refresh(ulas);
}

void TfrmKartBrowse::toggleColumnBox() { columnBox_->setVisible(!columnBox_->isVisible()); }

void TfrmKartBrowse::setPreviews(bool on) {
  delegate_->setPreview(on);
  view_->setShowGrid(!on);  // the preview line runs across the row
  view_->verticalHeader()->setDefaultSectionSize(on ? 22 + fontMetrics().height() + 4 : 22);
  view_->viewport()->update();
}

void TfrmKartBrowse::setBandsShown(bool on) { header_->setBandsVisible(on); }

void TfrmKartBrowse::setHeadersShown(bool on) { header_->setVisible(on); }

void TfrmKartBrowse::viewOptions() {
  TfrmGridOptions::Parts now{delegate_->preview(), header_->bandsVisible(), header_->isVisible()};
  TfrmGridOptions dialog(now, [this](const TfrmGridOptions::Parts& p) {
    setPreviews(p.previews);
    setBandsShown(p.bands);
    setHeadersShown(p.headers);
  }, this);
  dialog.exec();
}
