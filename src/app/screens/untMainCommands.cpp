// TfrmMain: start-up after the login, company choice and activation, the commands, close.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QSpinBox>
#include <QUrl>

#include "app/activation.h"
#include "app/data_check.h"
#include "app/menu_items.h"
#include "app/screen_settings.h"
#include "app/screens/message_prompter.h"
#include "app/screens/sidebar.h"
#include "app/screens/untBarOptions.h"
#include "app/screens/untMain.h"
#include "app/screens/untScreenHelp.h"
#include "app/screens/untTakvim.h"
#include "app/shell_texts.h"
#include "companies/companies.h"
#include "assets/screens/asset_views.h"
#include "companies/screens/untFirma.h"
#include "companies/screens/untFirmaSec.h"
#include "data/parameters.h"
#include "definitions/screens/untDoviz.h"
#include "definitions/screens/untYenDeger.h"

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// Runs the check tool as a real process; exit codes are read back as signed bytes where the
// system reports them as 0..255.
orv::Result<int> runProcess(const std::string& program, const std::vector<std::string>& args) {
  QProcess p;
  QStringList list;
  for (const auto& a : args) list << q(a);
  p.start(q(program), list);
  if (!p.waitForStarted()) return orv::Result<int>::error("Error during CreateProcess");
  if (!p.waitForFinished(-1)) return orv::Result<int>::error("Error in WaitForSingleObject");
  if (p.exitStatus() != QProcess::NormalExit)
    return orv::Result<int>::error("Error in GetExitCodeProcess");
  int code = p.exitCode();
#ifndef _WIN32
  if (code > 127) code -= 256;
#endif
  return code;
}

}  // namespace

TfrmMain::~TfrmMain() = default;

void TfrmMain::connectCommands() {
  auto on = [this](const char* name, auto slot) {
    connect(actions_[name], &QAction::triggered, this, slot);
  };
  on("dxKapat", [this] { close(); });
  on("btfirmasecimi", [this] { changeCompany(); });
  on("dxFirmaKarti", [this] { openCompanyCards(); });
  on("dxAmortismanYil", [this] { year_->setFocus(); year_->selectAll(); });
  on("dxhizmet02", [this] { Tfrmtakvim(this).exec(); });
  on("dxDoviz", [this] { TfrmDoviz(session_, this).exec(); });
  on("dxYeniTablo", [this] { TfrmYenDeger(session_, this).exec(); });
  on("dxKart", [this] {
    openAssetScreens(session_, this);
    const QSignalBlocker quiet(year_);  // the asset screens may have changed the active year
    year_->setValue(session_.values.depreciationYear);
  });
  on("dxEkranAyar", [this] { resetScreenSettings(); });
  on("meDuzenle", [this] { openBarOptions(); });
  on("dxgoruntuluhelp", [this] { openVideoHelp(); });
  on("dxprghakkinda", [this] { showAbout(); });
  for (const char* help : {"dxyardimkul", "dxicindekiler", "dxkonutarama"})
    on(help, [this] { openManual(); });
  connect(year_, &QSpinBox::valueChanged, this, &TfrmMain::storeYear);
  QSettings placement(q(orv::app::settingsFile(options_.configFolder, orv::app::kPlacementFile1)),
                      QSettings::IniFormat);
  actions_["dxservis08"]->setChecked(placement.value("MAIN/NormalMenu", false).toBool());
}

bool TfrmMain::registerWorkstation() {
  instance_ = std::make_unique<orv::app::LocalInstance>(
      orv::app::localInstanceFolder(session_.rootFolder));
  workstation_ = orv::app::Workstation::current();
  MessagePrompter prompter(this);
  auto kind = orv::app::registerLogin(*session_.rootDb, workstation_, session_.user,
                                      instance_->othersRunning());
  if (!kind) {
    prompter.message(orv::MessageKind::Error, kind.message());
    return true;  // bookkeeping is no reason to refuse work
  }
  registered_ = true;
  if (*kind != orv::app::StartKind::AbnormalEnd) return true;
  prompter.message(orv::MessageKind::Warning, orv::app::kAbnormalEndText);
  const orv::app::DataCheckInput in{*session_.rootDb, workstation_,
                                    orv::app::checkToolPath(options_.programFolder),
                                    options_.companyAlias};
  if (orv::app::runDataCheck(in, runProcess, prompter) == orv::app::CheckEnd::EndProgram) {
    registered_ = false;  // the row is already gone
    return false;
  }
  return true;
}

std::optional<std::string> TfrmMain::chooseCompany(bool fromCommandLine) {
  TfrmFirmaSec dlg(*session_.rootDb, session_.rootFolder, session_.hasRight(800),
                   [this](QWidget* parent) { openNewCompanyCard(parent); }, this);
  if (fromCommandLine && !options_.commandLineCompany.empty() &&
      dlg.chooseByName(options_.commandLineCompany))
    return dlg.chosen()->name;
  if (dlg.exec() != QDialog::Accepted || !dlg.chosen()) return std::nullopt;
  return dlg.chosen()->name;
}

bool TfrmMain::finishStartUp() {
  bool fromCommandLine = true;
  for (;;) {
    const auto name = chooseCompany(fromCommandLine);
    fromCommandLine = false;
    options_.commandLineCompany.clear();  // consumed once
    if (!name) {
      endProgram();
      return false;
    }
    if (activate(*name)) break;
  }
  for (const auto& item : orv::app::menuItems())
    allowed_[item.name] = orv::app::itemAllowed(item, session_.rights);
  rightsEvaluated_ = true;  // once: a company change does not re-evaluate them
  lbKullanici_->setText(q(orv::app::userLabel(session_.user)));
  applyRights();
  return true;
}

