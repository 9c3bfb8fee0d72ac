#pragma once
// The records of a tremora-cli run: the named files and the records inside named bundles, loading
// one the way the main window does, telling the user on standard error where a file's data were
// bent, and recognising one record named by several of its component files.

#include <functional>
#include <list>
#include <memory>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/cli/CliCommands.h"
#include "record/Bundle.h"
#include "record/RecordSet.h"
#include "record/StationTables.h"

namespace tremora::cli {

inline constexpr const char* kProgram = "tremora-cli";

// A record that cannot be processed; the message names the file.
class RecordError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One record to process: the file that names it and how the user knows it.
struct RecordInput {
  std::string path;  // a component file (for a record from a bundle, its unpacked copy)
  std::string name;  // the path as named, or "BUNDLE:MEMBER"
  const Bundle* bundle = nullptr;         // the bundle it came from
  const BundleRecord* in_bundle = nullptr;
  // A record formed from several PEER .AT2 files (--components): all of them, path the first.
  std::vector<std::string> components = {};
};

// The records of the named files, in the order named: a component file names its record (several
// files of one record count once), a bundle (.tar, .tar.gz, .tgz) gives its records, only those of
// the chosen stations when there is a choice ("CODE" or "CODE:SENSOR", comma-separated). Bundles
// are unpacked into a private folder that goes with this object. A bundle that cannot be read, or
// a chosen station found in no bundle, is told on err and makes failed() true. The files of each of
// component_groups (--components) make one record, in the place of the group's first file.
class RecordInputs {
 public:
  RecordInputs(const std::vector<std::string>& files, const std::vector<std::string>& stations, bool single_components,
               std::ostream& err, const std::vector<std::vector<std::string>>& component_groups = {});
  const std::vector<RecordInput>& records() const { return records_; }
  bool failed() const { return failed_; }

 private:
  void AddBundle(const std::string& path, bool single_components, std::ostream& err);

  struct StationPick {
    std::string code;    // upper case
    std::string sensor;  // empty: every sensor
    bool found = false;
  };
  std::vector<StationPick> picks_;
  std::unique_ptr<PrivateFolder> folder_;  // made for the first bundle
  std::list<Bundle> bundles_;              // records point into them
  std::vector<RecordInput> records_;
  bool failed_ = false;
};

// The one record of a command that works on one (wave-csv, synth); throws UsageError otherwise.
const RecordInput& TheOnlyRecord(const RecordInputs& inputs, const std::string& command);

// The station tables of env's data folder; a missing site table is told on err as a warning.
StationTables LoadStations(const CliEnvironment& env, std::ostream& err);

// Loads the record the way the main window does; warnings go to err. Throws RecordError, its
// message naming the record as the user knows it.
std::unique_ptr<RecordSet> LoadRecord(const RecordInput& input, const StationTables& stations, bool three_components,
                                      bool remove_mean, std::ostream& err);

// The named files with every record kept once, at its first naming: the component files of one
// record (NS, EW and UD of a glob) name the same record. With single_components every file is a
// record of its own.
std::vector<std::string> DistinctRecords(const std::vector<std::string>& files, bool single_components);

// Runs one record's work. A record that cannot be processed (RecordError, a file that cannot be
// read or written, memory running out) is told on err by its name and gives false: the run goes on
// with the next record.
bool ProcessRecord(const RecordInput& input, const CliEnvironment& env, std::ostream& err,
                   const std::function<void()>& work);

// The per-record loop of every command: work on each record in turn, through ProcessRecord, then
// after_each (when given) whether the record was processed or not. Returns the exit status: 1 when
// the inputs were incomplete or any record failed, else 0.
int ForEachRecord(const RecordInputs& inputs, const CliEnvironment& env, std::ostream& err,
                  const std::function<void(const RecordInput&)>& work,
                  const std::function<void()>& after_each = nullptr);

}  // namespace tremora::cli
