#include "definitions/screens/untDoviz.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "definitions/currency_rates.h"
#include "definitions/screens/rate_models.h"
#include "definitions/screens/rate_screens_common.h"

using namespace orv;
using namespace orv::screens;

namespace {

// Rate cells: the indicator image after the right-aligned number.
class RateDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->decorationPosition = QStyleOptionViewItem::Right;
  }
};

// The date box's text: "dd.mm.yyyy", the form its input mask takes.
QString dateBoxText(Date d) {
  FormatSettings fs;
  fs.date = '.';
  return qs(formatDate("dd/mm/yyyy", d, fs));
}

QTableView* makeGrid(QWidget* parent) {
  auto* v = new QTableView(parent);
  v->setSelectionBehavior(QAbstractItemView::SelectItems);
  v->setSelectionMode(QAbstractItemView::SingleSelection);
  v->verticalHeader()->hide();
  v->verticalHeader()->setDefaultSectionSize(22);
  v->setStyleSheet("QTableView::item:selected { background: navy; color: white; }");
  v->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                     QAbstractItemView::AnyKeyPressed);
  return v;
}

}  // namespace

TfrmDoviz::TfrmDoviz(Session& session, QWidget* parent, Prompter* prompter)
    : QDialog(parent), session_(session) {
  if (!prompter) ownPrompter_ = std::make_unique<BoxPrompter>(this);
  prompter_ = prompter ? prompter : ownPrompter_.get();
  rates_ = std::make_unique<DailyRatesModel>(session_);
  currencies_ = std::make_unique<CurrencyModel>(session_, *prompter_);
  setWindowTitle("Döviz Bilgileri");
  buildLayout();
  currencies_->reload();
  setDateText(dateBoxText(Date::today()));
  resize(460, 420);
}

TfrmDoviz::~TfrmDoviz() = default;

void TfrmDoviz::open(Session& session, QWidget* parent) {
  if (!session.hasRight(definitions::kRightCurrencyRates)) {
    BoxPrompter(parent).message(MessageKind::Error,
                                "Programda Bu İşlemi Yapmaya Yetkili Değilsiniz");
    return;
  }
  TfrmDoviz screen(session, parent);
  screen.exec();
}

void TfrmDoviz::buildLayout() {
  auto* btKapat = new QPushButton("Kapat", this);
  btSakla_ = new QPushButton("Sakla", this);
  auto* btCagir = new QPushButton("Çağır", this);
  btDovizler_ = new QPushButton("Dövizler", this);
  btDovizler_->setCheckable(true);
  btSakla_->setEnabled(session_.hasRight(definitions::kRightChangeCurrencyRates));
  for (auto* b : {btKapat, btSakla_, btCagir, btDovizler_}) b->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  for (auto* b : {btKapat, btSakla_, btCagir, btDovizler_}) buttons->addWidget(b);
  buttons->addStretch();

  dateEdit_ = new QLineEdit(this);
  dateEdit_->setInputMask("99.99.9999");
  dateEdit_->setFixedWidth(90);
  dateEdit_->installEventFilter(this);
  auto* back = new QPushButton("◀", this);
  auto* forward = new QPushButton("▶", this);
  for (auto* b : {back, forward}) {
    b->setFixedWidth(28);
    b->setAutoDefault(false);
  }
  weekday_ = new QLabel(this);
  weekday_->setStyleSheet("color: navy; font-weight: bold;");
  auto* dateRow = new QHBoxLayout;
  dateRow->addWidget(new QLabel("Tarih:", this));
  dateRow->addWidget(dateEdit_);
  dateRow->addWidget(back);
  dateRow->addWidget(forward);
  dateRow->addWidget(weekday_);
  dateRow->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addLayout(dateRow);
  layout->addWidget(buildGrids(), 1);
  layout->addWidget(buildStatusBar());

  connect(btKapat, &QPushButton::clicked, this, &QDialog::reject);
  connect(btSakla_, &QPushButton::clicked, this, &TfrmDoviz::save);
  connect(btCagir, &QPushButton::clicked, this, &TfrmDoviz::load);
  connect(btDovizler_, &QPushButton::toggled, this, &TfrmDoviz::setCurrenciesShown);
  connect(back, &QPushButton::clicked, this, [this] { moveDay(-1); });
  connect(forward, &QPushButton::clicked, this, [this] { moveDay(1); });
  connect(dateEdit_, &QLineEdit::textEdited, this, &TfrmDoviz::dateEdited);
  connect(ratesView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &TfrmDoviz::showPrevious);
}

