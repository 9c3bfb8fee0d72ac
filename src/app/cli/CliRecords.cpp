#include "app/cli/CliRecords.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <new>
#include <sys/stat.h>

#include "app/cli/CliArguments.h"
#include "base/Ascii.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "record/FormatDetection.h"
#include "record/KnetLoading.h"
#include "record/FormatDetection.h"
#include "wave/PeerAt2RecordLoad.h"
#include "wave/RecordFileLoad.h"

namespace tremora::cli {

namespace {

// Why a named path cannot be a record file, or empty when it is a regular file.
std::string NotARecordFile(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return "no such file";
  if (S_ISDIR(info.st_mode)) return "is a folder, not a record file";
  if (!S_ISREG(info.st_mode)) return "is not a regular file";
  return std::string();
}

// A path's file as one name: the canonical path when it exists, else the path as given.
std::string Identity(const std::string& path) {
  std::error_code error;
  const std::filesystem::path canonical = std::filesystem::canonical(path, error);
  return error ? path : canonical.string();
}

// A record of PEER .AT2 files: the one named, or the files of --components, each of which must be one.
std::unique_ptr<RecordSet> LoadPeerAt2Record(const RecordInput& input, bool remove_mean, std::ostream& err) {
  const std::vector<std::string> files = input.components.empty() ? std::vector<std::string>{input.path}
                                                                   : input.components;
  for (const std::string& file : files) {
    if (const std::string why = NotARecordFile(file); !why.empty()) {
      throw RecordError(input.name + ": " + file + " " + why);
    }
    if (DetectRecordFormatOfFile(file) != RecordFormat::PeerAt2) {
      throw RecordError(input.name + ": " + file + " is not a PEER .AT2 file (--components forms a record of those)");
    }
  }
  PeerAt2LoadResult result;
  try {
    result = ReadPeerAt2Record(files, remove_mean);
  } catch (const std::runtime_error& error) {  // FileAccessError or RecordFormatError
    throw RecordError(input.name + ": " + error.what());
  }
  for (const std::string& line : result.warnings.Lines()) err << kProgram << ": warning: " << line << "\n";
  if (result.record->SampleCount <= 0) throw RecordError(input.name + ": the record holds no samples");
  return std::move(result.record);
}

}  // namespace

StationTables LoadStations(const CliEnvironment& env, std::ostream& err) {
  StationTableLoad load = LoadStationTables(env.data_folder);
  if (load.site_file_missing) {
    err << kProgram << ": warning: " << env.data_folder << "/" << kSiteFileName
        << " not found; station names stay empty\n";
  }
  return std::move(load.tables);
}

std::unique_ptr<RecordSet> LoadRecord(const RecordInput& input, const StationTables& stations, bool three_components,
                                      bool remove_mean, std::ostream& err) {
  const std::string& path = input.path;
  const std::string& name = input.name;
  const auto shown = [&input](const std::string& text) { return input.bundle ? input.bundle->Shown(text) : text; };
  if (const std::string why = NotARecordFile(path); !why.empty()) throw RecordError(name + ": " + why);
  if (!input.components.empty() || DetectRecordFormatOfFile(path) == RecordFormat::PeerAt2) {
    return LoadPeerAt2Record(input, remove_mean, err);
  }
  KnetLoadRequest request;
  request.path = path;
  request.three_components = three_components;
  request.remove_mean = remove_mean;
  // Known by the bundle: outputs beside "the record" go beside the bundle.
  if (input.bundle != nullptr) request.bundle_path = input.bundle->path;
  KnetLoadResult result;
  try {
    result = ReadRecordFile(stations, request);
  } catch (const FileAccessError& error) {
    if (error.path() != path && NotARecordFile(error.path()) == "no such file") {
      throw RecordError(name + ": partner file " + shown(error.path()) + " is missing (use --single to read " +
                        (input.bundle ? "each component alone)" : "this file alone)"));
    }
    throw RecordError(name + ": " + shown(error.what()));
  } catch (const RecordFormatError& error) {
    throw RecordError(name + ": " + shown(error.what()));
  }
  if (result.outcome == KnetLoadOutcome::BadFileName) {
    throw RecordError(name + ": not a record file name (the extension must be shorter than 4 characters)");
  }
  std::unique_ptr<RecordSet> record = std::move(result.record);
  for (const std::string& line : result.warnings.Lines()) err << kProgram << ": warning: " << shown(line) << "\n";
  if (record->SampleCount <= 0) throw RecordError(name + ": the record holds no samples");
  if (result.outcome == KnetLoadOutcome::StationNotFound) {
    err << kProgram << ": warning: " << name << ": station " << record->Header.StationCode
        << " is not in the station tables\n";
  }
  return record;
}

RecordInputs::RecordInputs(const std::vector<std::string>& files, const std::vector<std::string>& stations,
                           bool single_components, std::ostream& err,
                           const std::vector<std::vector<std::string>>& component_groups) {
  for (const std::string& list : stations) {
    // An empty choice would pick nothing, and no choice means every record: say so instead.
    if (list.find_first_not_of(',') == std::string::npos) {
      throw UsageError("--station needs station codes (CODE or CODE:SENSOR, comma-separated), not '" + list + "'");
    }
    for (size_t from = 0; from <= list.size();) {
      const size_t comma = std::min(list.find(',', from), list.size());
      std::string code = list.substr(from, comma - from);
      from = comma + 1;
      if (code.empty()) continue;
      StationPick pick;
      if (const size_t colon = code.find(':'); colon != std::string::npos) {
        pick.sensor = code.substr(colon + 1);
        code.resize(colon);
        if (pick.sensor.size() != 1 || pick.sensor[0] < '0' || pick.sensor[0] > '9' || code.empty()) {
          throw UsageError("--station takes CODE or CODE:SENSOR (a KiK-net sensor digit), not '" + list + "'");
        }
      }
      pick.code = UpperAscii(code);
      picks_.push_back(pick);
    }
  }
  // Each group stands among the files as its run of files, in the place it was named.
  std::vector<std::string> named;
  size_t next_group = 0;
  for (size_t i = 0; i < files.size();) {
    if (next_group < component_groups.size()) {
      const std::vector<std::string>& group = component_groups[next_group];
      if (i + group.size() <= files.size() && std::equal(group.begin(), group.end(), files.begin() + i)) {
        std::string name;
        for (const std::string& component : group) name += (name.empty() ? "" : ",") + component;
        RecordInput input{group[0], name};
        input.components = group;
        records_.push_back(std::move(input));
        i += group.size();
        ++next_group;
        continue;
      }
    }
    named.push_back(files[i++]);
  }
  for (const std::string& file : DistinctRecords(named, single_components)) {
    if (IsBundleName(file)) {
      AddBundle(file, single_components, err);
    } else {
      records_.push_back({file, file});
    }
  }
  for (const StationPick& pick : picks_) {
    if (pick.found) continue;
    err << kProgram << ": station " << pick.code << (pick.sensor.empty() ? "" : ":" + pick.sensor)
        << " is in none of the bundles\n";
    failed_ = true;
  }
}

void RecordInputs::AddBundle(const std::string& path, bool single_components, std::ostream& err) {
  try {
    if (!folder_) folder_ = std::make_unique<PrivateFolder>();
    bundles_.push_back(OpenBundle(path, folder_->NewSubfolder()));
  } catch (const BundleError& error) {
    err << kProgram << ": " << error.what() << "\n";
    failed_ = true;
    return;
  } catch (const FileAccessError& error) {
    err << kProgram << ": " << path << ": " << error.what() << "\n";
    failed_ = true;
    return;
  }
  const Bundle& bundle = bundles_.back();
  for (const std::string& refusal : bundle.refused) {
    err << kProgram << ": " << refusal << "\n";
    failed_ = true;
  }
  if (bundle.records.empty() && bundle.refused.empty()) {
    err << kProgram << ": " << path << ": holds no K-NET or KiK-net component files\n";
    failed_ = true;
  }
  for (const BundleRecord& record : bundle.records) {
    const std::string code = UpperAscii(record.header.StationCode);
    bool picked = picks_.empty();
    for (StationPick& pick : picks_) {
      if (pick.code != code || (!pick.sensor.empty() && pick.sensor != record.sensor)) continue;
      pick.found = picked = true;
    }
    if (!picked) continue;
    if (!single_components) {
      records_.push_back({record.FirstFile(), path + ":" + record.FirstMember(), &bundle, &record});
      continue;
    }
    for (int ch = 0; ch < kMaxChannels; ++ch) {
      if (!record.files[ch].empty()) records_.push_back({record.files[ch], path + ":" + record.members[ch], &bundle, &record});
    }
  }
}

const RecordInput& TheOnlyRecord(const RecordInputs& inputs, const std::string& command) {
  const size_t count = inputs.records().size();
  if (count == 1) return inputs.records()[0];
  throw UsageError(command + " needs exactly one record, not " + std::to_string(count) +
                   " (pick one from a bundle with --station CODE or CODE:SENSOR)");
}

std::vector<std::string> DistinctRecords(const std::vector<std::string>& files, bool single_components) {
  std::vector<std::string> distinct;
  std::set<std::string> seen;
  auto names = std::make_unique<RecordSet>();  // only its names are used
  for (const std::string& file : files) {
    std::string key = Identity(file);
    if (!single_components && !IsBundleName(file) && NotARecordFile(file).empty() &&
        !IsSelfContainedRecordFile(file)) {
      PrepareKnetLoad(*names, file, true);
      key.clear();
      for (int ch = 0; ch < names->ChannelCount; ++ch) key += Identity(names->ComponentPaths[ch]) + '\n';
    }
    if (seen.insert(key).second) distinct.push_back(file);
  }
  return distinct;
}

bool ProcessRecord(const RecordInput& input, const CliEnvironment& env, std::ostream& err,
                   const std::function<void()>& work) {
  const auto shown = [&input](const std::string& text) { return input.bundle ? input.bundle->Shown(text) : text; };
  try {
    if (env.record_started) env.record_started(input.name);
    work();
    return true;
  } catch (const RecordError& error) {
    err << kProgram << ": " << error.what() << "\n";
  } catch (const FileAccessError& error) {
    err << kProgram << ": " << input.name << ": " << shown(error.what()) << "\n";
  } catch (const RecordFormatError& error) {
    err << kProgram << ": " << input.name << ": " << shown(error.what()) << "\n";
  } catch (const std::bad_alloc&) {
    // What this record holds is released on the way here; the next one may well fit.
    err << kProgram << ": " << input.name << ": not enough memory; skipped\n";
  }
  return false;
}

int ForEachRecord(const RecordInputs& inputs, const CliEnvironment& env, std::ostream& err,
                  const std::function<void(const RecordInput&)>& work, const std::function<void()>& after_each) {
  int status = inputs.failed() ? 1 : 0;
  for (const RecordInput& input : inputs.records()) {
    if (!ProcessRecord(input, env, err, [&] { work(input); })) status = 1;
    if (after_each) after_each();
  }
  return status;
}

}  // namespace tremora::cli
