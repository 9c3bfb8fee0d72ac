#pragma once
// Elastic response spectra: for every channel, damping ratio and period, the peaks of absolute
// acceleration (SA), relative velocity (SV) and relative displacement (SD) of the oscillator
// driven by the displayed acceleration section.

#include <array>
#include <functional>

#include "numerics/SimdLevel.h"
#include "record/RecordSet.h"
#include "spectrum/PeriodGrid.h"

namespace tremora {

// How the oscillators are stepped: the linear-acceleration method at the record's own interval
// (the default), or the exact solution for acceleration linear between samples.
enum class SpectrumMethod { LinearAcceleration, Exact };

// [damping index][response kind][period index]
using ChannelSpectra = std::array<std::array<std::array<float, kPeriodCount>, kResponseKinds>, kDampingCount>;
// [channel][damping index][response kind][period index]
using SpectrumSet = std::array<ChannelSpectra, kMaxChannels>;

// Told the positions of the two progress bars: (5 * channel + damping index, period index).
using SpectrumProgress = std::function<void(int channel_bar, int period_bar)>;

// Fills spectra for one channel whose section is ground[0 .. count), sampled every dt seconds, at
// periods[0 .. period_count) and ratios[0 .. ratio_count) (at most 100 and 5). The oscillators run
// vectorised on every core; the values are those of the scalar form below. progress, when given,
// is told on the calling thread, once the channel is done, the bar positions of each damping
// ratio and the channel's end (5 * channel + 6).
void ComputeChannelSpectra(int channel, const float* ground, int count, const float* periods, int period_count,
                           const float* ratios, int ratio_count, float dt, ChannelSpectra& spectra,
                           const SpectrumProgress& progress = {});
// The same with the kernel of one instruction set (which this CPU must support).
void ComputeChannelSpectraWith(SimdLevel level, const float* ground, int count, const float* periods,
                               int period_count, const float* ratios, int ratio_count, float dt,
                               ChannelSpectra& spectra);
// The plain form: OscillatorResponse for each oscillator in turn and PeakAbs of its histories.
void ComputeChannelSpectraScalar(const float* ground, int count, const float* periods, int period_count,
                                 const float* ratios, int ratio_count, float dt, ChannelSpectra& spectra);

// The exact solution for every oscillator: vectorised on every core, or (scalar) one at a time.
void ComputeChannelSpectraExact(const float* ground, int count, const float* periods, int period_count,
                                const float* ratios, int ratio_count, double dt, ChannelSpectra& spectra,
                                bool scalar = false);

// Told, for one oscillator, its period index, its stiffness omega^2 (as its recurrence has it) and
// the relative displacement at every step of two channels: u1[0 .. count), u2[0 .. count).
using DisplacementPairVisitor =
    std::function<void(int period_index, double stiffness, const float* u1, const float* u2)>;

// Runs the oscillators of periods[0 .. period_count) at one damping ratio over two channels'
// sections ground1, ground2 [0 .. count), vectorised on every core, and hands visit their
// displacement histories as stored floats (the linear method's own stores; the exact method's
// doubles rounded), the same as the scalar forms give. visit is called from the pool's threads,
// once per period, and must only write what belongs to its period. dt steps the linear method,
// exact_dt the exact one.
void VisitDisplacementPairs(const float* ground1, const float* ground2, int count, const float* periods,
                            int period_count, float ratio, float dt, double exact_dt, SpectrumMethod method,
                            const DisplacementPairVisitor& visit, SimdLevel level = DetectSimdLevel());

// The part of [start, start + count) that lies within the record's stored samples.
struct SampleSection {
  int start = 0;
  int count = 0;
};
SampleSection StoredSection(const RecordSet& record, int start, int count);

// The whole calculation: for channels 0 .. ChannelCount-1, the section
// Acceleration[c][start .. start + count) as stored (no mean removal, no filter), at the grid's
// periods and the five ratios. The exact method steps by 1 / sampling rate in double precision
// (the float interval is off by parts in 1e8, which shifts undamped phases visibly). Slots of other channels keep their values.
void ComputeSpectra(const RecordSet& record, int start, int count, const PeriodGrid& grid,
                    const DampingRatios& ratios, SpectrumSet& spectra, const SpectrumProgress& progress = {},
                    SpectrumMethod method = SpectrumMethod::LinearAcceleration);

}  // namespace tremora
