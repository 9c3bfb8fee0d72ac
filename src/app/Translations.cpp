#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tremora {

bool InstallQtJapaneseTranslation(QCoreApplication& application) {
  // Owned by the application, so it lives as long as the texts it translates.
  auto* translator = new QTranslator(&application);
  if (!translator->load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace tremora
