#pragma once
// Every file a tremora-cli run may read, gathered from the command line before anything is read or
// written, so that no output can replace one of them, whatever loads afterwards: a record that
// fails to load is still an input the user wants back.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include <sys/types.h>

namespace tremora::cli {

class InputFiles {
 public:
  // The named files (bundles among them) and, for each named record file, its partner files: as
  // found on disk, or, where one is not there, as it would be looked for (its derived name in any
  // case of the extension).
  explicit InputFiles(const std::vector<std::string>& named);

  // Throws RecordError naming both files when output is one of the inputs: the same file whatever
  // its name (device and inode) where both exist, the same normalised path otherwise.
  void RefuseAsOutput(const std::string& output) const;

 private:
  void Add(const std::string& path, bool any_case_extension);

  std::map<std::pair<dev_t, ino_t>, std::string> on_disk_;  // device and inode -> input as named
  std::map<std::string, std::string> by_path_;              // normalised path -> input as named
  std::map<std::string, std::string> by_path_any_case_;     // ... with its extension in upper case
};

}  // namespace tremora::cli
