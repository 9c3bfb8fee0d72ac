#pragma once
// Opening a web page from a link label.

#include <string>

namespace tremora {

// Opens address in the default browser; when that fails the user is told in a message box.
void OpenWebPage(const std::string& address);

}  // namespace tremora
