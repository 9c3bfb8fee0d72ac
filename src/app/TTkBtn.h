#pragma once
// A push button whose face is a picture stretched over the whole button, with a bevelled border
// and the caption drawn on top of the picture. It looks pushed in while the left button is held.

#include <string>

#include <QImage>
#include <QWidget>

#include "platform/Canvas.h"

namespace tremora {

enum class BevelKind { None, Lowered, Raised };

class TTkBtn : public QWidget {
  Q_OBJECT

 public:
  explicit TTkBtn(QWidget* parent = nullptr);

  // Copies picture into the button's own face picture and repaints.
  void Set_Picture(const QImage& picture);
  const QImage& PictureImg() const { return picture_img_; }

  std::string Caption;
  TextAlignment Alignment = TextAlignment::Centre;
  int BevelWidth = 1;
  int BorderWidth = 0;
  Colour Color;  // the desktop's button face unless set
  BevelKind BevelOuter() const { return bevel_outer_; }
  BevelKind BevelInner = BevelKind::None;

  // The button's face as it paints it: the picture (or Color) stretched over the client area,
  // the bevels, the border and the caption.
  QImage Render() const;

 signals:
  // The left button was pressed and released over the control.
  void Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void SetBevelOuter(BevelKind kind);
  void DrawBevel(Canvas& canvas, PixelRect& box, BevelKind kind) const;

  QImage picture_img_;
  BevelKind bevel_outer_ = BevelKind::Raised;
};

}  // namespace tremora
