#pragma once
// A drawing surface over a picture with the persistent state the plot code relies on: pen, brush,
// font and a current position that stay set between calls. Lines are aliased so that every pixel
// lands where the geometry says; colours are 0x00BBGGRR values. A second, finer picture of the
// same logical size (one with a device pixel ratio above 1, for the screen) may take every stroke
// as well: the first picture stays exactly what it would be alone.

#include <cstdint>
#include <memory>
#include <functional>
#include <string>
#include <vector>

#include <QBrush>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPoint>

#include "platform/DrawList.h"

class QPainter;

namespace tremora {

// 24-bit colour written 0x00BBGGRR (red is 0x0000FF).
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kRed = 0x0000FF;

QRgb ToRgb(Colour colour);
Colour FromRgb(QRgb rgb);

enum class BrushStyle { Solid, Clear };
enum class TextAlignment { Left, Right, Centre };

// The same path with each run of points on one column reduced to its entry, its lowest and highest
// points and its exit: for a one-pixel solid line exactly the same pixels.
std::vector<QPoint> CollapseColumnRuns(const std::vector<QPoint>& points);

// The font every new surface starts with.
QFont DefaultCanvasFont();

class Canvas : public TextMeasure {
 public:
  // Every text any canvas draws from now on is also handed to watcher (none when empty): tests
  // read what the pictures say, as they read what the windows' widgets say.
  static void WatchTexts(std::function<void(const std::string&)> watcher);

  // Draws on image and, when given, on sharp: both must outlive the canvas. sharp carries its device
  // pixel ratio and has image's size times that ratio.
  explicit Canvas(QImage& image, QImage* sharp = nullptr);
  ~Canvas() override;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // The picture with every pending stroke in it.
  const QImage& Image();
  // The finer picture with every pending stroke in it; null when there is none.
  const QImage* SharpImage();
  // Strokes from now on also go to sharp (none when null); pen, brush, font and position stay.
  void SetSharpImage(QImage* sharp);

  Colour PenColour() const { return pen_colour_; }
  void SetPenColour(Colour colour) { pen_colour_ = colour; }
  int PenWidth() const { return pen_width_; }
  void SetPenWidth(int width) { pen_width_ = width < 1 ? 1 : width; }
  PenStyle GetPenStyle() const { return pen_style_; }
  void SetPenStyle(PenStyle style) { pen_style_ = style; }

  Colour BrushColour() const { return brush_colour_; }
  // Giving the brush a colour makes it solid again, so a fill after a hollow outline still fills.
  void SetBrushColour(Colour colour) {
    brush_colour_ = colour;
    brush_style_ = BrushStyle::Solid;
  }
  BrushStyle GetBrushStyle() const { return brush_style_; }
  void SetBrushStyle(BrushStyle style) { brush_style_ = style; }

  const QFont& Font() const { return font_; }
  void SetFont(const QFont& font);
  Colour FontColour() const { return font_colour_; }
  void SetFontColour(Colour colour) { font_colour_ = colour; }

  QPoint PenPos() const { return position_; }
  void MoveTo(int x, int y) { position_ = QPoint(x, y); }
  // Line from the current position to (x, y), both ends included; (x, y) becomes the position.
  void LineTo(int x, int y);
  // MoveTo the first point, LineTo every later one, in one pass. With a clip, only what falls inside
  // it (widened by half the pen, so a curve along its edge keeps its full width) is drawn.
  void Polyline(const std::vector<QPoint>& points, const PixelRect* clip = nullptr);

  // Fills with the brush colour (whatever the brush style).
  void FillRect(const PixelRect& rect);
  // Outline in the pen, inside in the brush (unless the brush is clear).
  void Ellipse(const PixelRect& box);
  void Polygon(const std::vector<QPoint>& points);

  // Text with its top-left corner at (x, y). With a solid brush the text cell is first filled with
  // the brush colour (opaque background); with a clear brush the picture shows between the letters.
  // Texts take the room of the Japanese system fonts the layouts were made with: a line is the
  // font's pixel size high and the figures of the proportional face are condensed.
  void TextOut(int x, int y, const std::string& text);
  // Text in a box: vertically centred, aligned horizontally, tabs expanded, background transparent.
  void TextRect(const PixelRect& box, const std::string& text, TextAlignment alignment);
  int TextWidth(const std::string& text) const override;
  int TextHeight(const std::string& text) const override;

  // Walks a computed frame: each line in its own pen width and style (pen colour as set), each
  // text with TextOut. The pen keeps the last item's width and style.
  void Draw(const DrawList& list);

  // Marker of half-size size centred on (x, y), in the pen and brush: 0 circle, 1 triangle,
  // 2 square, 3 diamond, 4 diagonal cross, 5 upright cross; other kinds draw nothing.
  void Marker(int kind, int x, int y, int size);

  // Copies source's rectangle from into this picture's rectangle to, scaling when sizes differ.
  void CopyRect(const PixelRect& to, const QImage& source, const PixelRect& from);
  // Draws picture stretched over box.
  void StretchDraw(const PixelRect& box, const QImage& picture);
  // A bevel of width rings: top and left in top, bottom and right in bottom; box shrinks by width.
  void Frame3D(PixelRect& box, Colour top, Colour bottom, int width);

 private:
  // Calls paint(painter) on the picture, then on the finer picture if there is one.
  template <typename Paint>
  void OnEach(Paint paint);
  // How far strokes on painter are moved to cover the same logical pixels as on the picture.
  qreal StrokeShift(const QPainter& painter) const;
  // As OnEach, with the pen applied, for lines and outlines.
  template <typename Paint>
  void Stroke(Paint paint);
  QPainter& Painter();
  void ApplyPen(QPainter& painter) const;
  QBrush ShapeBrush() const;
  void Flush();
  // Calls visit(font, text, x offset) for each run of text in one font; returns the whole advance.
  template <typename Visit>
  int WalkRuns(const std::string& text, Visit visit) const;

  QImage& image_;
  QImage* sharp_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QPainter> sharp_painter_;
  Colour pen_colour_ = kBlack;
  int pen_width_ = 1;
  PenStyle pen_style_ = PenStyle::Solid;
  Colour brush_colour_ = kWhite;
  BrushStyle brush_style_ = BrushStyle::Solid;
  QFont font_;
  QFontMetrics metrics_;  // of font_, kept because the frames measure every label
  QFont narrow_font_;     // font_ condensed for the figures
  QFontMetrics narrow_metrics_;
  bool narrows_ = false;  // whether the figures take narrow_font_
  int text_height_ = 0;
  int text_ascent_ = 0;
  Colour font_colour_ = kBlack;
  QPoint position_;
};

}  // namespace tremora
