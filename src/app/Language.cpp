#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/Translated.h"

namespace tremora {

namespace {

Language current = Language::Japanese;

// The translators this module installed; owned by the application, so they live as long as the
// texts they translate.
QTranslator* installed_program = nullptr;
QTranslator* installed_qt = nullptr;

void Remove(QTranslator*& translator) {
  if (translator == nullptr) return;
  QCoreApplication::removeTranslator(translator);
  delete translator;
  translator = nullptr;
}

bool Install(QCoreApplication& application, QTranslator*& slot, const QString& name, const QString& folder) {
  auto* translator = new QTranslator(&application);
  if (!translator->load(name, folder)) {
    delete translator;
    return false;
  }
  slot = translator;
  return QCoreApplication::installTranslator(translator);
}

}  // namespace

std::optional<Language> LanguageFromCode(const std::string& code) {
  if (code == "ja") return Language::Japanese;
  if (code == "en") return Language::English;
  return std::nullopt;
}

const char* LanguageCode(Language language) { return language == Language::English ? "en" : "ja"; }

bool ApplyLanguage(QCoreApplication& application, Language language) {
  InstallQtTranslateFunction();
  Remove(installed_program);
  Remove(installed_qt);
  current = language;
  const bool loaded = language == Language::English
                          ? Install(application, installed_program, "tremora_en", ":/i18n")
                          : Install(application, installed_qt, "qtbase_ja",
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  RetranslateRemembered();
  return loaded;
}

Language CurrentLanguage() { return current; }

void RemoveLanguage() {
  Remove(installed_program);
  Remove(installed_qt);
  current = Language::Japanese;
  RetranslateRemembered();
}

}  // namespace tremora
