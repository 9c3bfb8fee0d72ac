#include "app/SecondaryWindows.h"

#include "platform/WindowStyle.h"

namespace tremora {

SecondaryWindow::SecondaryWindow(const QString& name, const QString& caption, int width, int height,
                                 QColor background) {
  setObjectName(name);
  setWindowTitle(caption);
  resize(width, height);
  // Smaller, the window would cut its controls off.
  setMinimumSize(width, height);
  SetBackground(*this, background);
  setFont(JapaneseFont(FontFace::ProportionalGothic, 13, true));
}

}  // namespace tremora
