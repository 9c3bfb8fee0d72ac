#pragma once
// The program's own command line: `tremora [--help | --version] [--lang ja|en] [FILE]`. Qt's options (-platform,
// -display ...) are taken off by Qt before the file is looked for.

#include <string>
#include <vector>

namespace tremora {

struct StartupArguments {
  bool help = false;
  bool version = false;
  std::string language;  // "ja" or "en" from --lang; empty: the remembered choice
  std::string file;   // the record file to load at start-up; empty for none
  std::string error;  // what is wrong with the command line; empty when nothing
};

// args without the program name. "--" ends the options: a file named "-x" follows it.
StartupArguments ParseStartupArguments(const std::vector<std::string>& args);

std::string StartupUsage();
std::string StartupVersion();

}  // namespace tremora
