#pragma once
// Vector types for the kernels built once per instruction set. A file that includes this defines
// TREMORA_LANES (doubles per vector) first and is compiled with the matching target flags.

#ifndef TREMORA_LANES
#error "define TREMORA_LANES before including LaneTypes.h"
#endif

#include <immintrin.h>

namespace tremora::lanes {

typedef double DoubleLanes __attribute__((vector_size(8 * TREMORA_LANES)));
typedef float FloatLanes __attribute__((vector_size(4 * TREMORA_LANES)));

// Rounds every lane to the nearest float, as storing it in a float variable does.
// The conversions are spelled out for the wide vectors, which the generic conversion splits.
inline __attribute__((always_inline)) FloatLanes ToFloat(DoubleLanes value) {
#if TREMORA_LANES == 8
  return _mm512_maskz_cvtpd_ps(0xFF, value);  // the unmasked form trips a false warning in GCC 12
#elif TREMORA_LANES == 4 && defined(__AVX__)
  return _mm256_cvtpd_ps(value);
#else
  return __builtin_convertvector(value, FloatLanes);
#endif
}
inline __attribute__((always_inline)) DoubleLanes ToDouble(FloatLanes value) {
#if TREMORA_LANES == 8
  return _mm512_maskz_cvtps_pd(0xFF, value);
#elif TREMORA_LANES == 4 && defined(__AVX__)
  return _mm256_cvtps_pd(value);
#else
  return __builtin_convertvector(value, DoubleLanes);
#endif
}
inline __attribute__((always_inline)) DoubleLanes StoreRounded(DoubleLanes value) {
  return ToDouble(ToFloat(value));
}
inline __attribute__((always_inline)) DoubleLanes Broadcast(double value) {
  return DoubleLanes{} + value;
}
inline __attribute__((always_inline)) FloatLanes AbsLanes(FloatLanes value) {
  typedef int IntLanes __attribute__((vector_size(4 * TREMORA_LANES)));
  return reinterpret_cast<FloatLanes>(reinterpret_cast<IntLanes>(value) & 0x7fffffff);
}
// The larger of peak and value, keeping peak when value is not strictly greater (or is NaN).
inline __attribute__((always_inline)) FloatLanes KeepPeak(FloatLanes peak, FloatLanes value) {
#if TREMORA_LANES == 8
  return _mm256_max_ps(value, peak);  // value > peak ? value : peak, exactly
#elif TREMORA_LANES == 4 && defined(__AVX__)
  return _mm_max_ps(value, peak);
#else
  return value > peak ? value : peak;
#endif
}
// a * b + c. Fused (one rounding) where the instruction set has it; the baseline rounds the
// product first. Either way each kernel reproduces the scalar forms on real records (the tests
// check every kernel this CPU can run).
inline __attribute__((always_inline)) DoubleLanes MulAdd(DoubleLanes a, DoubleLanes b, DoubleLanes c) {
#if TREMORA_LANES == 8
  return _mm512_fmadd_pd(a, b, c);
#elif TREMORA_LANES == 4 && defined(__FMA__)
  return _mm256_fmadd_pd(a, b, c);
#else
  return a * b + c;
#endif
}

// The float nearest to a * b + c for float lanes. With a fused multiply-add this is the
// correctly rounded result; the baseline forms it in double (the product of two floats is exact
// there) and rounds the sum twice, as the scalar forms do through their extended precision.
inline __attribute__((always_inline)) FloatLanes MulAddFloats(FloatLanes a, FloatLanes b, FloatLanes c) {
#if TREMORA_LANES == 8
  return _mm256_fmadd_ps(a, b, c);
#elif TREMORA_LANES == 4 && defined(__FMA__)
  return _mm_fmadd_ps(a, b, c);
#else
  return ToFloat(ToDouble(a) * ToDouble(b) + ToDouble(c));
#endif
}

inline __attribute__((always_inline)) DoubleLanes LoadDoubles(const double* source) {
  DoubleLanes value;
  __builtin_memcpy(&value, source, sizeof value);
  return value;
}

}  // namespace tremora::lanes
