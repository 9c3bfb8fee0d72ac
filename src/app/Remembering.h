#pragma once
// The program's side of what is kept between runs (platform/RememberedState): the recent files of
// the ファイル menu, the folders the dialogs open in, the windows' places and the language.
// Restored once the windows exist (the language before them), stored when the program ends. Every
// control still starts as it always has.

#include <string>

#include "app/Language.h"

namespace tremora {

class Application;

// The language a run starts in: requested ("ja" or "en" from --lang) when given, else the one the
// last run ended in, else Japanese.
Language StartupLanguage(const std::string& requested);

void RestoreRemembered(Application& application);
// False when the store would not take it; the next run then starts as this one did.
bool StoreRemembered(const Application& application);

}  // namespace tremora
