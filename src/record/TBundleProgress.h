#pragma once
// The window shown while a download bundle is unpacked on a worker thread: what is going on, a
// progress bar and a キャンセル button. The event loop runs meanwhile, so the program repaints and
// a Ctrl-C or the end of the session is honoured at once.

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "base/Translation.h"

class QProgressBar;
class QPushButton;
class QTimer;

namespace tremora {

class TextLabel;

class TBundleProgress : public QWidget {
  Q_OBJECT

 public:
  TBundleProgress();

  // Shows the window modally with text (in the current language, and again in a new one) until
  // poll, asked every few milliseconds, gives nullopt (the work has ended); until then it gives the
  // share done, 0 to 1. False when the user cancelled or the program began to end: the caller
  // stops the work.
  bool Watch(TrText text, const std::function<std::optional<double>()>& poll);

  void Button1Click();  // キャンセル

  TextLabel* Label1 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QPushButton* Button1 = nullptr;

 protected:
  // Only キャンセル and the program's end stop the work; the window goes by itself when it is done.
  void closeEvent(QCloseEvent* event) override;
  // Sees the application's request to end, which closes every window first.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Poll();

  std::function<std::optional<double>()> poll_;
  QTimer* timer_ = nullptr;
  bool cancelled_ = false;
  bool program_ending_ = false;
};

}  // namespace tremora
