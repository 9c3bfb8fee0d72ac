#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <numbers>
#include <vector>

#include "analysis/RotatedSpectra.h"
#include "core/wave/SampleRecords.h"
#include "spectrum/PeriodGrid.h"

namespace tremora {
namespace {

using testing::ReadComponent;

constexpr float kDt = 0.01f;

// A 30 s piece of a real record's horizontal pair, around its strongest motion.
struct HorizontalPair {
  std::vector<float> Ns, Ew;
};
HorizontalPair StrongPart(const std::string& stem, const std::string& suffix = "", int length = 3000) {
  const std::vector<float> ns = ReadComponent(stem + ".NS" + suffix);
  const std::vector<float> ew = ReadComponent(stem + ".EW" + suffix);
  const int start = std::max(0, static_cast<int>(std::max_element(ns.begin(), ns.end(), [](float a, float b) {
                                                   return std::fabs(a) < std::fabs(b);
                                                 }) - ns.begin()) - 1000);
  const int count = std::min<int>(length, static_cast<int>(ns.size()) - start);
  return {{ns.begin() + start, ns.begin() + start + count}, {ew.begin() + start, ew.begin() + start + count}};
}

RotatedSpectrum SpectrumOf(const HorizontalPair& pair, SpectrumMethod method = SpectrumMethod::LinearAcceleration,
                           float dt = kDt) {
  return ComputeRotatedSpectrum(pair.Ns.data(), pair.Ew.data(), static_cast<int>(pair.Ns.size()), MakePeriodGrid(),
                                0.05f, dt, dt, method);
}

TEST(RotatedSpectra, HullGivesTheValuesOfTheAngleLoopToTheBitOnRealRecords) {
  const PeriodGrid grid = MakePeriodGrid();
  const float periods[] = {grid.Periods[0], grid.Periods[30], grid.Periods[60], grid.Periods[99]};
  for (const HorizontalPair& pair : {StrongPart("AOM0011801241951"), StrongPart("NGNH311106302345", "2")}) {
    const int count = static_cast<int>(pair.Ns.size());
    EXPECT_EQ(AnglePeaksByHull(pair.Ns.data(), pair.Ew.data(), count),
              AnglePeaksByLoop(pair.Ns.data(), pair.Ew.data(), count));
    for (const SpectrumMethod method : {SpectrumMethod::LinearAcceleration, SpectrumMethod::Exact}) {
      std::atomic<int> visited = 0;  // the periods are visited on the pool's threads
      VisitDisplacementPairs(pair.Ns.data(), pair.Ew.data(), count, periods, 4, 0.05f, kDt, kDt, method,
                             [&](int k, double, const float* u1, const float* u2) {
                               EXPECT_EQ(AnglePeaksByHull(u1, u2, count),
                                         AnglePeaksByLoop(u1, u2, count))
                                   << "period " << periods[k];
                               ++visited;
                             });
      EXPECT_EQ(visited, 4);
    }
  }
}

TEST(RotatedSpectra, PolarisedMotionPeaksAlongItsLineAndVanishesAcrossIt) {
  // EW = k NS: u_θ = u_NS (cos θ + k sin θ), largest √(1 + k²) |u_NS| at atan k and zero at right
  // angles to it. The angles chosen lie on the 1° grid; k is rounded to a float and the two
  // responses round apart, hence 1e-5.
  const HorizontalPair real = StrongPart("AOM0011801241951", "", 1500);
  for (const int angle : {45, 30, 120}) {
    const double k = std::tan(angle * std::numbers::pi / 180);
    HorizontalPair pair{real.Ns, real.Ns};
    for (float& e : pair.Ew) e = static_cast<float>(k * e);
    const RotatedSpectrum spectrum = SpectrumOf(pair);
    for (const RotatedSpectrumRow& row : spectrum.Rows) {
      EXPECT_NEAR(row.Rotated.RotD100, std::sqrt(1 + k * k) * row.PsaNs, 1e-5 * row.Rotated.RotD100) << row.Period;
      EXPECT_EQ(row.Rotated.RotD100Angle, angle) << row.Period;
      EXPECT_LT(row.Rotated.RotD00, 1e-5 * row.Rotated.RotD100) << row.Period;
    }
  }
}

TEST(RotatedSpectra, CircularMotionIsTheSameInEveryDirection) {
  // NS = A cos Ωt, EW = A sin Ωt (1 s), faded in over 30 s; 80 s in all at 50 Hz. Equal to
  // 0.4 %: the samples fall 7.2° of phase apart, so a direction between two of them sees up to
  // 1 - cos 3.6° = 0.2 % less, and the fade-in leaves a little free vibration.
  HorizontalPair pair;
  for (int i = 0; i < 4000; ++i) {
    const double t = i * 0.02;
    const double fade = t < 30 ? 0.5 * (1 - std::cos(std::numbers::pi * t / 30)) : 1.0;
    pair.Ns.push_back(static_cast<float>(100 * fade * std::cos(2 * std::numbers::pi * t)));
    pair.Ew.push_back(static_cast<float>(100 * fade * std::sin(2 * std::numbers::pi * t)));
  }
  for (const RotatedSpectrumRow& row : SpectrumOf(pair, SpectrumMethod::Exact, 0.02f).Rows) {
    EXPECT_NEAR(row.Rotated.RotD00, row.Rotated.RotD100, 4e-3 * row.Rotated.RotD100) << row.Period;
    EXPECT_NEAR(row.Rotated.RotD50, row.Rotated.RotD100, 4e-3 * row.Rotated.RotD100) << row.Period;
  }
}

TEST(RotatedSpectra, TurningTheSensorTurnsTheAngleAndKeepsTheMeasures) {
  // Components along 30° and 120°: u'_θ = u_(θ+30), the same 180 peaks in another order, since a
  // whole number of degrees maps the 1° grid onto itself. Only the rounding of the turned input
  // differs, far below the grid's resolution.
  const HorizontalPair pair = StrongPart("AOM0011801241951");
  const double c = std::cos(std::numbers::pi / 6), s = std::sin(std::numbers::pi / 6);
  HorizontalPair turned = pair;
  for (size_t i = 0; i < pair.Ns.size(); ++i) {
    turned.Ns[i] = static_cast<float>(c * pair.Ns[i] + s * pair.Ew[i]);
    turned.Ew[i] = static_cast<float>(-s * pair.Ns[i] + c * pair.Ew[i]);
  }
  const RotatedSpectrum before = SpectrumOf(pair, SpectrumMethod::Exact);
  const RotatedSpectrum after = SpectrumOf(turned, SpectrumMethod::Exact);
  for (int k = 0; k < kPeriodCount; ++k) {
    const RotatedMeasures& a = before.Rows[k].Rotated;
    const RotatedMeasures& b = after.Rows[k].Rotated;
    EXPECT_NEAR(b.RotD00, a.RotD00, 1e-5 * a.RotD100) << k;
    EXPECT_NEAR(b.RotD50, a.RotD50, 1e-5 * a.RotD100) << k;
    EXPECT_NEAR(b.RotD100, a.RotD100, 1e-5 * a.RotD100) << k;
    EXPECT_EQ(b.RotD100Angle, (a.RotD100Angle + 150) % 180) << k;
  }
}

TEST(RotatedSpectra, PercentilesInterpolateBetweenTheSortedPeaks) {
  // One direction only: the 180 peaks are P |cos θ|; the 90th and 91st smallest are both P cos 45°.
  const std::vector<float> ns = {0, 3, -8, 2}, ew(4, 0.0f);
  const RotatedMeasures peaks = RotatedPeaks(ns.data(), ew.data(), 4);
  EXPECT_FLOAT_EQ(peaks.RotD100, 8);
  EXPECT_EQ(peaks.RotD100Angle, 0);
  EXPECT_FLOAT_EQ(peaks.RotD50, 8 / std::sqrt(2.0f));
  EXPECT_EQ(peaks.RotD00, 0);
  AnglePeaks ramp;
  for (int angle = 0; angle < kRotationAngles; ++angle) ramp[angle] = 179 - angle;
  const RotatedMeasures ranks = RotatedPercentiles(ramp, 2.0);
  EXPECT_EQ(ranks.RotD50, 179);  // (89 + 90) / 2 scaled by 2
  EXPECT_EQ(ranks.RotD100Angle, 0);
}

TEST(RotatedSpectra, CsvHasOneLineAPeriodAfterTheDampingAndMethod) {
  const RotatedSpectrum spectrum = SpectrumOf(StrongPart("AOM0011801241951"), SpectrumMethod::Exact);
  const std::string text = FormatRotatedCsv({spectrum});
  EXPECT_EQ(text.substr(0, text.find("\r\n0.05")),
            "Damping,0.05\r\nMethod,exact (Nigam-Jennings)\r\n"
            "Period(s),PSA NS(gal),PSA EW(gal),RotD00(gal),RotD50(gal),RotD100(gal),RotD100 angle(deg)");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3 + kPeriodCount);
}

}  // namespace
}  // namespace tremora
