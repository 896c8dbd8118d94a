// TfrmBarOptions ("Bar Seçenekleri"): the appearance of the main window's side bar.
#pragma once

#include <QDialog>

#include "app/screens/sidebar.h"

class QComboBox;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

class TfrmBarOptions : public QDialog {
  Q_OBJECT

 public:
  TfrmBarOptions(const SideBarLook& look, QWidget* parent = nullptr);
  SideBarLook look() const;  // the values shown ("Tamam" returns them)

 private:
  void showLook();
  static QString fontText(const QFont& f);

  SideBarLook look_;
  QPushButton* begin_;
  QPushButton* end_;
  QComboBox* fillStyle_;
  QSpinBox* fillStep_;
  QLabel* picture_;
  QLabel* groupFont_;
  QLabel* itemFont_;
  QComboBox* border_;
  QComboBox* paint_;
  QCheckBox* selectable_;
};
