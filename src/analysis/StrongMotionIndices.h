#pragma once
// The strong-motion indices engineers quote for a record, from its whole length:
//   PGA   peak absolute acceleration of a component (gal); the K-NET header's Max. Acc. is the
//         network's own figure for it. Also the largest horizontal vector sqrt(NS² + EW²) and
//         the largest three-component vector.
//   PGV, PGD  peak absolute velocity (cm/s) and displacement (cm) as the waveform view makes
//         them (integrated and band-pass filtered), over the whole record.
//   Arias intensity  Ia = π / (2g) ∫ a² dt with a in m/s², in m/s.
//   D5–95  significant duration: the time the Arias build-up takes from 5 % to 95 % of Ia (s).
//   CAV   cumulative absolute velocity ∫ |a| dt (cm/s).
// A three-component record has the JMA instrumental intensity, the JMA long-period ground-motion
// class and the spectrum intensity SI as well; a record with NS and EW the orientation-independent
// RotD50 and RotD100 of PGA, PGV and PGD.

#include <array>
#include <optional>

#include "analysis/JmaIntensity.h"
#include "analysis/LongPeriodClass.h"
#include "analysis/SpectrumIntensity.h"
#include "analysis/RotatedSpectra.h"
#include "record/RecordSet.h"

namespace tremora {

struct ComponentIndices {
  double Pga = 0;             // gal
  double Pgv = 0;             // cm/s
  double Pgd = 0;             // cm
  double AriasIntensity = 0;  // m/s
  double SignificantDuration = 0;  // D5–95, s
  double Cav = 0;             // cm/s
};

// The peaks of the horizontal motion over every angle (RotD50, RotD100).
struct RotatedGroundPeaks {
  RotatedMeasures Pga, Pgv, Pgd;
};

struct StrongMotionIndices {
  int ChannelCount = 0;
  std::array<ComponentIndices, kMaxChannels> Components{};
  // Three-component records only:
  double HorizontalPga = 0;  // gal, largest sqrt(NS² + EW²)
  double VectorPga = 0;      // gal, largest sqrt(NS² + EW² + UD²)
  std::optional<JmaIntensity> Intensity;
  std::optional<SvaSpectrum> LongPeriod;
  std::optional<SpectrumIntensity> Si;
  std::optional<RotatedGroundPeaks> Rotated;  // records with NS and EW
};

constexpr double kGravity = 9.80665;  // m/s²

// Arias intensity (m/s) of count samples in gal at interval dt (s): a rectangle sum.
double AriasIntensity(const float* samples, int count, double dt);
// D5–95 (s) of count samples at interval dt: between the instants, interpolated within a step, at
// which the running sum of a² reaches 5 % and 95 % of its total. 0 for a record without motion.
double SignificantDuration(const float* samples, int count, double dt);
// ∫ |a| dt (gal·s = cm/s), a rectangle sum.
double CumulativeAbsoluteVelocity(const float* samples, int count, double dt);

// Every index of the loaded record. Velocity and displacement are made on a copy, the record's
// own buffers are left as they are; remove_mean as in the waveform view's DC removal; SI by the
// spectrum method given.
StrongMotionIndices ComputeStrongMotionIndices(const RecordSet& record, bool remove_mean,
                                               SpectrumMethod si_method = SpectrumMethod::LinearAcceleration);

}  // namespace tremora
