#pragma once
// Vector types for the kernels built once per instruction set. A file that includes this defines
// TREMORA_LANES (doubles per vector) first and is compiled with the matching target flags.

#ifndef TREMORA_LANES
#error "define TREMORA_LANES before including LaneTypes.h"
#endif

namespace tremora::lanes {

typedef double DoubleLanes __attribute__((vector_size(8 * TREMORA_LANES)));
typedef float FloatLanes __attribute__((vector_size(4 * TREMORA_LANES)));

// Rounds every lane to the nearest float, as storing it in a float variable does.
inline __attribute__((always_inline)) FloatLanes ToFloat(DoubleLanes value) {
  return __builtin_convertvector(value, FloatLanes);
}
inline __attribute__((always_inline)) DoubleLanes ToDouble(FloatLanes value) {
  return __builtin_convertvector(value, DoubleLanes);
}
inline __attribute__((always_inline)) DoubleLanes StoreRounded(DoubleLanes value) {
  return ToDouble(ToFloat(value));
}
inline __attribute__((always_inline)) DoubleLanes Broadcast(double value) {
  return DoubleLanes{} + value;
}
inline __attribute__((always_inline)) FloatLanes AbsLanes(FloatLanes value) {
  return value < FloatLanes{} ? -value : value;
}
// The larger of peak and value, keeping peak when value is not strictly greater (or is NaN).
inline __attribute__((always_inline)) FloatLanes KeepPeak(FloatLanes peak, FloatLanes value) {
  return value > peak ? value : peak;
}
inline __attribute__((always_inline)) DoubleLanes LoadDoubles(const double* source) {
  DoubleLanes value;
  __builtin_memcpy(&value, source, sizeof value);
  return value;
}

}  // namespace tremora::lanes
