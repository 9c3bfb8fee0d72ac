#include "analysis/TRotD.h"

#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "base/CNumbers.h"
#include "base/Translation.h"
#include "graph/TMyGraph.h"
#include "platform/HandlerGuard.h"
#include "spectrum/SpectrumView.h"

namespace tremora {

namespace {
constexpr int kDefaultDamping = 3;  // 5 % of the ×1 set
}  // namespace

TRotD::TRotD() : GraphExportWindow("RotD", Tr("TRotD", "方位別スペクトル"), "rotd.csv", "rotd.gif") {
  CBDamping = new QComboBox(this);
  CBDamping->setObjectName("CBDamping");
  CBDamping->setGeometry(8, 500, 110, 24);
  CBFrequency = new CheckBox(this, "CBFrequency", Tr("TRotD", "周波数軸"), false);
  CBFrequency->setGeometry(128, 500, 90, 24);
  ConnectGuarded(CBDamping, &QComboBox::currentIndexChanged, this, [this] { Recalculate(); });
  CBFrequency->OnClick = [this] { Draw(); };
}

void TRotD::LanguageChanged() {
  if (record_ != nullptr && record_->RecordLoaded) Draw();
}

void TRotD::ShowSection(const RecordSet& record, const DisplayedSection& section, const DampingRatios& ratios,
                        SpectrumMethod method) {
  record_ = &record;
  section_ = section;
  method_ = method;
  if (ratios != ratios_ || CBDamping->count() != kDampingCount) {
    // A new damping set: the same place in it stays chosen.
    const QSignalBlocker quiet(CBDamping);
    const int chosen = CBDamping->count() == kDampingCount ? CBDamping->currentIndex() : kDefaultDamping;
    CBDamping->clear();
    for (const float ratio : ratios) CBDamping->addItem(QString::fromStdString(FormatC("h = %g %%", ratio * 100.0)));
    CBDamping->setCurrentIndex(chosen);
    ratios_ = ratios;
  }
  Recalculate();
}

void TRotD::Recalculate() {
  if (record_ == nullptr || !record_->RecordLoaded) return;
  spectrum_.reset();
  if (HasHorizontalPair(*record_)) {
    const float ratio = ratios_[std::clamp(CBDamping->currentIndex(), 0, kDampingCount - 1)];
    spectrum_ = ComputeRotatedSpectrum(*record_, section_.StartIndex, section_.DisplayCount, MakePeriodGrid(), ratio,
                                       method_);
  }
  Draw();
}

void TRotD::Draw() {
  TMyGraph& graph = *MyGraph1;
  graph.Clear(kWhite);
  Canvas& canvas = graph.GetCanvas();
  if (!spectrum_) {
    canvas.SetFontColour(kBlack);
    canvas.TextOut(60, 220, Translate("TRotD", "方位別スペクトルには水平2成分（NS・EW）の記録が必要です"));
    graph.update();
    return;
  }
  const bool by_frequency = CBFrequency->Checked();
  float top = 1e-3f;
  for (const RotatedSpectrumRow& row : spectrum_->Rows) top = std::max({top, row.PsaNs, row.PsaEw, row.Rotated.RotD100});
  // Log-log: four decades of PSA below the decade over the peak; 0.01 to 10 s or 0.1 to 100 Hz.
  graph.LinearX = graph.LinearY = false;
  graph.OriginX = 70, graph.OriginY = 430, graph.WidthX = 520, graph.HeightY = 400;
  graph.NGridX = 3, graph.NGridY = 4;
  graph.SValueX = by_frequency ? 0.1f : 0.01f, graph.VValueX = 10.0f;
  graph.VValueY = 10.0f;
  graph.SValueY = std::pow(10.0f, std::ceil(std::log10(top)) - 4);
  graph.TitleX = by_frequency ? "Frequency [Hz]" : "Period [s]";
  graph.TitleY = "PSA [gal]";
  graph.DrawWaku();
  std::vector<float> x;
  for (const RotatedSpectrumRow& row : spectrum_->Rows) x.push_back(by_frequency ? 1.0f / row.Period : row.Period);
  const struct {
    const char* name;
    Colour colour;
    float (*value)(const RotatedSpectrumRow&);
  } curves[] = {
      {"NS", kSpectrumColours[0], [](const RotatedSpectrumRow& r) { return r.PsaNs; }},
      {"EW", kSpectrumColours[1], [](const RotatedSpectrumRow& r) { return r.PsaEw; }},
      {"RotD00", kSpectrumColours[4], [](const RotatedSpectrumRow& r) { return r.Rotated.RotD00; }},
      {"RotD50", kSpectrumColours[3], [](const RotatedSpectrumRow& r) { return r.Rotated.RotD50; }},
      {"RotD100", kSpectrumColours[2], [](const RotatedSpectrumRow& r) { return r.Rotated.RotD100; }},
  };
  for (size_t c = 0; c < std::size(curves); ++c) {
    // Values below the axis (a RotD00 of a polarised motion) are drawn on its floor, not under it.
    std::vector<float> y;
    for (const RotatedSpectrumRow& row : spectrum_->Rows) y.push_back(std::max(curves[c].value(row), graph.SValueY));
    canvas.SetPenColour(curves[c].colour);
    graph.DrawGraph(static_cast<int>(x.size()), x.data(), y.data(), curves[c].name);
    // Legend at the top right of the plot area.
    const int row = graph.OriginY - graph.HeightY + 10 + 18 * static_cast<int>(c);
    canvas.MoveTo(graph.OriginX + graph.WidthX - 100, row + 7);
    canvas.LineTo(graph.OriginX + graph.WidthX - 75, row + 7);
    canvas.SetFontColour(curves[c].colour);
    canvas.TextOut(graph.OriginX + graph.WidthX - 70, row, curves[c].name);
  }
  canvas.SetFontColour(kBlack);
  canvas.SetPenColour(kBlack);
  graph.update();
}

std::optional<std::string> TRotD::CsvText() const {
  if (!spectrum_) return std::nullopt;
  return FormatRotatedCsv({*spectrum_});
}

}  // namespace tremora
