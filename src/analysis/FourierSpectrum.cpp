#include "analysis/FourierSpectrum.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "base/CNumbers.h"
#include "numerics/FftPlans.h"

namespace tremora {

std::vector<double> TaperedSection(const float* samples, int count) {
  count = std::max(count, 0);
  int length = 1;
  while (length < count) length *= 2;
  std::vector<double> series(std::max(length, 2), 0.0);
  double mean = 0;
  for (int i = 0; i < count; ++i) mean += samples[i];
  if (count > 0) mean /= count;
  const int taper = static_cast<int>(0.05 * count);
  for (int i = 0; i < count; ++i) {
    const int from_end = std::min(i, count - 1 - i);
    const double weight = from_end < taper ? 0.5 * (1 - std::cos(M_PI * from_end / taper)) : 1.0;
    series[i] = (samples[i] - mean) * weight;
  }
  return series;
}

std::vector<double> AmplitudeSpectrum(const std::vector<double>& series, double dt) {
  const int length = static_cast<int>(series.size());
  const FftRealBuffer in = AllocateFftReal(series.size());
  const FftComplexBuffer out = AllocateFftComplex(series.size() / 2 + 1);
  std::copy(series.begin(), series.end(), in.get());
  RealToSpectrum(length, in.get(), out.get());
  std::vector<double> amplitudes(length / 2 + 1);
  for (int k = 0; k <= length / 2; ++k) amplitudes[k] = std::hypot(out[k].real(), out[k].imag()) * dt;
  return amplitudes;
}

double ParzenWindow(double frequency, double band_width) {
  const double u = 280.0 / (151.0 * band_width);
  const double x = M_PI * u * frequency / 2;
  const double ratio = std::fabs(x) < 1e-12 ? 1.0 : std::sin(x) / x;
  return 0.75 * u * std::pow(ratio, 4);
}

std::vector<double> ParzenSmooth(const std::vector<double>& amplitudes, double df, double band_width) {
  if (band_width <= 0 || df <= 0) return amplitudes;
  const double u = 280.0 / (151.0 * band_width);
  const int reach = static_cast<int>(8.0 / (u * df));  // W's zeros lie at 2n / u
  std::vector<double> weights(reach + 1);
  for (int k = 0; k <= reach; ++k) weights[k] = ParzenWindow(k * df, band_width);
  const int n = static_cast<int>(amplitudes.size());
  std::vector<double> smoothed(n);
  for (int j = 0; j < n; ++j) {
    double sum = 0, weight = 0;
    for (int k = std::max(-reach, -j); k <= std::min(reach, n - 1 - j); ++k) {
      sum += weights[std::abs(k)] * amplitudes[j + k];
      weight += weights[std::abs(k)];
    }
    smoothed[j] = sum / weight;
  }
  return smoothed;
}

FourierSpectra ComputeFourierSpectra(const RecordSet& record, int start, int count, double band_width) {
  start = std::clamp(start, 0, std::max(record.SampleCount, 0));
  count = std::clamp(count, 0, record.SampleCount - start);
  FourierSpectra spectra;
  // Not the float interval: that is off by parts in 1e8.
  const double dt = SampleInterval(record);
  for (int c = 0; c < std::clamp(record.ChannelCount, 0, kMaxChannels); ++c) {
    const std::vector<double> series = TaperedSection(record.Acceleration[c].data() + start, count);
    const int length = static_cast<int>(series.size());
    std::vector<double> amplitudes = AmplitudeSpectrum(series, dt);
    amplitudes.erase(amplitudes.begin());  // the mean, removed
    spectra.Amplitudes.push_back(ParzenSmooth(amplitudes, 1.0 / (length * dt), band_width));
    spectra.Components.push_back(record.ComponentNames[c]);
    if (c == 0) {
      for (int k = 1; k <= length / 2; ++k) spectra.Frequencies.push_back(k / (length * dt));
    }
  }
  return spectra;
}

std::string FormatFourierCsv(const FourierSpectra& spectra) {
  std::string text = "Frequency(Hz)";
  for (const std::string& name : spectra.Components) text += "," + name;
  text += "\r\n";
  for (size_t k = 0; k < spectra.Frequencies.size(); ++k) {
    text += FormatC("%.6g", spectra.Frequencies[k]);
    for (const auto& amplitudes : spectra.Amplitudes) text += FormatC(",%.6g", amplitudes[k]);
    text += "\r\n";
  }
  return text;
}

}  // namespace tremora
