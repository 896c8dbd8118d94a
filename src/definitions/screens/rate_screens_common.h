// What the two rate screens share: message boxes for the core's Turkish texts, and the
// formatting settings of the parameters.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QWidget>

#include "app/prompter.h"
#include "app/session.h"
#include "common/format.h"

namespace orv::screens {

// Modal message boxes; the screens' tests pass a recording prompter instead.
class BoxPrompter : public Prompter {
 public:
  explicit BoxPrompter(QWidget* parent) : parent_(parent) {}
  void message(MessageKind kind, const std::string& text) override {
    const QString t = QString::fromStdString(text);
    switch (kind) {
      case MessageKind::Error:
        QMessageBox::critical(parent_, "Hata", t);
        break;
      case MessageKind::Warning:
        QMessageBox::warning(parent_, "Uyarı", t);
        break;
      default:
        QMessageBox::information(parent_, "Bilgi", t);
        break;
    }
  }
  Answer confirm(MessageKind, const std::string& text, bool withCancel) override {
    auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel) buttons |= QMessageBox::Cancel;
    const auto b = QMessageBox::question(parent_, "Onay", QString::fromStdString(text), buttons);
    return b == QMessageBox::Yes ? Answer::Yes : b == QMessageBox::No ? Answer::No : Answer::Cancel;
  }

 private:
  QWidget* parent_;
};


inline QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace orv::screens
