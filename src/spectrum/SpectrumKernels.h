#pragma once
// The oscillator recurrence built for each instruction set (SpectrumKernel*.cpp). Internal to
// the spectrum solver and its tests.

namespace tremora::spectrum_kernels {

// Terms of a batch of oscillators, one entry per oscillator.
struct OscillatorBatch {
  const double* Damping;    // (2h) omega: exact in a double, as the product of two floats
  const float* Stiffness;   // omega squared
  const float* Divisor;
  float Step = 0;           // dt
  float StepSquared = 0;    // dt squared
};

// Runs oscillators [first, first + group) of the batch over ground[0 .. count) and writes their
// peaks of absolute acceleration, relative velocity and relative displacement to peaks[0..2]
// [first ...]. group is the kernel's GroupSize.
using Kernel = void (*)(const OscillatorBatch& batch, int first, const float* ground, int count, float* const peaks[3]);

// Runs the same oscillators and writes, instead of peaks, the relative displacement of every step:
// displacement[i * group + lane] for step i and lane 0 .. group-1 (oscillator first + lane).
using DisplacementKernel = void (*)(const OscillatorBatch& batch, int first, const float* ground, int count,
                                    float* displacement);

constexpr int kGroupAvx512 = 32;
constexpr int kGroupAvx2 = 16;
constexpr int kGroupBaseline = 8;

void SolveAvx512(const OscillatorBatch& batch, int first, const float* ground, int count, float* const peaks[3]);
void SolveAvx2(const OscillatorBatch& batch, int first, const float* ground, int count, float* const peaks[3]);
void SolveBaseline(const OscillatorBatch& batch, int first, const float* ground, int count, float* const peaks[3]);
void DisplacementAvx512(const OscillatorBatch& batch, int first, const float* ground, int count, float* displacement);
void DisplacementAvx2(const OscillatorBatch& batch, int first, const float* ground, int count, float* displacement);
void DisplacementBaseline(const OscillatorBatch& batch, int first, const float* ground, int count,
                          float* displacement);

}  // namespace tremora::spectrum_kernels
