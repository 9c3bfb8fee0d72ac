#pragma once
// tremora-cli synth: the horizontal acceleration along an azimuth, written as a new K-NET file as
// the synthesis window writes it.

#include <ostream>
#include <string>
#include <vector>

#include "app/cli/CliCommands.h"

namespace tremora::cli {

// Throws UsageError for a wrong command line; returns the exit status otherwise.
int RunSynth(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CliEnvironment& env);

}  // namespace tremora::cli
