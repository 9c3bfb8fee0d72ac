#pragma once
// The one seam between the program and the desktop: message boxes, file dialogs, modal display,
// the clipboard, the browser and the end of the program. Windows call CurrentPlatform(); the tests
// install a ScriptedPlatform that records what was said and answers from a script.

#include <optional>
#include <string>
#include <vector>

class QImage;
class QWidget;

namespace tremora {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageIcon { None, Exclamation, Information, Question, Error };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct FileDialogOptions {
  std::string title;
  std::string filter;            // "text|pattern|text|pattern..." as the windows write it
  int filter_index = 1;          // 1-based entry selected when the dialog opens
  std::string default_name;
  std::string default_extension; // added when the chosen name has none
  std::string initial_folder;
  bool overwrite_prompt = false;
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageButtons buttons,
                                    MessageIcon icon) = 0;
  // The chosen path, or nullopt when the user cancelled.
  virtual std::optional<std::string> ChooseOpenFile(const FileDialogOptions& options) = 0;
  // The same dialog where several files may be chosen at once; nullopt when the user cancelled.
  virtual std::optional<std::vector<std::string>> ChooseOpenFiles(const FileDialogOptions& options) = 0;
  virtual std::optional<std::string> ChooseSaveFile(const FileDialogOptions& options) = 0;
  // Shows window modally and returns when it is closed: true then, false when the program began
  // to end meanwhile (the caller stops what it was doing). Every window repaints meanwhile.
  // still_readable (a plot in another window) keeps its mouse and Esc, so that its values can be
  // read while window waits; every other window's input waits as for any modal window.
  virtual bool ShowModal(QWidget& window, QWidget* still_readable = nullptr) = 0;
  virtual bool CopyImageToClipboard(const QImage& image) = 0;
  // Puts UTF-8 text on the clipboard; false when there is no clipboard.
  virtual bool CopyTextToClipboard(const std::string& text) = 0;
  // Opens a web address in the default browser; false when that failed.
  virtual bool OpenUrl(const std::string& url) = 0;
  // Asks the application to end once the current handler has returned.
  virtual void RequestTerminate() = 0;
  // The toolkit's standard error box (conversion errors of numeric edit boxes).
  virtual void ShowStandardError(const std::string& text) = 0;
};

// The platform in use; a QtPlatform unless a test has installed another.
Platform& CurrentPlatform();
// Installs platform (not owned) and returns the previous one; nullptr restores the default.
Platform* InstallPlatform(Platform* platform);

}  // namespace tremora
