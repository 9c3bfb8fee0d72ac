#pragma once
// The overlay window: chosen enlarged spectra of one or several records on one graph, each in its
// own colour with a legend line, saved as a GIF file or copied. It stays above the other windows.

#include <QPushButton>
#include <string>

#include "app/SecondaryWindows.h"
#include "graph/TMyGraph.h"
#include "platform/Platform.h"

namespace tremora {

class Application;

class TSuper : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit TSuper(Application& application);

  void BtnSPGIFClick();
  void Button1Click() { hide(); }
  void Button2Click();

  TMyGraph* MyGraph1 = nullptr;
  QPushButton *BtnSPGIF = nullptr, *Button1 = nullptr, *Button2 = nullptr;
  FileDialogOptions SaveDialog1;
  // Base name of the record of the overlay's first spectrum: the stem of its GIF's default name.
  std::string BaseName;

 private:
  Application& application_;
};

}  // namespace tremora
