#include "spectrum/SpectrumSolver.h"

#include <algorithm>
#include <vector>

#include "numerics/WorkerPool.h"
#include "spectrum/ExactResponse.h"
#include "spectrum/OscillatorResponse.h"
#include "spectrum/SpectrumKernels.h"
#include "wave/WaveProcessing.h"

namespace tremora {

namespace {

struct KernelChoice {
  spectrum_kernels::Kernel solve;
  spectrum_kernels::DisplacementKernel displacement;
  int group;
};

KernelChoice KernelFor(SimdLevel level) {
  namespace k = spectrum_kernels;
  switch (level) {
    case SimdLevel::Avx512: return {k::SolveAvx512, k::DisplacementAvx512, k::kGroupAvx512};
    case SimdLevel::Avx2: return {k::SolveAvx2, k::DisplacementAvx2, k::kGroupAvx2};
    case SimdLevel::Baseline: break;
  }
  return {k::SolveBaseline, k::DisplacementBaseline, k::kGroupBaseline};
}

// The oscillators of one period grid and damping set, laid out for a kernel: oscillator n is
// (ratio n / period_count, period n % period_count); the lanes past the last one repeat it and
// their results are dropped.
class OscillatorLanes {
 public:
  OscillatorLanes(KernelChoice kernel, const float* periods, int period_count, const float* ratios, int ratio_count,
                  float dt)
      : kernel_(kernel),
        period_count_(std::clamp(period_count, 0, kPeriodCount)),
        oscillators_(period_count_ * std::clamp(ratio_count, 0, kDampingCount)),
        groups_((oscillators_ + kernel.group - 1) / kernel.group),
        lanes_(groups_ * kernel.group),
        damping_(lanes_),
        stiffness_(lanes_),
        divisor_(lanes_) {
    for (int n = 0; n < lanes_; ++n) {
      const int used = std::min(n, oscillators_ - 1);
      const float ratio = ratios[used / period_count_];
      const OscillatorConstants c = MakeOscillatorConstants(ratio, periods[used % period_count_], dt);
      damping_[n] = c.Damping;
      stiffness_[n] = c.Stiffness;
      divisor_[n] = c.Divisor;
    }
    const float step_squared = oscillators_ > 0 ? MakeOscillatorConstants(ratios[0], periods[0], dt).StepSquared : 0.0f;
    batch_ = {damping_.data(), stiffness_.data(), divisor_.data(), dt, step_squared};
  }

  int groups() const { return groups_; }

  // Runs one group over ground[0 .. count); peaks holds 3 * lanes floats.
  void Solve(int group, const float* ground, int count, float* peaks) const {
    float* const kinds[3] = {peaks, peaks + lanes_, peaks + 2 * lanes_};
    kernel_.solve(batch_, group * kernel_.group, ground, std::max(count, 0), kinds);
  }
  int lanes() const { return lanes_; }
  int group_size() const { return kernel_.group; }
  int oscillators() const { return oscillators_; }

  // Runs one group over ground[0 .. count) and keeps its displacement: count * group_size floats.
  void Displacement(int group, const float* ground, int count, float* displacement) const {
    kernel_.displacement(batch_, group * kernel_.group, ground, std::max(count, 0), displacement);
  }

  void CopyOut(const float* peaks, ChannelSpectra& spectra) const {
    for (int n = 0; n < oscillators_; ++n) {
      for (int kind = 0; kind < kResponseKinds; ++kind) {
        spectra[n / period_count_][kind][n % period_count_] = peaks[kind * lanes_ + n];
      }
    }
  }

