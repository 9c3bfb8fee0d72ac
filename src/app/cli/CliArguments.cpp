#include "app/cli/CliArguments.h"

#include <algorithm>

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
    } else if (arg == "--components") {
      if (i + 1 >= args.size()) throw UsageError("option --components needs a value");
      std::vector<std::string> group;
      const std::string& list = args[++i];
      for (size_t from = 0; from <= list.size();) {
        const size_t comma = std::min(list.find(',', from), list.size());
        if (comma > from) group.push_back(list.substr(from, comma - from));
        from = comma + 1;
      }
      if (group.size() < 2 || group.size() > 3) {
        throw UsageError("--components takes two or three files of one record, comma-separated, not '" + list + "'");
      }
      parsed.files.insert(parsed.files.end(), group.begin(), group.end());
      parsed.component_groups.push_back(std::move(group));
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
