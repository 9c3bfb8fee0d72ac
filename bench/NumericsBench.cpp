// Response spectra and band-pass filters of a 3-channel, 25,000-sample section: the plain scalar
// forms against the vectorised, multi-core ones. Prints how much faster the fast forms are and
// whether they reproduce the plain forms bit for bit.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "BenchInput.h"
#include "spectrum/PeriodGrid.h"
#include "spectrum/SpectrumSolver.h"
#include "numerics/WorkerPool.h"
#include "wave/BandPassFilter.h"
#include "wave/WaveProcessing.h"

namespace tremora::bench {
namespace {

struct Inputs {
  std::vector<std::vector<float>> acceleration = MakeSection();
  PeriodGrid grid = MakePeriodGrid();
  DampingRatios ratios = DampingSet(DampingMultiplier::X1);
  std::vector<float> coefficients = std::vector<float>(kBandPassCount);
  // The two inputs of the filter in a redraw of each channel: the integrated acceleration and
  // the integrated filtered velocity, DisplayCount + 300 samples long.
  std::vector<std::vector<float>> filter_inputs;

  Inputs() {
    DesignBandPass(kBandPassCount, coefficients.data(), kStep, kBandPassF4, kBandPassF3, kBandPassF2, kBandPassF1);
    const int length = kSectionSamples + kSectionTail;
    for (const std::vector<float>& channel : acceleration) {
      std::vector<float> work(channel);
      work.resize(length, 0.0f);
      std::vector<float> velocity(length), displacement(length);
      Integrate(length, work.data(), kStep, velocity.data());
      filter_inputs.push_back(velocity);
      ApplyBandPass(kBandPassCount, coefficients.data(), velocity.data(), length);
      Integrate(length, velocity.data(), kStep, displacement.data());
      filter_inputs.push_back(displacement);
    }
  }
};

const Inputs& TheInputs() {
  static const Inputs inputs;
  return inputs;
}

// The whole calculation of the spectrum window over the section.
void FastSpectra(std::vector<ChannelSpectra>& out) {
  static RecordSet record = [] {
    RecordSet r;
    r.ChannelCount = 3;
    r.SampleCount = kSectionSamples;
    r.SamplingInterval = kStep;
    for (int c = 0; c < 3; ++c) std::copy_n(TheInputs().acceleration[c].begin(), kSectionSamples, r.Acceleration[c].begin());
    return r;
  }();
  static SpectrumSet spectra{};
  const Inputs& in = TheInputs();
  ComputeSpectra(record, 0, kSectionSamples, in.grid, in.ratios, spectra);
  out.assign(spectra.begin(), spectra.end());
}

// The same with the exact solution, for comparison with the linear-acceleration method.
void ExactSpectra(std::vector<ChannelSpectra>& out) {
  static RecordSet record = [] {
    RecordSet r;
    r.ChannelCount = 3;
    r.SampleCount = kSectionSamples;
    r.SamplingInterval = kStep;
    for (int c = 0; c < 3; ++c) std::copy_n(TheInputs().acceleration[c].begin(), kSectionSamples, r.Acceleration[c].begin());
    return r;
  }();
  static SpectrumSet spectra{};
  const Inputs& in = TheInputs();
  ComputeSpectra(record, 0, kSectionSamples, in.grid, in.ratios, spectra, {}, SpectrumMethod::Exact);
  out.assign(spectra.begin(), spectra.end());
}

void ScalarSpectra(std::vector<ChannelSpectra>& out) {
  const Inputs& in = TheInputs();
  out.resize(3);
  for (int c = 0; c < 3; ++c) {
    ComputeChannelSpectraScalar(in.acceleration[c].data(), kSectionSamples, in.grid.Periods.data(), kPeriodCount,
                                in.ratios.data(), kDampingCount, kStep, out[c]);
  }
}

using FilterFunction = void (*)(int, const float*, float*, int);

void RunFilters(FilterFunction filter, std::vector<std::vector<float>>& out) {
  const Inputs& in = TheInputs();
  out = in.filter_inputs;
  for (std::vector<float>& pass : out) {
    filter(kBandPassCount, in.coefficients.data(), pass.data(), static_cast<int>(pass.size()));
  }
}

void BM_SpectraScalar(benchmark::State& state) {
  std::vector<ChannelSpectra> out;
  for (auto _ : state) ScalarSpectra(out);
}
void BM_SpectraFast(benchmark::State& state) {
  std::vector<ChannelSpectra> out;
  for (auto _ : state) FastSpectra(out);
}
void BM_SpectraExact(benchmark::State& state) {
  std::vector<ChannelSpectra> out;
  for (auto _ : state) ExactSpectra(out);
}
void BM_FiltersScalar(benchmark::State& state) {
  std::vector<std::vector<float>> out;
  for (auto _ : state) RunFilters(ApplyBandPassScalar, out);
}
void BM_FiltersFast(benchmark::State& state) {
  std::vector<std::vector<float>> out;
  for (auto _ : state) RunFilters(ApplyBandPass, out);
}
BENCHMARK(BM_SpectraScalar)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_SpectraFast)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_SpectraExact)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_FiltersScalar)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FiltersFast)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Remembers the time per iteration of each benchmark for the ratios printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) seconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  double Ratio(const std::string& slow, const std::string& fast) const {
    const auto s = seconds_.find(slow), f = seconds_.find(fast);
    return s == seconds_.end() || f == seconds_.end() || f->second <= 0 ? 0 : s->second / f->second;
  }

 private:
  std::map<std::string, double> seconds_;
};

