#include <QApplication>
#include <QFileInfo>
#include <clocale>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/ProgramIcon.h"
#include "app/QuitOnSignal.h"
#include "app/Remembering.h"
#include "app/StartupArguments.h"
#include "app/TForm1.h"
#include "app/Language.h"
#include "platform/Platform.h"
#include "record/PrivateFolders.h"
#include "record/StationTables.h"

int main(int argc, char* argv[]) {
  // --help and --version answer before Qt starts: they need no display.
  const tremora::StartupArguments early = tremora::ParseStartupArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (early.help || early.version) {
    std::fputs((early.help ? tremora::StartupUsage() : tremora::StartupVersion()).c_str(), stdout);
    return 0;
  }

  // Bundles unpacked by runs that were killed outright (their process is gone) leave their folders.
  tremora::RemoveStalePrivateFolders();
  QApplication application(argc, argv);
  // Qt takes the locale from the environment; numbers in files and labels are always written
  // with a decimal point.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(tremora::kApplicationTitle);
  QApplication::setDesktopFileName("tremora");

  // Qt has taken off its own options by now.
  std::vector<std::string> args;
  for (const QString& arg : QApplication::arguments().mid(1)) args.push_back(arg.toStdString());
  const tremora::StartupArguments startup = tremora::ParseStartupArguments(args);
  if (!startup.error.empty()) {
    std::fprintf(stderr, "tremora: %s\nRun 'tremora --help' for usage.\n", startup.error.c_str());
    return 1;
  }

  tremora::ApplyLanguage(application, tremora::StartupLanguage(startup.language));
  QApplication::setWindowIcon(tremora::ProgramWindowIcon());
  try {
    tremora::Application program(tremora::FindDataFolder(QApplication::applicationDirPath().toStdString()));
    tremora::TForm1& form = program.Form1();
    tremora::QuitOnTerminationSignals(form);
    form.show();
    if (!startup.file.empty()) {
      // As a file picked in the open dialog: a full path, loaded once the window is up.
      const std::string path = QFileInfo(QString::fromStdString(startup.file)).absoluteFilePath().toStdString();
      form.OpenRecordFileLater(path);
    }
    return QApplication::exec();
  } catch (const std::exception& error) {
    tremora::CurrentPlatform().ShowStandardError(error.what());
    return 1;
  }
}
