// RotD00/50/100 spectra of a 250 s, 100 Hz horizontal pair (the benchmark section's NS and EW)
// at the 100 periods of the grid and one damping ratio (5 %): by the linear-acceleration method
// and by the exact solution, the peaks over the 180 directions from the hull of each trajectory;
// and, for comparison, the plain 180-angle loop over the same displacement histories. The label
// names the kernels and the threads. Target: under 50 ms with AVX2 on two cores.
//
// pyrotd's calc_rotated_spec_accels would be the outside reference; it is no Debian package and
// this build machine reaches only the Debian and npm registries (no PyPI), so it is not measured
// here.

#include <benchmark/benchmark.h>

#include <string>

#include "BenchInput.h"
#include "analysis/RotatedSpectra.h"
#include "numerics/SimdLevel.h"
#include "numerics/WorkerPool.h"

namespace tremora::bench {
namespace {

const std::vector<std::vector<float>>& Section() {
  static const std::vector<std::vector<float>> section = MakeSection();
  return section;
}

std::string KernelLabel(SpectrumMethod method) {
  const std::string kernels = method == SpectrumMethod::Exact ? std::string("exact, double lanes (") +
                                                                    SimdLevelName(DetectSimdLevel()) + ")"
                                                              : SimdLevelName(DetectSimdLevel());
  return kernels + ", " + std::to_string(WorkerPool::Shared().Participants()) + " threads";
}

void RotD(benchmark::State& state, SpectrumMethod method) {
  const PeriodGrid grid = MakePeriodGrid();
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComputeRotatedSpectrum(Section()[0].data(), Section()[1].data(), kSectionSamples, grid,
                                                    0.05f, kStep, kStep, method));
  }
  state.SetLabel(KernelLabel(method));
}

void BM_RotDLinear(benchmark::State& state) { RotD(state, SpectrumMethod::LinearAcceleration); }
void BM_RotDExact(benchmark::State& state) { RotD(state, SpectrumMethod::Exact); }

// The same spectra with every direction's peak taken by the plain loop over all samples.
void BM_RotDAngleLoop(benchmark::State& state) {
  const PeriodGrid grid = MakePeriodGrid();
  for (auto _ : state) {
    VisitDisplacementPairs(Section()[0].data(), Section()[1].data(), kSectionSamples, grid.Periods.data(),
                           kPeriodCount, 0.05f, kStep, kStep, SpectrumMethod::LinearAcceleration,
                           [](int, double stiffness, const float* u1, const float* u2) {
                             benchmark::DoNotOptimize(
                                 RotatedPercentiles(AnglePeaksByLoop(u1, u2, kSectionSamples), stiffness));
                           });
  }
  state.SetLabel(KernelLabel(SpectrumMethod::LinearAcceleration));
}

BENCHMARK(BM_RotDLinear)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_RotDExact)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_RotDAngleLoop)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace tremora::bench
