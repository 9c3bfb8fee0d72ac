#pragma once
// A platform for tests: records every message and dialog, answers from a script, and never blocks.

#include <deque>
#include <string>
#include <vector>

#include <QImage>

#include "platform/Platform.h"

namespace tremora {

class ScriptedPlatform : public Platform {
 public:
  struct Message {
    std::string text;
    std::string caption;
    MessageButtons buttons;
    MessageIcon icon;
  };

  ScriptedPlatform() { previous_ = InstallPlatform(this); }
  ~ScriptedPlatform() override { InstallPlatform(previous_); }
  ScriptedPlatform(const ScriptedPlatform&) = delete;
  ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

  // Script: answers for the next message boxes (default Ok / Yes) and paths for the next file
  // dialogs (an empty optional cancels; an empty script cancels too).
  std::deque<MessageAnswer> answers;
  std::deque<std::optional<std::string>> open_paths;
  std::deque<std::optional<std::string>> save_paths;
  bool clipboard_works = true;
  bool browser_works = true;

  // What happened.
  std::vector<Message> messages;
  std::vector<FileDialogOptions> open_dialogs;
  std::vector<FileDialogOptions> save_dialogs;
  std::vector<std::string> standard_errors;
  std::vector<std::string> opened_urls;
  std::vector<QWidget*> modal_windows;
  QImage clipboard;
  int terminate_requests = 0;

  MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageButtons buttons,
                            MessageIcon icon) override {
    messages.push_back({text, caption, buttons, icon});
    if (!answers.empty()) {
      const MessageAnswer answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
  }
  std::optional<std::string> ChooseOpenFile(const FileDialogOptions& options) override {
    open_dialogs.push_back(options);
    return Next(open_paths);
  }
  std::optional<std::string> ChooseSaveFile(const FileDialogOptions& options) override {
    save_dialogs.push_back(options);
    return Next(save_paths);
  }
  // Records the window; a test drives a modal window itself.
  void ShowModal(QWidget& window) override { modal_windows.push_back(&window); }
  bool CopyImageToClipboard(const QImage& image) override {
    if (clipboard_works) clipboard = image;
    return clipboard_works;
  }
  bool OpenUrl(const std::string& url) override {
    opened_urls.push_back(url);
    return browser_works;
  }
  void RequestTerminate() override { ++terminate_requests; }
  void ShowStandardError(const std::string& text) override { standard_errors.push_back(text); }

 private:
  static std::optional<std::string> Next(std::deque<std::optional<std::string>>& script) {
    if (script.empty()) return std::nullopt;
    auto path = script.front();
    script.pop_front();
    return path;
  }
  Platform* previous_ = nullptr;
};

}  // namespace tremora
