#include "spectrum/ExactResponse.h"

#include <cmath>
#include <complex>

namespace tremora {

ExactStep MakeExactStep(double ratio, double period, double dt) {
  // The closed form divides by the damped frequency, which vanishes at critical damping; the
  // response is continuous in the ratio, so a ratio a hair below 1 gives it to far better than
  // float precision. Above 1 the damped frequency is imaginary and the same formulas hold in
  // complex arithmetic.
  using Complex = std::complex<long double>;
  long double h = ratio;
  if (std::fabs(h - 1.0L) < 1e-9L) h = 1.0L - 1e-9L;
  const long double w = 2 * M_PIl / period;
  const long double k = w * w;
  const long double t = dt;
  const Complex root = std::sqrt(Complex(1 - h * h));
  const Complex wd = w * root;
  const long double e = std::exp(-h * w * t);
  const Complex s = std::sin(wd * t);
  const Complex c = std::cos(wd * t);
  const long double wt = w * t;
  ExactStep step;
  step.A = static_cast<double>((e * (h / root * s + c)).real());
  step.B = static_cast<double>((e * s / wd).real());
  step.C = static_cast<double>(
      ((2 * h / wt + e * (((1 - 2 * h * h) / (wd * t) - h / root) * s - (1 + 2 * h / wt) * c)) / k).real());
  step.D = static_cast<double>(((1 - 2 * h / wt + e * ((2 * h * h - 1) / (wd * t) * s + 2 * h / wt * c)) / k).real());
  step.A1 = static_cast<double>((-e * (w / root * s)).real());
  step.B1 = static_cast<double>((e * (c - h / root * s)).real());
  step.C1 = static_cast<double>(((-1 / t + e * ((w / root + h / (t * root)) * s + c / t)) / k).real());
  step.D1 = static_cast<double>(((1.0L - e * (h / root * s + c)) / (k * t)).real());
  step.Damping = static_cast<double>(2 * h * w);
  step.Stiffness = static_cast<double>(k);
  return step;
}

// Both forms evaluate the same double expressions in the same order (this file is built without
// contraction into fused multiply-adds), so they agree to the bit.
void ExactPeaks(const ExactStep& step, const float* ground, int count, float peaks[3], float* displacement) {
  double u = 0, v = 0, before = 0;
  double sa = 0, sv = 0, sd = 0;
  for (int i = 0; i < count; ++i) {
    const double p = -static_cast<double>(ground[i]);
    const double u_next = step.A * u + step.B * v + step.C * before + step.D * p;
    const double v_next = step.A1 * u + step.B1 * v + step.C1 * before + step.D1 * p;
    u = u_next;
    v = v_next;
    before = p;
    if (displacement != nullptr) displacement[i] = static_cast<float>(u);
    const double absolute = std::fabs(-step.Damping * v - step.Stiffness * u);
    sa = sa > absolute ? sa : absolute;
    sv = sv > std::fabs(v) ? sv : std::fabs(v);
    sd = sd > std::fabs(u) ? sd : std::fabs(u);
  }
  peaks[0] = static_cast<float>(sa);
  peaks[1] = static_cast<float>(sv);
  peaks[2] = static_cast<float>(sd);
}

namespace {

// One recurrence for both uses: with kKeepDisplacement the displacement of every lane is stored
// at every step (displacement[i * kExactGroup + lane]) and no peaks are kept.
template <bool kKeepDisplacement>
inline __attribute__((always_inline)) void RunExactGroup(const ExactStep* steps, const float* ground, int count,
                                                         float (*peaks)[kExactGroup], float* displacement) {
  constexpr int n = kExactGroup;
  double A[n], B[n], C[n], D[n], A1[n], B1[n], C1[n], D1[n], damping[n], stiffness[n];
  for (int j = 0; j < n; ++j) {
    A[j] = steps[j].A, B[j] = steps[j].B, C[j] = steps[j].C, D[j] = steps[j].D;
    A1[j] = steps[j].A1, B1[j] = steps[j].B1, C1[j] = steps[j].C1, D1[j] = steps[j].D1;
    damping[j] = steps[j].Damping, stiffness[j] = steps[j].Stiffness;
  }
  double u[n] = {}, v[n] = {}, sa[n] = {}, sv[n] = {}, sd[n] = {};
  double before = 0;
  for (int i = 0; i < count; ++i) {
    const double p = -static_cast<double>(ground[i]);
#if !defined(__clang__)
#pragma GCC ivdep
#endif
    for (int j = 0; j < n; ++j) {
      const double u_next = A[j] * u[j] + B[j] * v[j] + C[j] * before + D[j] * p;
      const double v_next = A1[j] * u[j] + B1[j] * v[j] + C1[j] * before + D1[j] * p;
      u[j] = u_next;
      v[j] = v_next;
      if constexpr (kKeepDisplacement) {
        displacement[static_cast<long>(i) * n + j] = static_cast<float>(u_next);
      } else {
        const double absolute = std::fabs(-damping[j] * v_next - stiffness[j] * u_next);
        sa[j] = sa[j] > absolute ? sa[j] : absolute;
        sv[j] = sv[j] > std::fabs(v_next) ? sv[j] : std::fabs(v_next);
        sd[j] = sd[j] > std::fabs(u_next) ? sd[j] : std::fabs(u_next);
      }
    }
    before = p;
  }
  if constexpr (kKeepDisplacement) return;
  for (int j = 0; j < n; ++j) {
    peaks[0][j] = static_cast<float>(sa[j]);
    peaks[1][j] = static_cast<float>(sv[j]);
    peaks[2][j] = static_cast<float>(sd[j]);
  }
}

}  // namespace

__attribute__((target_clones("avx512f", "avx2", "default")))
void ExactPeaksGroup(const ExactStep* steps, const float* ground, int count, float peaks[3][kExactGroup]) {
  RunExactGroup<false>(steps, ground, count, peaks, nullptr);
}

__attribute__((target_clones("avx512f", "avx2", "default")))
void ExactDisplacementGroup(const ExactStep* steps, const float* ground, int count, float* displacement) {
  RunExactGroup<true>(steps, ground, count, nullptr, displacement);
}

}  // namespace tremora
