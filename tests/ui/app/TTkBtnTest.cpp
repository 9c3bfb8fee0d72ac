#include "app/TTkBtn.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>

#include <gtest/gtest.h>

namespace tremora {
namespace {

Colour Role(const QWidget& widget, QPalette::ColorRole role) { return FromRgb(widget.palette().color(role).rgb()); }

Colour At(const QImage& face, int x, int y) { return FromRgb(face.pixel(x, y)); }

void Mouse(TTkBtn& button, QEvent::Type type, Qt::MouseButton which, QPoint at = QPoint(10, 10)) {
  QMouseEvent event(type, QPointF(at), QPointF(button.mapToGlobal(at)), which,
                    type == QEvent::MouseButtonPress ? Qt::MouseButtons(which) : Qt::MouseButtons(Qt::NoButton),
                    Qt::NoModifier);
  QApplication::sendEvent(&button, &event);
}

// A 16 x 16 face: left half blue, right half green.
QImage Face() {
  QImage face(16, 16, QImage::Format_RGB32);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) face.setPixel(x, y, ToRgb(x < 8 ? 0xFF0000 : 0x00FF00));
  }
  return face;
}

TEST(TTkBtn, WithoutAPictureItIsAPlainRaisedPanel) {
  TTkBtn button;
  EXPECT_EQ(button.size(), QSize(75, 25));
  EXPECT_TRUE(button.PictureImg().isNull());
  const QImage face = button.Render();
  EXPECT_EQ(At(face, 0, 0), Role(button, QPalette::Light));
  EXPECT_EQ(At(face, 74, 24), Role(button, QPalette::Dark));
  EXPECT_EQ(At(face, 3, 3), button.Color);
}

TEST(TTkBtn, PictureIsStretchedOverTheButtonUnderTheBevel) {
  TTkBtn button;
  button.Set_Picture(Face());
  const QImage face = button.Render();
  EXPECT_EQ(At(face, 0, 12), Role(button, QPalette::Light));
  EXPECT_EQ(At(face, 74, 12), Role(button, QPalette::Dark));
  EXPECT_EQ(At(face, 1, 1), 0xFF0000u);
  EXPECT_EQ(At(face, 36, 23), 0xFF0000u);
  EXPECT_EQ(At(face, 38, 1), 0x00FF00u);
  EXPECT_EQ(At(face, 73, 23), 0x00FF00u);
}

TEST(TTkBtn, CaptionIsDrawnOverThePictureWithoutErasingIt) {
  TTkBtn button;
  button.Set_Picture(Face());
  const QImage bare = button.Render();
  button.Caption = "OK";
  const QImage captioned = button.Render();
  int letters = 0, kept = 0;
  for (int y = 1; y < 24; ++y) {
    for (int x = 1; x < 74; ++x) {
      if (captioned.pixel(x, y) == bare.pixel(x, y)) {
        ++kept;
      } else {
        ++letters;
        EXPECT_GT(x, 20);  // centred
        EXPECT_LT(x, 55);
      }
    }
  }
  EXPECT_GT(letters, 10);
  EXPECT_GT(kept, 73 * 23 - 200);
}

TEST(TTkBtn, LooksPushedWhileTheLeftButtonIsHeldAndClicksOnRelease) {
  TTkBtn button;
  int clicks = 0;
  QObject::connect(&button, &TTkBtn::Click, [&clicks] { ++clicks; });
  Mouse(button, QEvent::MouseButtonPress, Qt::LeftButton);
  EXPECT_EQ(button.BevelOuter(), BevelKind::Lowered);
  EXPECT_EQ(At(button.Render(), 0, 0), Role(button, QPalette::Dark));
  Mouse(button, QEvent::MouseButtonRelease, Qt::LeftButton);
  EXPECT_EQ(button.BevelOuter(), BevelKind::Raised);
  EXPECT_EQ(At(button.Render(), 0, 0), Role(button, QPalette::Light));
  EXPECT_EQ(clicks, 1);

  // Released away from the button: no click.
  Mouse(button, QEvent::MouseButtonPress, Qt::LeftButton);
  Mouse(button, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(200, 10));
  EXPECT_EQ(clicks, 1);
}

TEST(TTkBtn, RightButtonLeavesTheBevelRaised) {
  TTkBtn button;
  Mouse(button, QEvent::MouseButtonPress, Qt::RightButton);
  EXPECT_EQ(button.BevelOuter(), BevelKind::Raised);
  Mouse(button, QEvent::MouseButtonRelease, Qt::RightButton);
  EXPECT_EQ(button.BevelOuter(), BevelKind::Raised);
}

}  // namespace
}  // namespace tremora
