#pragma once
// Vector types for the kernels built once per instruction set. A file that includes this defines
// TREMORA_LANES (doubles per vector) first and is compiled with the matching target flags:
// 8 lanes with AVX-512, 4 with AVX2 and FMA, 2 on any x86-64.

#ifndef TREMORA_LANES
#error "define TREMORA_LANES before including LaneTypes.h"
#endif

#include <immintrin.h>

namespace tremora::lanes {

typedef double DoubleLanes __attribute__((vector_size(8 * TREMORA_LANES)));
typedef float FloatLanes __attribute__((vector_size(4 * TREMORA_LANES)));

#define TREMORA_LANE_FUNCTION inline __attribute__((always_inline))

// The instructions are spelled out for the wide vectors: the generic conversions split them into
// halves, and fused multiply-adds need their intrinsics.
//  ToFloat / ToDouble: each lane rounded to the nearest float / widened exactly.
//  KeepPeak: the larger of peak and value, keeping peak unless value is strictly greater (or NaN).
//  MulAdd: a * b + c with one rounding; the baseline rounds the product first. Either way each
//    kernel reproduces the scalar forms on real records (the tests check every kernel this CPU can
//    run).
//  MulAddFloats: the float nearest to a * b + c. With a fused multiply-add this is the correctly
//    rounded result; the baseline forms it in double (the product of two floats is exact there)
//    and rounds the sum twice, as the scalar forms do through their extended precision.
#if TREMORA_LANES == 8
// GCC 12 warns falsely about the unmasked conversions; the all-ones mask compiles to the same.
TREMORA_LANE_FUNCTION FloatLanes ToFloat(DoubleLanes value) { return _mm512_maskz_cvtpd_ps(0xFF, value); }
TREMORA_LANE_FUNCTION DoubleLanes ToDouble(FloatLanes value) { return _mm512_maskz_cvtps_pd(0xFF, value); }
TREMORA_LANE_FUNCTION FloatLanes KeepPeak(FloatLanes peak, FloatLanes value) { return _mm256_max_ps(value, peak); }
TREMORA_LANE_FUNCTION DoubleLanes MulAdd(DoubleLanes a, DoubleLanes b, DoubleLanes c) { return _mm512_fmadd_pd(a, b, c); }
TREMORA_LANE_FUNCTION FloatLanes MulAddFloats(FloatLanes a, FloatLanes b, FloatLanes c) { return _mm256_fmadd_ps(a, b, c); }
#elif TREMORA_LANES == 4 && defined(__AVX2__) && defined(__FMA__)
TREMORA_LANE_FUNCTION FloatLanes ToFloat(DoubleLanes value) { return _mm256_cvtpd_ps(value); }
TREMORA_LANE_FUNCTION DoubleLanes ToDouble(FloatLanes value) { return _mm256_cvtps_pd(value); }
TREMORA_LANE_FUNCTION FloatLanes KeepPeak(FloatLanes peak, FloatLanes value) { return _mm_max_ps(value, peak); }
TREMORA_LANE_FUNCTION DoubleLanes MulAdd(DoubleLanes a, DoubleLanes b, DoubleLanes c) { return _mm256_fmadd_pd(a, b, c); }
TREMORA_LANE_FUNCTION FloatLanes MulAddFloats(FloatLanes a, FloatLanes b, FloatLanes c) { return _mm_fmadd_ps(a, b, c); }
#else
TREMORA_LANE_FUNCTION FloatLanes ToFloat(DoubleLanes value) { return __builtin_convertvector(value, FloatLanes); }
TREMORA_LANE_FUNCTION DoubleLanes ToDouble(FloatLanes value) { return __builtin_convertvector(value, DoubleLanes); }
TREMORA_LANE_FUNCTION FloatLanes KeepPeak(FloatLanes peak, FloatLanes value) { return value > peak ? value : peak; }
TREMORA_LANE_FUNCTION DoubleLanes MulAdd(DoubleLanes a, DoubleLanes b, DoubleLanes c) { return a * b + c; }
TREMORA_LANE_FUNCTION FloatLanes MulAddFloats(FloatLanes a, FloatLanes b, FloatLanes c) {
  return ToFloat(ToDouble(a) * ToDouble(b) + ToDouble(c));
}
#endif

// Rounds every lane to a float and widens it again, as storing it in a float variable does.
TREMORA_LANE_FUNCTION DoubleLanes StoreRounded(DoubleLanes value) { return ToDouble(ToFloat(value)); }
TREMORA_LANE_FUNCTION DoubleLanes Broadcast(double value) { return DoubleLanes{} + value; }
TREMORA_LANE_FUNCTION FloatLanes AbsLanes(FloatLanes value) {
  typedef int IntLanes __attribute__((vector_size(4 * TREMORA_LANES)));
  return reinterpret_cast<FloatLanes>(reinterpret_cast<IntLanes>(value) & 0x7fffffff);
}
TREMORA_LANE_FUNCTION DoubleLanes LoadDoubles(const double* source) {
  DoubleLanes value;
  __builtin_memcpy(&value, source, sizeof value);
  return value;
}

#undef TREMORA_LANE_FUNCTION

}  // namespace tremora::lanes
