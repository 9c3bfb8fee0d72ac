#pragma once

#include <QString>

#include "platform/Platform.h"

namespace tremora {

// The desktop itself, through Qt.
class QtPlatform : public Platform {
 public:
  MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageButtons buttons,
                            MessageIcon icon) override;
  std::optional<std::string> ChooseOpenFile(const FileDialogOptions& options) override;
  std::optional<std::vector<std::string>> ChooseOpenFiles(const FileDialogOptions& options) override;
  std::optional<std::string> ChooseSaveFile(const FileDialogOptions& options) override;
  bool ShowModal(QWidget& window, QWidget* still_readable = nullptr) override;
  bool CopyImageToClipboard(const QImage& image) override;
  bool CopyTextToClipboard(const std::string& text) override;
  bool OpenUrl(const std::string& url) override;
  void RequestTerminate() override;
  void ShowStandardError(const std::string& text) override;
};

// "NS files|*.ns*|All|*.*" to Qt's "NS files (*.ns*);;All (*.*)".
QString ToQtFilter(const std::string& filter);

}  // namespace tremora
