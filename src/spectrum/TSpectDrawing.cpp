// Drawing of the spectrum window: the three panels of MyGraph1, per component or per response.
// Every redraw starts from a white picture and the stored spectrum set.

#include <algorithm>

#include "app/Application.h"
#include "base/CNumbers.h"
#include "graph/TLarge.h"
#include "graph/TSuper.h"
#include "platform/Controls.h"
#include "platform/HandlerGuard.h"
#include "spectrum/TSpect.h"
#include "spectrum/UpDown.h"

namespace tremora {

namespace {

using Curve = std::array<float, kPeriodCount>;

// The unit label stands above the panel's upper-left corner.
constexpr int kUnitLabelLeft = 30;
constexpr int kUnitLabelAbove = 18;

void ApplyAxes(TMyGraph& graph, const SpectrumAxisSettings& axes) {
  graph.LinearX = axes.LinearX;
  graph.SValueX = axes.SValueX;
  graph.VValueX = axes.VValueX;
  graph.NGridX = axes.NGridX;
  graph.LinearY = axes.LinearY;
  if (axes.SValueY) graph.SValueY = *axes.SValueY;
  if (axes.VValueY) graph.VValueY = *axes.VValueY;
  graph.NGridY = axes.NGridY;
  graph.TitleX = axes.TitleX;
}

}  // namespace

void TSpect::FollowLanguage() {
  ComposeTexts();
  // The enlarged view draws into its own window while the three panels stay cleared; an
  // empty graph (nothing calculated yet) stays empty.
  if (enlarged_step_) {
    DrawEnlargedStep(enlarged_step_->per_component, enlarged_step_->kind, enlarged_step_->channel,
                     enlarged_curves_);
    application_.Large().MyGraph1->update();
  } else if (!EnlargedView && !MyGraph1->Contents().Frames().empty()) {
    RedrawSpectra();
    MyGraph1->update();
  }
  RedrawOverlay();
}

void TSpect::RedrawSpectra() {
  if (RGSpect->ItemIndex() == 0) {
    BtnSpectrum1Click();
  } else {
    BtnSpectrum2Click();
  }
}

SpectrumAxisChoice TSpect::AxisChoice() const {
  SpectrumAxisChoice choice;
  choice.linear_x = RGXScale->ItemIndex() == 0;
  choice.linear_y = RGYScale->ItemIndex() == 0;
  choice.frequency = RGXUnit->ItemIndex() == 1;
  choice.linear_max_period = LinearMaxPeriod;
  choice.linear_grid_count = LinearGridCount;
  return choice;
}

void TSpect::SetupAxes() {
  // While the enlarged view runs, its two graphs take the settings instead of the window's.
  if (!EnlargedView) {
    ApplyAxes(*MyGraph1, SpectrumAxes(SpectrumGraph::Window, AxisChoice()));
    return;
  }
  ApplyAxes(*application_.Large().MyGraph1, SpectrumAxes(SpectrumGraph::Enlarged, AxisChoice()));
  ApplyAxes(*application_.Super().MyGraph1, SpectrumAxes(SpectrumGraph::Overlay, AxisChoice()));
}

void TSpect::ReverseOrder(Curve& values) {
  const Curve copy = values;
  std::reverse_copy(copy.begin(), copy.end(), values.begin());
}

void TSpect::SetDampingPen(int d) {
  MyGraph1->GetCanvas().SetPenColour(OverlayColours[d]);
  application_.Large().MyGraph1->GetCanvas().SetPenColour(OverlayColours[d]);
  application_.Super().MyGraph1->GetCanvas().SetPenColour(OverlayColours[d]);
}

void TSpect::DrawPanel(int panel, int kind, int channel, int count, const float* scale_values) {
  const std::string title = SpectrumTitle(kind, Source, channel);
  SetupAxes();
  TMyGraph& graph = *MyGraph1;
  graph.TitleY = title;
  graph.OriginX = GraphLeft[panel];
  graph.ReadoutUnit = ResponseUnit(kind);
  graph.GetCanvas().TextOut(graph.OriginX - kUnitLabelLeft, graph.OriginY - graph.HeightY - kUnitLabelAbove,
                            ResponseUnit(kind));
  graph.YScaleUnit(count, scale_values);
  graph.DrawWaku();
}

void TSpect::DrawCurves(int count, const float* x, const std::array<const float*, kDampingCount>& y) {
  Canvas& canvas = MyGraph1->GetCanvas();
  for (int d = 0; d < kDampingCount; ++d) {
    if (!DampingShown[d]) continue;
    // Without colour coding the pen keeps the black the frame left.
    if (CBColor->Checked()) SetDampingPen(d);
    canvas.SetPenWidth(UpDown1->Position());
    MyGraph1->DrawGraph(count, x, y[d], DampingName(Source.Ratios[d]));
  }
  DrawDampingLegend();
}

void TSpect::DrawDampingLegend() {
  // Without colour coding every curve is black: there is nothing to tell apart.
  if (!CBLegend->Checked() || !CBColor->Checked()) return;
  std::vector<int> dampings;
  std::vector<std::string> texts;
  for (int d = 0; d < kDampingCount; ++d) {
    if (!DampingShown[d]) continue;
    dampings.push_back(d);
    texts.push_back(FormatC("h=%.0Lf%%", Source.Ratios[d] * 100.0L));
  }
  Canvas& canvas = MyGraph1->GetCanvas();
  const LegendLayout legend = LayoutLegend(GraphPlotFrame(*MyGraph1), texts, canvas);
  if (texts.empty()) return;
  const int pen_width = canvas.PenWidth();
  const Colour pen_colour = canvas.PenColour();
  PixelRect box = legend.box;
  canvas.SetBrushColour(kWhite);
  canvas.FillRect(box);
  canvas.Frame3D(box, kBlack, kBlack, 1);
  canvas.SetBrushStyle(BrushStyle::Clear);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const LegendEntry& row = legend.entries[i];
    canvas.SetPenColour(OverlayColours[dampings[i]]);
    canvas.MoveTo(row.line_left, row.line_y);
    canvas.LineTo(row.line_right, row.line_y);
    canvas.TextOut(row.text_x, row.text_y, texts[i]);
  }
  canvas.SetBrushColour(kWhite);
  canvas.SetPenColour(pen_colour);
  canvas.SetPenWidth(pen_width);
}

