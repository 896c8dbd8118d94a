// The first start of a data root without users: the administrator is created here (user
// name, full name, password twice) and receives every right of the program.
#pragma once

#include <QDialog>

#include "data/database.h"

class QLineEdit;
class QLabel;

class TfrmYoneticiTanimla : public QDialog {
  Q_OBJECT

 public:
  TfrmYoneticiTanimla(orv::db::Database& root, QWidget* parent = nullptr);
  QString createdUser() const { return created_; }
  // For tests: the boxes, and the save that "Tamam" runs (true when the user was made).
  QLineEdit* userBox() const { return user_; }
  QLineEdit* fullNameBox() const { return fullName_; }
  QLineEdit* passwordBox() const { return password_; }
  QLineEdit* repeatBox() const { return repeat_; }
  bool save();
  QString lastError() const;

 private:
  orv::db::Database& root_;
  QLineEdit* user_;
  QLineEdit* fullName_;
  QLineEdit* password_;
  QLineEdit* repeat_;
  QLabel* error_;
  QString created_;
};
