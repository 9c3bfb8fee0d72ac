#include "app/StartupArguments.h"

namespace tremora {

StartupArguments ParseStartupArguments(const std::vector<std::string>& args) {
  StartupArguments parsed;
  bool options_end = false;
  bool language_next = false;
  auto take_language = [&](const std::string& code) {
    if (code == "ja" || code == "en") {
      parsed.language = code;
    } else if (parsed.error.empty()) {
      parsed.error = "--lang takes ja or en, not '" + code + "'";
    }
  };
  for (const std::string& arg : args) {
    if (language_next) {
      language_next = false;
      take_language(arg);
    } else if (!options_end && arg == "--lang") {
      language_next = true;
    } else if (!options_end && arg.rfind("--lang=", 0) == 0) {
      take_language(arg.substr(7));
    } else if (!options_end && arg == "--") {
      options_end = true;
    } else if (!options_end && (arg == "--help" || arg == "-h")) {
      parsed.help = true;
    } else if (!options_end && arg == "--version") {
      parsed.version = true;
    } else if (!options_end && arg.size() > 1 && arg[0] == '-') {
      if (parsed.error.empty()) parsed.error = "unknown option " + arg;
    } else if (parsed.file.empty()) {
      parsed.file = arg;
    } else if (parsed.error.empty()) {
      parsed.error = "only one record file can be opened, not also " + arg;
    }
  }
  if (language_next && parsed.error.empty()) parsed.error = "--lang needs ja or en";
  return parsed;
}

std::string StartupUsage() {
  return "Usage: tremora [--lang ja|en] [FILE]\n"
         "Shows K-NET / KiK-net and Hiroshima City strong-motion records: waveforms, response\n"
         "spectra, CSV, GIF and PNG exports.\n"
         "\n"
         "  FILE       a component file (.NS, .EW, .UD, KiK-net .NS1 ... .UD2, or a Hiroshima City\n"
         "             .ns/.ew/.ud file), loaded at start-up with its partner files, or a JMA\n"
         "             strong-motion .csv file (three components in one file); the format is\n"
         "             told from the file's header\n"
         "  --lang ja|en  the language of the windows: Japanese (the first language) or English;\n"
         "             remembered as the choice of the Language menu\n"
         "  --help     print this text and exit\n"
         "  --version  print the version and exit\n"
         "\n"
         "Station tables are read from DATA/ in the working folder, else beside the program, else\n"
         "from the installed share/tremora/DATA. For batch processing see tremora-cli(1).\n";
}

std::string StartupVersion() { return "tremora " TREMORA_VERSION "\n"; }

}  // namespace tremora
