#include "analysis/TFourier.h"

#include <algorithm>
#include <cmath>

#include "base/CNumbers.h"
#include "graph/TMyGraph.h"
#include "platform/HandlerGuard.h"
#include "spectrum/SpectrumView.h"

namespace tremora {

TFourier::TFourier() : GraphExportWindow("Fourier", Tr("TFourier", "フーリエスペクトル"), "fas.csv", "fas.gif") {
  CBSmooth = new QComboBox(this);
  CBSmooth->setObjectName("CBSmooth");
  CBSmooth->addItem(Translated(Tr("TFourier", "平滑化なし")));
  for (const double width : kFourierBandWidths) CBSmooth->addItem(QString::fromStdString(FormatC("Parzen %g Hz", width)));
  CBSmooth->setGeometry(8, 500, 130, 24);
  CBPeriod = new CheckBox(this, "CBPeriod", Tr("TFourier", "周期軸"), false);
  CBPeriod->setGeometry(148, 500, 80, 24);
  ConnectGuarded(CBSmooth, &QComboBox::currentIndexChanged, this, [this] { Recalculate(); });
  CBPeriod->OnClick = [this] { Draw(); };
}

void TFourier::LanguageChanged() {
  // A combo box item is no remembered caption; setting it emits no change of choice.
  CBSmooth->setItemText(0, Translated(Tr("TFourier", "平滑化なし")));
  if (!spectra_.Frequencies.empty()) Draw();
}

void TFourier::ShowSection(const RecordSet& record, const DisplayedSection& section) {
  record_ = &record;
  section_ = section;
  Recalculate();
}

void TFourier::Recalculate() {
  if (record_ == nullptr || !record_->RecordLoaded) return;
  const int choice = CBSmooth->currentIndex();
  const double band_width = choice > 0 ? kFourierBandWidths[choice - 1] : 0.0;
  spectra_ = ComputeFourierSpectra(*record_, section_.StartIndex, section_.DisplayCount, band_width);
  Draw();
}

void TFourier::Draw() {
  TMyGraph& graph = *MyGraph1;
  graph.Clear(kWhite);
  const bool by_period = CBPeriod->Checked();
  float top = 1e-3f;
  for (const auto& amplitudes : spectra_.Amplitudes) {
    for (const double a : amplitudes) top = std::max(top, static_cast<float>(a));
  }
  // Log-log: five decades of amplitude below the decade over the peak; 0.01 to 100 Hz (or s).
  graph.LinearX = graph.LinearY = false;
  graph.OriginX = 70, graph.OriginY = 430, graph.WidthX = 520, graph.HeightY = 400;
  graph.NGridX = 4, graph.NGridY = 5;
  graph.SValueX = 0.01f, graph.VValueX = 10.0f;
  graph.VValueY = 10.0f;
  graph.SValueY = std::pow(10.0f, std::ceil(std::log10(top)) - 5);
  graph.TitleX = by_period ? "Period [s]" : "Frequency [Hz]";
  graph.TitleY = "Fourier amplitude [gal s]";
  graph.DrawWaku();
  Canvas& canvas = graph.GetCanvas();
  std::vector<float> x(spectra_.Frequencies.size());
  for (size_t k = 0; k < x.size(); ++k) {
    x[k] = static_cast<float>(by_period ? 1.0 / spectra_.Frequencies[k] : spectra_.Frequencies[k]);
  }
  for (size_t c = 0; c < spectra_.Amplitudes.size(); ++c) {
    // Amplitudes below the axis (towards the Nyquist frequency) are drawn on its floor, not under it.
    std::vector<float> y(spectra_.Amplitudes[c].size());
    for (size_t k = 0; k < y.size(); ++k) y[k] = std::max(static_cast<float>(spectra_.Amplitudes[c][k]), graph.SValueY);
    const Colour colour = kSpectrumColours[c];
    canvas.SetPenColour(colour);
    graph.DrawGraph(static_cast<int>(x.size()), x.data(), y.data(), spectra_.Components[c]);
    // Legend at the top right of the plot area.
    const int row = graph.OriginY - graph.HeightY + 10 + 18 * static_cast<int>(c);
    canvas.MoveTo(graph.OriginX + graph.WidthX - 80, row + 7);
    canvas.LineTo(graph.OriginX + graph.WidthX - 55, row + 7);
    canvas.SetFontColour(colour);
    canvas.TextOut(graph.OriginX + graph.WidthX - 50, row, spectra_.Components[c]);
  }
  canvas.SetFontColour(kBlack);
  canvas.SetPenColour(kBlack);
  graph.update();
}

std::optional<std::string> TFourier::CsvText() const {
  if (spectra_.Frequencies.empty()) return std::nullopt;
  return FormatFourierCsv(spectra_);
}

}  // namespace tremora
