#pragma once
// The two message boxes the windows show most: a warning with an exclamation icon, and a plain one.

#include <string>

#include "platform/Platform.h"

namespace tremora {

inline void ShowWarning(const std::string& text, const std::string& caption) {
  CurrentPlatform().ShowMessage(text, caption, MessageButtons::Ok, MessageIcon::Exclamation);
}

inline void ShowNotice(const std::string& text, const std::string& caption) {
  CurrentPlatform().ShowMessage(text, caption, MessageButtons::Ok, MessageIcon::None);
}

}  // namespace tremora
