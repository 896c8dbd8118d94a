#include "app/screens/untBarOptions.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
void paintSwatch(QPushButton* b, const QColor& c) {
  b->setStyleSheet(QString("background: %1; min-width: 60px;").arg(c.name()));
}
}  // namespace

TfrmBarOptions::TfrmBarOptions(const SideBarLook& look, QWidget* parent)
    : QDialog(parent), look_(look) {
  setWindowTitle("Bar Seçenekleri");
  begin_ = new QPushButton(this);
  end_ = new QPushButton(this);
  fillStyle_ = new QComboBox(this);
  fillStyle_->addItems({"Horz", "None", "Vert"});
  fillStep_ = new QSpinBox(this);
  fillStep_->setRange(1, 255);
  picture_ = new QLabel(this);
  auto* load = new QPushButton("Yükle", this);
  auto* clear = new QPushButton("Sil", this);
  groupFont_ = new QLabel(this);
  itemFont_ = new QLabel(this);
  auto* groupFontButton = new QPushButton("...", this);
  auto* itemFontButton = new QPushButton("...", this);
  border_ = new QComboBox(this);
  border_->addItems({"None", "Single"});
  paint_ = new QComboBox(this);
  paint_->addItems({"Flat", "Standard"});
  selectable_ = new QCheckBox("Seçilebilir", this);

  auto row = [this](QWidget* a, QWidget* b, QWidget* c = nullptr) {
    auto* h = new QHBoxLayout;
    h->addWidget(a, 1);
    h->addWidget(b);
    if (c) h->addWidget(c);
    return h;
  };
  auto* form = new QFormLayout;
  form->addRow("Başlangıç Rengi:", begin_);
  form->addRow("Bitiş Rengi:", end_);
  form->addRow("Dolgu Şekli:", fillStyle_);
  form->addRow("Dolgu Adımı:", fillStep_);
  form->addRow("Arka Plan Resmi:", row(picture_, load, clear));
  form->addRow("Grup Yazı Tipi:", row(groupFont_, groupFontButton));
  form->addRow("Eleman Yazı Tipi:", row(itemFont_, itemFontButton));
  form->addRow("Kenar Çizgisi:", border_);
  form->addRow("Görünüm:", paint_);
  form->addRow(selectable_);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("Tamam", QDialogButtonBox::AcceptRole);
  buttons->addButton("Vazgeç", QDialogButtonBox::RejectRole);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  setMinimumWidth(420);

  connect(begin_, &QPushButton::clicked, this, [this] {
    const QColor c = QColorDialog::getColor(look_.beginColor, this);
    if (c.isValid()) { look_.beginColor = c; paintSwatch(begin_, c); }
  });
  connect(end_, &QPushButton::clicked, this, [this] {
    const QColor c = QColorDialog::getColor(look_.endColor, this);
    if (c.isValid()) { look_.endColor = c; paintSwatch(end_, c); }
  });
  connect(load, &QPushButton::clicked, this, [this] {
    const QString f = QFileDialog::getOpenFileName(this, "Resim", {},
                                                   "Resimler (*.bmp *.ico *.emf *.wmf)");
    if (!f.isEmpty()) { look_.picture = f; picture_->setText(f); }
  });
  connect(clear, &QPushButton::clicked, this, [this] { look_.picture.clear(); picture_->clear(); });
  connect(groupFontButton, &QPushButton::clicked, this, [this] {
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, look_.groupFont, this);
    if (ok) { look_.groupFont = f; groupFont_->setText(fontText(f)); }
  });
  connect(itemFontButton, &QPushButton::clicked, this, [this] {
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, look_.itemFont, this);
    if (ok) { look_.itemFont = f; itemFont_->setText(fontText(f)); }
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  showLook();
}

QString TfrmBarOptions::fontText(const QFont& f) {
  return f.family() + " (" + QString::number(f.pointSize()) + ")";
}

void TfrmBarOptions::showLook() {
  paintSwatch(begin_, look_.beginColor);
  paintSwatch(end_, look_.endColor);
  fillStyle_->setCurrentText(look_.fillStyle);
  fillStep_->setValue(look_.fillStep);
  picture_->setText(look_.picture);
  groupFont_->setText(fontText(look_.groupFont));
  itemFont_->setText(fontText(look_.itemFont));
  border_->setCurrentText(look_.borderStyle);
  paint_->setCurrentText(look_.paintStyle);
  selectable_->setChecked(look_.selectable);
}

SideBarLook TfrmBarOptions::look() const {
  SideBarLook l = look_;
  l.fillStyle = fillStyle_->currentText();
  l.fillStep = fillStep_->value();
  l.borderStyle = border_->currentText();
  l.paintStyle = paint_->currentText();
  l.selectable = selectable_->isChecked();
  return l;
}
