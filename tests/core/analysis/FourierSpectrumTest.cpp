// Fourier amplitude spectra against what a known signal's transform must be.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/FourierSpectrum.h"

namespace tremora {
namespace {

TEST(FourierSpectrum, ASineShowsItsAmplitudeAtItsFrequencyLessTheTapersLoss) {
  // 3000 samples at 100 Hz pad to 4096; a sine of 80 gal on bin 400 (9.765625 Hz).
  RecordSet record;
  record.ChannelCount = 1;
  record.SampleCount = 3000;
  SetIntervalFromRate(record, 100);
  const double f0 = 400.0 / (4096 * 0.01);
  for (int i = 0; i < 3000; ++i) record.Acceleration[0][i] = static_cast<float>(80 * std::sin(2 * M_PI * f0 * i * 0.01));
  const FourierSpectra spectra = ComputeFourierSpectra(record, 0, 3000, 0);
  ASSERT_EQ(spectra.Frequencies.size(), 2048u);
  EXPECT_DOUBLE_EQ(spectra.Frequencies.front(), 1 / 40.96);
  EXPECT_DOUBLE_EQ(spectra.Frequencies.back(), 50.0);
  const std::vector<double>& a = spectra.Amplitudes[0];
  const auto peak = std::max_element(a.begin(), a.end());
  EXPECT_EQ(peak - a.begin(), 399);
  // |X| dt of A sin over a duration D is A D / 2; the taper keeps 95 % of the section's weight.
  EXPECT_NEAR(*peak / (80 * 30.0 / 2 * 0.95), 1.0, 0.003);
  EXPECT_EQ(FormatFourierCsv(spectra).substr(0, 28), "Frequency(Hz),NS\r\n0.0244141,");
}

TEST(FourierSpectrum, ParsevalHoldsOnThePaddedSection) {
  std::vector<float> samples(1500);
  for (int i = 0; i < 1500; ++i) samples[i] = static_cast<float>(std::sin(i * 0.37) * 30 + std::cos(i * 0.011) * 7 + 5);
  const std::vector<double> series = TaperedSection(samples.data(), 1500);
  ASSERT_EQ(series.size(), 2048u);
  const double dt = 0.02;
  const std::vector<double> a = AmplitudeSpectrum(series, dt);
  double time_energy = 0;
  for (const double x : series) time_energy += x * x;
  double frequency_energy = a.front() * a.front() + a.back() * a.back();
  for (size_t k = 1; k + 1 < a.size(); ++k) frequency_energy += 2 * a[k] * a[k];
  EXPECT_NEAR(frequency_energy / (dt * dt * 2048) / time_energy, 1.0, 1e-12);
}

TEST(FourierSpectrum, TheParzenWindowHasUnitAreaAndSmoothingKeepsAFlatSpectrumFlat) {
  for (const double b : kFourierBandWidths) {
    double area = 0;
    const double df = b / 2000;
    for (double f = -200 * b; f <= 200 * b; f += df) area += ParzenWindow(f, b) * df;
    EXPECT_NEAR(area, 1.0, 1e-3) << b;
    const std::vector<double> flat(500, 3.5);
    for (const double value : ParzenSmooth(flat, 0.0244, b)) EXPECT_NEAR(value, 3.5, 1e-12) << b;
  }
  // A single line spreads over the window's width and keeps its area.
  std::vector<double> line(400, 0.0);
  line[200] = 1;
  const std::vector<double> smoothed = ParzenSmooth(line, 0.01, 0.1);
  double total = 0;
  for (const double value : smoothed) total += value;
  EXPECT_NEAR(total, 1.0, 1e-9);
  EXPECT_NEAR(smoothed[200] / 0.01, ParzenWindow(0, 0.1), 0.01 * ParzenWindow(0, 0.1));
}

}  // namespace
}  // namespace tremora
