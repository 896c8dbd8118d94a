// TfrmFirmaSec ("Firma Seçimi"): the choice of the company to work with, among the shown
// companies whose folder holds the parameter tables. Typing searches by the start of the
// entry; "&Yeni Firma Oluşturma" opens the company cards on a new card.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "companies/companies.h"

class QListWidget;
class QPushButton;

class TfrmFirmaSec : public QDialog {
  Q_OBJECT

 public:
  TfrmFirmaSec(orv::db::Database& root, std::string rootFolder, bool mayCreate,
               std::function<void(QWidget*)> openNewCard, QWidget* parent = nullptr);
  // Selects NAME and accepts without showing; false when it is not offered.
  bool chooseByName(const std::string& name);
  const std::optional<orv::companies::CompanyChoice>& chosen() const { return chosen_; }
  QListWidget* list() const { return list_; }
  QString searchText() const { return search_; }
  void refill();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void take();
  void applySearch();

  orv::db::Database& root_;
  std::string rootFolder_;
  std::function<void(QWidget*)> openNewCard_;
  std::vector<orv::companies::CompanyChoice> choices_;
  std::optional<orv::companies::CompanyChoice> chosen_;
  QListWidget* list_;
  QPushButton* btTamam_;
  QString search_;
};
