// trimcopy: with no arguments the window, with arguments the command-line form.
#include "command_line.h"
#include "trim_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStringList>

#include <iostream>
#include <string>
#include <vector>

namespace {

// QCoreApplication gives the arguments as Unicode on every platform.
int runWithoutWindow(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  std::vector<std::string> args;
  const QStringList all = QCoreApplication::arguments();
  for (qsizetype i = 1; i < all.size(); ++i) args.push_back(all[i].toStdString());
  return trimcopy::runCommandLine(args, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) return runWithoutWindow(argc, argv);
  QApplication app(argc, argv);
  trimcopy::TrimCopyWindow window;
  window.exec();
  return 0;
}
