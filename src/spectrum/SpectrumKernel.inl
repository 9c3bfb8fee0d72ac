// The oscillator recurrence vectorised across oscillators: each lane runs one oscillator in double
// precision and rounds every named quantity to a float where the scalar solver stores it, so each
// lane computes what the scalar solver computes. The quotient -q / m is taken in float lanes: the
// correctly rounded float quotient, which is what rounding the extended quotient gives too.
// Included by one file per instruction set, which defines TREMORA_LANES, TREMORA_SOLVER_VECTORS
// and TREMORA_SOLVER_NAME.

#include "spectrum/LaneTypes.h"
#include "spectrum/SpectrumKernels.h"

namespace tremora::spectrum_kernels {

using namespace tremora::lanes;

void TREMORA_SOLVER_NAME(const OscillatorBatch& batch, int first, const float* ground, int count,
                         float* const peaks[3]) {
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
  const DoubleLanes half_step = Broadcast(batch.Step * 0.5);  // a * dt * 0.5 == a * (dt * 0.5), both exact
  const DoubleLanes step_squared = Broadcast(batch.StepSquared);
  const DoubleLanes third = Broadcast(1.0 / 3.0);
  const DoubleLanes sixth = Broadcast(1.0 / 6.0);

  DoubleLanes a[kVectors] = {};
  DoubleLanes v[kVectors] = {};
  DoubleLanes x[kVectors] = {};
  FloatLanes peak_acceleration[kVectors] = {};
  FloatLanes peak_velocity[kVectors] = {};
  FloatLanes peak_displacement[kVectors] = {};

  for (int i = 0; i < count; ++i) {
    const DoubleLanes g = Broadcast(ground[i]);
    for (int k = 0; k < kVectors; ++k) {
      const DoubleLanes vp = StoreRounded(a[k] * half_step + v[k]);
      const DoubleLanes xp = StoreRounded((v[k] * step + x[k]) + (a[k] * step_squared) * third);
      const FloatLanes q = ToFloat((damping[k] * vp + stiffness[k] * xp) + g);
      const FloatLanes acceleration = -q / divisor[k];
      a[k] = ToDouble(acceleration);
      const FloatLanes absolute = ToFloat(a[k] + g);
      const FloatLanes velocity = ToFloat(a[k] * half_step + vp);
      const FloatLanes displacement = ToFloat((a[k] * step_squared) * sixth + xp);
      v[k] = ToDouble(velocity);
      x[k] = ToDouble(displacement);
      peak_acceleration[k] = KeepPeak(peak_acceleration[k], AbsLanes(absolute));
      peak_velocity[k] = KeepPeak(peak_velocity[k], AbsLanes(velocity));
      peak_displacement[k] = KeepPeak(peak_displacement[k], AbsLanes(displacement));
    }
  }
  for (int k = 0; k < kVectors; ++k) {
    for (int lane = 0; lane < kLanes; ++lane) {
      const int index = first + k * kLanes + lane;
      peaks[0][index] = peak_acceleration[k][lane];
      peaks[1][index] = peak_velocity[k][lane];
      peaks[2][index] = peak_displacement[k][lane];
    }
  }
}

}  // namespace tremora::spectrum_kernels
