// Issue 12: tremora-cli synth.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

#include "TempFolder.h"
#include "app/Synthesis.h"
#include "app/cli/CliCommands.h"
#include "core/wave/SampleRecords.h"
#include "base/TextFile.h"
#include "wave/KnetRecordLoad.h"

namespace tremora {
namespace {

using testing::TempFolder;

struct SynthRun {
  int status;
  std::string out, err;
};

SynthRun Synth(std::vector<std::string> args) {
  args.insert(args.begin(), "synth");
  std::ostringstream out, err;
  const int status = RunCli(args, out, err, CliEnvironment{TREMORA_DATA_DIR});
  return {status, out.str(), err.str()};
}

class CliSynth : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* ext : {"NS", "EW", "UD"}) {
      std::filesystem::copy_file(testing::RecordPath(std::string("AOM0011801241951.") + ext), Copy(ext));
    }
  }
  std::string Copy(const char* ext) const { return folder / (std::string("AOM0011801241951.") + ext); }
  // What the synthesis writes for the record loaded as the main window loads it.
  std::string Expected(int azimuth, bool remove_mean) const {
    auto record = std::make_unique<RecordSet>();
    LoadKnetRecordCore(*record, StationTables{}, Copy("EW"), true, remove_mean);
    WriteSynthesis(*record, azimuth, folder / "expected");
    return ReadWholeFile(folder / "expected");
  }
  TempFolder folder{"cli-synth"};
};

TEST_F(CliSynth, WritesTheWindowsDefaultNameBesideTheRecordOrTheNamedFile) {
  const SynthRun run = Synth({"--azimuth", "45", Copy("UD")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, Copy("045") + "\n");
  EXPECT_EQ(ReadWholeFile(Copy("045")), Expected(45, true));

  const SynthRun kept = Synth({"--no-dc", "--azimuth", "330", "-o", folder / "kept.dat", Copy("NS")});
  ASSERT_EQ(kept.status, 0) << kept.err;
  EXPECT_EQ(ReadWholeFile(folder / "kept.dat"), Expected(330, false));
}

TEST_F(CliSynth, FailsWithAMessageForMissingComponentsABadAzimuthAFailedWriteAndOutputOverInput) {
  const std::string before = ReadWholeFile(Copy("UD"));
  const std::vector<std::pair<std::vector<std::string>, std::string>> failures = {
      {{"--azimuth", "4.5", Copy("NS")}, "--azimuth needs a whole number of degrees, not '4.5'"},
      // Issue 22: only the window's azimuths make a name the program can open again.
      {{"--azimuth", "-1", Copy("NS")}, "--azimuth must be 0 to 359 degrees, not '-1'"},
      {{"--azimuth", "360", Copy("NS")}, "--azimuth must be 0 to 359 degrees, not '360'"},
      {{"--azimuth", "2147483647", Copy("NS")}, "--azimuth must be 0 to 359 degrees, not '2147483647'"},
      {{"--azimuth", "99999999999", Copy("NS")}, "--azimuth must be 0 to 359 degrees, not '99999999999'"},
      {{"--azimuth", "45", "-o", folder / "no-such-folder/out.045", Copy("NS")},
       folder / "no-such-folder/out.045 (No such file or directory)"},
      {{"--azimuth", "45", "-o", Copy("UD"), Copy("NS")}, "would replace"},
  };
  for (const auto& [args, message] : failures) {
    const SynthRun run = Synth(args);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
  }
  EXPECT_EQ(ReadWholeFile(Copy("UD")), before);

  EXPECT_FALSE(std::filesystem::exists(Copy("-01")) || std::filesystem::exists(Copy("360")));

  std::filesystem::remove(Copy("EW"));
  const SynthRun run = Synth({"--azimuth", "45", Copy("NS")});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("AOM0011801241951.EW is missing; synthesis needs the record's NS and EW components"),
            std::string::npos)
      << run.err;
}

// Issue 22: the default name is checked as -o is: here it is a link to the record's UD file.
TEST_F(CliSynth, ADefaultNameThatIsAnInputIsRefusedAndTheInputKept) {
  const std::string before = ReadWholeFile(Copy("UD"));
  std::filesystem::create_symlink(Copy("UD"), Copy("045"));
  const SynthRun run = Synth({"--azimuth", "45", Copy("NS")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "tremora-cli: " + Copy("045") + ": would replace " + Copy("UD") + ", a file being read; nothing written\n");
  EXPECT_EQ(ReadWholeFile(Copy("UD")), before);
}

}  // namespace
}  // namespace tremora
