#pragma once
// The band-pass convolution built for each instruction set (BandPassKernel*.cpp). Internal to
// ApplyBandPass and its tests.

namespace tremora::band_pass_kernels {

// Outputs produced together by one call of a kernel; output ranges are multiples of it.
constexpr int kBlock = 64;

// For i in [first, end): out[i] = the filtered sample i, given the input as doubles with
// count - 1 zeros before sample 0 (padded[i + count - 1] is sample i) and zeros after the last
// sample up to end + count - 1 + kBlock. end - first is a multiple of kBlock.
using Kernel = void (*)(const float* coefficients, int count, const double* padded, int first, int end, float* out);

void FilterAvx512(const float* coefficients, int count, const double* padded, int first, int end, float* out);
void FilterAvx2(const float* coefficients, int count, const double* padded, int first, int end, float* out);
void FilterBaseline(const float* coefficients, int count, const double* padded, int first, int end, float* out);

}  // namespace tremora::band_pass_kernels
