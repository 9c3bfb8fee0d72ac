#pragma once
// The exact response of a damped oscillator to ground acceleration that varies linearly between
// samples (the Nigam-Jennings recurrence). The oscillator is at rest before the first sample and
// the ground acceleration rises linearly from 0 to the first sample over one step, as the
// linear-acceleration solver sees it when it applies the first sample as its first step.

namespace tremora {

// The step of the recurrence: the state (u, v) after one interval from the state before and the
// ground accelerations at both ends.
struct ExactStep {
  double A = 0, B = 0, C = 0, D = 0;      // displacement
  double A1 = 0, B1 = 0, C1 = 0, D1 = 0;  // velocity
  double Damping = 0;                     // 2 h omega
  double Stiffness = 0;                   // omega squared
};
// Any ratio >= 0 (critical damping and over-damping included), period and dt > 0.
ExactStep MakeExactStep(double ratio, double period, double dt);

// Peaks of absolute acceleration, relative velocity and relative displacement over the samples
// of ground[0 .. count). The plain form, one oscillator at a time: the oracle of the fast one.
// displacement, when given, receives the relative displacement of every step (count floats).
void ExactPeaks(const ExactStep& step, const float* ground, int count, float peaks[3],
                float* displacement = nullptr);

// The same for kExactGroup oscillators at once (vectorised across them); peaks[kind][lane].
constexpr int kExactGroup = 8;
void ExactPeaksGroup(const ExactStep* steps, const float* ground, int count, float peaks[3][kExactGroup]);
// The same oscillators' relative displacement at every step, rounded to floats:
// displacement[i * kExactGroup + lane] for step i.
void ExactDisplacementGroup(const ExactStep* steps, const float* ground, int count, float* displacement);

}  // namespace tremora
