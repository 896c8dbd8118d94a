// TFrmScreenHelp ("Görüntülü Yardım Kılavuzu"): plays a help video with the desktop's
// default player.
#pragma once

#include <QDialog>

class QLineEdit;

class TFrmScreenHelp : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmScreenHelp(const QString& file, QWidget* parent = nullptr);
  QString file() const;
  void calistir();

 private:
  QLineEdit* file_;
};