// The rate grid and the currency grid, one shown at a time.
QWidget* TfrmDoviz::buildGrids() {
  ratesView_ = makeGrid(this);
  ratesView_->setModel(rates_.get());
  ratesView_->setItemDelegate(new RateDelegate(ratesView_));
  ratesView_->setColumnHidden(DailyRatesModel::Code, true);
  ratesView_->setColumnWidth(DailyRatesModel::Name, 130);
  ratesView_->setColumnWidth(DailyRatesModel::Buy, 120);
  ratesView_->horizontalHeader()->setStretchLastSection(true);
  currencyView_ = makeGrid(this);
  currencyView_->setModel(currencies_.get());
  currencyView_->setColumnWidth(1, 200);
  currencyView_->horizontalHeader()->setStretchLastSection(true);
  currencyView_->installEventFilter(this);
  stack_ = new QStackedWidget(this);
  stack_->addWidget(ratesView_);
  stack_->addWidget(currencyView_);
  return stack_;
}

// "Önceki Gün:" and the previous buying and selling rate of the selected currency.
QStatusBar* TfrmDoviz::buildStatusBar() {
  auto* status = new QStatusBar(this);
  status->setSizeGripEnabled(false);
  status->setMinimumHeight(26);
  previousBuy_ = new QLabel(this);
  previousSell_ = new QLabel(this);
  status->addWidget(new QLabel("Önceki Gün:", this));
  status->addWidget(previousBuy_, 1);
  status->addWidget(previousSell_, 1);
  return status;
}

void TfrmDoviz::setDateText(const QString& text) {
  dateEdit_->setText(text);
  dateEdited();
}

// A valid date loads its rates and shows its weekday; an invalid one empties the rate cells.
void TfrmDoviz::dateEdited() {
  const auto d = Date::parse(dateEdit_->text().toStdString());
  if (!d) {
    date_ = Date();
    weekday_->setText("-");
    rates_->clearRates();
    clearPrevious();
    return;
  }
  date_ = *d;
  weekday_->setText(qs(formatDate("dddd", date_, formatSettings(session_.values))));
  load();
}

QString TfrmDoviz::weekdayText() const { return weekday_->text(); }

void TfrmDoviz::moveDay(int days) {
  if (date_.isNull()) return;
  setDateText(dateBoxText(date_.addDays(days)));
}

void TfrmDoviz::load() {
  if (date_.isNull() || !session_.parameterDb) return;
  try {
    const bool editable = session_.hasRight(definitions::kRightChangeCurrencyRates);
    rates_->setRates(definitions::loadDailyRates(*session_.parameterDb, date_), editable);
  } catch (const db::DbError& e) {
    prompter_->message(MessageKind::Error, std::string("Döviz kurları okunamadı: ") + e.what());
  }
  showPrevious();
}

void TfrmDoviz::save() {
  if (!session_.hasRight(definitions::kRightChangeCurrencyRates) || date_.isNull()) return;
  auto saved = definitions::saveDailyRates(session_, date_, rates_->entries());
  if (!saved) {
    prompter_->message(MessageKind::Error, saved.message());
    return;
  }
  prompter_->message(MessageKind::Information, definitions::kDailyRatesSaved);
  load();
}

void TfrmDoviz::setCurrenciesShown(bool on) {
  if (btDovizler_->isChecked() != on) btDovizler_->setChecked(on);  // comes back here
  if (on == currenciesShown()) return;
  if (on) {
    currencies_->reload();
    stack_->setCurrentWidget(currencyView_);
  } else {
    stack_->setCurrentWidget(ratesView_);
    load();  // the rate grid is rebuilt from the currency table
  }
}

bool TfrmDoviz::currenciesShown() const { return stack_->currentWidget() == currencyView_; }

void TfrmDoviz::showPrevious() {
  const auto* k = rates_->rateAt(ratesView_->currentIndex().row());
  if (!k) return clearPrevious();
  previousBuy_->setText(rates_->amountText(k->oncekiAlis));
  previousSell_->setText(rates_->amountText(k->oncekiSatis));
}

void TfrmDoviz::clearPrevious() {
  previousBuy_->clear();
  previousSell_->clear();
}

QString TfrmDoviz::previousText() const {
  return previousBuy_->text() + " / " + previousSell_->text();
}

void TfrmDoviz::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && currenciesShown()) {
    setCurrenciesShown(false);
    return;
  }
  QDialog::keyPressEvent(event);
}

bool TfrmDoviz::eventFilter(QObject* watched, QEvent* event) {
  if (watched == dateEdit_ && event->type() == QEvent::FocusIn) clearPrevious();
  if (watched == currencyView_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Insert) {
      currencies_->appendBlank();
      currencyView_->setCurrentIndex(currencies_->index(currencies_->rowCount() - 1, 0));
      return true;
    }
    if (key->key() == Qt::Key_Delete && (key->modifiers() & Qt::ControlModifier)) {
      const int row = currencyView_->currentIndex().row();
      if (row >= 0 && prompter_->confirm(MessageKind::Confirmation,
                                         "Seçili döviz tanımı silinsin mi?") == Answer::Yes)
        currencies_->removeCurrency(row);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}
