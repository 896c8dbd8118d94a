// The code change panel and the small helpers of the asset screens' code boxes.
#include "assets/screens/code_change_panel.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "common/codes.h"

QString assetInputMask(const orv::Session& session) {
  QString mask;
  for (char c : session.values.assetCodeMask) {
    if (c == '.' || c == ',' || c == '-' || c == '/' || c == ' ') mask += c == ' ' ? QChar(' ') : QChar(c);
    else if (c == '9') mask += '0';  // an optional digit
    else if (c == '0') mask += '9';  // a required digit
    else mask += 'x';                // any character, optional
  }
  return mask.isEmpty() ? QString() : mask + "; ";
}

void fillCodeBox(QComboBox* box, const std::vector<std::string>& entries) {
  box->clear();
  for (const auto& e : entries) box->addItem(QString::fromStdString(e));
}

void selectCode(QComboBox* box, const std::string& code) {
  for (int i = 0; i < box->count(); ++i) {
    const std::string entry = box->itemText(i).toStdString();
    if (entry.substr(0, entry.find('=')) == code && !code.empty()) {
      box->setCurrentIndex(i);
      return;
    }
  }
  box->setCurrentIndex(-1);
}

std::string codeOf(const QComboBox* box) {
  if (box->currentIndex() < 0) return {};
  const std::string entry = box->currentText().toStdString();
  return entry.substr(0, entry.find('='));
}

CodeChangePanel::CodeChangePanel(orv::Session& session, QWidget* parent) : QFrame(parent), session_(session) {
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);
  auto* grid = new QGridLayout(this);
  auto* title = new QLabel(" Sabit Kıymetin Yeni Bölüm ve Kodu ");
  title->setStyleSheet("background: #000080; color: white; font-weight: bold;");
  auto* close = new QToolButton;
  close->setText("X");
  grid->addWidget(title, 0, 0, 1, 2);
  grid->addWidget(close, 0, 2);
  grid->addWidget(new QLabel("Bölüm:"), 1, 0);
  department_ = new QComboBox;
  fillCodeBox(department_, session.codeLists.codes[0]);
  grid->addWidget(department_, 1, 1, 1, 2);
  grid->addWidget(new QLabel("Sabit Kıymet Kodu:"), 2, 0);
  code_ = new QLineEdit;
  code_->setInputMask(assetInputMask(session));
  grid->addWidget(code_, 2, 1, 1, 2);
  auto* change = new QPushButton("&Değiştir");
  grid->addWidget(change, 3, 1, 1, 2);
  connect(close, &QToolButton::clicked, this, &QWidget::hide);
  connect(change, &QPushButton::clicked, this, &CodeChangePanel::changeRequested);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (isVisible() && now && !isAncestorOf(now) && now->window() == window()) hide();
  });
  hide();
}

void CodeChangePanel::open(const std::string& department, const std::string& code) {
  selectCode(department_, department);
  code_->setText(QString::fromStdString(orv::applyCodeMask(session_.values.assetCodeMask, code, 1,
                                                           session_.company.accountGroupSeparator)));
  adjustSize();
  move((parentWidget()->width() - width()) / 2, (parentWidget()->height() - height()) / 3);
  show();
  raise();
  code_->setFocus();
}

std::string CodeChangePanel::department() const { return codeOf(department_); }

std::string maskedText(const QLineEdit* edit) {
  // text() drops the mask's blanks; separators left at the end were never typed.
  QString t = edit->text().trimmed();
  while (!t.isEmpty() && QString(".,-/ ").contains(t.back())) t.chop(1);
  return t.toStdString();
}

std::string CodeChangePanel::typedCode() const { return maskedText(code_); }

std::string CodeChangePanel::code() const {
  return orv::stripCode(typedCode(), session_.company.accountGroupSeparator);
}

