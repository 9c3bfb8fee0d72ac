// The calculation of the spectrum set: every loaded channel over the section the main window
// displays, at the 100 grid periods and the five damping ratios, then a redraw.

#include <QProgressBar>
#include <algorithm>

#include "app/Application.h"
#include "app/TForm1.h"
#include "spectrum/TSpect.h"
#include "wave/TWait.h"

namespace tremora {

namespace {
constexpr const char* kCalculatingMessage = "応答スペクトルを計算しています・・・・";

// A progress bar ignores positions beyond its range; the calculation's last one is meant as full.
void ShowProgress(QProgressBar& bar, int position) {
  bar.setValue(std::clamp(position, bar.minimum(), bar.maximum()));
}
}  // namespace

void TSpect::BtnCalcClick() {
  TWait& wait = application_.Wait();
  wait.ShowWith(kCalculatingMessage);
  MyGraph1->Clear(kWhite);
  MyGraph1->repaint();

  const TForm1& form = application_.Form1();
  const int channels = std::clamp(form.Record.ChannelCount, 0, kMaxChannels);
  // A bar of range 0 .. 0 would show a busy indicator instead of an empty bar.
  ProgressBar1->setRange(0, std::max(kDampingCount * channels, 1));
  ProgressBar2->setRange(0, kPeriodCount);
  ProgressBar1->setValue(0);
  ComputeSpectra(form.Record, form.StartIndex, form.DisplayCount, Grid, Ratios, Spectra,
                 [this](int channel_bar, int period_bar) {
                   ShowProgress(*ProgressBar1, channel_bar);
                   ShowProgress(*ProgressBar2, period_bar);
                 },
                 Method);
  wait.Close();
  RedrawSpectra();
}

}  // namespace tremora
