#pragma once
// The command line of one tremora-cli command: its options, flags and files.

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "spectrum/SpectrumSolver.h"

namespace tremora::cli {

// A command line that cannot be run; the message says what to change.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Arguments {
  std::map<std::string, std::string> values;  // option -> value (the last one given)
  std::map<std::string, std::vector<std::string>> all_values;  // option -> every value, in order
  std::set<std::string> flags;
  std::vector<std::string> files;
  // "--components A,B[,C]": the files of one record each (also listed in files, in their place).
  std::vector<std::vector<std::string>> component_groups;
  bool Has(const std::string& flag) const { return flags.count(flag) != 0; }
  const std::string* Value(const std::string& option) const {
    const auto it = values.find(option);
    return it == values.end() ? nullptr : &it->second;
  }
  std::vector<std::string> Values(const std::string& option) const {
    const auto it = all_values.find(option);
    return it == all_values.end() ? std::vector<std::string>() : it->second;
  }
};

// "-h" and "--help" are always known and become the flag "--help"; "--components" is known to every
// command. "--" ends the options.
// Throws UsageError for an unknown option or a missing value.
Arguments Parse(const std::vector<std::string>& args, const std::set<std::string>& value_options,
                const std::set<std::string>& flag_options);

// The oscillator solver of --method: linear (the default) or exact.
SpectrumMethod ParseMethod(const Arguments& parsed);

}  // namespace tremora::cli
