#include "users/screens/untLogin.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/screens/message_prompter.h"

TfrmLogin::TfrmLogin(orv::db::Database& root, QWidget* parent)
    : QDialog(parent), root_(root), attempts_(root) {
  setWindowTitle("Programa Giriş");
  userBox_ = new QComboBox(this);
  userBox_->setEditable(true);
  userBox_->setInsertPolicy(QComboBox::NoInsert);
  if (auto names = orv::users::userNames(root))
    for (const std::string& n : *names) userBox_->addItem(QString::fromStdString(n));
  userBox_->setCurrentIndex(-1);
  passwordBox_ = new QLineEdit(this);
  passwordBox_->setEchoMode(QLineEdit::Password);
  passwordBox_->setMaxLength(20);
  btGiris_ = new QPushButton("Giriş", this);
  auto* btKapat = new QPushButton("Kapat", this);

  auto* title = new QLabel("Orvan Sabit Kıymetler Programı", this);
  title->setStyleSheet("font-weight: bold; font-size: 14pt; color: navy;");
  auto* form = new QFormLayout;
  form->addRow("Kullanıcı Adı:", userBox_);
  form->addRow("Şifresi:", passwordBox_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btGiris_);
  buttons->addWidget(btKapat);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addLayout(form);
  layout->addLayout(buttons);
  setMinimumWidth(360);

  for (QWidget* w : {static_cast<QWidget*>(userBox_), static_cast<QWidget*>(passwordBox_)}) {
    w->installEventFilter(this);
    w->setStyleSheet("QComboBox:focus, QLineEdit:focus { background: aqua; }");
  }
  userBox_->lineEdit()->installEventFilter(this);
  connect(btGiris_, &QPushButton::clicked, this, &TfrmLogin::giris);
  connect(btKapat, &QPushButton::clicked, this, &QDialog::reject);
}

bool TfrmLogin::tryCommandLine(const std::string& user, const std::string& password) {
  const int index = userBox_->findText(QString::fromStdString(user), Qt::MatchExactly);
  if (index < 0) return false;  // not in the list: the form is shown as usual
  userBox_->setCurrentIndex(index);
  auto r = orv::users::login(root_, user, password);
  if (!r) return false;
  user_ = *r;
  return true;
}

void TfrmLogin::warn(const char* text) {
  if (!isVisible()) return;
  QMessageBox::warning(this, "Uyarı", MessagePrompter::display(text));
}

void TfrmLogin::giris() {
  const std::string name = userBox_->currentText().toStdString();
  auto r = attempts_.tryLogin(name, passwordBox_->text().toStdString());
  if (r) {
    user_ = *r;
    accept();
    return;
  }
  if (orv::users::isUnknownUser(r.status())) {
    warn(orv::users::kUnknownUserText);
    userBox_->setFocus();
    if (isVisible()) userBox_->showPopup();
    return;
  }
  if (attempts_.exhausted()) {
    reject();
    return;
  }
  if (orv::users::isWrongPassword(r.status())) {
    warn(orv::users::kWrongPasswordText);
  } else if (isVisible()) {
    QMessageBox::critical(this, "Hata", QString::fromStdString(r.message()));
  }
  passwordBox_->clear();
  passwordBox_->setFocus();
}

// Enter in the user box moves to the password; Enter in the password box logs in.
bool TfrmLogin::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (watched == passwordBox_) {
        giris();
      } else {
        passwordBox_->setFocus();
      }
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}
