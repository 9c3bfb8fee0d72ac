#include "platform/Canvas.h"

#include <algorithm>
#include <cstdlib>

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QString>

#include "platform/WindowStyle.h"

namespace tremora {

QRgb ToRgb(Colour colour) { return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

Colour FromRgb(QRgb rgb) {
  return static_cast<Colour>(qRed(rgb)) | (static_cast<Colour>(qGreen(rgb)) << 8) |
         (static_cast<Colour>(qBlue(rgb)) << 16);
}

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

std::function<void(const std::string&)>& TextWatcher() {
  static std::function<void(const std::string&)> watcher;
  return watcher;
}

void Watch(const std::string& text) {
  if (TextWatcher()) TextWatcher()(text);
}

// Text is drawn without smoothing like the lines, so pictures keep a small exact palette; glyphs
// keep their design advances whatever hinting the desktop asks for, so texts measure the same
// on every display and in every exported picture.
QFont Aliased(QFont font) {
  font.setStyleStrategy(QFont::NoAntialias);
  font.setHintingPreference(QFont::PreferVerticalHinting);
  return font;
}

// Digits and the signs written between them in numbers, dates and times. Letters and brackets keep
// their natural width: condensed, "[c" reads as one letter.
bool IsFigure(QChar c) { return (c >= u'0' && c <= u'9') || QStringView(u".,:/-+").contains(c); }

QRect ToQRect(const PixelRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

}  // namespace

QFont DefaultCanvasFont() { return PictureFont(); }

Canvas::Canvas(QImage& image, QImage* sharp)
    : image_(image), sharp_(sharp), metrics_(font_, &image_), narrow_metrics_(font_, &image_) {
  SetFont(DefaultCanvasFont());
}

Canvas::~Canvas() { Flush(); }

const QImage& Canvas::Image() {
  Flush();
  return image_;
}

const QImage* Canvas::SharpImage() {
  Flush();
  return sharp_;
}

void Canvas::SetSharpImage(QImage* sharp) {
  Flush();
  sharp_ = sharp;
}

void Canvas::Flush() {
  for (std::unique_ptr<QPainter>* painter : {&painter_, &sharp_painter_}) {
    if (*painter) {
      (*painter)->end();
      painter->reset();
    }
  }
}

namespace {

std::unique_ptr<QPainter> OpenAliased(QImage& image) {
  auto painter = std::make_unique<QPainter>(&image);
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->setRenderHint(QPainter::TextAntialiasing, false);
  return painter;
}

}  // namespace

// One painter stays open across calls: a trace of tens of thousands of segments would otherwise
// pay for opening the picture once per segment. Reading the picture closes it.
QPainter& Canvas::Painter() {
  if (!painter_) {
    painter_ = OpenAliased(image_);
    // The finer picture's painter scales by its device pixel ratio on its own.
    if (sharp_) sharp_painter_ = OpenAliased(*sharp_);
  }
  return *painter_;
}

template <typename Paint>
void Canvas::OnEach(Paint paint) {
  paint(Painter());
  if (sharp_painter_) paint(*sharp_painter_);
}

// An aliased pen of odd width at whole coordinates covers the pixel right of and below the point
// and as many on either side; one of even width reaches one pixel further up and left than down
// and right. On the finer picture the same logical pixels are covered by stroking through the
// pixel's centre for odd widths and through its corner for even ones.
qreal Canvas::StrokeShift(const QPainter& painter) const {
  return &painter == sharp_painter_.get() && pen_width_ % 2 == 1 ? 0.5 : 0.0;
}

template <typename Paint>
void Canvas::Stroke(Paint paint) {
  OnEach([&](QPainter& painter) {
    ApplyPen(painter);
    const qreal shift = StrokeShift(painter);
    if (shift == 0) return paint(painter);
    painter.translate(shift, shift);
    paint(painter);
    painter.translate(-shift, -shift);
  });
}

void Canvas::SetFont(const QFont& font) {
  font_ = Aliased(font);
  metrics_ = QFontMetrics(font_, &image_);
  const TextCellMetrics cell = PictureTextMetrics(font_);
  text_height_ = cell.height;
  text_ascent_ = cell.ascent;
  narrows_ = cell.figure_stretch != 100;
  narrow_font_ = font_;
  if (narrows_) narrow_font_.setStretch(cell.figure_stretch);
  narrow_metrics_ = QFontMetrics(narrow_font_, &image_);
}

template <typename Visit>
int Canvas::WalkRuns(const std::string& text, Visit visit) const {
  const QString q = Q(text);
  if (!narrows_) {
    visit(font_, q, 0);
    return metrics_.horizontalAdvance(q);
  }
  int advance = 0;
  for (qsizetype start = 0; start < q.size();) {
    const bool narrow = IsFigure(q[start]);
    qsizetype end = start + 1;
    while (end < q.size() && IsFigure(q[end]) == narrow) ++end;
    const QString run = q.mid(start, end - start);
    visit(narrow ? narrow_font_ : font_, run, advance);
    advance += (narrow ? narrow_metrics_ : metrics_).horizontalAdvance(run);
    start = end;
  }
  return advance;
}

void Canvas::ApplyPen(QPainter& painter) const {
  QPen pen(QColor(ToRgb(pen_colour_)));
  pen.setWidth(pen_width_);
  // The picture is never transformed, so a cosmetic pen takes the fast pixel-stepping path; on the
  // finer picture the pen scales with the ratio to keep its logical width and dot pitch.
  pen.setCosmetic(&painter != sharp_painter_.get());
  pen.setStyle(pen_style_ == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
  pen.setCapStyle(Qt::SquareCap);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
}

QBrush Canvas::ShapeBrush() const {
  return brush_style_ == BrushStyle::Solid ? QBrush(QColor(ToRgb(brush_colour_))) : QBrush(Qt::NoBrush);
}

void Canvas::LineTo(int x, int y) {
  const QPoint from = position_, to(x, y);
  // The picture's dotted line puts a dot on every third pixel from its start; the finer picture's
  // own dash pattern would not fall on the same pixels, so its dots are set one by one. The plot
  // frames draw only level and upright dotted lines.
  const bool dots_by_hand =
      pen_style_ == PenStyle::Dotted && pen_width_ == 1 && (from.x() == to.x() || from.y() == to.y());
  Stroke([&](QPainter& painter) {
    if (!dots_by_hand || &painter != sharp_painter_.get()) return painter.drawLine(from, to);
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
    const int length = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    const QColor colour(ToRgb(pen_colour_));
    // The stroke's half-pixel shift is in place: a dot's square is centred on the point.
    for (int t = 0; t <= length; t += 3) {
      const QPoint dot = from + step * t;
      painter.fillRect(QRectF(dot.x() - 0.5, dot.y() - 0.5, 1, 1), colour);
    }
  });
  position_ = to;
}

std::vector<QPoint> CollapseColumnRuns(const std::vector<QPoint>& points) {
  std::vector<QPoint> out;
  out.reserve(points.size());
  std::size_t i = 0;
  while (i < points.size()) {
    std::size_t end = i + 1;
    int low = points[i].y(), high = points[i].y();
    while (end < points.size() && points[end].x() == points[i].x()) {
      low = std::min(low, points[end].y());
      high = std::max(high, points[end].y());
      ++end;
    }
    const int x = points[i].x();
    // Enter where the run enters, sweep its whole extent, leave where it leaves.
    for (QPoint p : {points[i], QPoint(x, low), QPoint(x, high), points[end - 1]}) {
      if (out.empty() || out.back() != p) out.push_back(p);
    }
    i = end;
  }
  return out;
}

void Canvas::Polyline(const std::vector<QPoint>& points, const PixelRect* clip) {
  if (points.empty()) return;
  // A long trace puts dozens of samples on one column. A one-pixel solid line covers the same
  // pixels whether it walks them all or only the column's extremes, at a fraction of the cost.
  const bool thin_solid = pen_width_ == 1 && pen_style_ == PenStyle::Solid;
  const std::vector<QPoint> drawn = thin_solid ? CollapseColumnRuns(points) : points;
  // A clip changes how Qt steps a line even where nothing is cut off: a path that stays inside is
  // drawn without one, pixel for pixel as ever.
  if (clip && std::all_of(points.begin(), points.end(), [&](QPoint p) {
        return p.x() >= clip->left && p.x() < clip->right && p.y() >= clip->top && p.y() < clip->bottom;
      })) {
    clip = nullptr;
  }
  if (drawn.size() > 1) {
    Stroke([&](QPainter& painter) {
      if (clip) {
        // A wide aliased pen spreads pen_width / 2 pixels to each side of its path. The clip is
        // given in the stroke's coordinates, which the finer picture shifts by half a pixel.
        const int spread = pen_width_ / 2;
        const qreal shift = StrokeShift(painter);
        painter.setClipRect(QRectF(clip->left - spread - shift, clip->top - spread - shift,
                                   clip->Width() + 2 * spread, clip->Height() + 2 * spread));
      }
      painter.drawPolyline(drawn.data(), static_cast<int>(drawn.size()));
      if (clip) painter.setClipping(false);
    });
  }
  position_ = points.back();
}

void Canvas::FillRect(const PixelRect& rect) {
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  OnEach([&](QPainter& painter) { painter.fillRect(ToQRect(rect), QColor(ToRgb(brush_colour_))); });
}

void Canvas::Ellipse(const PixelRect& box) {
  Stroke([&](QPainter& painter) {
    painter.setBrush(ShapeBrush());
    // The box's right and bottom edges are exclusive; Qt's ellipse spans width + 1 pixels.
    painter.drawEllipse(QRect(box.left, box.top, box.Width() - 1, box.Height() - 1));
    painter.setBrush(Qt::NoBrush);
  });
}

void Canvas::Polygon(const std::vector<QPoint>& points) {
  if (points.empty()) return;
  Stroke([&](QPainter& painter) {
    painter.setBrush(ShapeBrush());
    painter.drawPolygon(points.data(), static_cast<int>(points.size()));
    painter.setBrush(Qt::NoBrush);
  });
}

void Canvas::WatchTexts(std::function<void(const std::string&)> watcher) { TextWatcher() = std::move(watcher); }

void Canvas::TextOut(int x, int y, const std::string& text) {
  if (text.empty()) return;
  Watch(text);
  const int width = brush_style_ == BrushStyle::Solid ? TextWidth(text) : 0;
  OnEach([&](QPainter& painter) {
    if (width > 0) painter.fillRect(QRect(x, y, width, text_height_), QColor(ToRgb(brush_colour_)));
    painter.setPen(QColor(ToRgb(font_colour_)));
    WalkRuns(text, [&](const QFont& font, const QString& run, int offset) {
      painter.setFont(font);
      painter.drawText(QPoint(x + offset, y + text_ascent_), run);
    });
  });
}

void Canvas::TextRect(const PixelRect& box, const std::string& text, TextAlignment alignment) {
  if (text.empty()) return;
  Watch(text);
  const Qt::Alignment horizontal = alignment == TextAlignment::Left    ? Qt::AlignLeft
                                   : alignment == TextAlignment::Right ? Qt::AlignRight
                                                                       : Qt::AlignHCenter;
  OnEach([&](QPainter& painter) {
    painter.setFont(font_);
    painter.setPen(QColor(ToRgb(font_colour_)));
    painter.drawText(ToQRect(box),
                     static_cast<int>(horizontal | Qt::AlignVCenter | Qt::TextExpandTabs | Qt::TextSingleLine),
                     Q(text));
  });
}

int Canvas::TextWidth(const std::string& text) const {
  return WalkRuns(text, [](const QFont&, const QString&, int) {});
}

int Canvas::TextHeight(const std::string& /*text*/) const {
  // One line of this font, whatever the letters: texts stacked by it keep a constant pitch.
  return text_height_;
}

void Canvas::Draw(const DrawList& list) {
  for (const DrawItem& item : list.Items()) {
    if (item.kind == DrawItem::Kind::Text) {
      TextOut(item.x1, item.y1, item.text);
      continue;
    }
    SetPenWidth(item.pen_width);
    SetPenStyle(item.pen_style);
    MoveTo(item.x1, item.y1);
    LineTo(item.x2, item.y2);
  }
}

void Canvas::Marker(int kind, int x, int y, int size) {
  // Filled shapes are outlined again with lines so their edges sit on the same pixels as the
  // crosses' strokes.
  const int s = (size + 1) / 2;
  auto outline = [this](const std::vector<QPoint>& points) {
    std::vector<QPoint> closed = points;
    closed.push_back(points.front());
    Polyline(closed);
  };
  switch (kind) {
    case 0:
      Ellipse(PixelRect{x - size, y - size, x + size, y + size});
      break;
    case 1: {
      const std::vector<QPoint> triangle{{x, y - size}, {x - size, y + s}, {x + size, y + s}};
      Polygon(triangle);
      outline(triangle);
      break;
    }
    case 2:
      FillRect(PixelRect{x - s, y - s, x + s, y + s});
      outline({{x - s, y - s}, {x - s, y + s}, {x + s, y + s}, {x + s, y - s}});
      break;
    case 3: {
      const std::vector<QPoint> diamond{{x, y - s}, {x - s, y}, {x, y + s}, {x + s, y}};
      Polygon(diamond);
      outline(diamond);
      break;
    }
    case 4:
      Polyline({{x - size, y - size}, {x + size, y + size}});
      Polyline({{x + size, y - size}, {x - size, y + size}});
      break;
    case 5:
      Polyline({{x, y - size}, {x, y + size}});
      Polyline({{x + size, y}, {x - size, y}});
      break;
    default:
      break;
  }
}

void Canvas::CopyRect(const PixelRect& to, const QImage& source, const PixelRect& from) {
  OnEach([&](QPainter& painter) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(ToQRect(to), source, ToQRect(from));
  });
}

void Canvas::StretchDraw(const PixelRect& box, const QImage& picture) {
  CopyRect(box, picture, PixelRect{0, 0, picture.width(), picture.height()});
}

void Canvas::Frame3D(PixelRect& box, Colour top, Colour bottom, int width) {
  const QColor light(ToRgb(top));
  const QColor dark(ToRgb(bottom));
  for (int ring = 0; ring < width && box.Width() > 0 && box.Height() > 0; ++ring) {
    OnEach([&](QPainter& painter) {
      painter.fillRect(QRect(box.left, box.top, box.Width(), 1), light);
      painter.fillRect(QRect(box.left, box.top, 1, box.Height()), light);
      painter.fillRect(QRect(box.left, box.bottom - 1, box.Width(), 1), dark);
      painter.fillRect(QRect(box.right - 1, box.top, 1, box.Height()), dark);
    });
    box = PixelRect{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
  }
}

}  // namespace tremora
