// Strong-motion indices and JMA intensity of the real records in samples/: records per second of
// the computation alone and of the whole tremora-cli metrics command (loading included). Beside
// them, on a 300 s three-component record at 100 Hz, the JMA intensity and, to compare with it, the
// long-period class (32 oscillators on two components) and the SI value (2 x 241 oscillators).
// Run with TREMORA_THREADS=1 for the figures of one core.

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/LongPeriodClass.h"
#include "analysis/SpectrumIntensity.h"
#include "analysis/StrongMotionIndices.h"
#include "BenchInput.h"
#include "app/cli/CliCommands.h"
#include "record/StationTables.h"
#include "wave/KnetRecordLoad.h"

namespace tremora::bench {
namespace {

std::string Sample(const char* name) { return std::string(TREMORA_RECORDS_DIR) + "/" + name; }

// The three-component records of samples/ (AOM001, and NGNH31 at its two sensors).
const std::vector<std::unique_ptr<RecordSet>>& Records() {
  static const std::vector<std::unique_ptr<RecordSet>> records = [] {
    std::vector<std::unique_ptr<RecordSet>> loaded;
    const StationTables stations;
    for (const char* name : {"AOM0011801241951.NS", "NGNH311106302345.NS1", "NGNH311106302345.NS2"}) {
      loaded.push_back(std::make_unique<RecordSet>());
      LoadKnetRecordCore(*loaded.back(), stations, Sample(name), true, true);
    }
    return loaded;
  }();
  return records;
}

void BM_IndicesOfRecord(benchmark::State& state) {
  int64_t records = 0;
  for (auto _ : state) {
    for (const auto& record : Records()) {
      benchmark::DoNotOptimize(ComputeStrongMotionIndices(*record, true));
      ++records;
    }
  }
  state.counters["records/s"] = benchmark::Counter(static_cast<double>(records), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_IndicesOfRecord)->Unit(benchmark::kMillisecond);

// 300 s at 100 Hz: the benchmark section, continued from its start.
const RecordSet& LongRecord() {
  static const std::unique_ptr<RecordSet> record = [] {
    auto made = std::make_unique<RecordSet>();
    const std::vector<std::vector<float>> section = MakeSection();
    made->ChannelCount = 3;
    made->SampleCount = 30000;
    SetIntervalFromRate(*made, 100);
    for (int c = 0; c < 3; ++c) {
      for (int i = 0; i < made->SampleCount; ++i) made->Acceleration[c][i] = section[c][i % kSectionSamples];
    }
    made->RecordLoaded = true;
    return made;
  }();
  return *record;
}

void BM_IntensityOf300s(benchmark::State& state) {
  const RecordSet& r = LongRecord();
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComputeJmaIntensity(r.Acceleration[0].data(), r.Acceleration[1].data(),
                                                 r.Acceleration[2].data(), r.SampleCount, SampleInterval(r)));
  }
}
BENCHMARK(BM_IntensityOf300s)->Unit(benchmark::kMillisecond);

void BM_LongPeriodClassOf300s(benchmark::State& state) {
  const RecordSet& r = LongRecord();
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        ComputeSvaSpectrum(r.Acceleration[0].data(), r.Acceleration[1].data(), r.SampleCount, SampleInterval(r)));
  }
}
BENCHMARK(BM_LongPeriodClassOf300s)->Unit(benchmark::kMillisecond);

// Arg 0: the linear-acceleration method, 1: the exact solution.
void BM_SpectrumIntensityOf300s(benchmark::State& state) {
  const RecordSet& r = LongRecord();
  const SpectrumMethod method = state.range(0) == 0 ? SpectrumMethod::LinearAcceleration : SpectrumMethod::Exact;
  for (auto _ : state) benchmark::DoNotOptimize(ComputeSpectrumIntensity(r, method));
  state.SetLabel(SimdLevelName(DetectSimdLevel()));
}
BENCHMARK(BM_SpectrumIntensityOf300s)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The command over every component file of the three records: nine files, three rows.
void BM_MetricsCommand(benchmark::State& state) {
  std::vector<std::string> args = {"metrics"};
  for (const char* stem : {"AOM0011801241951.", "NGNH311106302345."}) {
    for (const char* ext : {"NS", "EW", "UD"}) {
      if (std::string(stem)[0] == 'A') {
        args.push_back(Sample((std::string(stem) + ext).c_str()));
      } else {
        args.push_back(Sample((std::string(stem) + ext + "1").c_str()));
        args.push_back(Sample((std::string(stem) + ext + "2").c_str()));
      }
    }
  }
  int64_t records = 0;
  for (auto _ : state) {
    std::ostringstream out, err;
    benchmark::DoNotOptimize(RunCli(args, out, err, CliEnvironment{std::string(TREMORA_RECORDS_DIR) + "/../DATA"}));
    records += 3;
  }
  state.counters["records/s"] = benchmark::Counter(static_cast<double>(records), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MetricsCommand)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tremora::bench
