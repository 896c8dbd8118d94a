#include "app/screens/untGenMain.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// Controls that use Enter and the arrow keys themselves.
bool takesKeys(QWidget* w, int key) {
  if (!w) return false;
  if (qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)) return true;
  if (qobject_cast<QAbstractItemView*>(w)) return true;
  if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->view() && combo->view()->isVisible();
  if (qobject_cast<QAbstractButton*>(w)) return key == Qt::Key_Return || key == Qt::Key_Enter;
  // a drop-down of our own editors (calculator, date) marks itself while open
  return w->property("dropDownOpen").toBool();
}

}  // namespace

TfrmGenMain::TfrmGenMain(QWidget* parent) : QDialog(parent) {}

void TfrmGenMain::showEvent(QShowEvent* event) {
  for (QWidget* child : findChildren<QWidget*>()) {
    child->removeEventFilter(this);
    child->installEventFilter(this);
  }
  QDialog::showEvent(event);
}

bool TfrmGenMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched->isWidgetType())
    if (handleKey(static_cast<QKeyEvent*>(event))) return true;
  return QDialog::eventFilter(watched, event);
}

void TfrmGenMain::keyPressEvent(QKeyEvent* event) {
  if (!handleKey(event)) QDialog::keyPressEvent(event);
}

bool TfrmGenMain::handleKey(QKeyEvent* key) {
  if (!keyHandling_) return false;
  const int k = key->key();
  const bool alt = key->modifiers() & Qt::AltModifier;
  QWidget* focus = focusWidget();
  if (k == Qt::Key_Escape) {
    if (takesKeys(focus, k) && qobject_cast<QComboBox*>(focus)) return false;
    reject();
    return true;
  }
  const bool next = k == Qt::Key_Return || k == Qt::Key_Enter || (k == Qt::Key_Down && !alt);
  const bool previous = k == Qt::Key_Up && !alt;
  if (!next && !previous) return false;
  if (takesKeys(focus, k)) return false;
  focusNextPrevChild(next);
  return true;
}
