#pragma once
// Response of a damped single-degree-of-freedom oscillator whose base moves with a ground
// acceleration record, by the linear-acceleration method (Newmark, beta = 1/6, gamma = 1/2) in
// predictor-corrector form, starting from rest at the first sample. Every named quantity is a
// float; arithmetic between the stores is carried in extended precision.

#include <vector>

namespace tremora {

// The per-oscillator constants of the recurrence, shared by the plain and the fast solver.
struct OscillatorConstants {
  float Omega = 0;        // circular frequency 2 pi / T
  float Stiffness = 0;    // omega squared
  float StepSquared = 0;  // dt squared
  float Divisor = 0;      // (h omega dt + 1) + omega^2 dt^2 / 6, the same for every step
  double Damping = 0;     // (2h) omega, kept whole: the product of two floats fits a double
};
OscillatorConstants MakeOscillatorConstants(float ratio, float period, float dt);

struct ResponseHistories {
  std::vector<float> RelativeAcceleration;
  std::vector<float> AbsoluteAcceleration;
  std::vector<float> RelativeVelocity;
  std::vector<float> RelativeDisplacement;
  void Resize(int count);
};

// Runs the oscillator (damping ratio, natural period in s) over ground[0 .. count) with time step
// dt and fills the first count entries of the four histories (which must hold that many). This is
// the plain form, kept as the reference of the fast solver.
void OscillatorResponse(int count, float ratio, float period, float dt, const float* ground,
                        ResponseHistories& histories);

}  // namespace tremora
