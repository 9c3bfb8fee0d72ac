#pragma once
// The please-wait window shown during long work. The work runs on the user-interface thread without
// returning to the event loop, so the window is painted at once when it is shown.

#include <QWidget>
#include <string>

namespace tremora {

class TextLabel;

class TWait : public QWidget {
  Q_OBJECT

 public:
  TWait();
  // Sets the text, shows the window and paints it now.
  void ShowWith(const std::string& text);
  void Close();

  TextLabel* Label1 = nullptr;
};

}  // namespace tremora
