#include "analysis/TLongPeriod.h"

#include <algorithm>
#include <vector>

#include "base/CNumbers.h"
#include "base/Translation.h"
#include "graph/TMyGraph.h"
#include "platform/Controls.h"
#include "platform/WindowStyle.h"

namespace tremora {

namespace {
constexpr Colour kSvaColour = 0xFF0000;        // blue
constexpr Colour kThresholdColour = 0x808080;  // grey
}  // namespace

TLongPeriod::TLongPeriod() : GraphExportWindow("LongPeriod", Tr("TLongPeriod", "長周期地震動"), "sva.csv", "sva.gif", 50) {
  LabelClass = new TextLabel(this, "LabelClass", QString(), 8, 496);
  LabelNote = new TextLabel(this, "LabelNote", QString(), 8, 518);
  ShowClass();
}

void TLongPeriod::ShowRecord(const RecordSet& record) {
  if (!stale_ && record_ == &record) return;
  record_ = &record;
  stale_ = false;
  spectrum_ = SvaSpectrum();
  dt_ = SampleInterval(record);
  usable_ = record.RecordLoaded && record.ChannelCount == 3 && record.SampleCount > 0;
  if (usable_) {
    spectrum_ = ComputeSvaSpectrum(record.Acceleration[0].data(), record.Acceleration[1].data(), record.SampleCount,
                                   dt_);
  }
  ShowClass();
  BtnCSV->setEnabled(usable_);
  Draw();
}

void TLongPeriod::ShowClass() {
  if (usable_) {
    LabelClass->SetCaption(
        FormatC(Translate("TLongPeriod", "%s   Sva最大 %.4g cm/s (周期 %.1f s)   周期帯別 1〜7秒台: %d %d %d %d %d %d %d")
                    .c_str(),
                LongPeriodClassName(spectrum_.Class, true).c_str(), spectrum_.PeakSva(),
                SvaPeriod(spectrum_.PeakIndex), spectrum_.BandClasses[0], spectrum_.BandClasses[1],
                spectrum_.BandClasses[2], spectrum_.BandClasses[3], spectrum_.BandClasses[4],
                spectrum_.BandClasses[5], spectrum_.BandClasses[6]));
  } else {
    const bool loaded = record_ != nullptr && record_->RecordLoaded;
    LabelClass->SetCaption(loaded ? Translate("TLongPeriod", "水平2成分のある3成分記録が必要です") : "");
  }
  std::string note = Translate("TLongPeriod", "記録全体から計算 (表示区間によらない)");
  if (usable_ && spectrum_.RederivedFilter) {
    note += FormatC(Translate("TLongPeriod", "   高域フィルタを%g Hz用に再設計").c_str(), 1 / dt_);
  }
  LabelNote->SetCaption(note);
}

void TLongPeriod::LanguageChanged() {
  ShowClass();
  if (record_ != nullptr) Draw();
}

void TLongPeriod::Draw() {
  TMyGraph& graph = *MyGraph1;
  graph.Clear(kWhite);
  // Linear axes, 1 to 8 s; upwards to the largest Sva and the threshold of the class above it, so
  // that the line the record would have to cross for the next class is in view.
  std::vector<float> values(spectrum_.Sva.begin(), spectrum_.Sva.end());
  const double peak = spectrum_.PeakSva();
  const auto next = std::find_if(std::begin(kLongPeriodClassThresholds), std::end(kLongPeriodClassThresholds),
                                 [peak](double threshold) { return threshold > peak; });
  values.push_back(static_cast<float>(next != std::end(kLongPeriodClassThresholds) ? *next : kLongPeriodClassThresholds[3]));
  graph.LinearX = graph.LinearY = true;
  graph.OriginX = 70, graph.OriginY = 430, graph.WidthX = 490, graph.HeightY = 400;
  graph.NGridX = 7, graph.SValueX = 1.0f, graph.VValueX = 1.0f;
  graph.NGridY = 5;
  graph.YScaleUnit(static_cast<int>(values.size()), values.data());
  graph.TitleX = "Period [s]";
  graph.TitleY = "Sva [cm/s]";
  graph.DrawWaku();
  Canvas& canvas = graph.GetCanvas();
  const float top = graph.SValueY + graph.VValueY * graph.NGridY;
  canvas.SetPenColour(kThresholdColour);
  canvas.SetFontColour(kThresholdColour);
  canvas.SetBrushStyle(BrushStyle::Clear);
  for (int c = 0; c < 4; ++c) {
    if (kLongPeriodClassThresholds[c] > top) break;
    const int row = *GraphRow(graph, static_cast<float>(kLongPeriodClassThresholds[c]));
    canvas.SetPenStyle(PenStyle::Dotted);
    canvas.MoveTo(graph.OriginX, row);
    canvas.LineTo(graph.OriginX + graph.WidthX, row);
    canvas.SetPenStyle(PenStyle::Solid);
    const std::string label = FormatC(Translate("TLongPeriod", "階級%d").c_str(), c + 1);
    canvas.TextOut(graph.OriginX + graph.WidthX + 4, row - 14, label);
  }
  if (spectrum_.PeakSva() > 0) {
    std::vector<float> periods(kSvaPeriodCount);
    for (int k = 0; k < kSvaPeriodCount; ++k) periods[k] = static_cast<float>(SvaPeriod(k));
    canvas.SetPenColour(kSvaColour);
    canvas.SetPenWidth(2);
    graph.DrawGraph(kSvaPeriodCount, periods.data(), values.data(), "Sva");
    canvas.SetPenWidth(1);
    canvas.SetBrushColour(kSvaColour);
    graph.PlotGraph(kSvaPeriodCount, periods.data(), values.data(), 0, 2);
    // The largest point: a red ring and its value.
    const int x = *GraphColumn(graph, periods[spectrum_.PeakIndex]);
    const int y = *GraphRow(graph, values[spectrum_.PeakIndex]);
    canvas.SetPenColour(kRed);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.Marker(0, x, y, 6);
    canvas.SetFontColour(kRed);
    const std::string text = FormatC("%.4g cm/s", spectrum_.PeakSva());
    const int left = std::min(x + 8, graph.OriginX + graph.WidthX - canvas.TextWidth(text));
    canvas.TextOut(left, std::max(y - 22, graph.OriginY - graph.HeightY), text);
  }
  canvas.SetBrushColour(kWhite);
  canvas.SetFontColour(kBlack);
  canvas.SetPenColour(kBlack);
  graph.update();
}

std::optional<std::string> TLongPeriod::CsvText() const {
  if (record_ == nullptr || spectrum_.PeakSva() <= 0) return std::nullopt;
  return FormatSvaCsv(spectrum_, dt_);
}

}  // namespace tremora
