// TfrmFirma ("Firma Kartları"): company cards. Yeni (F4), Çağır (F3), Sakla (F2), Firma
// Silme and Kapat; saving, renaming and deleting are the core operations of companies.h.
#pragma once

#include "app/screens/untGenMain.h"
#include <map>

#include "app/session.h"
#include "companies/companies.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QToolButton;

class TfrmFirma : public TfrmGenMain {
  Q_OBJECT

 public:
  TfrmFirma(orv::Session& session, const orv::HeldFileLock* ownMarker, QWidget* parent = nullptr);

  void yeni();
  void cagir();
  bool sakla();   // true when saved
  void firmaSil();
  bool loadByName(const std::string& name);

  // For tests and the main window.
  QLineEdit* edit(const std::string& field) const { return edits_.at(field); }
  QCheckBox* check(const std::string& field) const { return checks_.at(field); }
  bool changed() const { return changed_; }
  const std::string& loadedName() const { return loadedName_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  QWidget* buildGeneralPage();
  QWidget* buildAdvisorPage();
  QWidget* buildAdvisorBox(int which);
  QWidget* buildSettingsBox();
  QLineEdit* addEdit(const std::string& field, int maxLength);
  QCheckBox* addCheck(const std::string& field, const QString& caption);
  void fill(const orv::companies::CompanyRow& row);
  orv::Result<orv::companies::CompanyRow> collect() const;
  bool askSaveIfChanged();  // false: the user cancelled or saving failed
  orv::companies::CompanyContext context() const;
  void markChanged() { if (!loading_) changed_ = true; }

  orv::Session& session_;
  const orv::HeldFileLock* ownMarker_;
  std::vector<std::string> currencies_;
  std::map<std::string, QLineEdit*> edits_;
  std::map<std::string, QCheckBox*> checks_;
  QComboBox* month_ = nullptr;
  QComboBox* localCurrency_ = nullptr;
  QComboBox* foreignCurrency_ = nullptr;
  QComboBox* separator_ = nullptr;
  QCheckBox* days_[7] = {};
  QTabWidget* pages_ = nullptr;
  QLabel* waiting_ = nullptr;
  void showWaiting(bool on);
  long long ulas_ = 0;
  std::string loadedName_;
  bool changed_ = false;
  bool loading_ = false;
};
