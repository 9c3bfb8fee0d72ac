#include "platform/ReadablePicture.h"

#include <QKeyEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>

#include "platform/Canvas.h"
#include "platform/HandlerGuard.h"
#include "platform/WindowStyle.h"

namespace tremora {

namespace {

constexpr Colour kMarkerColour = 0x0080FF;    // orange, apart from every curve colour
constexpr Colour kBoxColour = 0xE1FFFF;       // the pale yellow of a tooltip
constexpr int kMarkerRadius = 4;
constexpr int kPadding = 3;
constexpr int kSwatch = 10;

// A box of text lines at (x, y), moved inside bounds; a line with a colour gets a swatch of it.
void PaintTextBox(QPainter& painter, const std::vector<ReadoutLine>& lines, QPoint at, const QRect& bounds) {
  const QFontMetrics metrics(painter.font());
  int width = 0;
  for (const ReadoutLine& line : lines) {
    const int swatch = line.colour ? kSwatch + kPadding : 0;
    width = std::max(width, swatch + metrics.horizontalAdvance(QString::fromStdString(line.text)));
  }
  const int line_height = metrics.height();
  QRect box(at, QSize(width + 2 * kPadding, line_height * static_cast<int>(lines.size()) + 2 * kPadding));
  if (box.right() > bounds.right()) box.moveRight(bounds.right());
  if (box.bottom() > bounds.bottom()) box.moveBottom(bounds.bottom());
  box.moveLeft(std::max(box.left(), bounds.left()));
  box.moveTop(std::max(box.top(), bounds.top()));
  painter.setPen(QColor(Qt::black));
  painter.setBrush(QColor(ToRgb(kBoxColour)));
  painter.drawRect(box);
  int y = box.top() + kPadding;
  for (const ReadoutLine& line : lines) {
    int x = box.left() + kPadding;
    if (line.colour) {
      painter.fillRect(QRect(x, y + (line_height - kSwatch) / 2, kSwatch, kSwatch), QColor(ToRgb(*line.colour)));
      x += kSwatch + kPadding;
    }
    painter.setPen(QColor(Qt::black));
    painter.drawText(QRect(x, y, box.right() - x, line_height), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(line.text));
    y += line_height;
  }
}

void PaintMarkerPoint(QPainter& painter, PixelPoint at) {
  painter.setPen(QPen(QColor(ToRgb(kMarkerColour)), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QPoint(at.x, at.y), kMarkerRadius, kMarkerRadius);
}

}  // namespace

ReadablePicture::ReadablePicture(QWidget* parent) : PictureControl(parent) {
  setMouseTracking(true);
  // A click gives the plot the keyboard, so Esc reaches its markers.
  setFocusPolicy(Qt::ClickFocus);
}

QPoint ReadablePicture::PicturePoint(QPointF control_point) const {
  return (control_point / Magnification()).toPoint();
}

void ReadablePicture::Report(const std::optional<PlotReading>& reading) {
  if (OnReadout) OnReadout(reading ? OneLine(reading->lines) : std::string());
}

void ReadablePicture::HoverAt(int x, int y) {
  hovered_ = ReadAt(x, y);
  Report(hovered_);
  update();
}

void ReadablePicture::LeaveReadout() {
  if (!hovered_) return;
  hovered_.reset();
  Report(hovered_);
  update();
}

void ReadablePicture::ClickAt(int x, int y) {
  if (!markers_.RemoveAt(x, y)) {
    const std::optional<PlotReading> reading = ReadAt(x, y);
    if (reading) markers_.Pin({reading->pin, reading->pin_text});
  }
  update();
}

bool ReadablePicture::RemoveLatestMarker() {
  const bool removed = markers_.RemoveLatest();
  if (removed) update();
  return removed;
}

void ReadablePicture::ForgetReadout() {
  markers_.Clear();
  LeaveReadout();
}

void ReadablePicture::PaintOverlay(QPainter& painter) const {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setFont(JapaneseFont(FontFace::ProportionalGothic, 12, false));
  const QRect bounds(0, 0, PictureWidth() - 1, PictureHeight() - 1);
  for (const PinnedMarker& marker : markers_.All()) {
    PaintMarkerPoint(painter, marker.at);
    PaintTextBox(painter, {{marker.text, std::nullopt}}, QPoint(marker.at.x + 6, marker.at.y - 20), bounds);
  }
  if (!hovered_) return;
  PaintMarkerPoint(painter, hovered_->pin);
  if (!OnReadout) PaintTextBox(painter, hovered_->lines, QPoint(hovered_->pin.x + 12, hovered_->pin.y + 12), bounds);
}

void ReadablePicture::paintEvent(QPaintEvent* event) {
  RunGuarded([&] {
    PictureControl::paintEvent(event);
    if (!markers_.All().empty() || hovered_) {
      QPainter painter(this);
      // In the picture's pixels, magnified with it.
      painter.scale(Magnification(), Magnification());
      PaintOverlay(painter);
    }
  });
}

void ReadablePicture::mouseMoveEvent(QMouseEvent* event) {
  RunGuarded([&] {
    const QPoint at = PicturePoint(event->position());
    HoverAt(at.x(), at.y());
  });
}

void ReadablePicture::mousePressEvent(QMouseEvent* event) {
  RunGuarded([&] {
    if (event->button() != Qt::LeftButton) return event->ignore();
    const QPoint at = PicturePoint(event->position());
    ClickAt(at.x(), at.y());
  });
}

void ReadablePicture::leaveEvent(QEvent* /*event*/) {
  RunGuarded([&] { LeaveReadout(); });
}

void ReadablePicture::keyPressEvent(QKeyEvent* event) {
  RunGuarded([&] {
    if (event->key() == Qt::Key_Escape && RemoveLatestMarker()) return event->accept();
    event->ignore();
  });
}

}  // namespace tremora
