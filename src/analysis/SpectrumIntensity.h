#pragma once
// The spectrum intensity SI (SI値), after Housner (1959, "Behavior of structures during
// earthquakes", J. Eng. Mech. Div. ASCE 85(EM4)), in the form used in Japan (gas utilities shut
// off supply by it):
//   SI = (1 / 2.4) ∫ from 0.1 to 2.5 s of Sv(T) dT   (cm/s, kine)
// with Sv the relative velocity response spectrum at damping 0.20, integrated here by the
// trapezoidal rule over the 241 periods 0.1, 0.11, ..., 2.5 s. The horizontal SI is the larger of
// NS and EW.

#include "record/RecordSet.h"
#include "spectrum/SpectrumSolver.h"

namespace tremora {

inline constexpr int kSiPeriodCount = 241;
inline constexpr double kSiDamping = 0.20;

// Period k (0 .. 240) in s: 0.1 + 0.01 k.
double SiPeriod(int k);

// The SI of one component of count samples (gal): the linear-acceleration method at the float
// interval dt, or the exact solution at the double interval exact_dt.
double SpectrumIntensityOf(const float* ground, int count, float dt, double exact_dt, SpectrumMethod method);

struct SpectrumIntensity {
  double Ns = 0, Ew = 0;
  double Horizontal() const { return Ns > Ew ? Ns : Ew; }
};

// NS (channel 0) and EW (channel 1) of the record over its whole length, as stored.
SpectrumIntensity ComputeSpectrumIntensity(const RecordSet& record, SpectrumMethod method);

}  // namespace tremora
