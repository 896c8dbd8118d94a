#include "users/screens/untYoneticiTanimla.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "users/user_admin.h"

TfrmYoneticiTanimla::TfrmYoneticiTanimla(orv::db::Database& root, QWidget* parent)
    : QDialog(parent), root_(root) {
  setWindowTitle("Yönetici Tanımlama");
  auto* intro = new QLabel(
      "Bu veri klasöründe henüz kullanıcı tanımlı değil.\n"
      "Programın tüm yetkilerine sahip yönetici kullanıcıyı oluşturunuz.", this);
  user_ = new QLineEdit(this);
  user_->setMaxLength(20);
  fullName_ = new QLineEdit(this);
  fullName_->setMaxLength(50);
  password_ = new QLineEdit(this);
  repeat_ = new QLineEdit(this);
  for (QLineEdit* p : {password_, repeat_}) {
    p->setEchoMode(QLineEdit::Password);
    p->setMaxLength(20);
  }
  error_ = new QLabel(this);
  error_->setStyleSheet("color: #b00000;");
  error_->setWordWrap(true);
  auto* form = new QFormLayout;
  form->addRow("Kullanıcı Adı:", user_);
  form->addRow("Adı Soyadı:", fullName_);
  form->addRow("Şifresi:", password_);
  form->addRow("Şifre (Tekrar):", repeat_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText("Tamam");
  buttons->button(QDialogButtonBox::Cancel)->setText("Vazgeç");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(form);
  layout->addWidget(error_);
  layout->addWidget(buttons);
  setMinimumWidth(420);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (save()) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString TfrmYoneticiTanimla::lastError() const { return error_->text(); }

bool TfrmYoneticiTanimla::save() {
  if (password_->text() != repeat_->text()) {
    error_->setText("Girilen şifreler birbirini tutmuyor.");
    repeat_->clear();
    repeat_->setFocus();
    return false;
  }
  orv::users::NewUser u;
  u.userName = user_->text().trimmed().toStdString();
  u.fullName = fullName_->text().trimmed().toStdString();
  u.password = password_->text().toStdString();
  u.createdBy = "orvdemirbas";
  auto r = orv::users::addAdministrator(root_, u);
  if (!r) {
    error_->setText(QString::fromStdString(r.message()));
    return false;
  }
  created_ = QString::fromStdString(u.userName);
  return true;
}
