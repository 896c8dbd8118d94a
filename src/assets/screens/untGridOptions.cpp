#include "assets/screens/untGridOptions.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

TfrmGridOptions::TfrmGridOptions(Parts current, std::function<void(const Parts&)> apply, QWidget* parent)
    : TfrmGenMain(parent), apply_(std::move(apply)) {
  setWindowTitle("Görünüm Özellikleri");
  auto* layout = new QVBoxLayout(this);
  previews_ = new QCheckBox("Açıklama Satırlarını Göster");
  bands_ = new QCheckBox("Grup Başlıklarını Göster");
  headers_ = new QCheckBox("Başlıkları Göster");
  previews_->setChecked(current.previews);
  bands_->setChecked(current.bands);
  headers_->setChecked(current.headers);
  for (QCheckBox* box : {previews_, bands_, headers_}) {
    layout->addWidget(box);
    connect(box, &QCheckBox::toggled, this, &TfrmGridOptions::changed);
  }
  auto* ok = new QPushButton("&Tamam");
  layout->addWidget(ok, 0, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmGridOptions::changed() {
  apply_({previews_->isChecked(), bands_->isChecked(), headers_->isChecked()});
}
