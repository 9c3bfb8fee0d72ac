#pragma once
// Orientation-independent measures of horizontal motion (Boore 2010): for every angle θ = 0°, 1°,
// ..., 179° from north the series u1·cos θ + u2·sin θ of two horizontal components, its peak
// max_t |u_θ(t)|, and percentiles of the 180 peaks: RotD00 the smallest, RotD50 the median,
// RotD100 the largest (with its angle). For spectra u1, u2 are the oscillator's displacements
// under NS and EW (a linear oscillator's response to the rotated ground is the rotated response),
// PSA_θ = ω² max_t |u_θ|; for peaks of ground motion they are the motion itself.

#include <array>
#include <string>

#include "record/RecordSet.h"
#include "spectrum/PeriodGrid.h"
#include "spectrum/SpectrumSolver.h"

namespace tremora {

constexpr int kRotationAngles = 180;
// max_t |u1(t) cos θ + u2(t) sin θ| for θ = 0 .. 179 degrees.
using AnglePeaks = std::array<double, kRotationAngles>;

// The plain form: every angle over every sample of u1, u2 [0 .. count). The oracle of the hull form.
AnglePeaks AnglePeaksByLoop(const float* u1, const float* u2, int count);
// The same values, to the bit, from the few points of the trajectory that can be extreme in some
// direction: the vertices of the convex hull of its points and their mirror images.
AnglePeaks AnglePeaksByHull(const float* u1, const float* u2, int count);

struct RotatedMeasures {
  float RotD00 = 0;
  float RotD50 = 0;
  float RotD100 = 0;
  int RotD100Angle = 0;  // degrees from north, the first angle of the largest peak
};
// Percentiles of peaks * scale (each product stored as a float) by linear interpolation between
// the sorted values at rank p / 100 * 179: RotD50 is the mean of the 90th and 91st smallest.
RotatedMeasures RotatedPercentiles(const AnglePeaks& peaks, double scale = 1.0);
// RotD50 and RotD100 of the motion u1, u2 itself (rotated PGA, PGV, PGD).
RotatedMeasures RotatedPeaks(const float* u1, const float* u2, int count);

struct RotatedSpectrumRow {
  float Period = 0;  // s
  float PsaNs = 0;   // gal, ω² max |u1|
  float PsaEw = 0;   // gal, ω² max |u2|
  RotatedMeasures Rotated;
};

struct RotatedSpectrum {
  float Ratio = 0;  // damping, a fraction of critical
  SpectrumMethod Method = SpectrumMethod::LinearAcceleration;
  std::array<RotatedSpectrumRow, kPeriodCount> Rows{};
};

// Of the sections ns, ew [0 .. count) at the grid's periods and one damping ratio, by method
// (dt steps the linear method, exact_dt the exact one), on every core.
RotatedSpectrum ComputeRotatedSpectrum(const float* ns, const float* ew, int count, const PeriodGrid& grid,
                                       float ratio, float dt, double exact_dt, SpectrumMethod method);

// True when the record has the two horizontal components RotD needs (channels 0 NS and 1 EW).
bool HasHorizontalPair(const RecordSet& record);
// Of the record's horizontal section [start, start + count) as stored, as the spectra take it.
RotatedSpectrum ComputeRotatedSpectrum(const RecordSet& record, int start, int count, const PeriodGrid& grid,
                                       float ratio, SpectrumMethod method);

// "Period(s),PSA NS,PSA EW,RotD00,RotD50,RotD100,RotD100 angle(deg)" and one line a period of
// each spectrum, after a line "Damping,RATIO" (and "Method,exact (Nigam-Jennings)" when so);
// values "%.6g", lines end with CR LF.
std::string FormatRotatedCsv(const std::vector<RotatedSpectrum>& spectra);

}  // namespace tremora
