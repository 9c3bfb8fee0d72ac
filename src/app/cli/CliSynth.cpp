#include "app/cli/CliSynth.h"

#include <charconv>
#include <memory>

#include "app/Synthesis.h"
#include "app/cli/CliArguments.h"
#include "app/cli/CliRecords.h"
#include "record/Errors.h"
#include "record/KnetLoading.h"
#include "record/StationTables.h"
#include "record/TextFile.h"

namespace tremora::cli {

namespace {

constexpr const char* kSynthHelp =
    "Usage: tremora-cli synth --azimuth A [--no-dc] [-o FILE] [--station S] FILE\n"
    "\n"
    "Combines the NS and EW components of a record into the acceleration along the azimuth A\n"
    "(whole degrees, north 0, east 90) and writes it as a new K-NET file: the 17 header lines of\n"
    "the EW file with the new peak acceleration, the counts on the record's scale factor.\n"
    "\n"
    "  --azimuth A   direction of the synthesised component in whole degrees\n"
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
  if (error != std::errc() || stop != end || begin == end) {
    throw UsageError("--azimuth needs a whole number of degrees, not '" + *text + "'");
  }
  return azimuth;
}

// The synthesis needs both horizontal components; the record is loaded whole, as the window
// loads it, so its UD file must be there too.
void RequireComponentFiles(const RecordInput& input) {
  auto names = std::make_unique<RecordSet>();
  PrepareKnetLoad(*names, input.path, true);
  for (int ch = 0; ch < kMaxChannels; ++ch) {
    if (FileExists(names->ComponentPaths[ch])) continue;
    const std::string& missing = names->ComponentPaths[ch];
    throw RecordError(input.name + ": " + (input.bundle ? input.bundle->Shown(missing) : missing) +
                      " is missing; synthesis needs the record's " +
                      (ch < 2 ? "NS and EW components" : "three component files"));
  }
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
  const RecordInputs inputs(parsed.files, parsed.Values("--station"), false, err);
  if (inputs.failed()) return 1;
  const RecordInput& input = TheOnlyRecord(inputs, "synth");
  const std::string& path = input.name;
  const auto shown = [&input](const std::string& text) { return input.bundle ? input.bundle->Shown(text) : text; };
  std::string target;
  try {
    StationTableLoad stations = LoadStationTables(env.data_folder);
    RequireComponentFiles(input);
    const auto record = LoadRecord(input, stations.tables, true, !parsed.Has("--no-dc"), err);
    if (output != nullptr) {
      target = *output;
    } else {
      // Beside the record as the user knows it: a record from a bundle is written beside the bundle.
      const std::string folder = UserFolder(*record);
      target = (folder.empty() ? std::string() : folder == "/" ? folder : folder + "/") +
               DefaultSynthesisName(record->ComponentPaths[0], azimuth);
    }
    RefuseOutputOverInput(target, *record, parsed.files);
    WriteSynthesis(*record, azimuth, target);
  } catch (const RecordError& error) {
    err << kProgram << ": " << error.what() << "\n";
    return 1;
  } catch (const FileAccessError& error) {
    err << kProgram << ": " << path << ": " << shown(error.what()) << "\n";
    return 1;
  } catch (const RecordFormatError& error) {
    err << kProgram << ": " << path << ": " << shown(error.what()) << "\n";
    return 1;
  }
  out << target << "\n";
  return 0;
}

}  // namespace tremora::cli
