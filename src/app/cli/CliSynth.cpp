#include "app/cli/CliSynth.h"

#include <charconv>
#include <memory>

#include "app/Synthesis.h"
#include "app/cli/CliArguments.h"
#include "app/cli/CliInputFiles.h"
#include "app/cli/CliRecords.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "record/FormatDetection.h"
#include "record/KnetLoading.h"
#include "record/StationTables.h"

namespace tremora::cli {

namespace {

constexpr const char* kSynthHelp =
    "Usage: tremora-cli synth --azimuth A [--no-dc] [-o FILE] [--station S] FILE\n"
    "\n"
    "Combines the NS and EW components of a record into the acceleration along the azimuth A\n"
    "(whole degrees, north 0, east 90) and writes it as a new K-NET file: the 17 header lines of\n"
    "the EW file with the new peak acceleration, the counts on the record's scale factor.\n"
    "\n"
    "  --azimuth A   direction of the synthesised component in whole degrees, 0 to 359\n"
    "  --no-dc       keep the mean of each component (by default it is removed, as with DC除去)\n"
    "  -o FILE       write to FILE (default: the NS file's name with the azimuth as extension,\n"
    "                \"%03d\", in the record's folder, or the bundle's: AOM0011801241951.045)\n"
    "  --station S   the record of a bundle to use (CODE or CODE:SENSOR)\n";

int ParseAzimuth(const std::string* text) {
  if (text == nullptr) throw UsageError("synth needs --azimuth A (whole degrees, north 0, east 90)");
  int azimuth = 0;
  const char* begin = text->data() + (text->size() > 1 && (*text)[0] == '+' ? 1 : 0);
  const char* end = text->data() + text->size();
  const auto [stop, error] = std::from_chars(begin, end, azimuth);
  if ((error != std::errc() && error != std::errc::result_out_of_range) || stop != end || begin == end) {
    throw UsageError("--azimuth needs a whole number of degrees, not '" + *text + "'");
  }
  // The window's range: the azimuth becomes the new file's three-digit extension, which must
  // name a record file the program can open again.
  if (error == std::errc::result_out_of_range || azimuth < 0 || azimuth > 359) {
    throw UsageError("--azimuth must be 0 to 359 degrees, not '" + *text + "'");
  }
  return azimuth;
}

// The record's component files as the load will look for them. The synthesis needs both
// horizontal components; the record is loaded whole, as the window loads it, so its UD file must
// be there too.
std::unique_ptr<RecordSet> RequireComponentFiles(const RecordInput& input) {
  auto names = std::make_unique<RecordSet>();
  PrepareKnetLoad(*names, input.path, true);
  for (int ch = 0; ch < kMaxChannels; ++ch) {
    if (FileExists(names->ComponentPaths[ch])) continue;
    const std::string& missing = names->ComponentPaths[ch];
    throw RecordError(input.name + ": " + (input.bundle ? input.bundle->Shown(missing) : missing) +
                      " is missing; synthesis needs the record's " +
                      (ch < 2 ? "NS and EW components" : "three component files"));
  }
  return names;
}

// The NS file's name with the azimuth as extension, beside the record as the user knows it: a
// record from a bundle is written beside the bundle.
std::string DefaultTarget(const RecordInput& input, const RecordSet& names, int azimuth) {
  const std::string folder = FolderOf(input.bundle ? input.bundle->path : names.ComponentPaths[0]);
  return (folder.empty() ? std::string() : folder == "/" ? folder : folder + "/") +
         DefaultSynthesisName(names.ComponentPaths[0], azimuth);
}

}  // namespace

int RunSynth(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
  const Arguments parsed = Parse(args, {"--azimuth", "-o", "--output", "--station"}, {"--no-dc"});
  if (parsed.Has("--help")) {
    out << kSynthHelp;
    return 0;
  }
  if (parsed.files.empty()) throw UsageError("synth needs exactly one record file");
  const int azimuth = ParseAzimuth(parsed.Value("--azimuth"));
  const std::string* output = parsed.Value("-o") != nullptr ? parsed.Value("-o") : parsed.Value("--output");
  const InputFiles input_files(parsed.files);
  if (output != nullptr) input_files.RefuseAsOutput(*output);
  const RecordInputs inputs(parsed.files, parsed.Values("--station"), false, err, parsed.component_groups);
  if (inputs.failed()) return 1;
  TheOnlyRecord(inputs, "synth");
  std::string target;
  const int status = ForEachRecord(inputs, env, err, [&](const RecordInput& input) {
    if (IsForeignFormat(DetectRecordFormatOfFile(input.path))) {
      throw RecordError(input.name + ": synthesis builds its K-NET file on the record's K-NET header; it needs a "
                                     "K-NET / KiK-net record");
    }
    StationTableLoad stations = LoadStationTables(env.data_folder);
    const auto names = RequireComponentFiles(input);
    target = output != nullptr ? *output : DefaultTarget(input, *names, azimuth);
    input_files.RefuseAsOutput(target);
    const auto record = LoadRecord(input, stations.tables, true, !parsed.Has("--no-dc"), err);
    WriteSynthesis(*record, azimuth, target);
  });
  if (status != 0) return status;
  out << target << "\n";
  return 0;
}

}  // namespace tremora::cli
