#include <QApplication>
#include <clocale>
#include <exception>

#include "app/Application.h"
#include "app/ProgramIcon.h"
#include "app/TForm1.h"
#include "app/Translations.h"
#include "platform/Platform.h"
#include "record/StationTables.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // Qt takes the locale from the environment; numbers in files and labels are always written
  // with a decimal point.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(tremora::kApplicationTitle);
  tremora::InstallQtJapaneseTranslation(application);
  QApplication::setWindowIcon(tremora::ProgramWindowIcon());
  try {
    tremora::Application program(tremora::FindDataFolder(QApplication::applicationDirPath().toStdString()));
    program.Form1().show();
    return QApplication::exec();
  } catch (const std::exception& error) {
    tremora::CurrentPlatform().ShowStandardError(error.what());
    return 1;
  }
}
