#pragma once
// The batch command line, tremora-cli: record information, response spectra and waveform CSV files
// for many records without a window. Everything it writes is made by the same core functions as
// the windows' exports.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace tremora {

struct CliEnvironment {
  std::string data_folder;  // where SITENAME.CSV and SHOBONAME.CSV are
  // Called as the work on each record begins, with the record's name; tests make it throw as a
  // failing allocation would.
  std::function<void(const std::string& record)> record_started = nullptr;
};

// Runs one command line (args without the program name). Results go to out, messages to err.
// Returns the exit status: 0 when everything succeeded, 1 when any record or file failed or the
// command line was wrong.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CliEnvironment& env);

}  // namespace tremora
