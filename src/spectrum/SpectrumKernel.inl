// The oscillator recurrence vectorised across oscillators: each lane runs one oscillator and rounds
// every named quantity to a float where the scalar solver stores it, so each lane computes what the
// scalar solver computes. Between the stores the lanes work in double precision where the scalar
// solver's extended precision matters; where one rounding of a float expression is all there is
// (the quotient -q / m, a + g, a * (dt / 2) + v with its exact product) float lanes give the same
// correctly rounded result.
// Included by one file per instruction set, which defines TREMORA_LANES, TREMORA_SOLVER_VECTORS,
// TREMORA_SOLVER_NAME and TREMORA_DISPLACEMENT_NAME.

#include "numerics/LaneTypes.h"
#include "spectrum/SpectrumKernels.h"

namespace tremora::spectrum_kernels {

using namespace tremora::lanes;

namespace {

// One recurrence for both uses: with kKeepDisplacement the relative displacement of every lane is
// stored at every step (the peaks are then not wanted), else only the three peaks are kept.
template <bool kKeepDisplacement>
inline __attribute__((always_inline)) void RunGroup(const OscillatorBatch& batch, int first, const float* ground,
                                                     int count, float* const peaks[3], float* displacement) {
  constexpr int kVectors = TREMORA_SOLVER_VECTORS;
  constexpr int kLanes = TREMORA_LANES;
  DoubleLanes damping[kVectors];
  DoubleLanes stiffness[kVectors];
  FloatLanes divisor[kVectors];
  for (int k = 0; k < kVectors; ++k) {
    for (int lane = 0; lane < kLanes; ++lane) {
      const int index = first + k * kLanes + lane;
      damping[k][lane] = batch.Damping[index];
      stiffness[k][lane] = batch.Stiffness[index];
      divisor[k][lane] = batch.Divisor[index];
    }
  }
  const DoubleLanes step = Broadcast(batch.Step);
  // a * dt * 0.5 is a * (dt * 0.5) exactly; dt * 0.5 is a float.
  const FloatLanes half_step = ToFloat(Broadcast(batch.Step * 0.5));
  const DoubleLanes step_squared = Broadcast(batch.StepSquared);
  const DoubleLanes third = Broadcast(1.0 / 3.0);
  const DoubleLanes sixth = Broadcast(1.0 / 6.0);

  // The oscillator's state as stored (floats), and a * dt^2, which is exact in a double.
  FloatLanes a[kVectors] = {};
  FloatLanes v[kVectors] = {};
  FloatLanes x[kVectors] = {};
  DoubleLanes a_step_squared[kVectors] = {};
  FloatLanes peak_acceleration[kVectors] = {};
  FloatLanes peak_velocity[kVectors] = {};
  FloatLanes peak_displacement[kVectors] = {};

  for (int i = 0; i < count; ++i) {
    const FloatLanes g = ToFloat(Broadcast(ground[i]));
    const DoubleLanes g_wide = Broadcast(ground[i]);
#pragma GCC unroll 16
    for (int k = 0; k < kVectors; ++k) {
      // Predictors.
      const FloatLanes vp = MulAddFloats(a[k], half_step, v[k]);
      const DoubleLanes vp_wide = ToDouble(vp);
      const DoubleLanes xp_wide =
          StoreRounded(MulAdd(a_step_squared[k], third, MulAdd(ToDouble(v[k]), step, ToDouble(x[k]))));
      // Load and the new relative acceleration.
      const FloatLanes q = ToFloat(MulAdd(damping[k], vp_wide, stiffness[k] * xp_wide) + g_wide);
      a[k] = -q / divisor[k];
      const FloatLanes absolute = a[k] + g;
      // Correctors.
      v[k] = MulAddFloats(a[k], half_step, vp);
      a_step_squared[k] = ToDouble(a[k]) * step_squared;
      x[k] = ToFloat(MulAdd(a_step_squared[k], sixth, xp_wide));
      if constexpr (kKeepDisplacement) {
        __builtin_memcpy(displacement + (static_cast<long>(i) * kVectors + k) * kLanes, &x[k], sizeof x[k]);
      } else {
        peak_acceleration[k] = KeepPeak(peak_acceleration[k], AbsLanes(absolute));
        peak_velocity[k] = KeepPeak(peak_velocity[k], AbsLanes(v[k]));
        peak_displacement[k] = KeepPeak(peak_displacement[k], AbsLanes(x[k]));
      }
    }
  }
  if constexpr (kKeepDisplacement) return;
  for (int k = 0; k < kVectors; ++k) {
    for (int lane = 0; lane < kLanes; ++lane) {
      const int index = first + k * kLanes + lane;
      peaks[0][index] = peak_acceleration[k][lane];
      peaks[1][index] = peak_velocity[k][lane];
      peaks[2][index] = peak_displacement[k][lane];
    }
  }
}

}  // namespace

void TREMORA_SOLVER_NAME(const OscillatorBatch& batch, int first, const float* ground, int count,
                         float* const peaks[3]) {
  RunGroup<false>(batch, first, ground, count, peaks, nullptr);
}

void TREMORA_DISPLACEMENT_NAME(const OscillatorBatch& batch, int first, const float* ground, int count,
                               float* displacement) {
  RunGroup<true>(batch, first, ground, count, nullptr, displacement);
}

}  // namespace tremora::spectrum_kernels
