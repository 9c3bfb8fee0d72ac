#include "app/cli/CliCommands.h"

#include <charconv>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>

#include "analysis/FourierSpectrum.h"
#include "analysis/LongPeriodClass.h"
#include "analysis/RotatedSpectra.h"
#include "app/cli/CliArguments.h"
#include "app/cli/CliInputFiles.h"
#include "app/cli/CliMetrics.h"
#include "app/cli/CliRecords.h"
#include "app/cli/CliSynth.h"
#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "record/Bundle.h"
#include "record/StationTables.h"
#include "spectrum/SpectrumCsv.h"
#include "spectrum/SpectrumSolver.h"
#include "wave/KnetRecordLoad.h"
#include "wave/WaveCsv.h"
#include "wave/WaveProcessing.h"

namespace tremora {

namespace {

using cli::Arguments;
using cli::RecordInput;
using cli::RecordInputs;
using cli::kProgram;
using cli::LoadRecord;
using cli::LoadStations;
using cli::RecordError;
using cli::Parse;
using cli::InputFiles;
using cli::ForEachRecord;
using cli::UsageError;

constexpr const char* kMainHelp =
    "Usage: tremora-cli COMMAND [options] FILE...\n"
    "\n"
    "Batch processing of K-NET / KiK-net acceleration records.\n"
    "\n"
    "Commands:\n"
    "  info FILE...         header values, sample count and the peak of each component\n"
    "  spectra FILE...      response spectra (SA, SV, SD; 100 periods, 5 damping ratios) as CSV\n"
    "  wave-csv FILE        acceleration, velocity or displacement of the displayed section as CSV\n"
    "  fourier FILE...      Fourier amplitude spectra of the displayed section as CSV\n"
    "  synth FILE           the horizontal acceleration along an azimuth as a new K-NET file\n"
    "  metrics FILE...      PGA, PGV, PGD, Arias intensity, D5-95, CAV, the JMA intensity, the JMA\n"
    "                       long-period class and the SI value as CSV\n"
    "  list BUNDLE...       the records inside NIED download bundles\n"
    "  sva FILE...          JMA's absolute velocity response Sva (1.6-7.8 s) and long-period class\n"
    "  rotd FILE...         RotD00, RotD50, RotD100 spectra of the horizontal components as CSV\n"
    "\n"
    "Any one component file names the record: its partners (.ns/.ew/.ud, KiK-net 1/2 suffixes)\n"
    "are found beside it whatever the case of their extension. A JMA strong-motion CSV file\n"
    "(気象庁 強震波形) is a three-component record by itself.\n"
    "A PEER .AT2 file is a record of one component; every command takes --components A,B[,C]\n"
    "to form one record of two or three .AT2 files of one station (horizontals as NS and EW,\n"
    "the vertical as UD, by the component text of each file's second line).\n"
    "A bundle (.tar, .tar.gz, .tgz, archives inside it too) stands for every record in it; every\n"
    "command takes --station CODE[:SENSOR][,...] to pick records of those stations from bundles\n"
    "(SENSOR 1: KiK-net borehole, 2: surface). Messages name a record from a bundle BUNDLE:MEMBER.\n"
    "Run 'tremora-cli COMMAND --help' for the options of a command.\n";

constexpr const char* kListHelp =
    "Usage: tremora-cli list [--station CODE[:SENSOR][,...]] BUNDLE...\n"
    "\n"
    "Prints one line a record of each bundle: station code, network, sensor, origin time, the\n"
    "maximum acceleration of its first component's header, the epicentral distance, where it lies\n"
    "in the bundle and the station's name.\n";

constexpr const char* kInfoHelp =
    "Usage: tremora-cli info [--single] [--no-dc] [--station LIST] FILE...\n"
    "\n"
    "Prints the header values of each record, its sample count, sampling rate and scale factor,\n"
    "and the peak acceleration of each component.\n"
    "\n"
    "  --single   read only the named component file, not its partners\n"
    "  --no-dc    keep the mean of each component (by default it is removed before the peak)\n"
    "  --station LIST\n"
    "             from bundles only the records of these stations (CODE or CODE:SENSOR,\n"
    "             comma-separated, repeatable)\n";

constexpr const char* kSpectraHelp =
    "Usage: tremora-cli spectra [options] FILE...\n"
    "\n"
    "Computes the response spectra of the section the main window would display and writes the\n"
    "spectrum CSV (the layout of the spectrum window's CSV export).\n"
    "\n"
    "  --start N          first sample of the section (default: automatic, 200 samples before\n"
    "                     the motion exceeds 2 % of the peak of the first component)\n"
    "  --width S          section width in seconds: 5, 10, 25, 50, 100 or 250 (default 50)\n"
    "  --damping M        damping ratio set: x1 (0,1,2,5,10 %), x5 or x10 (default x1)\n"
    "  --method M         linear (the linear-acceleration method, default) or exact (the exact\n"
    "                     solution for acceleration linear between samples, Nigam-Jennings)\n"
    "  --no-dc            keep the mean of each component\n"
    "  --single           read only the named component file, not its partners\n"
    "  -o FILE            write to FILE (one record; default: standard output)\n"
    "  --out-dir DIR      write one CSV per record into DIR, named after the station and\n"
    "                     origin time (BASErsp.csv); needed for several records\n"
    "  --station LIST     from bundles only the records of these stations (CODE or CODE:SENSOR,\n"
    "                     comma-separated, repeatable)\n";

constexpr const char* kFourierHelp =
    "Usage: tremora-cli fourier [options] FILE...\n"
    "\n"
    "Writes the Fourier amplitude spectra (gal s) of the acceleration section the main window\n"
    "would display: per component the mean removed, a cosine taper over 5 % of the section at\n"
    "each end, zeros padded to the next power of two; from the first non-zero frequency to the\n"
    "Nyquist frequency. CSV: frequency, then one column a component.\n"
    "\n"
    "  --start N, --width S, --no-dc, --single   as for spectra\n"
    "  --smooth HZ        Parzen-window smoothing of band width 0.05, 0.1, 0.2 or 0.4 Hz\n"
    "                     (default: none)\n"
    "  -o FILE            write to FILE (one record; default: standard output)\n"
    "  --out-dir DIR      write one CSV per record into DIR (BASEfas.csv)\n"
    "  --station LIST     from bundles only the records of these stations (CODE or CODE:SENSOR,\n"
    "                     comma-separated, repeatable)\n";

constexpr const char* kSvaHelp =
    "Usage: tremora-cli sva [options] FILE...\n"
    "\n"
    "Writes the Japan Meteorological Agency's absolute velocity response spectrum Sva (damping 5 %,\n"
    "the 32 periods 1.6, 1.8, ..., 7.8 s) of each three-component record, computed over the whole\n"
    "record as the agency does: NS and EW high-pass filtered (about 20 s), the oscillators stepped\n"
    "exactly, absolute velocity = relative + ground velocity, Sva the largest horizontal vector.\n"
    "CSV: period, Sva, the largest absolute velocity of NS and of EW alone (cm/s), the period band\n"
    "and its long-period ground-motion class. A record not sampled at 100 Hz gets the filter\n"
    "designed for its rate, and a first line that says so.\n"
    "\n"
    "  --single           as for spectra (a single component has no Sva)\n"
    "  -o FILE            write to FILE (one record; default: standard output)\n"
    "  --out-dir DIR      write one CSV per record into DIR (BASEsva.csv)\n"
    "  --station LIST     from bundles only the records of these stations (CODE or CODE:SENSOR,\n"
    "                     comma-separated, repeatable)\n";

constexpr const char* kWaveHelp =
    "Usage: tremora-cli wave-csv [options] FILE\n"
    "\n"
    "Writes the waveform CSV of the displayed section (the layout of the main window's CSV\n"
    "export). Velocity and displacement are integrated and band-pass filtered as displayed.\n"
    "\n"
    "  --quantity Q       acc, vel or disp (default acc)\n"
    "  --start N          first sample of the section (default: automatic)\n"
    "  --width S          section width in seconds: 5, 10, 25, 50, 100 or 250 (default 50)\n"
    "  --no-dc            keep the mean\n"
    "  --single           read only the named component file, not its partners\n"
    "  -o FILE            write to FILE (default: standard output)\n"
    "  --station LIST     from bundles only the records of these stations (CODE or CODE:SENSOR,\n"
    "                     comma-separated, repeatable)\n";

struct SectionChoice {
  bool automatic_start = true;
  int start = 0;
  float width = 50.0f;
};

SectionChoice ParseSectionChoice(const Arguments& parsed) {
  SectionChoice choice;
  if (const std::string* start = parsed.Value("--start")) {
    const char* end = start->data() + start->size();
    const auto [stop, error] = std::from_chars(start->data(), end, choice.start);
    if (error != std::errc() || stop != end) throw UsageError("--start needs a whole number of samples, not '" + *start + "'");
    choice.automatic_start = false;
  }
  if (const std::string* width = parsed.Value("--width")) {
    bool known = false;
    for (const float w : kTimeWidths) {
      if (*width == FormatC("%d", static_cast<int>(w))) {
        choice.width = w;
        known = true;
      }
    }
    if (!known) throw UsageError("--width must be 5, 10, 25, 50, 100 or 250 (seconds), not '" + *width + "'");
  }
  return choice;
}

DampingMultiplier ParseDamping(const Arguments& parsed) {
  const std::string* damping = parsed.Value("--damping");
  if (damping == nullptr || *damping == "x1") return DampingMultiplier::X1;
  if (*damping == "x5") return DampingMultiplier::X5;
  if (*damping == "x10") return DampingMultiplier::X10;
  throw UsageError("--damping must be x1, x5 or x10, not '" + *damping + "'");
}

DisplayedSection ChooseSection(const RecordSet& record, const SectionChoice& choice, std::ostream& err,
                               const std::string& path) {
  const int start = choice.automatic_start ? AutoStartIndex(record.SampleCount, record.Acceleration[0].data())
                                           : choice.start;
  const DisplayedSection section =
      ChooseDisplayedSection(start, choice.width, record.SampleCount, record.SamplingInterval);
  if (section.StartIndex != start) {
    err << kProgram << ": warning: " << path << ": start " << start << " lies outside the samples read (0.."
        << record.SampleCount - 1 << "); using " << section.StartIndex << "\n";
  }
  return section;
}

// The -o file, unless it is standard output (none, or "-"); refused when it is one of the inputs.
const std::string* OutputFile(const Arguments& parsed, const InputFiles& inputs) {
  const std::string* output = parsed.Value("-o") != nullptr ? parsed.Value("-o") : parsed.Value("--output");
  if (output == nullptr || *output == "-") return nullptr;
  inputs.RefuseAsOutput(*output);
  return output;
}

// Writes text to the -o file (checked by OutputFile), or to standard output without one.
void WriteOutput(const std::string* output, const std::string& text, std::ostream& out) {
  if (output == nullptr) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
  } else {
    WriteWholeFile(*output, text);
  }
}

// Writes one record's result into the --out-dir folder; two records that would write the same
// file, or a target that is one of the files being read, are refused.
void WriteIntoOutputFolder(const std::string& target, const std::string& text, const std::string& path,
                           const InputFiles& inputs, std::map<std::string, std::string>& written) {
  if (const auto earlier = written.find(target); earlier != written.end()) {
    throw RecordError(path + ": same record as " + earlier->second + " (both would be written to " + target +
                      "); skipped");
  }
  inputs.RefuseAsOutput(target);
  WriteWholeFile(target, text);
  written[target] = path;
}

// The --out-dir folder, made when it is not there yet; false (and a message) when it cannot be.
bool MakeOutputFolder(const std::string& folder, std::ostream& err) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (!error && std::filesystem::is_directory(folder)) return true;
  err << kProgram << ": cannot make the output folder " << folder << ": "
      << (error ? error.message() : std::string("a file of that name is in the way")) << "\n";
  return false;
}

