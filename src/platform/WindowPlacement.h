#pragma once
// Keeping windows in view: every top-level window opens inside the free area of the screen its
// parent (for the program's own windows, the main window) is on, and windows that serve another
// are placed beside it. The arithmetic is platform/ScreenFit; this is its Qt side.

#include <QObject>
#include <vector>

#include "platform/ScreenFit.h"

class QWidget;

namespace tremora {

// The window's outer rectangle. Before a window is first shown its frame is not known; a usual
// one is allowed for.
ScreenRect FrameOf(const QWidget& window);
// The free area of the screen near is on (the primary screen's without near).
ScreenRect FreeAreaNear(const QWidget* near);
// The free areas of all screens.
std::vector<ScreenRect> FreeAreas();

// Moves window the least that puts it inside the free area of near's screen.
void FitOnScreen(QWidget& window, const QWidget* near);
// Places window beside anchor on the first of sides with room, inside the free area of anchor's
// screen.
void PlaceBeside(QWidget& window, const QWidget& anchor, const std::vector<Side>& sides);

// Installed on the application: fits each window as it is shown onto the screen of its parent,
// or of main_window when it has none. Menus, tooltips and other pop-ups are left to Qt.
class WindowsInView : public QObject {
 public:
  explicit WindowsInView(const QWidget& main_window) : main_window_(main_window) {}
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const QWidget& main_window_;
};

}  // namespace tremora
