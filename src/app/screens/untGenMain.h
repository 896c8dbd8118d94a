// TfrmGenMain: the base of the program's dialogs. While its key handling is on, Enter and
// Down move to the next control, Up to the previous one and Escape closes the form, unless
// the focused control needs the key itself (an open drop-down, a text area, a list or grid,
// a button).
#pragma once

#include <QDialog>

class TfrmGenMain : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmGenMain(QWidget* parent = nullptr);
  void setKeyHandling(bool on) { keyHandling_ = on; }
  bool keyHandling() const { return keyHandling_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // True when the key was used for moving or closing.
  bool handleKey(QKeyEvent* key);

 private:
  bool keyHandling_ = true;
};
