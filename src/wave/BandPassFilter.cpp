#include "wave/BandPassFilter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "numerics/WorkerPool.h"
#include "wave/BandPassKernels.h"

namespace tremora {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;

// Outputs per task of the worker pool: small enough to share a pass between the cores evenly,
// large enough that handing out tasks costs nothing.
constexpr int kOutputsPerTask = 8 * band_pass_kernels::kBlock;

band_pass_kernels::Kernel KernelFor(SimdLevel level) {
  switch (level) {
    case SimdLevel::Avx512: return band_pass_kernels::FilterAvx512;
    case SimdLevel::Avx2: return band_pass_kernels::FilterAvx2;
    case SimdLevel::Baseline: break;
  }
  return band_pass_kernels::FilterBaseline;
}

}  // namespace

void DesignBandPass(int count, float* coefficients, float dt, float f4, float f3, float f2, float f1) {
  if (count <= 0) return;
  // Corners in cycles per sample.
  const float w = static_cast<float>(kTwoPi / static_cast<long double>(dt));
  const auto normalise = [w](float f) { return static_cast<float>(kTwoPi * static_cast<long double>(f) / w); };
  const float a4 = normalise(f4);
  const float a3 = normalise(f3);
  const float a2 = normalise(f2);
  const float a1 = normalise(f1);
  // The band-pass is the upper trapezoidal low-pass (corners a3, a4) minus the lower one (a1, a2).
  const float upper_width = a4 - a3;
  const float upper_sum = a4 + a3;
  const float lower_width = a2 - a1;
  const float lower_sum = a2 + a1;
  coefficients[0] = upper_sum - lower_sum;
  for (int n = 1; n < count; ++n) {
    const long double m = static_cast<float>(n * static_cast<long double>(kPi));
    const long double upper = sinl(m * upper_width) * sinl(m * upper_sum) / upper_width / m / m;
    const long double lower = sinl(m * lower_width) * sinl(m * lower_sum) / lower_width / m / m;
    coefficients[n] = static_cast<float>(upper - lower);
  }
}

void ApplyBandPassScalar(int count, const float* coefficients, float* samples, int length) {
  if (length <= 0 || count <= 0) return;
  std::vector<float> filtered(length);
  for (int i = 0; i < length; ++i) {
    float sum = static_cast<float>(static_cast<long double>(coefficients[0]) * samples[i]);
    for (int j = 1; j < count; ++j) {
      const long double before = i - j >= 0 ? samples[i - j] : 0.0f;
      const long double after = i + j < length ? samples[i + j] : 0.0f;
      sum = static_cast<float>(sum + coefficients[j] * (before + after));
    }
    filtered[i] = sum;
  }
  std::copy(filtered.begin(), filtered.end(), samples);
}

void ApplyBandPassWith(SimdLevel level, int count, const float* coefficients, float* samples, int length) {
  if (length <= 0 || count <= 0) return;
  using band_pass_kernels::kBlock;
  const int rounded = (length + kBlock - 1) / kBlock * kBlock;
  const int offset = count - 1;
  // Zeros on both sides stand for the samples outside the record.
  std::vector<double> padded(static_cast<size_t>(rounded) + 2 * offset + kBlock, 0.0);
  std::copy(samples, samples + length, padded.begin() + offset);
  std::vector<float> filtered(rounded);

  const band_pass_kernels::Kernel kernel = KernelFor(level);
  const int tasks = (rounded + kOutputsPerTask - 1) / kOutputsPerTask;
  WorkerPool::Shared().ForEach(tasks, [&](int task) {
    const int first = task * kOutputsPerTask;
    const int end = std::min(first + kOutputsPerTask, rounded);
    kernel(coefficients, count, padded.data(), first, end, filtered.data());
  });
  std::copy(filtered.begin(), filtered.begin() + length, samples);
}

void ApplyBandPass(int count, const float* coefficients, float* samples, int length) {
  ApplyBandPassWith(DetectSimdLevel(), count, coefficients, samples, length);
}

}  // namespace tremora