bool TfrmMain::activate(const std::string& name) {
  MessagePrompter prompter(this);
  companyMarker_.reset();  // the marker follows the active company
  if (orv::Status s = orv::activateCompany(session_, name, prompter); !s) {
    prompter.message(orv::MessageKind::Error, s.message());
    if (session_.companyActive())
      companyMarker_ = orv::HeldFileLock::hold(session_.values.companyFolder,
                                               orv::companies::kActiveMarkerPrefix);
    return false;
  }
  companyMarker_ = orv::HeldFileLock::hold(session_.values.companyFolder,
                                           orv::companies::kActiveMarkerPrefix);
  lbFirma_->setText(q(orv::app::companyLabel(session_.company)));
  const QSignalBlocker quiet(year_);
  year_->setValue(session_.values.depreciationYear);
  setWindowTitle(q(orv::app::mainCaption(session_.company.name, session_.values.accountingYear)));
  applyRights();
  return true;
}

void TfrmMain::changeCompany() {
  if (const auto name = chooseCompany(false)) activate(*name);
}

void TfrmMain::openNewCompanyCard(QWidget* parent) {
  TfrmFirma card(session_, companyMarker_.get(), parent);
  card.exec();
}

void TfrmMain::openCompanyCards() {
  if (!session_.hasRight(800)) {
    MessagePrompter(this).message(orv::MessageKind::Error, "Programda Bu İşlemi Yapmaya Yetkili Değilsiniz");
    return;
  }
  TfrmFirma card(session_, companyMarker_.get(), this);
  card.exec();
  const std::string active = session_.company.name;
  auto found = orv::companies::findCompany(*session_.rootDb, active);
  if (!active.empty() && found && found->has_value()) return;
  changeCompany();
  auto still = orv::companies::findCompany(*session_.rootDb, session_.company.name);
  if (!still || !still->has_value()) {  // menus stay off until a company is chosen
    session_.company = {};
    session_.companyDb.reset();
    companyMarker_.reset();
    lbFirma_->clear();
    applyRights();
  }
}

void TfrmMain::storeYear(int year) {
  if (!session_.parameterDb) return;
  session_.values.depreciationYear = year;
  orv::Status s = orv::db::storeParameter(*session_.parameterDb, "Amortisman Hesaplama Aktif Yılı",
                                          std::to_string(year));
  if (!s) MessagePrompter(this).message(orv::MessageKind::Error, s.message());
}

void TfrmMain::resetScreenSettings() {
  MessagePrompter prompter(this);
  if (!session_.hasRight(3510))
    return prompter.message(orv::MessageKind::Error, "Programın Bu Bölümüne Girmeye Yetkili Değilsiniz");
  if (prompter.confirm(orv::MessageKind::Warning,
                       "Seçiminiz Ekran Değerlerini Sıfırlayacaktır.\r\rİşleme Devam Etmek İstiyor musunuz?") !=
      orv::Answer::Yes)
    return;
  orv::Status s = orv::app::resetScreenSettings(options_.configFolder);
  if (!s) prompter.message(orv::MessageKind::Information, s.message());
  else prompter.message(orv::MessageKind::Information, "Değerler resetlendi...");
  restoreState(designLayout_);
  SideBarLook fresh;
  fresh.groupFont = sideBar_->font();
  fresh.groupFont.setBold(true);
  fresh.itemFont = sideBar_->font();
  sideBar_->setLook(fresh);
}

void TfrmMain::openBarOptions() {
  TfrmBarOptions dlg(sideBar_->look(), this);
  if (dlg.exec() != QDialog::Accepted) return;
  sideBar_->setLook(dlg.look());
  QSettings layout(q(orv::app::settingsFile(options_.configFolder, orv::app::kLayoutFile)),
                   QSettings::IniFormat);
  dlg.look().save(layout);
}

void TfrmMain::openVideoHelp() {
  QSettings placement(q(orv::app::settingsFile(options_.configFolder, orv::app::kPlacementFile1)),
                      QSettings::IniFormat);
  TFrmScreenHelp dlg(placement.value("MAIN/VideoFile").toString(), this);
  dlg.exec();
  placement.setValue("MAIN/VideoFile", dlg.file());
}

void TfrmMain::showAbout() {
  QMessageBox::about(this, "Program Hakkında",
                     QString("<b>%1</b><br>Sürüm %2<br><br>Sabit kıymet kayıtları, amortisman ve "
                             "yeniden değerleme.")
                         .arg(QString::fromUtf8(orv::app::kApplicationTitle),
                              q(orv::app::displayVersion(orv::app::kProductVersion))));
}

void TfrmMain::openManual() {
  QDesktopServices::openUrl(QUrl::fromLocalFile(q(options_.manualFile)));
}

void TfrmMain::endProgram() {
  if (registered_)
    orv::app::removeLogin(*session_.rootDb, workstation_, instance_ && instance_->othersRunning());
  registered_ = false;
  askOnClose_ = false;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  if (askOnClose_ &&
      MessagePrompter(this).confirm(orv::MessageKind::Warning, orv::app::kCloseQuestion) !=
          orv::Answer::Yes)
    return event->ignore();
  QSettings placement(q(orv::app::settingsFile(options_.configFolder, orv::app::kPlacementFile1)),
                      QSettings::IniFormat);
  placement.setValue("MAIN/NormalMenu", actions_["dxservis08"]->isChecked());
  QSettings layout(q(orv::app::settingsFile(options_.configFolder, orv::app::kLayoutFile)),
                   QSettings::IniFormat);
  layout.setValue("BARS/MAIN/State", saveState());
  endProgram();
  companyMarker_.reset();
  event->accept();
}
