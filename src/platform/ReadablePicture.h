#pragma once
// A picture control whose values can be read with the mouse: moving over it reads the point under
// the cursor, a click pins a marker with its value, a click on a marker or Esc removes one. The
// read-out and markers are painted over the picture on screen only: Picture(), which every export
// takes, never holds them. A redraw that paints the picture over removes them.

#include <functional>
#include <optional>
#include <string>

#include "platform/PictureControl.h"
#include "platform/PlotReadout.h"

class QKeyEvent;
class QMouseEvent;
class QPainter;

namespace tremora {

class ReadablePicture : public PictureControl {
 public:
  explicit ReadablePicture(QWidget* parent = nullptr);

  // Where the read-out under the cursor goes as one line (empty when there is none), for a window
  // with a status line; unset, the control shows it in a box beside the cursor.
  std::function<void(const std::string&)> OnReadout;

  // What the mouse does, by position in the picture; the events call these.
  void HoverAt(int x, int y);
  void LeaveReadout();
  void ClickAt(int x, int y);
  // Esc: false when there was no marker, so the key goes on to the window.
  bool RemoveLatestMarker();

  const PinnedMarkers& Markers() const { return markers_; }
  // The reading the mouse rests on; empty when it is off the plot.
  const std::optional<PlotReading>& Hovered() const { return hovered_; }

 protected:
  // The reading at a pixel of the picture, worked out from what was drawn.
  virtual std::optional<PlotReading> ReadAt(int x, int y) const = 0;
  // The picture has been painted over: its markers and read-out no longer hold.
  void ForgetReadout();

  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The picture pixel under a point of the control (a kept picture may be shown magnified).
  QPoint PicturePoint(QPointF control_point) const;
  void PaintOverlay(QPainter& painter) const;
  void Report(const std::optional<PlotReading>& reading);

  PinnedMarkers markers_;
  std::optional<PlotReading> hovered_;
};

}  // namespace tremora
