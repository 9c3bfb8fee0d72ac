#include "wave/TMyWave.h"

#include <QPoint>

namespace tremora {

namespace {

std::vector<QPoint> ToQPoints(const std::vector<PixelPoint>& points) {
  std::vector<QPoint> out;
  out.reserve(points.size());
  for (const PixelPoint& p : points) out.emplace_back(p.x, p.y);
  return out;
}

}  // namespace

TMyWave::TMyWave(QWidget* parent) : ReadablePicture(parent) { resize(400, 200); }

void TMyWave::Clear(Colour colour) {
  Canvas& canvas = GetCanvas();
  canvas.SetBrushColour(colour);
  canvas.FillRect(PixelRect{0, 0, PictureWidth(), PictureHeight()});
  strips_.clear();
  ForgetReadout();
}

void TMyWave::DrawScale() {
  Canvas& canvas = GetCanvas();
  canvas.Draw(LayoutWaveScale(*this, canvas));
}

// A trace larger than a manual amplitude scale stays in its strip instead of crossing the
// neighbouring strips and their titles.
void TMyWave::DrawWave1(int count, const float* samples, double dt) {
  const int kept = count > 0 ? count : 0;
  strips_.push_back(WaveStripShown{*this, std::vector<float>(samples, samples + kept), dt, TraceLabel});
  const PixelRect strip = WaveStripFrame(*this);
  GetCanvas().Polyline(ToQPoints(WaveTrace(*this, count, samples, dt)), &strip);
}

void TMyWave::DrawWave(int count, const float* samples, int pixel_step, int sample_step) {
  const PixelRect strip = WaveStripFrame(*this);
  GetCanvas().Polyline(ToQPoints(DecimatedWaveTrace(*this, count, samples, pixel_step, sample_step)), &strip);
}

void TMyWave::PlotWave(int count, const float* samples, int size, int mark_type, int every, int sample_step) {
  Canvas& canvas = GetCanvas();
  for (const PixelPoint& p : WaveMarkPoints(*this, count, samples, every, sample_step)) {
    canvas.Marker(mark_type, p.x, p.y, size);
  }
}

std::optional<PlotReading> TMyWave::ReadAt(int x, int y) const {
  const std::optional<WaveReading> reading = ReadWaveAt(strips_, x, y);
  if (!reading) return std::nullopt;
  return DescribeWaveReading(strips_, *reading);
}

}  // namespace tremora
