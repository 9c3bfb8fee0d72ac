#include "platform/PictureControl.h"

#include <algorithm>

#include <QPainter>

#include "platform/HandlerGuard.h"
#include "platform/Platform.h"

namespace tremora {

namespace {
qreal overridden_ratio = 0;
}

PictureControl::PictureControl(QWidget* parent) : QWidget(parent) {}

PictureControl::~PictureControl() = default;

void PictureControl::OverrideDevicePixelRatio(qreal ratio) { overridden_ratio = ratio; }

qreal PictureControl::ScreenRatio() const {
  const qreal device = overridden_ratio > 0 ? overridden_ratio : devicePixelRatioF();
  if (!kept_size_.isValid()) return device;
  // The whole picture stays in view: the smaller of the two stretches.
  const qreal zoom = std::min(static_cast<qreal>(width()) / kept_size_.width(),
                              static_cast<qreal>(height()) / kept_size_.height());
  return device * std::max<qreal>(zoom, 1);
}

qreal PictureControl::Magnification() const {
  const qreal device = overridden_ratio > 0 ? overridden_ratio : devicePixelRatioF();
  const qreal shown = screen_picture_.isNull() ? 1 : screen_picture_.devicePixelRatio();
  return std::max<qreal>(shown / device, 1);
}

void PictureControl::MakeScreenPicture(qreal ratio) {
  screen_picture_ = QImage();
  if (ratio <= 1) return;
  screen_picture_ = QImage((QSizeF(picture_.size()) * ratio).toSize(), QImage::Format_RGB32);
  screen_picture_.setDevicePixelRatio(ratio);
  screen_picture_.fill(ToRgb(kWhite));
}

Canvas& PictureControl::GetCanvas() {
  if (!canvas_) {
    picture_ = QImage(std::max(PictureWidth(), 1), std::max(PictureHeight(), 1), QImage::Format_RGB32);
    picture_.fill(ToRgb(kWhite));
    MakeScreenPicture(ScreenRatio());
    canvas_ = std::make_unique<Canvas>(picture_, screen_picture_.isNull() ? nullptr : &screen_picture_);
  }
  // Whatever the caller draws now shows at the next paint.
  update();
  return *canvas_;
}

const QImage& PictureControl::Picture() { return canvas_ ? canvas_->Image() : picture_; }

const QImage& PictureControl::ScreenPicture() {
  if (!canvas_ || screen_picture_.isNull()) return Picture();
  return *canvas_->SharpImage();
}

bool PictureControl::Copy() { return CurrentPlatform().CopyImageToClipboard(Picture()); }

void PictureControl::KeepPictureSize(std::function<void()> redraw) {
  kept_size_ = size();
  redraw_ = std::move(redraw);
}

void PictureControl::paintEvent(QPaintEvent* /*event*/) {
  RunGuarded([this] {
    if (!canvas_) return;
    QPainter painter(this);
    // A finer picture is the screen's pixels one for one: the picture's logical area, magnified
    // by what its ratio holds beyond the screen's.
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(picture_.size()) * Magnification()), ScreenPicture());
  });
}

void PictureControl::resizeEvent(QResizeEvent* /*event*/) {
  RunGuarded([this] {
    if (!canvas_ || !kept_size_.isValid()) return;
    const qreal ratio = ScreenRatio();
    const qreal shown = screen_picture_.isNull() ? 1 : screen_picture_.devicePixelRatio();
    if (ratio == shown) return;
    // Until the redraw the old picture stands in, stretched.
    const QImage old = ScreenPicture().copy();
    MakeScreenPicture(ratio);
    if (!screen_picture_.isNull()) {
      QPainter painter(&screen_picture_);
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawImage(QRectF(QPointF(0, 0), QSizeF(picture_.size())), old);
    }
    canvas_->SetSharpImage(screen_picture_.isNull() ? nullptr : &screen_picture_);
    update();
    if (!redraw_ || redraw_pending_) return;
    // A drag resizes many times: one redraw once it rests.
    redraw_pending_ = true;
    RunDeferred(*this, [this] {
      redraw_pending_ = false;
      redraw_();
    });
  });
}

}  // namespace tremora
