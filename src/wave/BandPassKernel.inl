// The band-pass convolution vectorised across output samples: each lane carries one output's
// running sum in double precision and rounds it to a float after every tap, as the scalar filter
// stores it; so every lane computes what the scalar loop computes for its sample. Included by one
// file per instruction set, which defines TREMORA_LANES and TREMORA_FILTER_NAME.

#include "numerics/LaneTypes.h"
#include "wave/BandPassKernels.h"

namespace tremora::band_pass_kernels {

using namespace tremora::lanes;

void TREMORA_FILTER_NAME(const float* coefficients, int count, const double* padded, int first, int end,
                         float* out) {
  constexpr int kVectors = kBlock / TREMORA_LANES;
  const int offset = count - 1;
  for (int base = first; base < end; base += kBlock) {
    const double* centre = padded + offset + base;
    DoubleLanes sum[kVectors];
    const DoubleLanes c0 = Broadcast(coefficients[0]);
    for (int k = 0; k < kVectors; ++k) sum[k] = StoreRounded(c0 * LoadDoubles(centre + k * TREMORA_LANES));
    for (int j = 1; j < count; ++j) {
      const DoubleLanes cj = Broadcast(coefficients[j]);
      const double* before = centre - j;
      const double* after = centre + j;
#pragma GCC unroll 16
      for (int k = 0; k < kVectors; ++k) {
        const DoubleLanes pair = LoadDoubles(before + k * TREMORA_LANES) + LoadDoubles(after + k * TREMORA_LANES);
        sum[k] = StoreRounded(MulAdd(cj, pair, sum[k]));
      }
    }
    for (int k = 0; k < kVectors; ++k) {
      const FloatLanes rounded = ToFloat(sum[k]);
      __builtin_memcpy(out + base + k * TREMORA_LANES, &rounded, sizeof rounded);
    }
  }
}

}  // namespace tremora::band_pass_kernels
