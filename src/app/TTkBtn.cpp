#include "app/TTkBtn.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include "platform/HandlerGuard.h"

namespace tremora {

namespace {

Colour PaletteColour(const QWidget& widget, QPalette::ColorRole role) {
  return FromRgb(widget.palette().color(role).rgb());
}

}  // namespace

TTkBtn::TTkBtn(QWidget* parent) : QWidget(parent), Color(PaletteColour(*this, QPalette::Button)) {
  resize(75, 25);
}

void TTkBtn::Set_Picture(const QImage& picture) {
  picture_img_ = picture.copy();
  update();
}

void TTkBtn::DrawBevel(Canvas& canvas, PixelRect& box, BevelKind kind) const {
  if (kind == BevelKind::None) return;
  const Colour light = PaletteColour(*this, QPalette::Light);
  const Colour shadow = PaletteColour(*this, QPalette::Dark);
  if (kind == BevelKind::Raised) {
    canvas.Frame3D(box, light, shadow, BevelWidth);
  } else {
    canvas.Frame3D(box, shadow, light, BevelWidth);
  }
}

QImage TTkBtn::Render() const {
  QImage face(width(), height(), QImage::Format_RGB32);
  {
    Canvas canvas(face);
    PixelRect box{0, 0, width(), height()};
    // Without a picture the button is a plain panel in its colour.
    if (picture_img_.isNull()) {
      canvas.SetBrushColour(Color);
      canvas.FillRect(box);
    } else {
      canvas.StretchDraw(box, picture_img_);
    }
    DrawBevel(canvas, box, bevel_outer_);
    canvas.Frame3D(box, Color, Color, BorderWidth);
    DrawBevel(canvas, box, BevelInner);

    canvas.SetFont(font());
    canvas.SetFontColour(FromRgb(palette().color(QPalette::ButtonText).rgb()));
    const int h = canvas.TextHeight("W");
    box.top = (box.top + box.bottom - h) / 2;
    box.bottom = box.top + h;
    canvas.TextRect(box, Caption, Alignment);
  }
  return face;
}

void TTkBtn::paintEvent(QPaintEvent* /*event*/) {
  RunGuarded([this] {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), Render());
  });
}

void TTkBtn::SetBevelOuter(BevelKind kind) {
  bevel_outer_ = kind;
  update();
}

void TTkBtn::mousePressEvent(QMouseEvent* event) {
  RunGuarded([this, event] {
    if (event->button() == Qt::LeftButton) SetBevelOuter(BevelKind::Lowered);
  });
}

void TTkBtn::mouseReleaseEvent(QMouseEvent* event) {
  RunGuarded([this, event] {
    if (event->button() != Qt::LeftButton) return;
    SetBevelOuter(BevelKind::Raised);
    if (rect().contains(event->position().toPoint())) emit Click();
  });
}

}  // namespace tremora
