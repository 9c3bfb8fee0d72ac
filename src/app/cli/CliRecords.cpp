#include "app/cli/CliRecords.h"

#include <filesystem>
#include <sys/stat.h>

#include "record/Errors.h"
#include "record/KnetLoading.h"
#include "record/TextFile.h"
#include "wave/KnetRecordLoad.h"

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

}  // namespace

std::unique_ptr<RecordSet> LoadRecord(const std::string& path, const StationTables& stations, bool three_components,
                                      bool remove_mean, std::ostream& err) {
  if (const std::string why = NotARecordFile(path); !why.empty()) throw RecordError(path + ": " + why);
  auto record = std::make_unique<RecordSet>();
  KnetLoadResult result;
  try {
    result = LoadKnetRecordCore(*record, stations, path, three_components, remove_mean);
  } catch (const FileAccessError& error) {
    if (error.path() != path && NotARecordFile(error.path()) == "no such file") {
      throw RecordError(path + ": partner file " + error.path() + " is missing (use --single to read this file alone)");
    }
    throw RecordError(path + ": " + error.what());
  } catch (const RecordFormatError& error) {
    throw RecordError(path + ": " + error.what());
  }
  if (result.outcome == KnetLoadOutcome::BadFileName) {
    throw RecordError(path + ": not a record file name (the extension must be shorter than 4 characters)");
  }
  for (const std::string& line : result.warnings.Lines()) err << kProgram << ": warning: " << line << "\n";
  if (record->SampleCount <= 0) throw RecordError(path + ": the record holds no samples");
  if (result.outcome == KnetLoadOutcome::StationNotFound) {
    err << kProgram << ": warning: " << path << ": station " << record->Header.StationCode
        << " is not in the station tables\n";
  }
  return record;
}

std::vector<std::string> DistinctRecords(const std::vector<std::string>& files, bool single_components) {
  std::vector<std::string> distinct;
  std::set<std::string> seen;
  auto names = std::make_unique<RecordSet>();  // only its names are used
  for (const std::string& file : files) {
    std::string key = Identity(file);
    if (!single_components && NotARecordFile(file).empty()) {
      PrepareKnetLoad(*names, file, true);
      key.clear();
      for (int ch = 0; ch < names->ChannelCount; ++ch) key += Identity(names->ComponentPaths[ch]) + '\n';
    }
    if (seen.insert(key).second) distinct.push_back(file);
  }
  return distinct;
}

void RefuseOutputOverInput(const std::string& output, const RecordSet& record,
                           const std::vector<std::string>& named_files) {
  const std::string* input = RecordFileAt(record, output);
  for (auto named = named_files.begin(); input == nullptr && named != named_files.end(); ++named) {
    if (SameFile(output, *named)) input = &*named;
  }
  if (input != nullptr) throw RecordError(output + ": would replace " + *input + ", a file being read; nothing written");
}

}  // namespace tremora::cli
