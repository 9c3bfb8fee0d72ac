// The calculation of the spectrum set: every loaded channel over the section the main window
// displays, at the 100 grid periods and the five damping ratios, then a redraw. The set follows
// every load.

#include <QProgressBar>
#include <QStringList>
#include <algorithm>
#include <memory>

#include "app/Application.h"
#include "app/TForm1.h"
#include "base/Translation.h"
#include "platform/Controls.h"
#include "platform/HandlerGuard.h"
#include "spectrum/TSpect.h"
#include "wave/TWait.h"

namespace tremora {

namespace {
// How soon a calculation held back by work under way tries again.
constexpr int kBusyRetryMs = 50;

// A progress bar ignores positions beyond its range; the calculation's last one is meant as full.
void ShowProgress(QProgressBar& bar, int position) {
  bar.setValue(std::clamp(position, bar.minimum(), bar.maximum()));
}
}  // namespace

void TSpect::BtnCalcClick() {
  follow_pending_ = false;
  TWait& wait = application_.Wait();
  wait.ShowWith(Translate("TSpect", "応答スペクトルを計算しています・・・・"));
  MyGraph1->Clear(kWhite);
  MyGraph1->repaint();

  const TForm1& form = application_.Form1();
  const int channels = std::clamp(form.Record.ChannelCount, 0, kMaxChannels);
  // A bar of range 0 .. 0 would show a busy indicator instead of an empty bar.
  ProgressBar1->setRange(0, std::max(kDampingCount * channels, 1));
  ProgressBar2->setRange(0, kPeriodCount);
  ProgressBar1->setValue(0);
  // Values and source are replaced together, so that no name is ever shown over another
  // record's values.
  auto computed = std::make_unique<SpectrumSet>(Spectra);
  ComputeSpectra(form.Record, form.StartIndex, form.DisplayCount, Grid, Ratios, *computed,
                 [this](int channel_bar, int period_bar) {
                   ShowProgress(*ProgressBar1, channel_bar);
                   ShowProgress(*ProgressBar2, period_bar);
                 },
                 Method);
  Spectra = *computed;
  Source = SpectrumSourceOf(form.Record, form.StartIndex, form.DisplayCount, Ratios, Method);
  wait.Close();
  ShowSource();
  RedrawSpectra();
}

void TSpect::ShowSource() {
  const StationRecord& station = Source.Station;
  Label2->SetCaption(station.Code);
  Label3->SetCaption(station.Address);
  Label4->SetCaption(station.Extra2);
  Label5->SetCaption(station.Name);
  ShowComponentChoices(Source.ChannelCount, Source.ComponentNames);
}

void TSpect::ShowComponentChoices(int channel_count, const std::array<std::string, kMaxChannels>& names) {
  QStringList items;
  for (int ch = 0; ch < kMaxChannels; ++ch) {
    items << (ch < channel_count ? QString::fromStdString(names[ch]) : QString(" "));
  }
  RGCompo->SetItems(items);
  EnableChoices(channel_count);
}

void TSpect::RecordLoaded() {
  follow_pending_ = true;
  if (isVisible()) FollowLoadLater(0);
}

void TSpect::showEvent(QShowEvent* event) {
  RunGuarded([this, event] {
    SecondaryWindow::showEvent(event);
    if (follow_pending_) FollowLoadLater(0);
  });
}

void TSpect::FollowLoadLater(int delay_ms) {
  // Deferred: the load that asked for it chooses the displayed section after it has finished
  // with the record.
  RunDeferred(*this, [this] { FollowLoad(); }, delay_ms);
}

void TSpect::FollowLoad() {
  if (!follow_pending_ || !isVisible()) return;
  // The wait window lets timers run while it comes up: a load or redraw is still under way, and
  // its section may not be chosen yet. The enlarged view steps through the spectra shown.
  if (application_.Wait().isVisible() || EnlargedView) return FollowLoadLater(kBusyRetryMs);
  BtnCalcClick();
}

}  // namespace tremora
