#pragma once
// tremora-cli metrics: the strong-motion indices and the JMA intensity of many records as CSV.

#include <ostream>
#include <string>
#include <vector>

#include "app/cli/CliCommands.h"

namespace tremora::cli {

// Throws UsageError for a wrong command line; returns the exit status otherwise (1 when any
// record could not be read; the others are still written).
int RunMetrics(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const CliEnvironment& env);

}  // namespace tremora::cli
