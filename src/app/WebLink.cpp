#include "app/WebLink.h"

#include "base/Translation.h"
#include "platform/Platform.h"

namespace tremora {

void OpenWebPage(const std::string& address) {
  if (!CurrentPlatform().OpenUrl(address)) {
    CurrentPlatform().ShowMessage(Translate("WebLink", "インターネットエクスプローラの起動に失敗しました　　　　"),
                                  Translate("WebLink", "readme.htm呼び出しエラー"), MessageButtons::Ok,
                                  MessageIcon::Exclamation);
  }
}

}  // namespace tremora
