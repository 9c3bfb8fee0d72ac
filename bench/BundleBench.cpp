// Records per second from a download bundle: unpacking and listing alone, and whole tremora-cli
// runs (metrics, spectra) over an event bundle in NIED's layout of 100 records.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "BundleBuilder.h"
#include "TempFolder.h"
#include "app/cli/CliCommands.h"
#include "record/Bundle.h"

namespace tremora::bench {
namespace {

using testing::Members;
using testing::Pack;
using testing::Packing;

constexpr int kKnetStations = 60;
constexpr int kKiknetStations = 20;  // two records each, borehole and surface
constexpr int kRecords = kKnetStations + 2 * kKiknetStations;

// A sample file under a new six-character station code, in its name and its header: every
// record writes a file of its own.
std::pair<std::string, std::string> Renamed(const char* pattern, int i, const std::pair<std::string, std::string>& file) {
  char code[16];
  std::snprintf(code, sizeof code, pattern, i);
  std::string content = file.second;
  content.replace(content.find(file.first.substr(0, 6)), 6, code);
  return {code + file.first.substr(6), content};
}

// The sample records' files again and again under new station names, as an event's .tar holding
// a .knt.tar.gz and a .kik.tar.gz.
const std::string& EventBundlePath() {
  static testing::TempFolder folder("tremora-bench");
  static const std::string path = [] {
    Members knet, kiknet;
    const Members knet_files = testing::SampleMembers(testing::kKnetSampleFiles);
    const Members kiknet_files = testing::SampleMembers(testing::kKiknetSampleFiles);
    for (int i = 0; i < kKnetStations; ++i) {
      for (const auto& file : knet_files) knet.push_back(Renamed("K%05d", i, file));
    }
    for (int i = 0; i < kKiknetStations; ++i) {
      for (const auto& file : kiknet_files) kiknet.push_back(Renamed("H%05d", i, file));
    }
    return folder.Write("20180124195100.tar", Pack({{"20180124195100.knt.tar.gz", Pack(knet, Packing::TarGz)},
                                                     {"20180124195100.kik.tar.gz", Pack(kiknet, Packing::TarGz)}},
                                                    Packing::Tar));
  }();
  return path;
}

void CountRecords(benchmark::State& state, int64_t records) {
  state.counters["records/s"] = benchmark::Counter(static_cast<double>(records), benchmark::Counter::kIsRate);
}

void BM_BundleUnpackAndList(benchmark::State& state) {
  const std::string& path = EventBundlePath();  // made before the clock runs
  int64_t records = 0;
  for (auto _ : state) {
    PrivateFolder folder;
    records += static_cast<int64_t>(OpenBundle(path, folder.NewSubfolder()).records.size());
  }
  CountRecords(state, records);
}
BENCHMARK(BM_BundleUnpackAndList)->Unit(benchmark::kMillisecond);

void RunOverBundle(benchmark::State& state, std::vector<std::string> args) {
  args.push_back(EventBundlePath());
  int64_t records = 0;
  for (auto _ : state) {
    std::ostringstream out, err;
    if (RunCli(args, out, err, CliEnvironment{std::string(TREMORA_RECORDS_DIR) + "/../DATA"}) != 0) {
      state.SkipWithError(err.str().c_str());
      return;
    }
    records += kRecords;
  }
  CountRecords(state, records);
}

void BM_MetricsFromBundle(benchmark::State& state) { RunOverBundle(state, {"metrics", "--out", "/dev/null"}); }
BENCHMARK(BM_MetricsFromBundle)->Unit(benchmark::kMillisecond);

void BM_SpectraFromBundle(benchmark::State& state) {
  static testing::TempFolder out("tremora-bench-out");
  RunOverBundle(state, {"spectra", "--out-dir", out.path().string()});
}
BENCHMARK(BM_SpectraFromBundle)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tremora::bench
