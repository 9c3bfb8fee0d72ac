#pragma once
// The enlarged-spectrum window: one large graph that the spectrum window's enlarged view draws a
// step at a time, saved as a GIF file on the stepping window's command.

#include <string>

#include <QPushButton>

#include "app/SecondaryWindows.h"
#include "graph/TMyGraph.h"
#include "platform/Platform.h"

namespace tremora {

class Application;

class TLarge : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit TLarge(Application& application);

  // GIF file of the enlarged graph.
  void BtnLGGIFClick();
  // Ends the enlarged view and closes the window (its button is never shown).
  void Button2Click();

  TMyGraph* MyGraph1 = nullptr;
  QPushButton *Button2 = nullptr, *BtnLGGIF = nullptr;
  FileDialogOptions SaveDialog1;
  // The response of the step on screen ("SA", "SV" or "SD"), named in its GIF's default name.
  std::string ShownResponse;

 private:
  Application& application_;
};

}  // namespace tremora
