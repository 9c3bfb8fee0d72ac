#pragma once
// Waveform strip plot: draws zero lines, numbered divisions, titles and traces into a picture it
// owns. It holds no samples; every drawing call gets the samples it draws. Several strips share
// the picture by moving OriginY between draws; only Clear erases. For the read-out under the mouse
// it keeps a copy of each strip's settings and trace until then.

#include "platform/ReadablePicture.h"
#include "wave/WaveGeometry.h"
#include "wave/WaveReadout.h"

namespace tremora {

class TMyWave : public ReadablePicture, public WaveAxes {
 public:
  explicit TMyWave(QWidget* parent = nullptr);

  // Fills the whole picture with colour through the canvas brush.
  void Clear(Colour colour);
  // Axes, ticks, numbers, title and unit texts for the current settings, in the canvas font.
  void DrawScale();
  // samples[0 .. count) as one polyline in the current pen, sample i at time i * dt, kept inside
  // the strip (WaveStripFrame); so is DrawWave. The read-out describes it with TraceLabel as it
  // stands.
  void DrawWave1(int count, const float* samples, double dt);
  WaveTraceLabel TraceLabel;
  const std::vector<WaveStripShown>& Strips() const { return strips_; }
  // Every sample_step-th sample, pixel_step pixels apart.
  void DrawWave(int count, const float* samples, int pixel_step, int sample_step);
  // Markers of half-size size (kinds as Canvas::Marker) on every every-th point.
  void PlotWave(int count, const float* samples, int size, int mark_type, int every, int sample_step);
  // Copy() (the picture to the clipboard) comes with the picture control.

  static std::string _round_number(long double value) { return WaveRoundNumber(value); }

 protected:
  std::optional<PlotReading> ReadAt(int x, int y) const override;

 private:
  std::vector<WaveStripShown> strips_;
};

}  // namespace tremora
