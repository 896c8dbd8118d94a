// TfrmLogin ("Programa Giriş"): user name from the users of the root folder, password, three
// tries. The user list is read when the form is created, so the command-line login works
// without the form ever being shown.
#pragma once

#include <QDialog>
#include <optional>

#include "app/session.h"
#include "users/login.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class TfrmLogin : public QDialog {
  Q_OBJECT

 public:
  TfrmLogin(orv::db::Database& root, QWidget* parent = nullptr);

  // Checks the command-line user and password once; true when they log in.
  bool tryCommandLine(const std::string& user, const std::string& password);
  // The user of a successful login.
  const std::optional<orv::KullaniciBilgileri>& user() const { return user_; }
  // For tests: the boxes and the button.
  QComboBox* userBox() const { return userBox_; }
  QLineEdit* passwordBox() const { return passwordBox_; }
  QPushButton* loginButton() const { return btGiris_; }

  void giris();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void warn(const char* text);

  orv::db::Database& root_;
  orv::users::LoginAttempts attempts_;
  std::optional<orv::KullaniciBilgileri> user_;
  QComboBox* userBox_;
  QLineEdit* passwordBox_;
  QPushButton* btGiris_;
};
