// The JMA instrumental intensity and the strong-motion indices, against values worked out by hand
// from their definitions and against the networks' own peak accelerations.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "analysis/JmaIntensity.h"
#include "analysis/StrongMotionIndices.h"
#include "core/wave/SampleRecords.h"
#include "record/StationTables.h"
#include "wave/KnetRecordLoad.h"

namespace tremora {
namespace {

constexpr double kPi = std::numbers::pi;
// 4096 samples over 40 s: 0.5, 1 and 10 Hz fall on transform bins, so a sine passes unsmeared.
constexpr int kCount = 4096;
constexpr double kDt = 40.0 / kCount;

std::vector<double> Wave(double amplitude, double f, double phase = 0) {
  std::vector<double> samples(kCount);
  for (int i = 0; i < kCount; ++i) samples[i] = amplitude * std::sin(2 * kPi * f * i * kDt + phase);
  return samples;
}

double Peak(const std::vector<double>& samples) {
  double peak = 0;
  for (const double v : samples) peak = std::max(peak, std::fabs(v));
  return peak;
}

// Gains worked out by hand from the three filter formulas.
TEST(JmaIntensity, FiltersWeighASineByTheirGainsAtHalfOneAndTenHertz) {
  struct Case {
    double f, period, high, low;
  };
  for (const Case c : {Case{0.5, 1.414214, 0.999133, 0.795060}, Case{1, 1.0, 0.996537, 0.999832},
                       Case{10, 0.316228, 0.706778, 1.0}}) {
    SCOPED_TRACE(c.f);
    EXPECT_NEAR(PeriodEffectGain(c.f), c.period, 1e-6);
    EXPECT_NEAR(HighCutGain(c.f), c.high, 1e-6);
    EXPECT_NEAR(LowCutGain(c.f), c.low, 1e-6);
    std::vector<double> samples = Wave(30.0, c.f);
    for (double& v : samples) v += 7.0;  // an offset the mean removal takes away
    ApplyIntensityFilter(samples, kDt);
    EXPECT_NEAR(Peak(samples), 30.0 * c.period * c.high * c.low, 1e-3);
  }
  EXPECT_EQ(IntensityFilterGain(0), 0.0);
}

TEST(JmaIntensity, ConstantVectorSizeIsItsOwnLevel) {
  // A horizontal vector turning at 1 Hz with constant size: a0 is that size after the filters.
  std::vector<double> ns = Wave(50.0, 1.0), ew = Wave(50.0, 1.0, kPi / 2);
  std::vector<float> x(ns.begin(), ns.end()), y(ew.begin(), ew.end()), z(kCount, 0.0f);
  const JmaIntensity intensity = ComputeJmaIntensity(x.data(), y.data(), z.data(), kCount, kDt);
  const double a0 = 50.0 * IntensityFilterGain(1.0);
  EXPECT_NEAR(intensity.Unrounded, 2 * std::log10(a0) + 0.94, 1e-4);
  EXPECT_EQ(intensity.Class, "4");  // a0 ≈ 49.8: I ≈ 4.33

  std::vector<double> ramp(1000);
  for (int i = 0; i < 1000; ++i) ramp[i] = i + 1;
  EXPECT_EQ(DurationLevel(ramp, 0.01), 971);  // the 30th largest: 0.3 s at 100 Hz
  EXPECT_EQ(DurationLevel(ramp, 0.005), 941);
}

TEST(JmaIntensity, ReportedValueAndClassBoundaries) {
  struct Case {
    double unrounded, reported;
    const char* cls;
  };
  for (const Case c : {Case{0.494, 0.4, "0"}, Case{0.495, 0.5, "1"}, Case{1.49, 1.4, "1"}, Case{1.5, 1.5, "2"},
                       Case{2.5, 2.5, "3"}, Case{3.5, 3.5, "4"}, Case{4.494, 4.4, "4"}, Case{4.496, 4.5, "5弱"},
                       Case{4.99, 4.9, "5弱"}, Case{4.996, 5.0, "5強"}, Case{5.5, 5.5, "6弱"},
                       Case{6.0, 6.0, "6強"}, Case{6.49, 6.4, "6強"}, Case{6.5, 6.5, "7"}, Case{-0.736, -0.7, "0"}}) {
    SCOPED_TRACE(c.unrounded);
    EXPECT_DOUBLE_EQ(ReportedIntensity(c.unrounded), c.reported);
    EXPECT_EQ(IntensityClass(ReportedIntensity(c.unrounded)), c.cls);
  }
}

TEST(StrongMotionIndices, AriasIntensityAndDurationOfASineBurst) {
  // 5 s quiet, 10 s of 5 Hz at 100 gal (1 m/s²), 5 s quiet, at 100 Hz.
  const double dt = 0.01;
  std::vector<float> a(2000, 0.0f);
  for (int i = 500; i < 1500; ++i) a[i] = static_cast<float>(100.0 * std::sin(2 * kPi * 5 * (i - 500) * dt));
  EXPECT_NEAR(AriasIntensity(a.data(), 2000, dt), kPi / (2 * kGravity) * 1.0 * 10.0 / 2, 1e-5);
  EXPECT_NEAR(SignificantDuration(a.data(), 2000, dt), 0.9 * 10.0, 0.02);
  // 20 samples a period: the sum of |sin| over one period is 2 cot(π / 20), not 20 · 2 / π.
  EXPECT_NEAR(CumulativeAbsoluteVelocity(a.data(), 2000, dt), 100.0 * 2 / std::tan(kPi / 20) / 20 * 10.0, 1e-3);
}

TEST(StrongMotionIndices, PeakAccelerationIsTheHeadersMaxAccOnEveryRealRecord) {
  const StationTables stations = LoadStationTables(TREMORA_DATA_DIR).tables;
  for (const auto& [name, three] : {std::pair{"AKT0139608110312.EW", false}, {"AOM0011801241951.NS", true},
                                   {"NGNH311106302345.NS1", true}, {"NGNH311106302345.NS2", true}}) {
    SCOPED_TRACE(name);
    auto record = std::make_unique<RecordSet>();
    LoadKnetRecordCore(*record, stations, testing::RecordPath(name), three, true);
    const float shown = record->Velocity[0][10];
    const StrongMotionIndices indices = ComputeStrongMotionIndices(*record, true);
    ASSERT_EQ(indices.ChannelCount, three ? 3 : 1);
    EXPECT_EQ(indices.Intensity.has_value(), three);
    for (int ch = 0; ch < indices.ChannelCount; ++ch) {
      const double header = std::stod(ReadKnetHeader(record->ComponentPaths[ch]).MaxAccText);
      EXPECT_NEAR(indices.Components[ch].Pga, header, 0.0005 + 1e-6 * header);
      EXPECT_GT(indices.Components[ch].Pgv, 0);
      EXPECT_GT(indices.Components[ch].Pgd, 0);
    }
    if (three) {
      EXPECT_GE(indices.VectorPga, indices.HorizontalPga);
      EXPECT_GE(indices.HorizontalPga, std::max(indices.Components[0].Pga, indices.Components[1].Pga));
      // Every direction's peak lies between the components' (0° and 90° are among the
      // directions) and the horizontal vector's.
      ASSERT_TRUE(indices.Rotated.has_value());
      const RotatedMeasures& pga = indices.Rotated->Pga;
      EXPECT_LE(pga.RotD100, indices.HorizontalPga * (1 + 1e-6));
      EXPECT_GE(pga.RotD100, std::max(indices.Components[0].Pga, indices.Components[1].Pga));
      EXPECT_LE(pga.RotD50, pga.RotD100);
      EXPECT_GE(indices.Rotated->Pgv.RotD100, std::max(indices.Components[0].Pgv, indices.Components[1].Pgv) - 1e-4);
      EXPECT_GE(indices.Rotated->Pgd.RotD100, std::max(indices.Components[0].Pgd, indices.Components[1].Pgd) - 1e-4);
    }
    EXPECT_EQ(indices.Rotated.has_value(), three);
    EXPECT_EQ(record->Velocity[0][10], shown);  // the record's own traces are left alone
  }
}

}  // namespace
}  // namespace tremora
