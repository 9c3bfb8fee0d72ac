// Window tests need a QApplication for fonts and palettes; they run on the offscreen platform.
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <clocale>

#include <gtest/gtest.h>

#include "platform/Translated.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Should a test reach the desktop's settings store, it finds an empty folder of its own, never
  // the user's settings.
  QTemporaryDir settings_folder(QDir::tempPath() + "/tremora-ui-tests-XXXXXX");
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_folder.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_folder.path());
  std::setlocale(LC_NUMERIC, "C");
  tremora::InstallQtTranslateFunction();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
