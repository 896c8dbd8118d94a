// TfrmFirmaAc ("Tanımlı Firmalar"): the list of every company card, to pick one to load.
#pragma once

#include <QDialog>
#include <vector>

#include "companies/companies.h"

class QTreeWidget;

class TfrmFirmaAc : public QDialog {
  Q_OBJECT

 public:
  TfrmFirmaAc(const std::vector<orv::companies::CompanyRow>& rows, QWidget* parent = nullptr);
  // The name of the chosen card, empty when none.
  std::string chosenName() const;
  QTreeWidget* list() const { return list_; }

 protected:
  void done(int result) override;

 private:
  QTreeWidget* list_;
};
