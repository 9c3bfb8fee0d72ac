#include "app/WebLink.h"

#include "platform/Platform.h"

namespace tremora {

void OpenWebPage(const std::string& address) {
  if (!CurrentPlatform().OpenUrl(address)) {
    CurrentPlatform().ShowMessage("インターネットエクスプローラの起動に失敗しました　　　　", "readme.htm呼び出しエラー",
                                  MessageButtons::Ok, MessageIcon::Exclamation);
  }
}

}  // namespace tremora
