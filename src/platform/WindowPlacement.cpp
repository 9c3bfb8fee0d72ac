#include "platform/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/HandlerGuard.h"

namespace tremora {

namespace {

// A title bar and thin borders, as most window managers draw them.
constexpr int kFrameSide = 4;
constexpr int kFrameTop = 30;

ScreenRect FromQt(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

void MoveFrameTo(QWidget& window, ScreenPoint corner) {
  // move() places the frame's corner.
  if (window.pos() != QPoint(corner.x, corner.y)) window.move(corner.x, corner.y);
}

}  // namespace

ScreenRect FrameOf(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  if (frame != window.geometry()) return FromQt(frame);
  return {window.x(), window.y(), window.width() + 2 * kFrameSide, window.height() + kFrameTop + kFrameSide};
}

ScreenRect FreeAreaNear(const QWidget* near) {
  QScreen* screen = near != nullptr ? near->screen() : nullptr;
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? FromQt(screen->availableGeometry()) : ScreenRect{};
}

std::vector<ScreenRect> FreeAreas() {
  std::vector<ScreenRect> areas;
  for (QScreen* screen : QGuiApplication::screens()) areas.push_back(FromQt(screen->availableGeometry()));
  return areas;
}

void FitOnScreen(QWidget& window, const QWidget* near) {
  const ScreenRect area = FreeAreaNear(near);
  if (area.width <= 0 || area.height <= 0) return;
  MoveFrameTo(window, FitInside(FrameOf(window), area));
}

void PlaceBeside(QWidget& window, const QWidget& anchor, const std::vector<Side>& sides) {
  const ScreenRect area = FreeAreaNear(&anchor);
  if (area.width <= 0 || area.height <= 0) return;
  const ScreenRect frame = FrameOf(window);
  MoveFrameTo(window, PlaceBeside(frame.width, frame.height, FrameOf(anchor), area, sides));
}

bool WindowsInView::eventFilter(QObject* watched, QEvent* event) {
  return AnswerGuarded(
      [&] {
        if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
        auto* window = static_cast<QWidget*>(watched);
        const Qt::WindowType type = window->windowType();
        if (!window->isWindow() || (type != Qt::Window && type != Qt::Dialog)) return false;
        const QWidget* parent = window->parentWidget();
        FitOnScreen(*window, parent != nullptr ? parent : &main_window_);
        return false;
      },
      false);
}

}  // namespace tremora
