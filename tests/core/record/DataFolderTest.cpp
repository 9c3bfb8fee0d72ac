#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "record/StationTables.h"

namespace tremora {
namespace {

namespace fs = std::filesystem;

// Station tables are looked for in DATA/ of the working folder, then beside the program, then in
// the share/tremora/DATA of the program's installation prefix.
TEST(DataFolder, WorkingFolderThenBesideTheProgramThenTheInstalledTables) {
  const testing::TempFolder root;
  const fs::path prefix = root.path() / "usr";
  const std::string bin = (prefix / "bin").string();
  fs::create_directories(bin);
  fs::create_directories(root.path() / "work");
  const fs::path previous = fs::current_path();
  fs::current_path(root.path() / "work");

  EXPECT_EQ(FindDataFolder(bin), "DATA") << "nothing anywhere: the working folder's name";
  fs::create_directories(prefix / "share/tremora/DATA");
  EXPECT_EQ(fs::canonical(FindDataFolder(bin)), fs::canonical(prefix / "share/tremora/DATA"));
  fs::create_directories(prefix / "bin/DATA");
  EXPECT_EQ(FindDataFolder(bin), bin + "/DATA");
  fs::create_directories(root.path() / "work/DATA");
  EXPECT_EQ(FindDataFolder(bin), "DATA");

  fs::current_path(previous);
}

}  // namespace
}  // namespace tremora
