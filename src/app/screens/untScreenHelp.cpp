#include "app/screens/untScreenHelp.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

TFrmScreenHelp::TFrmScreenHelp(const QString& file, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Görüntülü Yardım Kılavuzu");
  file_ = new QLineEdit(file, this);
  auto* browse = new QPushButton("...", this);
  browse->setFixedWidth(30);
  auto* row = new QHBoxLayout;
  row->addWidget(file_);
  row->addWidget(browse);
  auto* btRun = new QPushButton("Çalıştır", this);
  auto* btClose = new QPushButton("Kapat", this);
  auto* btCodec = new QPushButton("Codec Yükle", this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btCodec);
  buttons->addStretch();
  buttons->addWidget(btRun);
  buttons->addWidget(btClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Görüntülü Yardım Dosyası Yolu", this));
  layout->addLayout(row);
  layout->addLayout(buttons);
  setMinimumWidth(460);
  connect(browse, &QPushButton::clicked, this, [this] {
    const QString f = QFileDialog::getOpenFileName(this, "Görüntülü Yardım Dosyası Yolu",
                                                   file_->text(), "*.avi");
    if (!f.isEmpty()) file_->setText(f);
  });
  connect(btRun, &QPushButton::clicked, this, &TFrmScreenHelp::calistir);
  connect(btClose, &QPushButton::clicked, this, &QDialog::accept);
  connect(btCodec, &QPushButton::clicked, this, [this] {
    QMessageBox::information(this, "Bilgi",
                             "Codec yüklemek gerekmez: video, masaüstünün varsayılan "
                             "oynatıcısıyla açılır.");
  });
}

QString TFrmScreenHelp::file() const { return file_->text(); }

void TFrmScreenHelp::calistir() {
  if (!QFileInfo(file_->text()).isFile()) return;  // a file that does not exist: nothing
  if (QDesktopServices::openUrl(QUrl::fromLocalFile(file_->text()))) {
    accept();
    return;
  }
  QMessageBox::warning(this, "Uyarı",
                       "Görüntülü Yardım Kılavuzu Çalıştırılamadı.\n Lütfen Video Klibi "
                       "Çalıştırabilecek Gerekli Video Kodunu \n Bilgisayarınıza Yükleyiniz\n");
}