// The name of a record's spectrum file in --out-dir: the default name of the spectrum window's
// CSV export, with the sensor (KiK-net) or the component (--single) added so that records of one
// station and time do not overwrite each other.
std::string SpectrumFileName(const RecordSet& record, const std::string& path, bool single,
                             const char* ending = "rsp.csv") {
  std::string base = record.RecordBaseName;
  if (base.empty()) {
    const std::string_view name = FileNameOf(path);
    base = std::string(name.substr(0, name.find('.')));
  }
  const KnetFileName parts = SplitKnetFileName(path);
  // A JMA file is one whole record: no sensor digit in its extension, no component of its own.
  if (record.Format == RecordFormat::JmaCsv) return base + ending;
  if (single) {
    base += "-" + record.ComponentNames[0];
  } else if (!parts.suffix.empty()) {
    base += "-" + parts.suffix;
  }
  return base + ending;
}

// Where spectra and fourier put each record's CSV: the -o file or standard output for one record,
// else a file of its own in the --out-dir folder.
class ResultFiles {
 public:
  // Refuses -o together with --out-dir, and an -o file that is one of the inputs.
  explicit ResultFiles(const Arguments& parsed)
      : out_dir_(OutputFolder(parsed)),
        single_(parsed.Has("--single")),
        inputs_(parsed.files),
        output_(OutputFile(parsed, inputs_)) {}

