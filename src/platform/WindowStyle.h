#pragma once
// Colours and fonts of the windows. Colours are written 0x00BBGGRR (red in the low byte), the way
// the window definitions give them. The IPA fonts stand in for the Japanese system fonts: they
// keep the same character widths.

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
