// The spectrum window's enlarged view: the spectra of the chosen display mode one at a time in the
// enlarged window, a modal stepping window between the steps, and the overlay that collects
// chosen spectra in the overlay window.

#include <algorithm>

#include <QAction>

#include "app/Application.h"
#include "app/TForm1.h"
#include "base/CNumbers.h"
#include "graph/EnlargedSteps.h"
#include "graph/TLarge.h"
#include "graph/TNextStep.h"
#include "graph/TSuper.h"
#include "platform/Controls.h"
#include "platform/WindowPlacement.h"
#include "spectrum/SpectrumCsv.h"
#include "spectrum/TSpect.h"

namespace tremora {

namespace {

// The unit label stands above the plot area's upper-left corner, as on the window's panels.
constexpr int kUnitLabelLeft = 30;
constexpr int kUnitLabelAbove = 18;
// The enlarged and overlay curves are drawn 2 pixels wide whatever the window's line size.
constexpr int kEnlargedPenWidth = 2;

void WriteUnitLabel(TMyGraph& graph, int kind) {
  graph.GetCanvas().TextOut(graph.OriginX - kUnitLabelLeft, graph.OriginY - graph.HeightY - kUnitLabelAbove,
                            ResponseUnit(kind));
}

}  // namespace

void TSpect::RunEnlargedView(bool per_component) {
  TLarge& large = application_.Large();
  const int channels = std::clamp(Source.ChannelCount, 0, kMaxChannels);
  int channel = std::clamp(RGCompo->ItemIndex(), 0, kMaxChannels - 1);
  // As in the three panels: a one-channel record shows its own channel.
  if (channel >= channels) channel = 0;
  const int kind = std::clamp(RGResp->ItemIndex(), 0, kResponseKinds - 1);
  const int step_count = EnlargedStepCount(per_component, channels);

  EnlargedCurves& curves = enlarged_curves_;
  int step = 0;
  while (step < step_count) {
    const EnlargedStep shown = EnlargedStepAt(per_component, step, channel, kind);
    enlarged_step_ = EnlargedStepShown{per_component, shown.kind, shown.channel};
    DrawEnlargedStep(per_component, shown.kind, shown.channel, curves);
    large.show();
    large.MyGraph1->update();
    // Beside the graph it steps through, never over it where the screen has room.
    PlaceBeside(application_.NextStep(), large, {Side::Right, Side::Below});
    // The program is ending: the view stops where it is.
    if (!CurrentPlatform().ShowModal(application_.NextStep(), large.MyGraph1)) break;
    // Read before acting: drawing an overlay leaves the close command behind.
    const StepMove move = MoveAfter(StepCommand, step, step_count);
    switch (static_cast<tremora::StepCommand>(StepCommand)) {
      case tremora::StepCommand::EnlargedGif: large.BtnLGGIFClick(); break;
      case tremora::StepCommand::NewOverlay: NewOverlay(shown.kind, curves); break;
      case tremora::StepCommand::AddToOverlay: AddToOverlay(shown.kind, curves); break;
      case tremora::StepCommand::OverlayGif: application_.Super().BtnSPGIFClick(); break;
      default: break;
    }
    if (move.ends) break;
    step = move.step;
  }

  enlarged_step_.reset();
  large.hide();
  // Unticking runs CBLargeClick, which clears the flag and draws the three panels again.
  if (CBLarge->Checked()) {
    CBLarge->SetChecked(false);
  } else {
    EnlargedView = false;
    RedrawSpectra();
  }
}

void TSpect::DrawEnlargedStep(bool per_component, int kind, int channel, EnlargedCurves& curves) {
  TMyGraph& graph = *application_.Large().MyGraph1;
  curves.title = SpectrumTitle(kind, Source, channel);
  application_.Large().ShownResponse = ResponseLabel(kind);
  SetupAxes();
  graph.TitleY = curves.title;

  const bool frequency = RGXUnit->ItemIndex() == 1;
  LinearPeriodCount = tremora::LinearPeriodCount(Grid, LinearMaxPeriod);
  curves.count = EnlargedPointCount(RGXScale->ItemIndex() == 0, frequency, LinearPeriodCount);
  // Frequencies ascend the other way round: the values are taken in reverse.
  curves.x = frequency ? Grid.AscendingFrequencies.data() : Grid.Periods.data();
  for (int d = 0; d < kDampingCount; ++d) {
    curves.y[d] = Spectra[channel][d][kind];
    if (frequency) ReverseOrder(curves.y[d]);
  }

  graph.YScaleUnit(EnlargedScaleCount(per_component, curves.count), curves.y[ReferenceDampingIndex].data());
  if (per_component) graph.SubX = EnlargedSubX(application_.Form1().N7->isChecked(), frequency);
  graph.ReadoutUnit = ResponseUnit(kind);
  graph.DrawWaku();
  WriteUnitLabel(graph, kind);

  graph.GetCanvas().SetPenWidth(kEnlargedPenWidth);
  for (int d = 0; d < kDampingCount; ++d) {
    if (!DampingShown[d]) continue;
    // Without colour coding the pen keeps the black the frame left.
    if (CBColor->Checked()) SetDampingPen(d);
    graph.DrawGraph(curves.count, curves.x, curves.y[d].data(), DampingName(Source.Ratios[d]));
  }
}

TSpect::OverlaySpectrum TSpect::OverlaySpectrumNow(int k, bool starts, int kind,
                                                   const EnlargedCurves& curves) const {
  OverlaySpectrum spectrum;
  spectrum.k = k;
  spectrum.starts = starts;
  spectrum.kind = kind;
  spectrum.frequency = RGXUnit->ItemIndex() == 1;
  spectrum.curves = curves;
  spectrum.axes = *application_.Super().MyGraph1;
  spectrum.shown = DampingShown;
  spectrum.ratios = Source.Ratios;
  return spectrum;
}

void TSpect::DrawOverlayCurves(const OverlaySpectrum& spectrum, bool legend_first) {
  TMyGraph& graph = *application_.Super().MyGraph1;
  Canvas& canvas = graph.GetCanvas();
  const LegendRow row = OverlayLegendRow(spectrum.k);
  const auto legend_line = [&] {
    canvas.MoveTo(row.line_left, row.line_y);
    canvas.LineTo(row.line_right, row.line_y);
  };
  canvas.SetPenWidth(kEnlargedPenWidth);
  // Every overlay curve takes the overlay colour, colour coding or not.
  canvas.SetPenColour(OverlayColours[OverlayColourIndex(spectrum.k)]);
  if (legend_first) legend_line();
  for (int d = 0; d < kDampingCount; ++d) {
    if (!spectrum.shown[d]) continue;
    // Named by the legend row of its spectrum.
    const std::string name = FormatC("%d %s", spectrum.k + 1, DampingName(spectrum.ratios[d]).c_str());
    graph.DrawGraph(spectrum.curves.count, spectrum.curves.x, spectrum.curves.y[d].data(), name);
  }
  if (!legend_first) legend_line();
}

void TSpect::DrawOverlaySpectrum(const OverlaySpectrum& spectrum) {
  TMyGraph& graph = *application_.Super().MyGraph1;
  static_cast<GraphAxes&>(graph) = spectrum.axes;
  graph.TitleX = SpectrumAxisTitle(spectrum.frequency);
  const LegendRow row = OverlayLegendRow(spectrum.k);
  if (spectrum.starts) {
    graph.ReadoutUnit = ResponseUnit(spectrum.kind);
    graph.DrawWaku();
    graph.GetCanvas().TextOut(row.text_x, row.text_y, spectrum.curves.title);
    WriteUnitLabel(graph, spectrum.kind);
    DrawOverlayCurves(spectrum, true);
  } else {
    DrawOverlayCurves(spectrum, false);
    graph.GetCanvas().TextOut(row.text_x, row.text_y, spectrum.curves.title);
  }
}

void TSpect::RedrawOverlay() {
  if (overlay_.empty()) return;
  TMyGraph& graph = *application_.Super().MyGraph1;
  // Left with the axes of its last spectrum, as drawing it left them.
  graph.Clear(kWhite);
  for (const OverlaySpectrum& spectrum : overlay_) DrawOverlaySpectrum(spectrum);
  graph.update();
}

void TSpect::NewOverlay(int kind, const EnlargedCurves& curves) {
  TSuper& super = application_.Super();
  TMyGraph& graph = *super.MyGraph1;
  graph.TitleY = ResponseLabel(kind);
  // Its GIF is named after the record of its first spectrum.
  super.BaseName = Source.RecordBaseName;
  // The scale fits the first spectrum; later ones are drawn on it.
  graph.YScaleUnit(curves.count, curves.y[ReferenceDampingIndex].data());
  overlay_.clear();
  overlay_.push_back(OverlaySpectrumNow(0, true, kind, curves));
  DrawOverlaySpectrum(overlay_.back());
  application_.NextStep().Button3Click();
  super.show();
  graph.update();
}

void TSpect::AddToOverlay(int kind, const EnlargedCurves& curves) {
  TSuper& super = application_.Super();
  overlay_.push_back(OverlaySpectrumNow(OverlayCount, false, kind, curves));
  DrawOverlaySpectrum(overlay_.back());
  application_.NextStep().Button3Click();
  // Shown again only by a new overlay.
  super.MyGraph1->update();
}

}  // namespace tremora
