#include "app/cli/CliMetrics.h"

#include "analysis/MetricsTable.h"
#include "analysis/StrongMotionIndices.h"
#include "app/cli/CliArguments.h"
#include "app/cli/CliInputFiles.h"
#include "app/cli/CliRecords.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "record/StationTables.h"

namespace tremora::cli {

namespace {

constexpr const char* kMetricsHelp =
    "Usage: tremora-cli metrics [--single] [--no-dc] [--method M] [--out FILE] FILE...\n"
    "\n"
    "Writes one CSV row per record, in the order given: station, origin time, sampling rate,\n"
    "sample count, and per component PGA (gal), PGV (cm/s), PGD (cm), Arias intensity (m/s),\n"
    "significant duration D5-95 (s) and CAV (cm/s); for three-component records also the largest\n"
    "horizontal and three-component vector accelerations and the JMA instrumental intensity\n"
    "(unrounded, as reported, and its class), the JMA long-period ground-motion class (the largest\n"
    "Sva, its period, the class and the class of each of the seven period bands; Sva_filter says\n"
    "re-derived for a record not sampled at 100 Hz) and the SI value of NS, of EW and the larger\n"
    "(cm/s). Several component files of one record count once.\n"
    "\n"
    "  --single     read only the named component file, not its partners (no intensity, no\n"
    "               long-period class, no SI)\n"
    "  --no-dc      keep the mean of each component\n"
    "  --method M   the oscillators of SI: linear (the linear-acceleration method, default) or\n"
    "               exact (the exact solution, as spectra --method exact)\n"
    "  --out FILE   write to FILE (default: standard output)\n"
    "  --station L  from bundles only the records of these stations (CODE or CODE:SENSOR,\n"
    "               comma-separated, repeatable)\n";

}  // namespace

int RunMetrics(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
  const Arguments parsed = Parse(args, {"--out", "-o", "--station", "--method"}, {"--single", "--no-dc"});
  if (parsed.Has("--help")) {
    out << kMetricsHelp;
    return 0;
  }
  if (parsed.files.empty()) throw UsageError("metrics needs at least one record file");
  const std::string* output = parsed.Value("--out") != nullptr ? parsed.Value("--out") : parsed.Value("-o");
  const bool to_file = output != nullptr && *output != "-";
  // The file is written at the end: refused now, before any record is read, when it is an input.
  if (to_file) InputFiles(parsed.files).RefuseAsOutput(*output);
  const bool single = parsed.Has("--single");
  const bool remove_mean = !parsed.Has("--no-dc");
  const SpectrumMethod method = ParseMethod(parsed);
  const StationTables stations = LoadStations(env, err);
  std::string text = MetricsCsvHeader();
  const RecordInputs inputs(parsed.files, parsed.Values("--station"), single, err, parsed.component_groups);
  const int status = ForEachRecord(
      inputs, env, err,
      [&](const RecordInput& input) {
        const auto record = LoadRecord(input, stations, !single, remove_mean, err);
        text += MetricsCsvRow(*record, ComputeStrongMotionIndices(*record, remove_mean, method));
      },
      [&] {
        // Rows go out as they are made, so a long run shows its progress.
        if (!to_file) {
          out << text;
          text.clear();
        }
      });
  if (to_file) {
    try {
      WriteWholeFile(*output, text);
    } catch (const FileAccessError& error) {
      err << kProgram << ": " << *output << ": " << error.what() << "\n";
      return 1;
    }
  }
  return status;
}

}  // namespace tremora::cli
