#include "analysis/SpectrumIntensity.h"

#include <algorithm>
#include <array>
#include <memory>

namespace tremora {

double SiPeriod(int k) { return (10 + k) / 100.0; }

double SpectrumIntensityOf(const float* ground, int count, float dt, double exact_dt, SpectrumMethod method) {
  // The spectrum solvers take at most kPeriodCount periods a call.
  std::array<float, kSiPeriodCount> periods;
  for (int k = 0; k < kSiPeriodCount; ++k) periods[k] = static_cast<float>(SiPeriod(k));
  const float ratio = static_cast<float>(kSiDamping);
  std::array<double, kSiPeriodCount> sv;
  auto spectra = std::make_unique<ChannelSpectra>();
  for (int first = 0; first < kSiPeriodCount; first += kPeriodCount) {
    const int chunk = std::min(kPeriodCount, kSiPeriodCount - first);
    if (method == SpectrumMethod::Exact) {
      ComputeChannelSpectraExact(ground, count, periods.data() + first, chunk, &ratio, 1, exact_dt, *spectra);
    } else {
      ComputeChannelSpectraWith(DetectSimdLevel(), ground, count, periods.data() + first, chunk, &ratio, 1, dt,
                                *spectra);
    }
    for (int k = 0; k < chunk; ++k) sv[first + k] = (*spectra)[0][1][k];  // relative velocity
  }
  double area = 0;
  for (int k = 0; k + 1 < kSiPeriodCount; ++k) area += (sv[k] + sv[k + 1]) / 2 * (SiPeriod(k + 1) - SiPeriod(k));
  return area / 2.4;
}

SpectrumIntensity ComputeSpectrumIntensity(const RecordSet& record, SpectrumMethod method) {
  const int count = std::clamp(record.SampleCount, 0, kChannelCapacity);
  const double exact_dt = SampleInterval(record);
  SpectrumIntensity si;
  si.Ns = SpectrumIntensityOf(record.Acceleration[0].data(), count, record.SamplingInterval, exact_dt, method);
  si.Ew = SpectrumIntensityOf(record.Acceleration[1].data(), count, record.SamplingInterval, exact_dt, method);
  return si;
}

}  // namespace tremora
