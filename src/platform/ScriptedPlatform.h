#pragma once
// A platform for tests: records every message and dialog, answers from a script, and never blocks.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QImage>
#include <QWidget>

#include "platform/Platform.h"
#include "platform/SettingsStore.h"

namespace tremora {

class ScriptedPlatform : public Platform {
 public:
  struct Message {
    std::string text;
    std::string caption;
    MessageButtons buttons;
    MessageIcon icon;
  };

  // Settings are kept in memory, so no test reads or writes the user's own.
  ScriptedPlatform() {
    previous_ = InstallPlatform(this);
    previous_store_ = InstallSettingsStore(&settings);
  }
  ~ScriptedPlatform() override {
    InstallSettingsStore(previous_store_);
    InstallPlatform(previous_);
  }
  ScriptedPlatform(const ScriptedPlatform&) = delete;
  ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

  // Script: answers for the next message boxes (default Ok / Yes) and paths for the next file
  // dialogs (an empty optional cancels; an empty script cancels too).
  std::deque<MessageAnswer> answers;
  std::deque<std::optional<std::string>> open_paths;
  std::deque<std::optional<std::string>> save_paths;
  // Several files chosen in one open dialog: the next entry of open_selections while there is one,
  // else the next of open_paths as a choice of one file.
  std::deque<std::optional<std::vector<std::string>>> open_selections;
  // Modal windows: the object names of the buttons to press in turn while one is shown ("" is
  // its title bar's close box); a window still open when the script runs out is closed with its
  // close box. on_modal runs first at every modal display, to look at what is shown then. With
  // program_ending set, a modal display reports that the program is ending, without showing.
  std::deque<std::string> modal_presses;
  std::function<void(QWidget&)> on_modal;
  bool program_ending = false;
  bool clipboard_works = true;
  bool browser_works = true;
  MemorySettingsStore settings;

  // What happened.
  std::vector<Message> messages;
  std::vector<FileDialogOptions> open_dialogs;
  std::vector<FileDialogOptions> save_dialogs;
  std::vector<std::string> standard_errors;
  std::vector<std::string> opened_urls;
  std::vector<QWidget*> modal_windows;
  std::vector<std::string> missing_buttons;  // pressed but not found or disabled
  QImage clipboard;
  std::string clipboard_text;
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
  std::optional<std::vector<std::string>> ChooseOpenFiles(const FileDialogOptions& options) override {
    if (open_selections.empty()) {
      const std::optional<std::string> one = ChooseOpenFile(options);
      if (!one) return std::nullopt;
      return std::vector<std::string>{*one};
    }
    open_dialogs.push_back(options);
    auto chosen = open_selections.front();
    open_selections.pop_front();
    return chosen;
  }
  std::optional<std::string> ChooseSaveFile(const FileDialogOptions& options) override {
    save_dialogs.push_back(options);
    return Next(save_paths);
  }
  bool ShowModal(QWidget& window, QWidget* /*still_readable*/ = nullptr) override {
    modal_windows.push_back(&window);
    if (on_modal) on_modal(window);
    if (program_ending) return false;
    window.show();
    while (window.isVisible()) {
      const std::string name = modal_presses.empty() ? std::string() : modal_presses.front();
      if (!modal_presses.empty()) modal_presses.pop_front();
      auto* button = name.empty() ? nullptr : window.findChild<QAbstractButton*>(QString::fromStdString(name));
      if (button != nullptr && button->isEnabled()) {
        button->click();
        continue;
      }
      if (!name.empty()) missing_buttons.push_back(name);
      window.close();
      if (window.isVisible()) window.hide();
    }
    return true;
  }
  bool CopyImageToClipboard(const QImage& image) override {
    if (clipboard_works) clipboard = image;
    return clipboard_works;
  }
  bool CopyTextToClipboard(const std::string& text) override {
    if (clipboard_works) clipboard_text = text;
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
  SettingsStore* previous_store_ = nullptr;
};

}  // namespace tremora
