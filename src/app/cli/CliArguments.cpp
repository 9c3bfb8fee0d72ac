#include "app/cli/CliArguments.h"

namespace tremora::cli {

Arguments Parse(const std::vector<std::string>& args, const std::set<std::string>& value_options,
                const std::set<std::string>& flag_options) {
  Arguments parsed;
  bool options_done = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_done || arg.size() < 2 || arg[0] != '-') {
      parsed.files.push_back(arg);
    } else if (arg == "--") {
      options_done = true;
    } else if (arg == "-h" || arg == "--help") {
      parsed.flags.insert("--help");
    } else if (flag_options.count(arg) != 0) {
      parsed.flags.insert(arg);
    } else if (value_options.count(arg) != 0) {
      if (i + 1 >= args.size()) throw UsageError("option " + arg + " needs a value");
      parsed.values[arg] = args[++i];
      parsed.all_values[arg].push_back(args[i]);
    } else {
      throw UsageError("unknown option " + arg);
    }
  }
  return parsed;
}

SpectrumMethod ParseMethod(const Arguments& parsed) {
  const std::string* name = parsed.Value("--method");
  if (name == nullptr || *name == "linear") return SpectrumMethod::LinearAcceleration;
  if (*name == "exact") return SpectrumMethod::Exact;
  throw UsageError("--method must be linear or exact, not '" + *name + "'");
}

}  // namespace tremora::cli
