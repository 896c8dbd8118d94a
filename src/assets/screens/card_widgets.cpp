#include "assets/screens/card_widgets.h"

#include "assets/card_values.h"
#include "common/format.h"

namespace {
QChar dateSeparator(const orv::Session& s) {
  const char c = s.values.dateSeparator;
  return c == '.' || c == '-' || c == '/' ? QChar(c) : QChar('/');
}
}  // namespace

DateBox::DateBox(const orv::Session& session, QWidget* parent) : QLineEdit(parent), separator_(dateSeparator(session)) {
  setInputMask(QString("00%1 00%1 0000;_").arg(separator_).remove(' '));
  setMaximumWidth(100);
}

bool DateBox::isBlank() const {
  QString t = text();
  t.remove(separator_);
  return t.trimmed().isEmpty();
}

orv::Date DateBox::date() const {
  if (isBlank()) return {};
  QString t = text();
  t.replace(separator_, '/');
  auto d = orv::Date::parse(t.toStdString());
  return d ? *d : orv::Date();
}

void DateBox::setDate(orv::Date d) {
  if (d.isNull()) {
    clear();
    return;
  }
  const auto ymd = d.ymd();
  auto digits = [](int v, int width) { return QString::number(v).rightJustified(width, '0'); };
  setText(digits(ymd.day, 2) + separator_ + digits(ymd.month, 2) + separator_ + digits(ymd.year, 4));
}

AmountBox::AmountBox(const orv::Session& session, std::string format, QWidget* parent)
    : QLineEdit(parent), session_(session), format_(std::move(format)) {
  setAlignment(Qt::AlignRight);
  setMaximumWidth(130);
  connect(this, &QLineEdit::editingFinished, this, &AmountBox::finish);
  setValue(0);
}

double AmountBox::value() const { return value_; }

void AmountBox::setValue(double v) {
  value_ = v;
  const orv::FormatSettings fs = orv::formatSettings(session_.values);
  QString shown = QString::fromStdString(orv::formatFloat(format_, v, fs)).trimmed();
  setText(shown.isEmpty() ? "0" : shown);
}

void AmountBox::finish() {
  auto v = orv::assets::sayiOku(text().toStdString(), session_.values.thousandSeparator,
                                session_.values.decimalSeparator);
  const double before = value_;
  setValue(v ? *v : before);
  if (v && *v != before) emit valueEdited(*v);
}
