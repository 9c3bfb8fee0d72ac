#pragma once
// The language of the windows. Japanese is the program's first language: its texts are the
// source texts, and Qt's own texts (standard buttons, the file dialog) come from qtbase_ja.
// English loads the program's English translation, embedded in the program, and leaves Qt in its
// own English.

#include <optional>
#include <string>

class QCoreApplication;

namespace tremora {

enum class Language { Japanese, English };

// "ja" or "en", as --lang and the settings spell it.
std::optional<Language> LanguageFromCode(const std::string& code);
const char* LanguageCode(Language language);

// Installs the translators of language and retranslates every open window: remembered captions
// at once, composed texts and pictures when each window handles the LanguageChange event that Qt
// posts to it. Returns false when a translation file is missing (the texts then stay as they are
// in the language's absence: Japanese, or Qt's English).
bool ApplyLanguage(QCoreApplication& application, Language language);
Language CurrentLanguage();

// Removes what ApplyLanguage installed: the texts as written and Qt's own English, where the
// window tests start from.
void RemoveLanguage();

}  // namespace tremora