  // Refuses several records without --out-dir, then makes the folder: false, after a message,
  // when it cannot be made.
  bool Prepare(const RecordInputs& records, std::ostream& err) const {
    if (records.records().size() > 1 && out_dir_ == nullptr) {
      throw UsageError("several records need --out-dir (one CSV file each)");
    }
    return out_dir_ == nullptr || MakeOutputFolder(*out_dir_, err);
  }

  // ending: of the file's name in --out-dir.
  void Write(const std::string& text, const RecordSet& record, const RecordInput& input, const char* ending,
             std::ostream& out) {
    if (out_dir_ == nullptr) {
      WriteOutput(output_, text, out);
      return;
    }
    const std::string target = *out_dir_ + "/" + SpectrumFileName(record, input.path, single_, ending);
    WriteIntoOutputFolder(target, text, input.name, inputs_, written_);
  }

 private:
  static const std::string* OutputFolder(const Arguments& parsed) {
    const std::string* out_dir = parsed.Value("--out-dir");
    if ((parsed.Value("-o") != nullptr || parsed.Value("--output") != nullptr) && out_dir != nullptr) {
      throw UsageError("give either -o or --out-dir, not both");
    }
    return out_dir;
  }

  const std::string* out_dir_;
  bool single_;
  InputFiles inputs_;
  const std::string* output_;
  std::map<std::string, std::string> written_;  // output file -> record that wrote it
};

int RunInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
  const Arguments parsed = Parse(args, {"--station"}, {"--single", "--no-dc"});
  if (parsed.Has("--help")) {
    out << kInfoHelp;
    return 0;
  }
  if (parsed.files.empty()) throw UsageError("info needs at least one record file");
  const StationTables stations = LoadStations(env, err);
  const RecordInputs inputs(parsed.files, parsed.Values("--station"), parsed.Has("--single"), err,
                            parsed.component_groups);
  return ForEachRecord(inputs, env, err, [&](const RecordInput& input) {
    const auto record = LoadRecord(input, stations, !parsed.Has("--single"), !parsed.Has("--no-dc"), err);
    const RecordHeader& h = record->Header;
    std::string text;
    const auto line = [&text](const char* label, const std::string& value) {
      text += FormatC("%-22s%s\n", label, value.c_str());
    };
    line("File", input.name);
    line("Station code", h.StationCode);
    line("Station name", record->CurrentStation.Name);
    // A file that names no earthquake leaves its lines empty.
    const auto origin = [&h](const std::string& value) { return h.OriginKnown ? value : std::string(); };
    line("Origin time", origin(h.OriginDate + " " + h.OriginTime));
    line("Epicentre", origin(FormatC("%.4f N  %.4f E", h.EpicentreLatitude, h.EpicentreLongitude)));
    line("Depth (km)", origin(FormatC("%d", h.Depth)));
    line("Magnitude", origin(FormatC("%.1f", h.Magnitude)));
    line("Station position", FormatC("%.4f N  %.4f E  %d m", h.StationLatitude, h.StationLongitude, h.StationHeight));
    line("Record time", h.RecordDate + " " + h.RecordTime);
    line("Sampling rate (Hz)", FormatC("%d", h.SamplingRate));
    line("Duration (s)", FormatC("%g", h.DurationTime));
    line("Scale factor", FormatC("%.9g gal per count", h.ScaleFactor));
    line("Samples", FormatC("%d", record->SampleCount));
    for (int ch = 0; ch < record->ChannelCount; ++ch) {
      int position = 0;
      const float peak = PeakAbs(record->SampleCount, record->Acceleration[ch].data(), position);
      const std::string label = "Peak " + record->ComponentNames[ch] + " (gal)";
      line(label.c_str(), FormatC("%.3f at %.2f s", peak, position * static_cast<double>(record->SamplingInterval)));
    }
    out << text << "\n";
  });
}

