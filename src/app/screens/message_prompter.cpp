#include "app/screens/message_prompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon iconOf(orv::MessageKind kind) {
  switch (kind) {
    case orv::MessageKind::Warning: return QMessageBox::Warning;
    case orv::MessageKind::Error: return QMessageBox::Critical;
    case orv::MessageKind::Confirmation: return QMessageBox::Question;
    default: return QMessageBox::Information;
  }
}

QString titleOf(orv::MessageKind kind) {
  switch (kind) {
    case orv::MessageKind::Warning: return "Uyarı";
    case orv::MessageKind::Error: return "Hata";
    case orv::MessageKind::Confirmation: return "Onay";
    default: return "Bilgi";
  }
}

}  // namespace

QString MessagePrompter::display(const std::string& text) {
  QString t = QString::fromStdString(text);
  t.replace("\r\n", "\n");
  t.replace('\r', '\n');
  return t;
}

void MessagePrompter::message(orv::MessageKind kind, const std::string& text) {
  QMessageBox box(iconOf(kind), titleOf(kind), display(text), QMessageBox::Ok, parent_);
  box.exec();
}

orv::Answer MessagePrompter::confirm(orv::MessageKind kind, const std::string& text,
                                     bool withCancel) {
  auto buttons = QMessageBox::Yes | QMessageBox::No;
  if (withCancel) buttons |= QMessageBox::Cancel;
  QMessageBox box(iconOf(kind), titleOf(kind), display(text), buttons, parent_);
  box.button(QMessageBox::Yes)->setText("Evet");
  box.button(QMessageBox::No)->setText("Hayır");
  if (withCancel) box.button(QMessageBox::Cancel)->setText("Vazgeç");
  switch (box.exec()) {
    case QMessageBox::Yes: return orv::Answer::Yes;
    case QMessageBox::No: return orv::Answer::No;
    default: return orv::Answer::Cancel;
  }
}
