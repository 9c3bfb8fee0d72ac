#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/cli/CliCommands.h"
#include "record/StationTables.h"
#include "record/TextFile.h"

int main(int argc, char* argv[]) {
  std::setlocale(LC_ALL, "C");
  std::ios::sync_with_stdio(false);
  char program[4096] = {};
  const ssize_t length = ::readlink("/proc/self/exe", program, sizeof program - 1);
  const std::string program_folder = length > 0 ? tremora::FolderOf(std::string(program, length)) : std::string();
  const tremora::CliEnvironment env{tremora::FindDataFolder(program_folder)};
  const int status = tremora::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, env);
  std::cout.flush();
  return std::cout.fail() ? 1 : status;
}
