#pragma once
// A control that owns a picture and shows it: the base of the plot controls. The picture is made
// at the first drawing with the control's size at that moment and keeps what is drawn on it until
// it is painted over; resizing the control later does not resize the picture.

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
  // Places the picture on the clipboard; false when the clipboard refused it.
  bool Copy();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  std::unique_ptr<Canvas> canvas_;
};

}  // namespace tremora
