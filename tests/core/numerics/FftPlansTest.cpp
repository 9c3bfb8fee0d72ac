// The FFT plans are shared by every thread: transforms planned and run from several threads at
// once give exactly what one thread gives.

#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

#include "analysis/FourierSpectrum.h"
#include "analysis/JmaIntensity.h"

namespace tremora {
namespace {

std::vector<double> Signal(int count, double phase) {
  std::vector<double> x(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) x[i] = 50 * std::sin(0.031 * i + phase) + 7 * std::cos(0.57 * i);
  return x;
}

// Issue 22: the Fourier spectra and the intensity filter plan through one lock.
TEST(FftPlans, SpectraAndIntensityFiltersFromSeveralThreadsMatchOneThread) {
  // Lengths of 2^k + 1 samples pad to 2^(k+1): the threads plan at the same time where a length is
  // new to the process.
  const std::vector<int> counts = {4097, 8193, 16385, 32769};
  const auto work = [&](int count, std::vector<double>& spectrum, std::vector<double>& filtered) {
    spectrum = AmplitudeSpectrum(Signal(count * 2 - 2, 0.5), 0.01);
    filtered = Signal(count, 1.5);
    ApplyIntensityFilter(filtered, 0.01);
  };
  const size_t n = counts.size();
  std::vector<std::vector<double>> spectra(n), filtered(n);
  std::vector<std::thread> threads;
  for (size_t t = 0; t < n; ++t) threads.emplace_back([&, t] { work(counts[t], spectra[t], filtered[t]); });
  for (std::thread& thread : threads) thread.join();
  for (size_t t = 0; t < n; ++t) {
    std::vector<double> spectrum, alone;
    work(counts[t], spectrum, alone);
    EXPECT_EQ(spectra[t], spectrum) << counts[t];
    EXPECT_EQ(filtered[t], alone) << counts[t];
  }
}

}  // namespace
}  // namespace tremora