std::array<const float*, kDampingCount> TSpect::StoredCurves(int channel, int kind) const {
  std::array<const float*, kDampingCount> curves{};
  for (int d = 0; d < kDampingCount; ++d) curves[d] = Spectra[channel][d][kind].data();
  return curves;
}

void TSpect::BtnSpectrum1Click() {
  MyGraph1->Clear(kWhite);
  application_.Large().MyGraph1->Clear(kWhite);
  // The enlarged view steps through SA, SV and SD of the channel in its own window.
  if (EnlargedView) return RunEnlargedView(true);
  int channel = std::clamp(RGCompo->ItemIndex(), 0, kMaxChannels - 1);
  // An item left selected from an earlier three-channel record would show that record's spectra
  // under this record's names: a one-channel record shows its own channel.
  if (channel >= Source.ChannelCount) channel = 0;
  const bool frequency = RGXUnit->ItemIndex() == 1;
  const bool linear = RGXScale->ItemIndex() == 0;
  for (int kind = 0; kind < kResponseKinds; ++kind) {
    std::array<const float*, kDampingCount> curves = StoredCurves(channel, kind);
    if (!frequency) {
      // Periods ascend: a linear axis shows the grid up to the longest period.
      LinearPeriodCount = tremora::LinearPeriodCount(Grid, LinearMaxPeriod);
      const int count = linear ? LinearPeriodCount : kPeriodCount;
      DrawPanel(kind, kind, channel, count, curves[ReferenceDampingIndex]);
      DrawCurves(count, Grid.Periods.data(), curves);
    } else {
      // Frequencies ascend the other way round: the values are taken in reverse.
      std::array<Curve, kDampingCount> reversed;
      for (int d = 0; d < kDampingCount; ++d) {
        std::copy_n(curves[d], kPeriodCount, reversed[d].begin());
        ReverseOrder(reversed[d]);
        curves[d] = reversed[d].data();
      }
      DrawPanel(kind, kind, channel, kPeriodCount, curves[ReferenceDampingIndex]);
      DrawCurves(kPeriodCount, Grid.AscendingFrequencies.data(), curves);
    }
  }
}

void TSpect::BtnSpectrum2Click() {
  MyGraph1->Clear(kWhite);
  // The enlarged view steps through the channels of the kind in its own window.
  if (EnlargedView) return RunEnlargedView(false);
  const int kind = std::clamp(RGResp->ItemIndex(), 0, kResponseKinds - 1);
  const bool frequency = RGXUnit->ItemIndex() == 1;
  const bool linear = RGXScale->ItemIndex() == 0;
  MyGraph1->TitleY = ResponseUnit(kind);
  const int channels = std::clamp(Source.ChannelCount, 0, kMaxChannels);
  for (int channel = 0; channel < channels; ++channel) {
    const std::array<const float*, kDampingCount> curves = StoredCurves(channel, kind);
    // The scale is fitted to all 100 periods, whatever part of them the axis shows.
    DrawPanel(channel, kind, channel, kPeriodCount, curves[ReferenceDampingIndex]);
    if (!frequency) {
      LinearPeriodCount = tremora::LinearPeriodCount(Grid, LinearMaxPeriod);
      DrawCurves(linear ? LinearPeriodCount : kPeriodCount, Grid.Periods.data(), curves);
    } else {
      // In period order, so a linear axis runs from 20 Hz down and leaves out the lowest ones.
      DrawCurves(linear ? LinearFrequencyCount : kPeriodCount, Grid.Frequencies.data(), curves);
    }
  }
}

}  // namespace tremora
