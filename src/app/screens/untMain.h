// TfrmMain: the main window. Menu bar, the two tool bars and the side bar open every
// command; each command is enabled by the user's rights (evaluated once, after the first
// company activation) and only when its screen exists. It also drives the start-up after the
// login: login bookkeeping and data check, the company choice and activation, and the close.
#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <set>

#include "app/file_lock.h"
#include "app/login_bookkeeping.h"
#include "app/session.h"

class QLabel;
class QSpinBox;
class SideBar;

class TfrmMain : public QMainWindow {
  Q_OBJECT

 public:
  struct Options {
    std::string commandLineCompany;  // company of the command-line login; "" when none
    std::string configFolder;        // placement and layout files
    std::string programFolder;       // where orvcheck lies
    std::string companyAlias;        // folder of the company alias, for the data check
    std::string manualFile;          // the user manual ("" when not installed)
  };

  TfrmMain(orv::Session& session, Options options, QWidget* parent = nullptr);
  ~TfrmMain() override;

  // Login bookkeeping and the data check after an abnormal end; false: the program ends.
  bool registerWorkstation();
  // Company choice and activation, then the rights of the menus; false: the program ends.
  bool finishStartUp();
  // Activates a company (labels, caption, active year); false with a message on failure.
  bool activate(const std::string& name);
  // The company change command: choose, activate; none chosen keeps the current one.
  void changeCompany();

  QAction* action(const std::string& name) const;
  bool isBuilt(const std::string& name) const { return built_.count(name) > 0; }
  QSpinBox* yearBox() const { return year_; }
  QString companyLabel() const;
  void closeWithoutQuestion() { askOnClose_ = false; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildActions();
  void buildMenus();
  void buildToolBars();
  void buildSideBar();
  void buildCentre();
  void connectCommands();
  void applyRights();
  void storeYear(int year);
  void openCompanyCards();
  void openNewCompanyCard(QWidget* parent);
  void resetScreenSettings();
  void openBarOptions();
  void openVideoHelp();
  void showAbout();
  void openManual();
  std::optional<std::string> chooseCompany(bool fromCommandLine);
  void endProgram();

  orv::Session& session_;
  Options options_;
  std::unique_ptr<orv::app::LocalInstance> instance_;
  std::unique_ptr<orv::HeldFileLock> companyMarker_;
  orv::app::Workstation workstation_;
  bool registered_ = false;
  bool askOnClose_ = true;
  bool rightsEvaluated_ = false;
  std::set<std::string> built_;
  std::map<std::string, bool> allowed_;
  std::map<std::string, QAction*> actions_;
  SideBar* sideBar_ = nullptr;
  QSpinBox* year_ = nullptr;
  QLabel* lbFirma_ = nullptr;
  QLabel* lbKullanici_ = nullptr;
  QLabel* lbVersiyon_ = nullptr;
  QByteArray designLayout_;
};
