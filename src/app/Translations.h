#pragma once
// Qt's own texts (standard buttons, the file dialog) in Japanese, whatever the desktop language,
// as the program's own texts are.

class QCoreApplication;

namespace tremora {

// Installs Qt's Japanese translation on the application when the file is there; returns false,
// and Qt keeps its English texts, when it is not. Run before the first dialog is made.
bool InstallQtJapaneseTranslation(QCoreApplication& application);

}  // namespace tremora
