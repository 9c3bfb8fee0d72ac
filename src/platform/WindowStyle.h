#pragma once
// Colours and fonts of the windows. Colours are written 0x00BBGGRR (red in the low byte), the way
// the window definitions give them. The IPA fonts stand in for the Japanese system fonts: their
// kana and kanji keep the same widths; the digits of the proportional face do not (see
// PictureTextMetrics).

#include <QColor>
#include <QFont>
#include <cstdint>

class QWidget;

namespace tremora {

QColor ColorFromBgr(std::uint32_t bgr);

enum class FontFace {
  ProportionalGothic,  // "ＭＳ Ｐゴシック"
  FixedGothic,         // "ＭＳ ゴシック"
};
QFont JapaneseFont(FontFace face, int pixel_size, bool bold);
// The font a new picture's drawing surface starts with: the desktop's default text font of the
// system the layouts were drawn on, "ＭＳ Ｐゴシック" at 12 pixels, not bold.
QFont PictureFont();

// Metrics of the Japanese system fonts that the picture layouts were drawn with. A line is exactly
// the pixel size high (ascent 0.86, descent 0.14 of it); the digits of the proportional face are
// half an em wide, where the IPA face makes them 0.63 em: drawn at their natural width, dates,
// times and tick numbers run into each other and out of the pictures.
struct TextCellMetrics {
  int height = 0;            // one line, whatever the letters
  int ascent = 0;            // top of the line to the baseline
  int figure_stretch = 100;  // percent for digits and the signs between them; 100 leaves them be
};
TextCellMetrics PictureTextMetrics(const QFont& font);

// Paints the widget's background (and that of children without their own) in colour.
void SetBackground(QWidget& widget, const QColor& colour);
// Colour of a widget's text.
void SetTextColour(QWidget& widget, const QColor& colour);
// Places a top-level window at the centre of the primary screen's free area.
void CentreOnScreen(QWidget& window);

namespace colours {
inline constexpr std::uint32_t kRed = 0x0000FF;
inline constexpr std::uint32_t kBlue = 0xFF0000;
inline constexpr std::uint32_t kPurple = 0x800080;
inline constexpr std::uint32_t kTeal = 0x808000;
inline constexpr std::uint32_t kNavy = 0x800000;
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
}  // namespace colours

}  // namespace tremora
