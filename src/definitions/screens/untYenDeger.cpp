#include "definitions/screens/untYenDeger.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "definitions/revaluation_rates.h"
#include "definitions/screens/rate_models.h"
#include "definitions/screens/rate_screens_common.h"

using namespace orv;
using namespace orv::screens;

TfrmYenDeger::TfrmYenDeger(Session& session, QWidget* parent, Prompter* prompter)
    : QDialog(parent), session_(session) {
  if (!prompter) ownPrompter_ = std::make_unique<BoxPrompter>(this);
  prompter_ = prompter ? prompter : ownPrompter_.get();
  model_ = std::make_unique<RevaluationModel>(session_, *prompter_);
  setWindowTitle("Yeniden Değerlendirme Tablosu");
  buildLayout();
  setSeriesIndex(0);
  resize(480, 400);
}

TfrmYenDeger::~TfrmYenDeger() = default;

void TfrmYenDeger::open(Session& session, QWidget* parent) {
  if (!session.hasRight(definitions::kRightRevaluationTable)) {
    BoxPrompter(parent).message(MessageKind::Error,
                                "Programda Bu İşlemi Yapmaya Yetkili Değilsiniz");
    return;
  }
  TfrmYenDeger screen(session, parent);
  screen.exec();
}

void TfrmYenDeger::buildLayout() {
  series_ = new QComboBox(this);
  series_->addItems({"Yıllık", "3 Aylık", "Aylık"});
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel("Yeniden Değerleme Tablo Değer Türü :", this));
  top->addWidget(series_);
  top->addStretch();

  view_ = new QTableView(this);
  view_->setModel(model_.get());
  view_->verticalHeader()->hide();
  view_->verticalHeader()->setDefaultSectionSize(22);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setStyleSheet("QTableView::item:selected { background: navy; color: white; }");
  view_->setColumnWidth(0, 100);
  view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

  auto* btTamam = new QPushButton("Tamam", this);
  btEkle_ = new QPushButton("Ekle", this);
  btSil_ = new QPushButton("Sil", this);
  const bool editable = session_.hasRight(definitions::kRightChangeRevaluationTable);
  btEkle_->setEnabled(editable);
  btSil_->setEnabled(editable);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (auto* b : {btTamam, btEkle_, btSil_}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(view_, 1);
  layout->addLayout(buttons);

  connect(series_, &QComboBox::currentIndexChanged, this, &TfrmYenDeger::setSeriesIndex);
  connect(btTamam, &QPushButton::clicked, this, &QDialog::accept);
  connect(btEkle_, &QPushButton::clicked, this, &TfrmYenDeger::add);
  connect(btSil_, &QPushButton::clicked, this, &TfrmYenDeger::removeCurrent);
}

void TfrmYenDeger::setSeriesIndex(int index) {
  if (series_->currentIndex() != index) series_->setCurrentIndex(index);  // comes back here
  view_->closePersistentEditor(view_->currentIndex());
  model_->setSeries(definitions::seriesLetter(index));
}

void TfrmYenDeger::add() {
  view_->setFocus();  // posts a pending edit
  auto added = definitions::addRevaluationRate(session_, model_->series());
  if (!added) return prompter_->message(MessageKind::Error, added.message());
  model_->reload();
  const int row = model_->rowOf(*added);
  view_->setCurrentIndex(model_->index(row, 0));
  view_->edit(view_->currentIndex());
}

void TfrmYenDeger::removeCurrent() {
  view_->setFocus();
  const long long ulas = model_->ulasAt(view_->currentIndex().row());
  if (ulas == 0) return;
  if (Status s = definitions::deleteRevaluationRate(session_, ulas); !s)
    return prompter_->message(MessageKind::Error, s.message());
  const int row = view_->currentIndex().row();
  model_->reload();
  view_->setCurrentIndex(model_->index(std::min(row, model_->rowCount() - 1), 0));
}

void TfrmYenDeger::done(int result) {
  view_->setFocus();  // a pending edit is posted before the screen closes
  QDialog::done(result);
}
