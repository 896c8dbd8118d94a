#include "app/screens/untTakvim.h"

#include <QCalendarWidget>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>

#include "common/date.h"

Tfrmtakvim::Tfrmtakvim(QWidget* parent) : TfrmGenMain(parent) {
  setWindowTitle("Takvim");
  calendar_ = new QCalendarWidget(this);
  calendar_->setLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
  calendar_->setGridVisible(true);
  dateBox_ = new QLineEdit(this);
  dateBox_->setPlaceholderText("gg.aa.yyyy");
  auto* form = new QFormLayout;
  form->addRow("İncelemek İstediğiniz Tarihi Giriniz", dateBox_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(calendar_);
  connect(dateBox_, &QLineEdit::editingFinished, this, &Tfrmtakvim::goToTypedDate);
  setKeyHandling(false);  // Enter belongs to the date box here
}

void Tfrmtakvim::goToTypedDate() {
  const auto d = orv::Date::parse(dateBox_->text().trimmed().toStdString());
  if (!d || d->isNull()) return;
  calendar_->setSelectedDate(QDate(d->year(), d->month(), d->day()));
}
