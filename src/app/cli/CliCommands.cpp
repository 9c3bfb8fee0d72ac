#include "app/cli/CliCommands.h"

#include <charconv>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>

#include "analysis/CliMetrics.h"
#include "app/cli/CliArguments.h"
#include "app/cli/CliRecords.h"
#include "analysis/FourierSpectrum.h"
#include "app/cli/CliSynth.h"
#include "record/CNumbers.h"
#include "record/Errors.h"
#include "record/StationTables.h"
#include "record/TextFile.h"
#include "spectrum/SpectrumCsv.h"
#include "spectrum/SpectrumSolver.h"
#include "wave/KnetRecordLoad.h"
#include "wave/WaveCsv.h"
#include "wave/WaveProcessing.h"

namespace tremora {

namespace {

using cli::Arguments;
using cli::DistinctRecords;
using cli::kProgram;
using cli::LoadRecord;
using cli::RecordError;
using cli::Parse;
using cli::RefuseOutputOverInput;
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
    "  metrics FILE...      PGA, PGV, PGD, Arias intensity, D5-95, CAV and the JMA intensity as CSV\n"
    "\n"
    "Any one component file names the record: its partners (.ns/.ew/.ud, KiK-net 1/2 suffixes)\n"
    "are found beside it whatever the case of their extension.\n"
    "Run 'tremora-cli COMMAND --help' for the options of a command.\n";

constexpr const char* kInfoHelp =
    "Usage: tremora-cli info [--single] [--no-dc] FILE...\n"
    "\n"
    "Prints the header values of each record, its sample count, sampling rate and scale factor,\n"
    "and the peak acceleration of each component.\n"
    "\n"
    "  --single   read only the named component file, not its partners\n"
    "  --no-dc    keep the mean of each component (by default it is removed before the peak)\n";

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
    "                     origin time (BASErsp.csv); needed for several records\n";

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
    "  --out-dir DIR      write one CSV per record into DIR (BASEfas.csv)\n";

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
    "  -o FILE            write to FILE (default: standard output)\n";

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

// Writes text to the -o file, or to standard output without one (or with "-").
void WriteOutput(const std::string* output, const std::string& text, std::ostream& out, const RecordSet& record,
                 const std::vector<std::string>& named_files) {
  if (output == nullptr || *output == "-") {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
  } else {
    RefuseOutputOverInput(*output, record, named_files);
    WriteWholeFile(*output, text);
  }
}

// Writes one record's result into the --out-dir folder; two records that would write the same
// file, or a target that is one of the files being read, are refused.
void WriteIntoOutputFolder(const std::string& target, const std::string& text, const std::string& path,
                           const RecordSet& record, const std::vector<std::string>& named_files,
                           std::map<std::string, std::string>& written) {
  if (const auto earlier = written.find(target); earlier != written.end()) {
    throw RecordError(path + ": same record as " + earlier->second + " (both would be written to " + target +
                      "); skipped");
  }
  RefuseOutputOverInput(target, record, named_files);
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
  if (single) {
    base += "-" + record.ComponentNames[0];
  } else if (!parts.suffix.empty()) {
    base += "-" + parts.suffix;
  }
  return base + ending;
}

StationTables LoadStations(const CliEnvironment& env, std::ostream& err) {
  StationTableLoad load = LoadStationTables(env.data_folder);
  if (load.site_file_missing) {
    err << kProgram << ": warning: " << env.data_folder << "/" << kSiteFileName
        << " not found; station names stay empty\n";
  }
  return std::move(load.tables);
}

int RunInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
  const Arguments parsed = Parse(args, {}, {"--single", "--no-dc"});
  if (parsed.Has("--help")) {
    out << kInfoHelp;
    return 0;
  }
  if (parsed.files.empty()) throw UsageError("info needs at least one record file");
  const StationTables stations = LoadStations(env, err);
  int status = 0;
  for (const std::string& path : DistinctRecords(parsed.files, parsed.Has("--single"))) {
    try {
      const auto record = LoadRecord(path, stations, !parsed.Has("--single"), !parsed.Has("--no-dc"), err);
      const RecordHeader& h = record->Header;
      std::string text;
      const auto line = [&text](const char* label, const std::string& value) {
        text += FormatC("%-22s%s\n", label, value.c_str());
      };
      line("File", path);
      line("Station code", h.StationCode);
      line("Station name", record->CurrentStation.Name);
      line("Origin time", h.OriginDate + " " + h.OriginTime);
      line("Epicentre", FormatC("%.4f N  %.4f E", h.EpicentreLatitude, h.EpicentreLongitude));
      line("Depth (km)", FormatC("%d", h.Depth));
      line("Magnitude", FormatC("%.1f", h.Magnitude));
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
    } catch (const RecordError& error) {
      err << kProgram << ": " << error.what() << "\n";
      status = 1;
    }
  }
  return status;
}

int RunSpectra(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
  const Arguments parsed =
      Parse(args, {"--start", "--width", "--damping", "--method", "-o", "--output", "--out-dir"}, {"--single", "--no-dc"});
  if (parsed.Has("--help")) {
    out << kSpectraHelp;
    return 0;
  }
  if (parsed.files.empty()) throw UsageError("spectra needs at least one record file");
  const SectionChoice choice = ParseSectionChoice(parsed);
  const DampingRatios ratios = DampingSet(ParseDamping(parsed));
  SpectrumMethod method = SpectrumMethod::LinearAcceleration;
  if (const std::string* name = parsed.Value("--method")) {
    if (*name == "exact") {
      method = SpectrumMethod::Exact;
    } else if (*name != "linear") {
      throw UsageError("--method must be linear or exact, not '" + *name + "'");
    }
  }
  const std::string* output = parsed.Value("-o") != nullptr ? parsed.Value("-o") : parsed.Value("--output");
  const std::string* out_dir = parsed.Value("--out-dir");
  if (output != nullptr && out_dir != nullptr) throw UsageError("give either -o or --out-dir, not both");
  const bool single = parsed.Has("--single");
  const std::vector<std::string> records = DistinctRecords(parsed.files, single);
  if (records.size() > 1 && out_dir == nullptr) {
    throw UsageError("several records need --out-dir (one CSV file each)");
  }
  if (out_dir != nullptr && !MakeOutputFolder(*out_dir, err)) return 1;
  const StationTables stations = LoadStations(env, err);
  const PeriodGrid grid = MakePeriodGrid();
  std::map<std::string, std::string> written;  // output file -> record that wrote it
  int status = 0;
  for (const std::string& path : records) {
    try {
      const auto record = LoadRecord(path, stations, !single, !parsed.Has("--no-dc"), err);
      const DisplayedSection section = ChooseSection(*record, choice, err, path);
      auto spectra = std::make_unique<SpectrumSet>();
      ComputeSpectra(*record, section.StartIndex, section.DisplayCount, grid, ratios, *spectra, {}, method);
      const std::string text = FormatSpectrumCsv(*record, grid, ratios, *spectra, method);
      if (out_dir == nullptr) {
        WriteOutput(output, text, out, *record, parsed.files);
        continue;
      }
      const std::string target = *out_dir + "/" + SpectrumFileName(*record, path, single);
      WriteIntoOutputFolder(target, text, path, *record, parsed.files, written);
    } catch (const RecordError& error) {
      err << kProgram << ": " << error.what() << "\n";
      status = 1;
    } catch (const FileAccessError& error) {
      err << kProgram << ": " << path << ": " << error.what() << "\n";
      status = 1;
    }
  }
  return status;
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
      Parse(args, {"--start", "--width", "--smooth", "-o", "--output", "--out-dir"}, {"--single", "--no-dc"});
  if (parsed.Has("--help")) {
    out << kFourierHelp;
    return 0;
  }
  if (parsed.files.empty()) throw UsageError("fourier needs at least one record file");
  const SectionChoice choice = ParseSectionChoice(parsed);
  const double band_width = ParseSmoothing(parsed);
  const std::string* output = parsed.Value("-o") != nullptr ? parsed.Value("-o") : parsed.Value("--output");
  const std::string* out_dir = parsed.Value("--out-dir");
  if (output != nullptr && out_dir != nullptr) throw UsageError("give either -o or --out-dir, not both");
  const bool single = parsed.Has("--single");
  const std::vector<std::string> records = DistinctRecords(parsed.files, single);
  if (records.size() > 1 && out_dir == nullptr) {
    throw UsageError("several records need --out-dir (one CSV file each)");
  }
  if (out_dir != nullptr && !MakeOutputFolder(*out_dir, err)) return 1;
  const StationTables stations = LoadStations(env, err);
  std::map<std::string, std::string> written;  // output file -> record that wrote it
  int status = 0;
  for (const std::string& path : records) {
    try {
      const auto record = LoadRecord(path, stations, !single, !parsed.Has("--no-dc"), err);
      const DisplayedSection section = ChooseSection(*record, choice, err, path);
      const std::string text = FormatFourierCsv(
          ComputeFourierSpectra(*record, section.StartIndex, section.DisplayCount, band_width));
      if (out_dir == nullptr) {
        WriteOutput(output, text, out, *record, parsed.files);
        continue;
      }
      const std::string target = *out_dir + "/" + SpectrumFileName(*record, path, single, "fas.csv");
      WriteIntoOutputFolder(target, text, path, *record, parsed.files, written);
    } catch (const RecordError& error) {
      err << kProgram << ": " << error.what() << "\n";
      status = 1;
    } catch (const FileAccessError& error) {
      err << kProgram << ": " << path << ": " << error.what() << "\n";
      status = 1;
    }
  }
  return status;
}

int RunWaveCsv(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
  const Arguments parsed = Parse(args, {"--start", "--width", "--quantity", "-o", "--output"}, {"--single", "--no-dc"});
  if (parsed.Has("--help")) {
    out << kWaveHelp;
    return 0;
  }
  if (parsed.files.size() != 1) throw UsageError("wave-csv needs exactly one record file");
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
  const std::string* output = parsed.Value("-o") != nullptr ? parsed.Value("-o") : parsed.Value("--output");
  const std::string& path = parsed.files[0];
  const bool remove_mean = !parsed.Has("--no-dc");
  const StationTables stations = LoadStations(env, err);
  try {
    const auto record = LoadRecord(path, stations, !parsed.Has("--single"), remove_mean, err);
    const DisplayedSection section = ChooseSection(*record, choice, err, path);
    ProcessDisplayedSection(*record, section, remove_mean);
    WriteOutput(output, FormatWaveCsv(*record, section, quantity), out, *record, parsed.files);
  } catch (const RecordError& error) {
    err << kProgram << ": " << error.what() << "\n";
    return 1;
  } catch (const FileAccessError& error) {
    err << kProgram << ": " << path << ": " << error.what() << "\n";
    return 1;
  }
  return 0;
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
    if (command == "--help" || command == "-h" || command == "help") {
      out << kMainHelp;
      return 0;
    }
    throw UsageError(command.empty() ? "no command given" : "unknown command '" + command + "'");
  } catch (const UsageError& error) {
    err << kProgram << ": " << error.what() << "\n" << "Run '" << kProgram << " --help' for usage.\n";
    return 1;
  }
}

}  // namespace tremora