int RunList(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
  const Arguments parsed = Parse(args, {"--station"}, {});
  if (parsed.Has("--help")) {
    out << kListHelp;
    return 0;
  }
  if (parsed.files.empty()) throw UsageError("list needs at least one bundle");
  for (const std::string& file : parsed.files) {
    if (!IsBundleName(file)) throw UsageError(file + " is not a bundle (.tar, .tar.gz or .tgz)");
  }
  const StationTables stations = LoadStations(env, err);
  const RecordInputs inputs(parsed.files, parsed.Values("--station"), false, err, parsed.component_groups);
  out << FormatC("%-8s %-8s %-6s %-19s %11s %9s  %s  %s\n", "CODE", "NETWORK", "SENSOR", "ORIGIN", "MAXACC(gal)",
                 "DIST(km)", "RECORD", "NAME");
  for (const RecordInput& input : inputs.records()) {
    const BundleRecord& record = *input.in_bundle;
    const RecordHeader& h = record.header;
    if (!record.header_problem.empty()) {
      out << FormatC("%-8s %-8s %-6s %-19s %11s %9s  %s  %s\n", "?", record.kiknet() ? "KiK-net" : "K-NET",
                     record.kiknet() ? record.sensor.c_str() : "-", "?", "?", "?", input.name.c_str(),
                     input.bundle->Shown(record.header_problem).c_str());
      continue;
    }
    const StationRecord* station = stations.FindKnetOrKik(h.StationCode);
    out << FormatC("%-8s %-8s %-6s %-19s %11s %9.1f  %s  %s\n", h.StationCode.c_str(),
                   record.kiknet() ? "KiK-net" : "K-NET", record.kiknet() ? record.sensor.c_str() : "-",
                   (h.OriginDate + " " + h.OriginTime).c_str(), h.MaxAccText.c_str(), EpicentralDistanceKm(h),
                   input.name.c_str(), station != nullptr ? station->Name.c_str() : "");
  }
  return inputs.failed() ? 1 : 0;
}

int RunSpectra(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
  const Arguments parsed =
      Parse(args, {"--start", "--width", "--damping", "--method", "-o", "--output", "--out-dir", "--station"},
            {"--single", "--no-dc"});
  if (parsed.Has("--help")) {
    out << kSpectraHelp;
    return 0;
  }
  if (parsed.files.empty()) throw UsageError("spectra needs at least one record file");
  const SectionChoice choice = ParseSectionChoice(parsed);
  const DampingRatios ratios = DampingSet(ParseDamping(parsed));
  const SpectrumMethod method = cli::ParseMethod(parsed);
  ResultFiles results(parsed);
  const bool single = parsed.Has("--single");
  const RecordInputs inputs(parsed.files, parsed.Values("--station"), single, err, parsed.component_groups);
  if (!results.Prepare(inputs, err)) return 1;
  const StationTables stations = LoadStations(env, err);
  const PeriodGrid grid = MakePeriodGrid();
  return ForEachRecord(inputs, env, err, [&](const RecordInput& input) {
    const auto record = LoadRecord(input, stations, !single, !parsed.Has("--no-dc"), err);
    const DisplayedSection section = ChooseSection(*record, choice, err, input.name);
    auto spectra = std::make_unique<SpectrumSet>();
    ComputeSpectra(*record, section.StartIndex, section.DisplayCount, grid, ratios, *spectra, {}, method);
    results.Write(FormatSpectrumCsv(*record, grid, ratios, *spectra, method), *record, input, "rsp.csv", out);
  });
}

double ParseSmoothing(const Arguments& parsed) {
  const std::string* text = parsed.Value("--smooth");
  if (text == nullptr) return 0;
  for (const double width : kFourierBandWidths) {
    if (*text == FormatC("%g", width)) return width;
  }
  throw UsageError("--smooth must be 0.05, 0.1, 0.2 or 0.4, not '" + *text + "'");
}

