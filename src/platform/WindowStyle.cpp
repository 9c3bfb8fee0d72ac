#include "platform/WindowStyle.h"

#include <cmath>

#include <QFontInfo>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace tremora {

QColor ColorFromBgr(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF));
}

QFont JapaneseFont(FontFace face, int pixel_size, bool bold) {
  QFont font(face == FontFace::ProportionalGothic ? "IPAPGothic" : "IPAGothic");
  font.setPixelSize(pixel_size);
  font.setBold(bold);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QFont PictureFont() { return JapaneseFont(FontFace::ProportionalGothic, 12, false); }

TextCellMetrics PictureTextMetrics(const QFont& font) {
  TextCellMetrics metrics;
  metrics.height = QFontInfo(font).pixelSize();
  metrics.ascent = static_cast<int>(std::lround(metrics.height * 0.86));
  // 0.5 / 0.63: the digits at half an em. The fixed face has them so already; other faces are
  // drawn as they are.
  if (QFontInfo(font).family() == "IPAPGothic") metrics.figure_stretch = 79;
  return metrics;
}

void SetBackground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, colour);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

void SetTextColour(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::ButtonText, colour);
  palette.setColor(QPalette::Text, colour);
  widget.setPalette(palette);
}

void CentreOnScreen(QWidget& window) {
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = window.geometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
  }
}

}  // namespace tremora
