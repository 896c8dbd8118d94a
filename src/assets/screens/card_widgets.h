// Input controls of the asset card: a date box that may stay empty and an amount box in the
// company's amount format.
#pragma once

#include <QLineEdit>

#include "app/session.h"
#include "common/date.h"

// "dd/mm/yyyy" with the date separator; an empty box is the zero date.
class DateBox : public QLineEdit {
  Q_OBJECT

 public:
  DateBox(const orv::Session& session, QWidget* parent = nullptr);
  orv::Date date() const;               // zero when empty or no real date
  void setDate(orv::Date d);
  bool isBlank() const;

 private:
  QChar separator_;
};

// Shows the value in a number format; typing takes the parameters' separators.
class AmountBox : public QLineEdit {
  Q_OBJECT

 public:
  AmountBox(const orv::Session& session, std::string format, QWidget* parent = nullptr);
  double value() const;                 // the last valid value
  void setValue(double v);

 signals:
  void valueEdited(double value);       // after the user changed the value and left or pressed Enter

 private:
  void finish();
  const orv::Session& session_;
  std::string format_;
  double value_ = 0;
};
