#include "analysis/StrongMotionIndices.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

#include "wave/WaveProcessing.h"

namespace tremora {

double AriasIntensity(const float* samples, int count, double dt) {
  double sum = 0;
  for (int i = 0; i < count; ++i) {
    const double a = samples[i] / 100.0;  // gal -> m/s²
    sum += a * a;
  }
  return std::numbers::pi / (2.0 * kGravity) * sum * dt;
}

double SignificantDuration(const float* samples, int count, double dt) {
  double total = 0;
  for (int i = 0; i < count; ++i) total += static_cast<double>(samples[i]) * samples[i];
  if (!(total > 0)) return 0.0;
  // The instant the running sum passes level, linear within the step that crosses it.
  const auto instant = [&](double level) {
    double running = 0;
    for (int i = 0; i < count; ++i) {
      const double step = static_cast<double>(samples[i]) * samples[i];
      if (running + step >= level) return (i + (step > 0 ? (level - running) / step : 0.0)) * dt;
      running += step;
    }
    return count * dt;
  };
  return instant(0.95 * total) - instant(0.05 * total);
}

double CumulativeAbsoluteVelocity(const float* samples, int count, double dt) {
  double sum = 0;
  for (int i = 0; i < count; ++i) sum += std::fabs(samples[i]);
  return sum * dt;
}

namespace {

double PeakOf(const float* samples, int count) {
  int position = 0;
  return PeakAbs(count, samples, position);
}

}  // namespace

StrongMotionIndices ComputeStrongMotionIndices(const RecordSet& record, bool remove_mean, SpectrumMethod si_method) {
  StrongMotionIndices indices;
  const int count = std::clamp(record.SampleCount, 0, kChannelCapacity);
  const int channels = std::clamp(record.ChannelCount, 0, kMaxChannels);
  const double dt = record.SamplingInterval;
  indices.ChannelCount = channels;
  if (count == 0 || channels == 0 || !(dt > 0)) return indices;

  // The waveform processing writes into the record; a copy keeps the shown traces as they are.
  auto scratch = std::make_unique<RecordSet>();
  scratch->ChannelCount = channels;
  scratch->SampleCount = count;
  scratch->SamplingInterval = record.SamplingInterval;
  scratch->IntervalSeconds = record.IntervalSeconds;
  scratch->FilterCoefficients = record.FilterCoefficients;
  DisplayedSection whole;
  whole.StartIndex = 0;
  whole.DisplayCount = count;
  for (int ch = 0; ch < channels; ++ch) {
    const float* a = record.Acceleration[ch].data();
    ComponentIndices& c = indices.Components[ch];
    c.Pga = PeakOf(a, count);
    c.AriasIntensity = AriasIntensity(a, count, dt);
    c.SignificantDuration = SignificantDuration(a, count, dt);
    c.Cav = CumulativeAbsoluteVelocity(a, count, dt);
    std::copy_n(a, count, scratch->Acceleration[ch].begin());
    ProcessChannel(*scratch, ch, whole, remove_mean);
    c.Pgv = PeakOf(scratch->Velocity[ch].data(), count);
    c.Pgd = PeakOf(scratch->Displacement[ch].data(), count);
  }
  if (HasHorizontalPair(record)) {
    indices.Rotated = RotatedGroundPeaks{
        RotatedPeaks(record.Acceleration[0].data(), record.Acceleration[1].data(), count),
        RotatedPeaks(scratch->Velocity[0].data(), scratch->Velocity[1].data(), count),
        RotatedPeaks(scratch->Displacement[0].data(), scratch->Displacement[1].data(), count)};
  }
  if (channels == 3) {
    const float* ns = record.Acceleration[0].data();
    const float* ew = record.Acceleration[1].data();
    const float* ud = record.Acceleration[2].data();
    double horizontal = 0, vector = 0;
    for (int i = 0; i < count; ++i) {
      const double h = static_cast<double>(ns[i]) * ns[i] + static_cast<double>(ew[i]) * ew[i];
      horizontal = std::max(horizontal, h);
      vector = std::max(vector, h + static_cast<double>(ud[i]) * ud[i]);
    }
    indices.HorizontalPga = std::sqrt(horizontal);
    indices.VectorPga = std::sqrt(vector);
    indices.Intensity = ComputeJmaIntensity(ns, ew, ud, count, dt);
    indices.LongPeriod = ComputeSvaSpectrum(ns, ew, count, SampleInterval(record));
    indices.Si = ComputeSpectrumIntensity(record, si_method);
  }
  return indices;
}

}  // namespace tremora