template <typename T>
int CountDifferentBits(const std::vector<T>& a, const std::vector<T>& b) {
  int differences = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto* x = reinterpret_cast<const unsigned char*>(&a[i]);
    const auto* y = reinterpret_cast<const unsigned char*>(&b[i]);
    for (size_t byte = 0; byte < sizeof(T); byte += sizeof(float)) differences += std::memcmp(x + byte, y + byte, 4) != 0;
  }
  return differences;
}

// Every component of samples/ whole, every damping set: the fast solver and filter against the
// plain ones. Returns the number of values that differ.
int CompareOnRealRecords(int& values) {
  const char* names[] = {"AKT0139608110312.EW",  "AOM0011801241951.NS",  "AOM0011801241951.EW",
                         "AOM0011801241951.UD",  "NGNH311106302345.NS1", "NGNH311106302345.EW1",
                         "NGNH311106302345.UD1", "NGNH311106302345.NS2", "NGNH311106302345.EW2",
                         "NGNH311106302345.UD2"};
  const Inputs& in = TheInputs();
  int differences = 0;
  values = 0;
  for (const char* name : names) {
    const std::vector<float> samples = ReadRecordComponent(name);
    const int count = static_cast<int>(samples.size());
    for (const DampingMultiplier set : {DampingMultiplier::X1, DampingMultiplier::X5, DampingMultiplier::X10}) {
      const DampingRatios ratios = DampingSet(set);
      std::vector<ChannelSpectra> plain(1), fast(1);
      ComputeChannelSpectraScalar(samples.data(), count, in.grid.Periods.data(), kPeriodCount, ratios.data(),
                                  kDampingCount, kStep, plain[0]);
      ComputeChannelSpectra(0, samples.data(), count, in.grid.Periods.data(), kPeriodCount, ratios.data(),
                            kDampingCount, kStep, fast[0]);
      differences += CountDifferentBits(plain, fast);
      values += kDampingCount * kResponseKinds * kPeriodCount;
    }
    // The two filter passes of a redraw over the whole record.
    std::vector<float> velocity(count + kSectionTail), displacement(count + kSectionTail);
    std::vector<float> work(samples);
    work.resize(count + kSectionTail, 0.0f);
    Integrate(count + kSectionTail, work.data(), kStep, velocity.data());
    Integrate(count + kSectionTail, velocity.data(), kStep, displacement.data());
    for (std::vector<float>* pass : {&velocity, &displacement}) {
      std::vector<float> plain = *pass, fast = *pass;
      ApplyBandPassScalar(kBandPassCount, in.coefficients.data(), plain.data(), static_cast<int>(plain.size()));
      ApplyBandPass(kBandPassCount, in.coefficients.data(), fast.data(), static_cast<int>(fast.size()));
      differences += CountDifferentBits(plain, fast);
      values += static_cast<int>(plain.size());
    }
  }
  return differences;
}

}  // namespace
}  // namespace tremora::bench

int main(int argc, char** argv) {
  using namespace tremora;
  using namespace tremora::bench;
  benchmark::Initialize(&argc, argv);
  std::printf("Kernels: %s, worker pool of %d threads\n", SimdLevelName(DetectSimdLevel()),
              WorkerPool::Shared().Participants());

  std::vector<ChannelSpectra> plain_spectra, fast_spectra;
  ScalarSpectra(plain_spectra);
  FastSpectra(fast_spectra);
  std::vector<std::vector<float>> plain_filters, fast_filters;
  RunFilters(ApplyBandPassScalar, plain_filters);
  RunFilters(ApplyBandPass, fast_filters);
  int filter_differences = 0;
  for (size_t i = 0; i < plain_filters.size(); ++i) filter_differences += CountDifferentBits(plain_filters[i], fast_filters[i]);
  std::printf("Spectra: %d of %d values differ from the scalar solver\n",
              CountDifferentBits(plain_spectra, fast_spectra), 3 * kDampingCount * kResponseKinds * kPeriodCount);
  std::printf("Filters: %d of %d samples differ from the scalar filter\n", filter_differences,
              6 * (kSectionSamples + kSectionTail));

  int real_values = 0;
  const int real_differences = CompareOnRealRecords(real_values);
  std::printf("Real records (10 components whole, 3 damping sets, 2 filter passes): %d of %d values differ\n",
              real_differences, real_values);

  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("Spectra: fast is %.1fx the scalar solver\n", reporter.Ratio("BM_SpectraScalar/iterations:2",
                                                                             "BM_SpectraFast/min_time:1.000"));
  std::printf("Filters: fast is %.1fx the scalar filter\n", reporter.Ratio("BM_FiltersScalar/iterations:3",
                                                                             "BM_FiltersFast/min_time:1.000"));
  benchmark::Shutdown();
  return 0;
}
