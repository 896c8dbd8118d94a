// orvdemirbas: the desktop program. Options: --root DIR (the root data folder), --demo (a
// demo root in the user's data folder); the first plain argument is the command-line login
// "Q_7_KP_482@user@password@company@".
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <filesystem>

#include "app/activation.h"
#include "app/demo_root.h"
#include "app/screen_settings.h"
#include "app/screens/message_prompter.h"
#include "app/screens/untMain.h"
#include "app/shell_texts.h"
#include "data/aliases.h"
#include "data/data_root.h"
#include "users/login.h"
#include "users/screens/untLogin.h"
#include "users/screens/untYoneticiTanimla.h"
#include "users/user_admin.h"

namespace {

struct Arguments {
  std::string root;
  bool demo = false;
  std::string commandLine;
};

Arguments parseArguments(const QStringList& args) {
  Arguments a;
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == "--root" && i + 1 < args.size()) a.root = args[++i].toStdString();
    else if (args[i] == "--demo") a.demo = true;
    else if (!args[i].startsWith("--") && a.commandLine.empty()) a.commandLine = args[i].toStdString();
  }
  return a;
}

// The root data folder and the alias store the session repoints ("" for an explicit root).
orv::Result<std::pair<std::string, std::string>> chooseRoot(const Arguments& a,
                                                            orv::Prompter& prompter) {
  using R = orv::Result<std::pair<std::string, std::string>>;
  const std::string home = orv::installRoot();
  if (a.demo) {
    const std::string root = orv::app::demoRootFolder(home);
    if (orv::Status s = orv::app::ensureDemoRoot(root, home); !s) return s;
    return std::make_pair(root, std::string());
  }
  std::string root = a.root, aliasFile;
  if (root.empty()) {
    orv::AliasStore store(orv::defaultAliasFile());
    auto r = orv::ensureStandardAliases(store, prompter, home);
    if (!r) return r.status();
    root = *r;
    aliasFile = store.file();
  }
  if (!orv::db::isDataRoot(root)) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(root).parent_path(), ec);
    if (orv::Status s = orv::db::initDataRoot(root, prompter, home); !s) return s;
  }
  return R(std::make_pair(root, aliasFile));
}

std::string findManual() {
  const QString dir = QCoreApplication::applicationDirPath();
  for (const QString& p : {dir + "/docs/user-manual.md", dir + "/../docs/user-manual.md",
                           dir + "/../share/orvdemirbas/user-manual.md"})
    if (QFileInfo(p).isFile()) return QFileInfo(p).canonicalFilePath().toStdString();
  return {};
}

// Login with the command-line text when it carries the marker, else with the form.
bool logIn(orv::Session& session, const std::optional<orv::users::CommandLineLogin>& cmd) {
  TfrmLogin form(*session.rootDb);
  const bool quiet = cmd && form.tryCommandLine(cmd->user, cmd->password);
  if (!quiet && form.exec() != QDialog::Accepted) return false;
  if (!form.user()) return false;
  session.user = *form.user();
  auto rights = orv::users::loadRights(*session.rootDb, session.user.id);
  if (rights) session.rights = *rights;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("OrvDemirbas");
  // No display name: the platform would append it to every caption, and the main window
  // shows its caption exactly as "Orvan Sabit Kıymetler Programı  (company - year)".
  QApplication::setApplicationVersion(orv::app::kProductVersion);
  const Arguments args = parseArguments(app.arguments());
  MessagePrompter prompter(nullptr);

  auto root = chooseRoot(args, prompter);
  if (!root) {
    prompter.message(orv::MessageKind::Error, root.message());
    return 1;
  }
  auto opened = orv::openRoot(root->first, root->second);
  if (!opened) {
    prompter.message(orv::MessageKind::Error, opened.message());
    return 1;
  }
  orv::Session session = std::move(opened).value();
  if (auto none = orv::users::hasNoUsers(*session.rootDb); none && *none) {
    TfrmYoneticiTanimla admin(*session.rootDb);
    if (admin.exec() != QDialog::Accepted) return 0;
  }
  const auto cmd = orv::users::parseCommandLineLogin(args.commandLine);
  if (!logIn(session, cmd)) return 0;

  TfrmMain::Options options;
  options.commandLineCompany = cmd ? cmd->company : "";
  options.configFolder = orv::configFolder();
  options.programFolder = QCoreApplication::applicationDirPath().toStdString();
  options.companyAlias = orv::AliasStore(root->second).path(orv::kCompanyAlias)
                             .value_or(orv::db::templateFolder(root->first));
  options.manualFile = findManual();
  TfrmMain window(session, options);
  if (!window.registerWorkstation()) return 0;
  window.show();
  QSettings placement(QString::fromStdString(orv::app::settingsFile(
                          options.configFolder, orv::app::kPlacementFile1)),
                      QSettings::IniFormat);
  const int delay = placement.value("MAIN/NormalMenu", false).toBool() ? 0 : 1000;
  QTimer::singleShot(delay, &window, [&window] {
    if (!window.finishStartUp()) window.close();
  });
  return app.exec();
}
