// The small panel " Sabit Kıymetin Yeni Bölüm ve Kodu " of the card and the browser: a new
// department and a new code in the asset code mask, "&Değiştir" and a close button. It closes
// when it loses the focus.
#pragma once

#include <QFrame>

#include "app/session.h"

class QComboBox;
class QLineEdit;

class CodeChangePanel : public QFrame {
  Q_OBJECT

 public:
  CodeChangePanel(orv::Session& session, QWidget* parent);
  // Shows the panel preset to a department and code (both may be empty) and focuses the code.
  void open(const std::string& department, const std::string& code);
  std::string department() const;
  std::string code() const;         // without separators
  std::string typedCode() const;    // as typed
  QComboBox* departmentBox() const { return department_; }
  QLineEdit* codeEdit() const { return code_; }

 signals:
  void changeRequested();

 private:
  orv::Session& session_;
  QComboBox* department_ = nullptr;
  QLineEdit* code_ = nullptr;
};

// The asset code mask as an input mask of a line edit: "9" digits optional, separators kept.
QString assetInputMask(const orv::Session& session);
// Fills a box with the entries "code=description" of a code list.
void fillCodeBox(QComboBox* box, const std::vector<std::string>& entries);
// Selects the entry whose code is `code`; an unknown code selects nothing.
void selectCode(QComboBox* box, const std::string& code);
std::string codeOf(const QComboBox* box);
// The code of a masked edit as typed, without the separators left after the last character.
std::string maskedText(const QLineEdit* edit);
