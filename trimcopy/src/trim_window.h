// The one window of trimcopy: "Dosya Boyu Düzeltme İşlemi".
#pragma once

#include <QDialog>

#include <cstdint>
#include <functional>

class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace trimcopy {

class TrimCopyWindow : public QDialog {
  Q_OBJECT

 public:
  explicit TrimCopyWindow(QWidget* parent = nullptr);

  QLineEdit* sourceEdit() const { return sourceEdit_; }
  QLineEdit* newFileEdit() const { return newFileEdit_; }
  QDoubleSpinBox* sizeEdit() const { return sizeEdit_; }
  QLabel* counterLabel() const { return counter_; }
  QProgressBar* progressBar() const { return progress_; }
  QPushButton* okButton() const { return okButton_; }
  QPushButton* cancelButton() const { return cancelButton_; }
  bool isCopying() const { return copying_; }

  // Where refusals and errors go; a critical message box unless a test replaces it.
  std::function<void(const QString&)> reportError;

  void startCopy();             // what OK does

  // Used by the copy loop: the size box read afresh, the counter and bar after a block.
  std::int64_t wantedSize() const;
  void showBlockCopied(std::int64_t bytesCopied);

 public slots:
  void reject() override;       // "&Vazgeç", Esc and the title bar's close

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildLayout();
  void browseSource();
  void browseNewFile();

  QLineEdit* sourceEdit_ = nullptr;
  QLineEdit* newFileEdit_ = nullptr;
  QDoubleSpinBox* sizeEdit_ = nullptr;
  QLabel* counter_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  bool copying_ = false;
  bool closeWhenDone_ = false;
};

}  // namespace trimcopy
