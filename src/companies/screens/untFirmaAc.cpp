#include "companies/screens/untFirmaAc.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// Column widths are kept while the program runs.
int gWidths[3] = {85, 310, 110};
}  // namespace

TfrmFirmaAc::TfrmFirmaAc(const std::vector<orv::companies::CompanyRow>& rows, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Tanımlı Firmalar");
  setMinimumSize(260, 100);
  list_ = new QTreeWidget(this);
  list_->setRootIsDecorated(false);
  list_->setHeaderLabels({"Firma Adı", "Ünvanı", "Muhasebe Firması"});
  list_->setStyleSheet("QTreeWidget::item:selected { background: navy; color: white; }");
  const QColor backs[3] = {QColor(0xDD, 0xFF, 0xDD), QColor(0xFF, 0xFF, 0xD9),
                           QColor(0xD5, 0xFF, 0xFF)};
  for (const auto& r : rows) {
    auto* item = new QTreeWidgetItem(list_, {QString::fromStdString(r.name()),
                                             QString::fromStdString(r.get("Unvan")),
                                             QString::fromStdString(r.get("Yil"))});
    for (int c = 0; c < 3; ++c) item->setBackground(c, backs[c]);
  }
  for (int c = 0; c < 3; ++c) list_->setColumnWidth(c, gWidths[c]);
  if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
  auto* btCagir = new QPushButton("Çağır", this);
  auto* btVazgec = new QPushButton("Vazgeç", this);
  btCagir->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btCagir);
  buttons->addWidget(btVazgec);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  resize(560, 320);
  connect(btCagir, &QPushButton::clicked, this, &QDialog::accept);
  connect(btVazgec, &QPushButton::clicked, this, &QDialog::reject);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
}

std::string TfrmFirmaAc::chosenName() const {
  if (result() != QDialog::Accepted || !list_->currentItem()) return {};
  return list_->currentItem()->text(0).toStdString();
}

void TfrmFirmaAc::done(int result) {
  for (int c = 0; c < 3; ++c) gWidths[c] = list_->columnWidth(c);
  QDialog::done(result);
}
