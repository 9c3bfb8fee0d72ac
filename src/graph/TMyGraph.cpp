#include "graph/TMyGraph.h"

#include <QPoint>

#include "base/Translation.h"
#include "platform/PictureFiles.h"
#include "platform/Platform.h"

namespace tremora {

TMyGraph::TMyGraph(QWidget* parent) : ReadablePicture(parent) { resize(300, 300); }

void TMyGraph::Clear(Colour colour) {
  Canvas& canvas = GetCanvas();
  canvas.SetBrushColour(colour);
  canvas.FillRect(PixelRect{0, 0, width(), height()});
  contents_.Clear();
  ForgetReadout();
}

std::string TMyGraph::UnitOfValues() const {
  const std::string unit = BracketedUnit(ReadoutUnit);
  if (!unit.empty()) return unit;
  return ReadoutUnit.empty() ? BracketedUnit(TitleY) : ReadoutUnit;
}

namespace {

void ReportLogStartZero(const char* text, const char* caption) {
  CurrentPlatform().ShowMessage(text, caption, MessageButtons::Ok, MessageIcon::None);
  CurrentPlatform().RequestTerminate();
}

}  // namespace

void TMyGraph::DrawWaku() {
  Canvas& canvas = GetCanvas();
  canvas.SetBrushColour(kWhite);
  if (!OverWrite) {
    canvas.FillRect(PixelRect{0, 0, width(), height()});
    contents_.Clear();
    ForgetReadout();
  }
  contents_.AddFrame(*this, UnitOfValues());
  if (!LinearX && SValueX == 0.0f) ReportLogStartZero("X Logarithmic Scale can not be determind.", "X Scale Error");
  if (!LinearY && SValueY == 0.0f) ReportLogStartZero("Y Logarithmic Scale can not be determind.", "Y Scale Error");
  canvas.SetPenColour(kBlack);
  canvas.Draw(LayoutGraphFrame(*this, canvas));
  canvas.SetPenWidth(1);
  canvas.SetPenStyle(PenStyle::Solid);
}

void TMyGraph::DrawGraph(int count, const float* x, const float* y) { DrawGraph(count, x, y, std::string()); }

void TMyGraph::DrawGraph(int count, const float* x, const float* y, const std::string& name) {
  const int kept = count > 0 ? count : 0;
  contents_.AddCurve(*this, UnitOfValues(),
                     GraphCurveShown{name, GetCanvas().PenColour(), std::vector<float>(x, x + kept),
                                     std::vector<float>(y, y + kept)});
  std::vector<QPoint> points;
  for (const PixelPoint& p : GraphCurve(*this, count, x, y)) points.emplace_back(p.x, p.y);
  // Values below a logarithmic axis's start or above a manual scale would otherwise run over the
  // tick texts, titles and neighbouring panels.
  const PixelRect frame = GraphPlotFrame(*this);
  GetCanvas().Polyline(points, &frame);
}

void TMyGraph::DrawMarkers(int count, const float* x, const float* y, int kind, int size, int step) {
  Canvas& canvas = GetCanvas();
  for (const PixelPoint& p : GraphMarkPoints(*this, count, x, y, step)) canvas.Marker(kind, p.x, p.y, size);
}

void TMyGraph::PlotGraph(int count, const float* x, const float* y, int kind, int size) {
  DrawMarkers(count, x, y, kind, size, 1);
}

void TMyGraph::SkipGraph(int count, const float* x, const float* y, int kind, int size, int step) {
  DrawMarkers(count, x, y, kind, size, step);
}

void TMyGraph::ApplyScale(int count, const float* values, bool symmetric, bool for_x) {
  const bool linear = for_x ? LinearX : LinearY;
  int& divisions = for_x ? NGridX : NGridY;
  std::optional<AxisScale> scale;
  if (symmetric) {
    const Magnitude data = LargestMagnitude(count, values);
    if (!linear && data.negative) {
      CurrentPlatform().ShowMessage(Translate("TMyGraph", "負のデータを対数目盛りでは表せません"),
                                    Translate("TMyGraph", "目盛り設定エラー"), MessageButtons::Ok,
                                    MessageIcon::Exclamation);
      CurrentPlatform().RequestTerminate();
    }
    scale = ChooseSymmetricScale(data, divisions, linear);
  } else {
    scale = ChooseScale(LargestValue(count, values), divisions, linear);
  }
  // Data with an infinite value fit no scale; the axis keeps its settings.
  if (!scale) return;
  divisions = scale->divisions;
  (for_x ? SValueX : SValueY) = scale->start;
  (for_x ? VValueX : VValueY) = scale->step;
}

void TMyGraph::XScaleUnit(int count, const float* values) { ApplyScale(count, values, false, true); }
void TMyGraph::YScaleUnit(int count, const float* values) { ApplyScale(count, values, false, false); }
void TMyGraph::XScaleUnit1(int count, const float* values) { ApplyScale(count, values, true, true); }
void TMyGraph::YScaleUnit1(int count, const float* values) { ApplyScale(count, values, true, false); }

void TMyGraph::Save_PNG(const std::string& path) {
  GetCanvas();  // a graph never drawn on saves as white
  WritePng(Picture().copy(0, 0, width(), height()), path);
}

}  // namespace tremora
