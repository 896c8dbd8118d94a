#include "trim_window.h"

#include "trim_copy.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace trimcopy {

namespace {

// Whole numbers up to 15 digits: exact in a double, far beyond any file, and 64-bit.
constexpr double kSizeLimit = 999999999999999.0;

// Lets the copy loop read the box and show the count; pending events run after each block
// so the window repaints and the wanted size can still be changed.
class WindowProgress : public CopyProgress {
 public:
  explicit WindowProgress(TrimCopyWindow& window) : window_(window) {}
  std::int64_t wantedSize() override { return window_.wantedSize(); }
  void blockCopied(std::int64_t bytesCopied) override {
    window_.showBlockCopied(bytesCopied);
    QCoreApplication::processEvents();
  }

 private:
  TrimCopyWindow& window_;
};

QToolButton* browseButton(QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setText("...");
  button->setToolTip(QStringLiteral("Gözat"));
  return button;
}

}  // namespace

TrimCopyWindow::TrimCopyWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Dosya Boyu Düzeltme İşlemi"));
  reportError = [this](const QString& text) {
    QMessageBox::critical(this, windowTitle(), text);
  };
  buildLayout();
  adjustSize();
  setFixedSize(size());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TrimCopyWindow::buildLayout() {
  sourceEdit_ = new QLineEdit(this);
  newFileEdit_ = new QLineEdit(this);
  sourceEdit_->setMinimumWidth(340);
  auto* sourceBrowse = browseButton(this);
  auto* newFileBrowse = browseButton(this);
  connect(sourceBrowse, &QToolButton::clicked, this, &TrimCopyWindow::browseSource);
  connect(newFileBrowse, &QToolButton::clicked, this, &TrimCopyWindow::browseNewFile);

  // Display picture ",0;-,0": thousands separators, no decimals, a minus for negatives.
  sizeEdit_ = new QDoubleSpinBox(this);
  sizeEdit_->setLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
  sizeEdit_->setDecimals(0);
  sizeEdit_->setRange(-kSizeLimit, kSizeLimit);
  sizeEdit_->setGroupSeparatorShown(true);
  sizeEdit_->setButtonSymbols(QAbstractSpinBox::NoButtons);
  sizeEdit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  sizeEdit_->setMinimumWidth(160);
  auto* sizeRow = new QHBoxLayout;
  sizeRow->addWidget(sizeEdit_);
  sizeRow->addWidget(new QLabel(QStringLiteral("Bayt"), this));
  sizeRow->addStretch();

  counter_ = new QLabel(QStringLiteral("-"), this);
  QFont bold = counter_->font();
  bold.setBold(true);
  counter_->setFont(bold);
  QPalette blue = counter_->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  counter_->setPalette(blue);

  progress_ = new QProgressBar(this);
  progress_->setRange(0, 100);
  progress_->setValue(0);
  progress_->setTextVisible(false);

  cancelButton_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                  QStringLiteral("&Vazgeç"), this);
  okButton_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                              QStringLiteral("OK"), this);
  okButton_->setDefault(true);
  connect(cancelButton_, &QPushButton::clicked, this, &TrimCopyWindow::reject);
  connect(okButton_, &QPushButton::clicked, this, &TrimCopyWindow::startCopy);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancelButton_);
  buttons->addWidget(okButton_);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("İşlem Yapılacak Dosya :"), this), 0, 0);
  grid->addWidget(sourceEdit_, 0, 1);
  grid->addWidget(sourceBrowse, 0, 2);
  grid->addWidget(new QLabel(QStringLiteral("Yeni Dosya Adı :"), this), 1, 0);
  grid->addWidget(newFileEdit_, 1, 1);
  grid->addWidget(newFileBrowse, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("İstenilen Dosya Boyu :"), this), 2, 0);
  grid->addLayout(sizeRow, 2, 1, 1, 2);
  grid->addWidget(counter_, 3, 1, 1, 2);

  auto* outer = new QVBoxLayout(this);
  outer->addLayout(grid);
  outer->addLayout(buttons);
  outer->addWidget(progress_);
}

void TrimCopyWindow::browseSource() {
  const QString name = QFileDialog::getOpenFileName(this, QStringLiteral("İşlem Yapılacak Dosya"),
                                                    sourceEdit_->text());
  if (!name.isEmpty()) sourceEdit_->setText(name);
}

void TrimCopyWindow::browseNewFile() {
  const QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Yeni Dosya Adı"),
                                                    newFileEdit_->text());
  if (!name.isEmpty()) newFileEdit_->setText(name);
}

std::int64_t TrimCopyWindow::wantedSize() const {
  return static_cast<std::int64_t>(sizeEdit_->value());
}

void TrimCopyWindow::showBlockCopied(std::int64_t bytesCopied) {
  const std::int64_t wanted = wantedSize();
  if (wanted > 0) progress_->setValue(progressPercent(bytesCopied, wanted));
  counter_->setText(QString::number(bytesCopied));
}

void TrimCopyWindow::startCopy() {
  const QString newName = newFileEdit_->text().trimmed();
  if (newName.isEmpty() || copying_) return;
  copying_ = true;
  okButton_->setEnabled(false);
  progress_->setValue(0);

  WindowProgress progress(*this);
  const CopyResult result = copyLeadingBlocks(pathFromUtf8(sourceEdit_->text().toStdString()),
                                              pathFromUtf8(newName.toStdString()), progress);
  copying_ = false;
  okButton_->setEnabled(true);
  if (!result.ok()) reportError(QString::fromStdString(result.message));
  if (closeWhenDone_) QDialog::reject();
}

// The copy cannot be interrupted: a close asked for while it runs waits for its end.
void TrimCopyWindow::reject() {
  if (copying_) {
    closeWhenDone_ = true;
    return;
  }
  QDialog::reject();
}

void TrimCopyWindow::closeEvent(QCloseEvent* event) {
  if (copying_) {
    closeWhenDone_ = true;
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace trimcopy
