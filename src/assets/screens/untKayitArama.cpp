// The record search: a grid of cards in code or name order, a department filter and the
// typed search text, all bound into the card source's queries.
#include "assets/screens/untKayitArama.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "assets/card_values.h"
#include "assets/screens/card_models.h"

using orv::assets::KartSirasi;

namespace {
QString qs(const std::string& s) { return QString::fromStdString(s); }
constexpr int kNameColumn = 2;
}  // namespace

TfrmKayitArama::TfrmKayitArama(orv::Session& session, QWidget* parent)
    : TfrmGenMain(parent), session_(session),
      model_(std::make_unique<orv::screens::KartListModel>(session, orv::screens::KartListModel::Kind::Search)) {
  setWindowTitle("Kayıt Arama İşlemleri");
  setKeyHandling(false);
  buildLayout();
  focusRow(0);
}

TfrmKayitArama::~TfrmKayitArama() = default;

void TfrmKayitArama::buildLayout() {
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel("Bölüm Adı"));
  department_ = new QComboBox;
  for (const auto& entry : session_.codeLists.codes[0]) department_->addItem(qs(entry));
  if (department_->count() == 0) department_->addItem("000=");
  top->addWidget(department_, 1);
  layout->addLayout(top);
  searchBox_ = new QLabel;
  searchBox_->setTextFormat(Qt::RichText);
  searchBox_->setFrameShape(QFrame::Panel);
  searchBox_->setFrameShadow(QFrame::Sunken);
  searchBox_->setMinimumHeight(24);
  searchBox_->setAutoFillBackground(true);
  searchBox_->setStyleSheet("background: #d7f1ff; padding: 2px;");
  layout->addWidget(searchBox_);
  view_ = new QTableView;
  view_->setModel(model_.get());
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->verticalHeader()->hide();
  view_->verticalHeader()->setDefaultSectionSize(22);
  view_->setStyleSheet("QTableView::item:selected { background: red; color: white; }");
  view_->setItemDelegate(new orv::screens::SearchRowDelegate(view_));
  view_->setColumnWidth(0, 70);
  view_->setColumnWidth(1, 140);
  view_->horizontalHeader()->setStretchLastSection(true);
  view_->installEventFilter(this);
  layout->addWidget(view_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* ok = new QPushButton("Tamam");
  auto* cancel = new QPushButton("İptal");
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  resize(560, 480);

  connect(ok, &QPushButton::clicked, this, &TfrmKayitArama::acceptFocused);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(view_, &QTableView::doubleClicked, this, &TfrmKayitArama::acceptFocused);
  connect(department_, &QComboBox::currentIndexChanged, this, &TfrmKayitArama::chooseDepartment);
  connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& now, const QModelIndex& before) {
            if (now.row() != before.row()) emit cardFocused(model_->ulasAt(now.row()));
            if (now.column() != before.column() && (now.column() == kNameColumn) != nameOrder())
              columnEntered(now.column());
          });
  showSearchText();
}

bool TfrmKayitArama::nameOrder() const { return model_->source().sira() == KartSirasi::Ad; }

long long TfrmKayitArama::sec(orv::Session& session, QWidget* parent, long long startUlas) {
  TfrmKayitArama dialog(session, parent);
  if (startUlas) dialog.focusCard(startUlas);
  dialog.view()->setFocus();
  return dialog.exec() == QDialog::Accepted ? dialog.chosenUlas() : 0;
}

void TfrmKayitArama::focusRow(int row) {
  if (row < 0 || row >= model_->rowCount()) return;
  const int column = std::max(0, view_->currentIndex().column());
  view_->setCurrentIndex(model_->index(row, column));
  view_->scrollTo(view_->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void TfrmKayitArama::focusCard(long long ulas) { focusRow(model_->source().indexOf(ulas)); }

long long TfrmKayitArama::focusedUlas() const { return model_->ulasAt(view_->currentIndex().row()); }

void TfrmKayitArama::acceptFocused() {
  chosen_ = focusedUlas();
  if (chosen_) accept();
}

void TfrmKayitArama::chooseDepartment(int index) {
  if (department_->currentIndex() != index) department_->setCurrentIndex(index);
  const long long keep = focusedUlas();
  std::string code;
  if (index > 0) {
    const std::string entry = department_->itemText(index).toStdString();
    code = entry.substr(0, entry.find('='));
  }
  model_->reload(model_->source().sira(), code);
  const int at = model_->source().indexOf(keep);
  focusRow(at >= 0 ? at : 0);
}

void TfrmKayitArama::columnEntered(int column) {
  const long long keep = focusedUlas();
  model_->reload(column == kNameColumn ? KartSirasi::Ad : KartSirasi::Kod, model_->source().bolumFiltresi());
  search_.clear();
  showSearchText();
  const int at = model_->source().indexOf(keep);
  view_->setCurrentIndex(model_->index(std::max(at, 0), column));
  view_->scrollTo(view_->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void TfrmKayitArama::typeText(const QString& text) {
  for (const QChar c : text) search_ = orv::assets::aramaMetnineEkle(search_, QString(c).toStdString());
  searchNow();
}

void TfrmKayitArama::backspace() {
  search_ = orv::assets::aramaGeriSil(search_);
  searchNow();
}

void TfrmKayitArama::clearSearch() {
  search_.clear();
  showSearchText();
}

void TfrmKayitArama::searchNow() {
  showSearchText();
  auto& src = model_->source();
  int at;
  if (nameOrder()) {
    at = src.enYakinAd(search_);
  } else {
    const auto key = orv::assets::kodAnahtari(search_, src.bolumFiltresi(), session_.company.accountGroupSeparator);
    at = src.enYakinKod(key.bolum, key.kod);
  }
  focusRow(at);
}

void TfrmKayitArama::showSearchText() {
  QString html;
  if (nameOrder()) {
    html = qs(search_).toHtmlEscaped();
  } else {
    const size_t star = search_.find('*');
    const std::string before = star == std::string::npos ? search_ : search_.substr(0, star + 1);
    const std::string after = star == std::string::npos ? "" : search_.substr(star + 1);
    const bool masked = !model_->source().bolumFiltresi().empty();
    html = qs(masked ? orv::assets::maskeliKod(session_, before) : before).toHtmlEscaped();
    if (!after.empty())
      html += "<span style='background: yellow'>" + qs(orv::assets::maskeliKod(session_, after)).toHtmlEscaped() + "</span>";
  }
  searchBox_->setText(html.isEmpty() ? " " : html);
}

bool TfrmKayitArama::eventFilter(QObject* watched, QEvent* event) {
  if (watched != view_ || event->type() != QEvent::KeyPress) return TfrmGenMain::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  switch (key->key()) {
    case Qt::Key_Return: case Qt::Key_Enter: acceptFocused(); return true;
    case Qt::Key_Escape: reject(); return true;
    case Qt::Key_Backspace: backspace(); return true;
    case Qt::Key_Delete: clearSearch(); return true;
    default: break;
  }
  const QString text = key->text();
  if (!text.isEmpty() && text.at(0).isPrint() && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    typeText(text);
    return true;
  }
  return TfrmGenMain::eventFilter(watched, event);
}