int RunFourier(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
  const Arguments parsed =
      Parse(args, {"--start", "--width", "--smooth", "-o", "--output", "--out-dir", "--station"}, {"--single", "--no-dc"});
  if (parsed.Has("--help")) {
    out << kFourierHelp;
    return 0;
  }
  if (parsed.files.empty()) throw UsageError("fourier needs at least one record file");
  const SectionChoice choice = ParseSectionChoice(parsed);
  const double band_width = ParseSmoothing(parsed);
  ResultFiles results(parsed);
  const bool single = parsed.Has("--single");
  const RecordInputs inputs(parsed.files, parsed.Values("--station"), single, err, parsed.component_groups);
  if (!results.Prepare(inputs, err)) return 1;
  const StationTables stations = LoadStations(env, err);
  return ForEachRecord(inputs, env, err, [&](const RecordInput& input) {
    const auto record = LoadRecord(input, stations, !single, !parsed.Has("--no-dc"), err);
    const DisplayedSection section = ChooseSection(*record, choice, err, input.name);
    const std::string text = FormatFourierCsv(
        ComputeFourierSpectra(*record, section.StartIndex, section.DisplayCount, band_width));
    results.Write(text, *record, input, "fas.csv", out);
  });
}

int RunSva(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
  const Arguments parsed = Parse(args, {"-o", "--output", "--out-dir", "--station"}, {"--single"});
  if (parsed.Has("--help")) {
    out << kSvaHelp;
    return 0;
  }
  if (parsed.files.empty()) throw UsageError("sva needs at least one record file");
  ResultFiles results(parsed);
  const bool single = parsed.Has("--single");
  const RecordInputs inputs(parsed.files, parsed.Values("--station"), single, err);
  if (!results.Prepare(inputs, err)) return 1;
  const StationTables stations = LoadStations(env, err);
  return ForEachRecord(inputs, env, err, [&](const RecordInput& input) {
    // The agency's procedure removes each component's mean itself.
    const auto record = LoadRecord(input, stations, !single, true, err);
    if (record->ChannelCount != 3) throw RecordError(input.name + ": Sva needs the NS and EW components; skipped");
    const double dt = SampleInterval(*record);
    const SvaSpectrum spectrum = ComputeSvaSpectrum(record->Acceleration[0].data(), record->Acceleration[1].data(),
                                                    record->SampleCount, dt);
    results.Write(FormatSvaCsv(spectrum, dt), *record, input, "sva.csv", out);
  });
}

int RunWaveCsv(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
  const Arguments parsed =
      Parse(args, {"--start", "--width", "--quantity", "-o", "--output", "--station"}, {"--single", "--no-dc"});
  if (parsed.Has("--help")) {
    out << kWaveHelp;
    return 0;
  }
  if (parsed.files.empty()) throw UsageError("wave-csv needs exactly one record file");
  const SectionChoice choice = ParseSectionChoice(parsed);
  WaveQuantity quantity = WaveQuantity::Acceleration;
  if (const std::string* name = parsed.Value("--quantity")) {
    if (*name == "vel") {
      quantity = WaveQuantity::Velocity;
    } else if (*name == "disp") {
      quantity = WaveQuantity::Displacement;
    } else if (*name != "acc") {
      throw UsageError("--quantity must be acc, vel or disp, not '" + *name + "'");
    }
  }
  const std::string* output = OutputFile(parsed, InputFiles(parsed.files));
  const bool remove_mean = !parsed.Has("--no-dc");
  const RecordInputs inputs(parsed.files, parsed.Values("--station"), parsed.Has("--single"), err,
                            parsed.component_groups);
  if (inputs.failed()) return 1;
  cli::TheOnlyRecord(inputs, "wave-csv");
  const StationTables stations = LoadStations(env, err);
  return ForEachRecord(inputs, env, err, [&](const RecordInput& input) {
    const auto record = LoadRecord(input, stations, !parsed.Has("--single"), remove_mean, err);
    const DisplayedSection section = ChooseSection(*record, choice, err, input.name);
    ProcessDisplayedSection(*record, section, remove_mean);
    WriteOutput(output, FormatWaveCsv(*record, section, quantity), out);
  });
}

constexpr const char* kRotdHelp =
    "Usage: tremora-cli rotd [options] FILE...\n"
    "\n"
    "Writes the orientation-independent response spectra (Boore 2010) of the horizontal section\n"
    "the main window would display: for each period of the spectrum grid and each damping ratio,\n"
    "PSA = omega^2 * peak relative displacement of NS and of EW, and over the 180 directions\n"
    "0..179 degrees from north the smallest (RotD00), median (RotD50) and largest (RotD100) PSA,\n"
    "with the direction of RotD100. Values %.6g, gal.\n"
    "\n"
    "  --start N, --width S, --method M, --no-dc   as for spectra\n"
    "  --damping H        damping ratio, a fraction of critical from 0 to 1 (default 0.05);\n"
    "                     repeat it or separate ratios with commas for several\n"
    "  -o FILE            write to FILE (one record; default: standard output)\n"
    "  --out-dir DIR      write one CSV per record into DIR (BASErotd.csv)\n"
    "  --station LIST     from bundles only the records of these stations (CODE or CODE:SENSOR,\n"
    "                     comma-separated, repeatable)\n";

