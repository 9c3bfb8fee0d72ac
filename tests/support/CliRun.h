#pragma once
// One tremora-cli command line run through its entry function, with what it wrote.

#include <sstream>
#include <string>
#include <vector>

#include "app/cli/CliCommands.h"

namespace tremora::testing {

struct CliRun {
  int status = 0;
  std::string out, err;
};

inline CliRun Cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunCli(args, out, err, CliEnvironment{TREMORA_DATA_DIR});
  return {status, out.str(), err.str()};
}

}  // namespace tremora::testing
