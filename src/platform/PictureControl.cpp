#include "platform/PictureControl.h"

#include <QPainter>

#include "platform/HandlerGuard.h"
#include "platform/Platform.h"

namespace tremora {

PictureControl::PictureControl(QWidget* parent) : QWidget(parent) {}

PictureControl::~PictureControl() = default;

Canvas& PictureControl::GetCanvas() {
  if (!canvas_) {
    picture_ = QImage(width() > 0 ? width() : 1, height() > 0 ? height() : 1, QImage::Format_RGB32);
    picture_.fill(ToRgb(kWhite));
    canvas_ = std::make_unique<Canvas>(picture_);
  }
  // Whatever the caller draws now shows at the next paint.
  update();
  return *canvas_;
}

const QImage& PictureControl::Picture() { return canvas_ ? canvas_->Image() : picture_; }

bool PictureControl::Copy() { return CurrentPlatform().CopyImageToClipboard(Picture()); }

void PictureControl::paintEvent(QPaintEvent* /*event*/) {
  RunGuarded([this] {
    if (!canvas_) return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), Picture());
  });
}

}  // namespace tremora
