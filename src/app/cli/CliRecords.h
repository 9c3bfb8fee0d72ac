#pragma once
// The records of a tremora-cli run: loading one the way the main window does, telling the user on
// standard error where a file's data were bent, and recognising one record named by several of
// its component files.

#include <memory>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "record/RecordSet.h"
#include "record/StationTables.h"

namespace tremora::cli {

inline constexpr const char* kProgram = "tremora-cli";

// A record that cannot be processed; the message names the file.
class RecordError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Loads the record the way the main window does; warnings go to err. Throws RecordError.
std::unique_ptr<RecordSet> LoadRecord(const std::string& path, const StationTables& stations, bool three_components,
                                      bool remove_mean, std::ostream& err);

// The named files with every record kept once, at its first naming: the component files of one
// record (NS, EW and UD of a glob) name the same record. With single_components every file is a
// record of its own.
std::vector<std::string> DistinctRecords(const std::vector<std::string>& files, bool single_components);

// Throws RecordError when output is the same file (device and inode) as one of the record's
// component files or of the files named on the command line: a result never replaces its input.
void RefuseOutputOverInput(const std::string& output, const RecordSet& record,
                           const std::vector<std::string>& named_files);

}  // namespace tremora::cli
