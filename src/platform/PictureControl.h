#pragma once
// A control that owns a picture and shows it: the base of the plot controls. The picture is made
// at the first drawing with the control's size at that moment and keeps what is drawn on it until
// it is painted over; resizing the control later does not resize the picture. On a screen with a
// device pixel ratio above 1 every stroke also goes into a finer screen picture of the same logical
// size, which is what the control shows; the picture that is saved and copied stays the 1x one.

#include <functional>
#include <memory>

#include <QImage>
#include <QWidget>

#include "platform/Canvas.h"

namespace tremora {

class PictureControl : public QWidget {
 public:
  explicit PictureControl(QWidget* parent = nullptr);
  ~PictureControl() override;

  // The drawing surface; creates a white picture of the control's size on first use.
  Canvas& GetCanvas();
  // The picture as drawn so far (empty before the first drawing).
  const QImage& Picture();
  // What the control shows: the finer picture when there is one, else the picture.
  const QImage& ScreenPicture();
  // Places the picture on the clipboard; false when the clipboard refused it.
  bool Copy();

  // From now on the picture keeps the control's present size, whatever the control's size later:
  // a larger control shows it magnified, drawn finer. After a resize that changes the
  // magnification the screen picture starts as the old one stretched, and redraw (when set) is
  // run once the event loop is free, to draw it again at the new size.
  void KeepPictureSize(std::function<void()> redraw);
  // The picture's size: the kept size, else the control's.
  int PictureWidth() const { return kept_size_.isValid() ? kept_size_.width() : width(); }
  int PictureHeight() const { return kept_size_.isValid() ? kept_size_.height() : height(); }
  // Control pixels per picture pixel as shown now: above 1 while a kept picture is magnified.
  qreal Magnification() const;

  // Every picture control makes its screen pictures from now on at ratio instead of its screen's
  // own (0: the screen's again). For tests, which run on a screen of ratio 1.
  static void OverrideDevicePixelRatio(qreal ratio);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Screen pixels per picture pixel: the device pixel ratio times the magnification.
  qreal ScreenRatio() const;
  // A white screen picture for ratio, or none at a ratio of 1.
  void MakeScreenPicture(qreal ratio);

  QImage picture_;
  QImage screen_picture_;  // null at a ratio of 1
  QSize kept_size_;        // invalid unless kept
  std::function<void()> redraw_;
  bool redraw_pending_ = false;
  std::unique_ptr<Canvas> canvas_;
};

}  // namespace tremora
