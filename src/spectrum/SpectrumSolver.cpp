#include "spectrum/SpectrumSolver.h"

#include <algorithm>
#include <vector>

#include "spectrum/OscillatorResponse.h"
#include "spectrum/SpectrumKernels.h"
#include "spectrum/WorkerPool.h"
#include "wave/WaveProcessing.h"

namespace tremora {

namespace {

struct KernelChoice {
  spectrum_kernels::Kernel solve;
  int group;
};

KernelChoice KernelFor(SimdLevel level) {
  switch (level) {
    case SimdLevel::Avx512: return {spectrum_kernels::SolveAvx512, spectrum_kernels::kGroupAvx512};
    case SimdLevel::Avx2: return {spectrum_kernels::SolveAvx2, spectrum_kernels::kGroupAvx2};
    case SimdLevel::Baseline: break;
  }
  return {spectrum_kernels::SolveBaseline, spectrum_kernels::kGroupBaseline};
}

}  // namespace

void ComputeChannelSpectraWith(SimdLevel level, const float* ground, int count, const float* periods,
                               int period_count, const float* ratios, int ratio_count, float dt,
                               ChannelSpectra& spectra) {
  period_count = std::clamp(period_count, 0, kPeriodCount);
  ratio_count = std::clamp(ratio_count, 0, kDampingCount);
  const int oscillators = period_count * ratio_count;
  if (oscillators == 0) return;
  const KernelChoice kernel = KernelFor(level);
  const int groups = (oscillators + kernel.group - 1) / kernel.group;
  const int lanes = groups * kernel.group;

  // Oscillator n is (ratio n / period_count, period n % period_count); the lanes past the last
  // oscillator repeat it and are dropped.
  std::vector<double> damping(lanes);
  std::vector<float> stiffness(lanes);
  std::vector<float> divisor(lanes);
  for (int n = 0; n < lanes; ++n) {
    const int used = std::min(n, oscillators - 1);
    const float ratio = ratios[used / period_count];
    const OscillatorConstants c = MakeOscillatorConstants(ratio, periods[used % period_count], dt);
    damping[n] = static_cast<double>(2.0f * ratio) * c.Omega;
    stiffness[n] = c.Stiffness;
    divisor[n] = c.Divisor;
  }
  std::vector<float> peak_storage(3 * static_cast<size_t>(lanes));
  float* const peaks[3] = {peak_storage.data(), peak_storage.data() + lanes, peak_storage.data() + 2 * lanes};
  const spectrum_kernels::OscillatorBatch batch{damping.data(), stiffness.data(), divisor.data(), dt,
                                                MakeOscillatorConstants(0.0f, 1.0f, dt).StepSquared};

  WorkerPool::Shared().ForEach(groups, [&](int group) {
    kernel.solve(batch, group * kernel.group, ground, std::max(count, 0), peaks);
  });

  for (int n = 0; n < oscillators; ++n) {
    for (int kind = 0; kind < kResponseKinds; ++kind) {
      spectra[n / period_count][kind][n % period_count] = peaks[kind][n];
    }
  }
}

void ComputeChannelSpectra(int channel, const float* ground, int count, const float* periods, int period_count,
                           const float* ratios, int ratio_count, float dt, ChannelSpectra& spectra,
                           const SpectrumProgress& progress) {
  ComputeChannelSpectraWith(DetectSimdLevel(), ground, count, periods, period_count, ratios, ratio_count, dt,
                            spectra);
  if (!progress) return;
  const int last_period = std::clamp(period_count, 1, kPeriodCount) - 1;
  for (int d = 0; d < std::clamp(ratio_count, 0, kDampingCount); ++d) progress(kDampingCount * channel + d, last_period);
  progress(kDampingCount * channel + kDampingCount + 1, last_period);
}

void ComputeChannelSpectraScalar(const float* ground, int count, const float* periods, int period_count,
                                 const float* ratios, int ratio_count, float dt, ChannelSpectra& spectra) {
  count = std::max(count, 0);
  ResponseHistories histories;
  histories.Resize(count);
  int position = 0;
  for (int d = 0; d < std::min(ratio_count, kDampingCount); ++d) {
    for (int k = 0; k < std::min(period_count, kPeriodCount); ++k) {
      OscillatorResponse(count, ratios[d], periods[k], dt, ground, histories);
      spectra[d][0][k] = PeakAbs(count, histories.AbsoluteAcceleration.data(), position);
      spectra[d][1][k] = PeakAbs(count, histories.RelativeVelocity.data(), position);
      spectra[d][2][k] = PeakAbs(count, histories.RelativeDisplacement.data(), position);
    }
  }
}

void ComputeSpectra(const RecordSet& record, int start, int count, const PeriodGrid& grid,
                    const DampingRatios& ratios, SpectrumSet& spectra, const SpectrumProgress& progress) {
  // The caller's section lies inside the record; keep to the stored samples all the same.
  start = std::clamp(start, 0, std::max(record.SampleCount, 0));
  count = std::clamp(count, 0, record.SampleCount - start);
  std::vector<float> ground(count);
  for (int c = 0; c < std::min(record.ChannelCount, kMaxChannels); ++c) {
    std::copy_n(record.Acceleration[c].begin() + start, count, ground.begin());
    ComputeChannelSpectra(c, ground.data(), count, grid.Periods.data(), kPeriodCount, ratios.data(), kDampingCount,
                          record.SamplingInterval, spectra[c], progress);
  }
}

}  // namespace tremora
