#pragma once
// The zero-phase FIR band-pass that velocity and displacement pass through: a trapezoidal response,
// 0 below f1, rising to 1 at f2, 1 up to f3, falling to 0 at f4, stored as one half of its
// symmetric impulse response (2 * count - 1 taps).

#include "numerics/SimdLevel.h"

namespace tremora {

// Corner frequencies (Hz) and length every loader designs the filter with.
constexpr int kBandPassCount = 500;
constexpr float kBandPassF4 = 75.0f;
constexpr float kBandPassF3 = 50.0f;
constexpr float kBandPassF2 = 0.2f;
constexpr float kBandPassF1 = 0.1f;

// Fills coefficients[0 .. count) for the sampling interval dt (s).
void DesignBandPass(int count, float* coefficients, float dt, float f4, float f3, float f2, float f1);

// Filters samples[0 .. length) in place: y[i] = c[0] x[i] + sum over j = 1 .. count-1 of
// c[j] (x[i-j] + x[i+j]), samples outside the range taken as zero, the running sum stored as a
// float after every tap. Vectorised and spread over the worker pool; the same result as the
// scalar form below, which is kept as its reference.
void ApplyBandPass(int count, const float* coefficients, float* samples, int length);
// The same with the kernel of one instruction set (which this CPU must support).
void ApplyBandPassWith(SimdLevel level, int count, const float* coefficients, float* samples, int length);
// The plain scalar form, extended precision between the float stores.
void ApplyBandPassScalar(int count, const float* coefficients, float* samples, int length);

}  // namespace tremora