std::vector<float> ParseDampingRatios(const Arguments& parsed) {
  std::vector<float> ratios;
  for (const std::string& option : parsed.Values("--damping")) {
    size_t begin = 0;
    while (begin <= option.size()) {
      const size_t end = std::min(option.find(',', begin), option.size());
      const std::string text = option.substr(begin, end - begin);
      double ratio = -1;
      const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), ratio);
      if (error != std::errc() || stop != text.data() + text.size() || !(ratio >= 0 && ratio <= 1)) {
        throw UsageError("--damping must be a ratio from 0 to 1 (0.05 for 5 %), not '" + text + "'");
      }
      ratios.push_back(static_cast<float>(ratio));
      begin = end + 1;
    }
  }
  if (ratios.empty()) ratios.push_back(0.05f);
  return ratios;
}

int RunRotd(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
  const Arguments parsed = Parse(
      args, {"--start", "--width", "--damping", "--method", "-o", "--output", "--out-dir", "--station"}, {"--no-dc"});
  if (parsed.Has("--help")) {
    out << kRotdHelp;
    return 0;
  }
  if (parsed.files.empty()) throw UsageError("rotd needs at least one record file");
  const SectionChoice choice = ParseSectionChoice(parsed);
  const std::vector<float> ratios = ParseDampingRatios(parsed);
  const SpectrumMethod method = cli::ParseMethod(parsed);
  ResultFiles results(parsed);
  const RecordInputs inputs(parsed.files, parsed.Values("--station"), false, err);
  if (!results.Prepare(inputs, err)) return 1;
  const StationTables stations = LoadStations(env, err);
  const PeriodGrid grid = MakePeriodGrid();
  return ForEachRecord(inputs, env, err, [&](const RecordInput& input) {
    const auto record = LoadRecord(input, stations, true, !parsed.Has("--no-dc"), err);
    if (!HasHorizontalPair(*record)) {
      throw RecordError(input.name + ": RotD needs the two horizontal components (NS and EW)");
    }
    const DisplayedSection section = ChooseSection(*record, choice, err, input.name);
    std::vector<RotatedSpectrum> spectra;
    for (const float ratio : ratios) {
      spectra.push_back(
          ComputeRotatedSpectrum(*record, section.StartIndex, section.DisplayCount, grid, ratio, method));
    }
    results.Write(FormatRotatedCsv(spectra), *record, input, "rotd.csv", out);
  });
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
  const std::string command = args.empty() ? std::string() : args[0];
  const std::vector<std::string> rest(args.empty() ? args.end() : args.begin() + 1, args.end());
  try {
    if (command == "info") return RunInfo(rest, out, err, env);
    if (command == "spectra") return RunSpectra(rest, out, err, env);
    if (command == "fourier") return RunFourier(rest, out, err, env);
    if (command == "wave-csv") return RunWaveCsv(rest, out, err, env);
    if (command == "synth") return cli::RunSynth(rest, out, err, env);
    if (command == "metrics") return cli::RunMetrics(rest, out, err, env);
    if (command == "list") return RunList(rest, out, err, env);
    if (command == "sva") return RunSva(rest, out, err, env);
    if (command == "rotd") return RunRotd(rest, out, err, env);
    if (command == "--help" || command == "-h" || command == "help") {
      out << kMainHelp;
      return 0;
    }
    throw UsageError(command.empty() ? "no command given" : "unknown command '" + command + "'");
  } catch (const UsageError& error) {
    err << kProgram << ": " << error.what() << "\n" << "Run '" << kProgram << " --help' for usage.\n";
    return 1;
  } catch (const RecordError& error) {
    // Refused before any record is processed: an output that is one of the inputs.
    err << kProgram << ": " << error.what() << "\n";
    return 1;
  }
}

}  // namespace tremora
