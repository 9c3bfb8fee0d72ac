#include "analysis/JmaIntensity.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <numeric>

#include "base/Translation.h"
#include "numerics/FftPlans.h"

namespace tremora {

double PeriodEffectGain(double f) { return f > 0 ? std::sqrt(1.0 / f) : 0.0; }

double HighCutGain(double f) {
  if (f <= 0) return 0.0;
  const double x = f / 10.0;
  const double x2 = x * x;
  const double polynomial =
      1 + x2 * (0.694 + x2 * (0.241 + x2 * (0.0557 + x2 * (0.009664 + x2 * (0.00134 + x2 * 0.000155)))));
  return 1.0 / std::sqrt(polynomial);
}

double LowCutGain(double f) {
  if (f <= 0) return 0.0;
  const double r = f / 0.5;
  return std::sqrt(1.0 - std::exp(-r * r * r));
}

double IntensityFilterGain(double f) { return PeriodEffectGain(f) * HighCutGain(f) * LowCutGain(f); }

int TransformLength(int count) {
  int length = 1;
  while (length < count) length *= 2;
  return length;
}

void ApplyIntensityFilter(std::vector<double>& samples, double dt) {
  const int count = static_cast<int>(samples.size());
  if (count == 0) return;
  const int length = TransformLength(count);
  const FftRealBuffer real = AllocateFftReal(static_cast<size_t>(length));
  const FftComplexBuffer spectrum = AllocateFftComplex(static_cast<size_t>(length) / 2 + 1);
  const double mean = std::accumulate(samples.begin(), samples.end(), 0.0) / count;
  for (int i = 0; i < count; ++i) real[i] = samples[i] - mean;
  std::fill(real.get() + count, real.get() + length, 0.0);
  RealToSpectrum(length, real.get(), spectrum.get());
  const double df = 1.0 / (length * dt);
  for (int k = 0; k <= length / 2; ++k) {
    // The backward transform is unnormalised: 1 / length folded into the weight.
    const double weight = IntensityFilterGain(k * df) / length;
    spectrum[k] = {spectrum[k].real() * weight, spectrum[k].imag() * weight};
  }
  SpectrumToReal(length, spectrum.get(), real.get());
  std::copy_n(real.get(), count, samples.begin());
}

double DurationLevel(std::vector<double> sizes, double dt) {
  if (sizes.empty()) return 0.0;
  const long rank = std::clamp<long>(std::lround(0.3 / dt), 1, static_cast<long>(sizes.size()));
  auto nth = sizes.begin() + (rank - 1);
  std::nth_element(sizes.begin(), nth, sizes.end(), std::greater<double>());
  return *nth;
}

double ReportedIntensity(double unrounded) {
  if (!std::isfinite(unrounded)) return unrounded;
  // Whole hundredths first, so that no binary fraction sits just below a tenth when it is cut.
  const long long hundredths = std::llround(unrounded * 100.0);
  // Cut towards zero, as the agency's rule reads; only a record far below class 1 is negative.
  const long long tenths = hundredths / 10;
  return tenths / 10.0 + 0.0;  // + 0.0: no "-0.0"
}

std::string IntensityClass(double reported) {
  // Compared in whole tenths, as the reported value has one decimal.
  const long long t = std::isfinite(reported) ? std::llround(reported * 10.0) : (reported > 0 ? 100 : -100);
  if (t < 5) return "0";
  if (t < 15) return "1";
  if (t < 25) return "2";
  if (t < 35) return "3";
  if (t < 45) return "4";
  if (t < 50) return Tr("JmaIntensity", "5弱").source;
  if (t < 55) return Tr("JmaIntensity", "5強").source;
  if (t < 60) return Tr("JmaIntensity", "6弱").source;
  if (t < 65) return Tr("JmaIntensity", "6強").source;
  return "7";
}

std::string ShownIntensityClass(const std::string& intensity_class) {
  return Translate("JmaIntensity", intensity_class.c_str());
}

JmaIntensity ComputeJmaIntensity(const float* ns, const float* ew, const float* ud, int count, double dt) {
  std::vector<double> sizes(std::max(count, 0), 0.0);
  std::vector<double> component(sizes.size());
  for (const float* samples : {ns, ew, ud}) {
    std::copy_n(samples, component.size(), component.begin());
    ApplyIntensityFilter(component, dt);
    for (size_t i = 0; i < sizes.size(); ++i) sizes[i] += component[i] * component[i];
  }
  for (double& size : sizes) size = std::sqrt(size);
  JmaIntensity result;
  const double a0 = DurationLevel(std::move(sizes), dt);
  result.Unrounded = a0 > 0 ? 2.0 * std::log10(a0) + 0.94 : -std::numeric_limits<double>::infinity();
  result.Reported = ReportedIntensity(result.Unrounded);
  result.Class = IntensityClass(result.Reported);
  return result;
}

}  // namespace tremora
