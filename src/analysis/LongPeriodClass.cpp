#include "analysis/LongPeriodClass.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/CNumbers.h"
#include "base/Translation.h"
#include "spectrum/ExactResponse.h"

namespace tremora {

namespace {

// The agency's constants at 100 Hz.
constexpr double kPublishedB1 = -1.995438545842;
constexpr double kPublishedB2 = 0.995448925627;
constexpr double kPublishedGain = 0.997721867867;
constexpr double kPublishedInterval = 0.01;

}  // namespace

double SvaPeriod(int k) { return (16 + 2 * k) / 10.0; }

int SvaBand(int k) { return k < 2 ? 1 : 2 + (k - 2) / 5; }

int LongPeriodClassOf(double sva) {
  int long_period_class = 0;
  for (const double threshold : kLongPeriodClassThresholds) long_period_class += sva >= threshold ? 1 : 0;
  return long_period_class;
}

LongPeriodHighPass LongPeriodHighPassFor(double dt) {
  if (std::fabs(dt - kPublishedInterval) < 1e-9) return {kPublishedB1, kPublishedB2, kPublishedGain, false};
  return DesignLongPeriodHighPass(dt);
}

LongPeriodHighPass DesignLongPeriodHighPass(double dt) {
  // Butterworth poles s = wc (-1 ± i) / sqrt 2 go to z = exp(s dt), radius r = exp(-wc dt / sqrt 2);
  // the published b2 = r² at 100 Hz fixes the cutoff wc (about 0.3225 rad/s, a period of 19.5 s).
  const double cutoff = -std::log(kPublishedB2) / (std::sqrt(2.0) * kPublishedInterval);
  const double angle = cutoff * dt / std::sqrt(2.0);
  const double radius = std::exp(-angle);
  LongPeriodHighPass filter;
  filter.B1 = -2 * radius * std::cos(angle);
  filter.B2 = radius * radius;
  // At z = -1 the numerator 1 - 2 z^-1 + z^-2 is 4 and the denominator 1 - b1 + b2.
  filter.Gain = (1 - filter.B1 + filter.B2) / 4;
  filter.Rederived = true;
  return filter;
}

void ApplyLongPeriodHighPass(const LongPeriodHighPass& filter, std::vector<double>& samples) {
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  for (double& sample : samples) {
    const double x = sample;
    const double y = x - 2 * x1 + x2 - filter.B1 * y1 - filter.B2 * y2;
    x2 = x1, x1 = x;
    y2 = y1, y1 = y;
    sample = filter.Gain * y;
  }
}

namespace {

// One horizontal component: the filtered acceleration and the ground velocity from it.
struct FilteredComponent {
  std::vector<double> acceleration;
  std::vector<double> ground_velocity;
};

FilteredComponent FilterComponent(std::vector<double> samples, double dt, const LongPeriodHighPass& filter) {
  FilteredComponent component;
  component.acceleration = std::move(samples);
  std::vector<double>& a = component.acceleration;
  double mean = 0;
  for (const double value : a) mean += value;
  mean /= static_cast<double>(a.size());
  for (double& value : a) value -= mean;
  ApplyLongPeriodHighPass(filter, a);
  component.ground_velocity.assign(a.size(), 0.0);
  for (size_t i = 1; i < a.size(); ++i) {
    component.ground_velocity[i] = component.ground_velocity[i - 1] + dt * (a[i - 1] + a[i]) / 2;
  }
  return component;
}

// All 32 oscillators of both components, stepped together sample by sample so that the vector
// of the two absolute velocities can be taken at every sample; the period loop vectorises.
__attribute__((target_clones("avx512f", "avx2", "default")))
void RunOscillators(const ExactStep* steps, const FilteredComponent& ns, const FilteredComponent& ew, int count,
                    double dt, double peak_squared[kSvaPeriodCount], double peak_ns[kSvaPeriodCount],
                    double peak_ew[kSvaPeriodCount]) {
  constexpr int n = kSvaPeriodCount;
  double A[n], B[n], C[n], D[n], A1[n], B1[n], C1[n], D1[n];
  for (int k = 0; k < n; ++k) {
    A[k] = steps[k].A, B[k] = steps[k].B, C[k] = steps[k].C, D[k] = steps[k].D;
    A1[k] = steps[k].A1, B1[k] = steps[k].B1, C1[k] = steps[k].C1, D1[k] = steps[k].D1;
  }
  // The agency's start: DIS(1) = 0, VEL(1) = -A(1) dt, ground velocity V(1) = 0.
  double u_ns[n], v_ns[n], u_ew[n], v_ew[n];
  const double v0_ns = -ns.acceleration[0] * dt, v0_ew = -ew.acceleration[0] * dt;
  for (int k = 0; k < n; ++k) {
    u_ns[k] = u_ew[k] = 0;
    v_ns[k] = v0_ns, v_ew[k] = v0_ew;
    peak_squared[k] = v0_ns * v0_ns + v0_ew * v0_ew;
    peak_ns[k] = std::fabs(v0_ns), peak_ew[k] = std::fabs(v0_ew);
  }
  for (int i = 1; i < count; ++i) {
    // The load is -A: before and after the step.
    const double p0_ns = -ns.acceleration[i - 1], p1_ns = -ns.acceleration[i];
    const double p0_ew = -ew.acceleration[i - 1], p1_ew = -ew.acceleration[i];
    const double g_ns = ns.ground_velocity[i], g_ew = ew.ground_velocity[i];
#if !defined(__clang__)
#pragma GCC ivdep
#endif
    for (int k = 0; k < n; ++k) {
      const double un = A[k] * u_ns[k] + B[k] * v_ns[k] + C[k] * p0_ns + D[k] * p1_ns;
      const double vn = A1[k] * u_ns[k] + B1[k] * v_ns[k] + C1[k] * p0_ns + D1[k] * p1_ns;
      const double ue = A[k] * u_ew[k] + B[k] * v_ew[k] + C[k] * p0_ew + D[k] * p1_ew;
      const double ve = A1[k] * u_ew[k] + B1[k] * v_ew[k] + C1[k] * p0_ew + D1[k] * p1_ew;
      u_ns[k] = un, v_ns[k] = vn, u_ew[k] = ue, v_ew[k] = ve;
      const double absolute_ns = vn + g_ns, absolute_ew = ve + g_ew;
      const double squared = absolute_ns * absolute_ns + absolute_ew * absolute_ew;
      peak_squared[k] = peak_squared[k] > squared ? peak_squared[k] : squared;
      peak_ns[k] = peak_ns[k] > std::fabs(absolute_ns) ? peak_ns[k] : std::fabs(absolute_ns);
      peak_ew[k] = peak_ew[k] > std::fabs(absolute_ew) ? peak_ew[k] : std::fabs(absolute_ew);
    }
  }
}

}  // namespace

SvaSpectrum ComputeSvaSpectrum(const float* ns, const float* ew, int count, double dt) {
  count = std::max(count, 0);
  return ComputeSvaSpectrum(std::vector<double>(ns, ns + count), std::vector<double>(ew, ew + count), dt);
}

SvaSpectrum ComputeSvaSpectrum(std::vector<double> ns, std::vector<double> ew, double dt) {
  SvaSpectrum spectrum;
  const LongPeriodHighPass filter = LongPeriodHighPassFor(dt);
  spectrum.RederivedFilter = filter.Rederived;
  const int count = static_cast<int>(std::min(ns.size(), ew.size()));
  if (count == 0 || !(dt > 0)) return spectrum;
  ns.resize(count);
  ew.resize(count);
  const FilteredComponent filtered_ns = FilterComponent(std::move(ns), dt, filter);
  const FilteredComponent filtered_ew = FilterComponent(std::move(ew), dt, filter);
  std::array<ExactStep, kSvaPeriodCount> steps;
  for (int k = 0; k < kSvaPeriodCount; ++k) steps[k] = MakeExactStep(kSvaDamping, SvaPeriod(k), dt);
  double peak_squared[kSvaPeriodCount];
  RunOscillators(steps.data(), filtered_ns, filtered_ew, count, dt, peak_squared, spectrum.AbsoluteNs.data(),
                 spectrum.AbsoluteEw.data());
  for (int k = 0; k < kSvaPeriodCount; ++k) spectrum.Sva[k] = std::sqrt(peak_squared[k]);
  ClassifySva(spectrum);
  return spectrum;
}

void ClassifySva(SvaSpectrum& spectrum) {
  spectrum.PeakIndex = 0;
  spectrum.BandClasses.fill(0);
  for (int k = 0; k < kSvaPeriodCount; ++k) {
    if (spectrum.Sva[k] > spectrum.Sva[spectrum.PeakIndex]) spectrum.PeakIndex = k;
    int& band = spectrum.BandClasses[SvaBand(k) - 1];
    band = std::max(band, LongPeriodClassOf(spectrum.Sva[k]));
  }
  spectrum.Class = LongPeriodClassOf(spectrum.PeakSva());
}

std::string LongPeriodClassName(int long_period_class, bool translated) {
  constexpr const char* kName = Tr("LongPeriodClass", "長周期地震動階級%d").source;
  return FormatC(translated ? Translate("LongPeriodClass", kName).c_str() : kName, long_period_class);
}

std::string RederivedFilterNote(double dt) {
  return FormatC("high-pass re-derived for %g Hz (JMA's constants are for 100 Hz)", 1 / dt);
}

std::string FormatSvaCsv(const SvaSpectrum& spectrum, double dt) {
  constexpr const char* kLineEnd = "\r\n";
  std::string text;
  if (spectrum.RederivedFilter) text += "Filter," + RederivedFilterNote(dt) + kLineEnd;
  text += std::string("Period(s),Sva(cm/s),NS(cm/s),EW(cm/s),Band,Class") + kLineEnd;
  for (int k = 0; k < kSvaPeriodCount; ++k) {
    const int band = SvaBand(k);
    text += FormatC("%.1f,%.6g,%.6g,%.6g,%ds,%d", SvaPeriod(k), spectrum.Sva[k], spectrum.AbsoluteNs[k],
                    spectrum.AbsoluteEw[k], band, spectrum.BandClasses[band - 1]) +
            kLineEnd;
  }
  return text;
}

}  // namespace tremora
