// Tfrmtakvim ("Takvim"): a month calendar with a date box that moves it.
#pragma once

#include "app/screens/untGenMain.h"

class QCalendarWidget;
class QLineEdit;

class Tfrmtakvim : public TfrmGenMain {
  Q_OBJECT

 public:
  explicit Tfrmtakvim(QWidget* parent = nullptr);
  QCalendarWidget* calendar() const { return calendar_; }
  QLineEdit* dateBox() const { return dateBox_; }
  void goToTypedDate();  // an invalid date is ignored

 private:
  QCalendarWidget* calendar_;
  QLineEdit* dateBox_;
};