 private:
  KernelChoice kernel_;
  int period_count_;
  int oscillators_;
  int groups_;
  int lanes_;
  std::vector<double> damping_;
  std::vector<float> stiffness_;
  std::vector<float> divisor_;
  spectrum_kernels::OscillatorBatch batch_;
};

// Every channel's oscillators as one job for the pool, so that both cores stay busy to the end.
void SolveChannels(SimdLevel level, const std::vector<const float*>& grounds, int count, const float* periods,
                   int period_count, const float* ratios, int ratio_count, float dt,
                   const std::vector<ChannelSpectra*>& spectra) {
  const OscillatorLanes lanes(KernelFor(level), periods, period_count, ratios, ratio_count, dt);
  if (lanes.groups() == 0) return;
  const int channels = static_cast<int>(grounds.size());
  std::vector<float> peaks(static_cast<size_t>(channels) * 3 * lanes.lanes());
  WorkerPool::Shared().ForEach(channels * lanes.groups(), [&](int task) {
    const int channel = task / lanes.groups();
    lanes.Solve(task % lanes.groups(), grounds[channel], count, peaks.data() + channel * 3 * lanes.lanes());
  });
  for (int c = 0; c < channels; ++c) lanes.CopyOut(peaks.data() + c * 3 * lanes.lanes(), *spectra[c]);
}

// The exact solution of every channel's oscillators, in groups of kExactGroup on the pool; the
// lanes past the last oscillator repeat it and their results are dropped.
void SolveChannelsExact(const std::vector<const float*>& grounds, int count, const float* periods, int period_count,
                        const float* ratios, int ratio_count, double dt, const std::vector<ChannelSpectra*>& spectra) {
  period_count = std::clamp(period_count, 0, kPeriodCount);
  const int oscillators = period_count * std::clamp(ratio_count, 0, kDampingCount);
  if (oscillators == 0) return;
  const int groups = (oscillators + kExactGroup - 1) / kExactGroup;
  std::vector<ExactStep> steps(static_cast<size_t>(groups) * kExactGroup);
  for (int n = 0; n < static_cast<int>(steps.size()); ++n) {
    const int used = std::min(n, oscillators - 1);
    steps[n] = MakeExactStep(ratios[used / period_count], periods[used % period_count], dt);
  }
  const int channels = static_cast<int>(grounds.size());
  WorkerPool::Shared().ForEach(channels * groups, [&](int task) {
    const int channel = task / groups;
    const int first = (task % groups) * kExactGroup;
    float peaks[3][kExactGroup];
    ExactPeaksGroup(steps.data() + first, grounds[channel], std::max(count, 0), peaks);
    for (int lane = 0; lane < kExactGroup && first + lane < oscillators; ++lane) {
      const int n = first + lane;
      for (int kind = 0; kind < kResponseKinds; ++kind) {
        (*spectra[channel])[n / period_count][kind][n % period_count] = peaks[kind][lane];
      }
    }
  });
}

void ReportChannelProgress(int channel, int period_count, int ratio_count, const SpectrumProgress& progress) {
  if (!progress) return;
  const int last_period = std::clamp(period_count, 1, kPeriodCount) - 1;
  for (int d = 0; d < std::clamp(ratio_count, 0, kDampingCount); ++d) progress(kDampingCount * channel + d, last_period);
  progress(kDampingCount * channel + kDampingCount + 1, last_period);
}

// Both channels' displacement histories of each group of oscillators, made by run(group, ground,
// history) on the pool, turned from step-major (as the kernels write them) to one run a lane, so
// that each oscillator's reading stays within the cache, and handed to visit lane by lane from
// the worker that made them.
void VisitGroups(int groups, int group_size, int oscillators, const float* ground1, const float* ground2, int count,
                 const std::function<void(int group, const float* ground, float* history)>& run,
                 const std::function<double(int oscillator)>& stiffness, const DisplacementPairVisitor& visit) {
  count = std::max(count, 0);
  const size_t size = static_cast<size_t>(count) * group_size;
  WorkerPool::Shared().ForEach(groups, [&](int group) {
    // Megabytes a group: kept by each thread from call to call, since fresh pages cost more
    // than the oscillators that fill them.
    thread_local std::vector<float> steps, lanes[2];
    for (std::vector<float>* buffer : {&steps, &lanes[0], &lanes[1]}) {
      if (buffer->size() < size) buffer->resize(size);
    }
    for (int channel = 0; channel < 2; ++channel) {
      run(group, channel == 0 ? ground1 : ground2, steps.data());
      float* const out = lanes[channel].data();
      for (int i = 0; i < count; ++i) {
        const float* const step = steps.data() + static_cast<size_t>(i) * group_size;
        for (int lane = 0; lane < group_size; ++lane) out[static_cast<size_t>(lane) * count + i] = step[lane];
      }
    }
    for (int lane = 0; lane < group_size && group * group_size + lane < oscillators; ++lane) {
      const int n = group * group_size + lane;
      visit(n, stiffness(n), lanes[0].data() + static_cast<size_t>(lane) * count,
            lanes[1].data() + static_cast<size_t>(lane) * count);
    }
  });
}

}  // namespace

void VisitDisplacementPairs(const float* ground1, const float* ground2, int count, const float* periods,
                            int period_count, float ratio, float dt, double exact_dt, SpectrumMethod method,
                            const DisplacementPairVisitor& visit, SimdLevel level) {
  period_count = std::clamp(period_count, 0, kPeriodCount);
  if (period_count == 0) return;
  if (method == SpectrumMethod::Exact) {
    const int groups = (period_count + kExactGroup - 1) / kExactGroup;
    std::vector<ExactStep> steps(static_cast<size_t>(groups) * kExactGroup);
    for (int n = 0; n < static_cast<int>(steps.size()); ++n) {
      steps[n] = MakeExactStep(ratio, periods[std::min(n, period_count - 1)], exact_dt);
    }
    VisitGroups(
        groups, kExactGroup, period_count, ground1, ground2, count,
        [&](int group, const float* ground, float* history) {
          ExactDisplacementGroup(steps.data() + group * kExactGroup, ground, std::max(count, 0), history);
        },
        [&](int n) { return steps[n].Stiffness; }, visit);
    return;
  }
  const OscillatorLanes lanes(KernelFor(level), periods, period_count, &ratio, 1, dt);
  VisitGroups(
      lanes.groups(), lanes.group_size(), lanes.oscillators(), ground1, ground2, count,
      [&](int group, const float* ground, float* history) { lanes.Displacement(group, ground, count, history); },
      [&](int n) { return static_cast<double>(MakeOscillatorConstants(ratio, periods[n], dt).Stiffness); }, visit);
}

void ComputeChannelSpectraWith(SimdLevel level, const float* ground, int count, const float* periods,
                               int period_count, const float* ratios, int ratio_count, float dt,
                               ChannelSpectra& spectra) {
  SolveChannels(level, {ground}, count, periods, period_count, ratios, ratio_count, dt, {&spectra});
}

void ComputeChannelSpectra(int channel, const float* ground, int count, const float* periods, int period_count,
                           const float* ratios, int ratio_count, float dt, ChannelSpectra& spectra,
                           const SpectrumProgress& progress) {
  ComputeChannelSpectraWith(DetectSimdLevel(), ground, count, periods, period_count, ratios, ratio_count, dt,
                            spectra);
  ReportChannelProgress(channel, period_count, ratio_count, progress);
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

void ComputeChannelSpectraExact(const float* ground, int count, const float* periods, int period_count,
                                const float* ratios, int ratio_count, double dt, ChannelSpectra& spectra, bool scalar) {
  if (!scalar) {
    SolveChannelsExact({ground}, count, periods, period_count, ratios, ratio_count, dt, {&spectra});
    return;
  }
  for (int d = 0; d < std::clamp(ratio_count, 0, kDampingCount); ++d) {
    for (int k = 0; k < std::clamp(period_count, 0, kPeriodCount); ++k) {
      float peaks[3];
      ExactPeaks(MakeExactStep(ratios[d], periods[k], dt), ground, std::max(count, 0), peaks);
      for (int kind = 0; kind < kResponseKinds; ++kind) spectra[d][kind][k] = peaks[kind];
    }
  }
}

SampleSection StoredSection(const RecordSet& record, int start, int count) {
  SampleSection section;
  section.start = std::clamp(start, 0, std::max(record.SampleCount, 0));
  section.count = std::clamp(count, 0, std::max(record.SampleCount - section.start, 0));
  return section;
}

void ComputeSpectra(const RecordSet& record, int start, int count, const PeriodGrid& grid,
                    const DampingRatios& ratios, SpectrumSet& spectra, const SpectrumProgress& progress,
                    SpectrumMethod method) {
  // The caller's section lies inside the record; keep to the stored samples all the same.
  const SampleSection stored = StoredSection(record, start, count);
  start = stored.start;
  count = stored.count;
  const int channels = std::clamp(record.ChannelCount, 0, kMaxChannels);
  std::vector<const float*> grounds;
  std::vector<ChannelSpectra*> slots;
  for (int c = 0; c < channels; ++c) {
    grounds.push_back(record.Acceleration[c].data() + start);
    slots.push_back(&spectra[c]);
  }
  if (channels > 0 && method == SpectrumMethod::Exact) {
    SolveChannelsExact(grounds, count, grid.Periods.data(), kPeriodCount, ratios.data(), kDampingCount,
                       SampleInterval(record), slots);
  } else if (channels > 0) {
    SolveChannels(DetectSimdLevel(), grounds, count, grid.Periods.data(), kPeriodCount, ratios.data(), kDampingCount,
                  record.SamplingInterval, slots);
  }
  for (int c = 0; c < channels; ++c) ReportChannelProgress(c, kPeriodCount, kDampingCount, progress);
}

}  // namespace tremora
