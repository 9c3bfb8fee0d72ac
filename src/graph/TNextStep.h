#pragma once
// The stepping window of the enlarged view, shown modally at every step: its buttons leave a
// command for the spectrum window's loop (next, back, close, GIF, new overlay, add, overlay GIF)
// and close it; the two copy buttons put a graph on the clipboard and leave it open.

#include <QPushButton>

#include "app/SecondaryWindows.h"

class QFrame;
class QCloseEvent;

namespace tremora {

class Application;
class TextLabel;

class TNextStep : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit TNextStep(Application& application);

  void Button1Click();   // next
  void Button2Click();   // back
  void Button3Click();   // close the enlarged view; the overlay window's buttons work again
  void Button4Click();   // GIF of the enlarged graph
  void Button5Click();   // new overlay
  void Button6Click();   // add to the overlay
  void Button7Click();   // GIF of the overlay
  void Button8Click();   // copy the enlarged graph
  void Button9Click();   // copy the overlay graph
  void Button10Click() { Button3Click(); }

  QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr, *Button5 = nullptr,
              *Button6 = nullptr, *Button7 = nullptr, *Button8 = nullptr, *Button9 = nullptr, *Button10 = nullptr;
  TextLabel *Label1 = nullptr, *Label2 = nullptr;
  QFrame* Panel1 = nullptr;

 protected:
  // The title bar's close box ends the enlarged view as "閉じる" does, rather than leaving the
  // loop to act on whatever command the last step left.
  void closeEvent(QCloseEvent* event) override;

 private:
  void Leave(unsigned char command);
  void EnableOverlayButtons(bool enabled);
  Application& application_;
};

}  // namespace tremora
