#include "app/cli/CliInputFiles.h"

#include <filesystem>
#include <memory>
#include <sys/stat.h>

#include "app/cli/CliRecords.h"
#include "base/Ascii.h"
#include "base/TextFile.h"
#include "record/Bundle.h"
#include "record/FormatDetection.h"
#include "record/KnetLoading.h"

namespace tremora::cli {

namespace {

// The path as one spelling: absolute, "." and ".." resolved, links of its existing folders followed.
std::string Normalised(const std::string& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) return path;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(absolute, error);
  return (error ? absolute.lexically_normal() : resolved).string();
}

// A normalised path with the extension (after the file name's first period) in upper case: the
// way partner files are looked for.
std::string ExtensionUpperCased(std::string path) {
  const size_t name = path.find_last_of('/') + 1;  // 0 when there is no folder
  const size_t period = path.find('.', name);
  if (period == std::string::npos) return path;
  return path.substr(0, period + 1) + UpperAscii(std::string_view(path).substr(period + 1));
}

}  // namespace

InputFiles::InputFiles(const std::vector<std::string>& named) {
  auto names = std::make_unique<RecordSet>();  // only its names are used
  for (const std::string& file : named) {
    Add(file, false);
    if (IsBundleName(file) || IsSelfContainedRecordFile(file)) continue;
    PrepareKnetLoad(*names, file, true);
    for (int ch = 0; ch < names->ChannelCount; ++ch) Add(names->ComponentPaths[ch], true);
  }
}

void InputFiles::Add(const std::string& path, bool any_case_extension) {
  struct stat info;
  const bool exists = ::stat(path.c_str(), &info) == 0;
  if (exists) on_disk_.emplace(std::make_pair(info.st_dev, info.st_ino), path);
  const std::string normalised = Normalised(path);
  by_path_.emplace(normalised, path);
  // A partner not there would be found under any case of its extension once it is.
  if (any_case_extension && !exists) by_path_any_case_.emplace(ExtensionUpperCased(normalised), path);
}

void InputFiles::RefuseAsOutput(const std::string& output) const {
  const std::string* input = nullptr;
  struct stat info;
  if (::stat(output.c_str(), &info) == 0) {
    if (const auto found = on_disk_.find({info.st_dev, info.st_ino}); found != on_disk_.end()) input = &found->second;
  }
  const std::string normalised = Normalised(output);
  if (const auto found = by_path_.find(normalised); input == nullptr && found != by_path_.end()) {
    input = &found->second;
  }
  if (const auto found = by_path_any_case_.find(ExtensionUpperCased(normalised));
      input == nullptr && found != by_path_any_case_.end()) {
    input = &found->second;
  }
  if (input != nullptr) throw RecordError(output + ": would replace " + *input + ", a file being read; nothing written");
}

}  // namespace tremora::cli
