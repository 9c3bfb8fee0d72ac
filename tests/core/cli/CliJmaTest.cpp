#include <gtest/gtest.h>

#include <filesystem>

#include "CliRun.h"
#include "TempFolder.h"

namespace tremora {
namespace {

using testing::Cli;
using testing::CliRun;

const std::string kJmaFile = std::string(TREMORA_RECORDS_DIR) + "/jma/Q416EED018.csv";

TEST(CliJma, InfoShowsTheFilesStationAndLeavesTheUnknownEarthquakeEmpty) {
  const CliRun run = Cli({"info", kJmaFile});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  for (const char* line : {"Station code          EED\n", "Station name          南阿蘇村中松\n",
                           "Origin time           \n", "Epicentre             \n", "Depth (km)            \n",
                           "Magnitude             \n", "Record time           2016/04/16 03:54:40\n",
                           "Sampling rate (Hz)    100\n", "Samples               24000\n"}) {
    EXPECT_NE(run.out.find(line), std::string::npos) << line << run.out;
  }
  EXPECT_NE(run.out.find("Peak EW (gal)         297.716 at "), std::string::npos) << run.out;
}

TEST(CliJma, MetricsAndSpectraNameTheRecordByStationAndStartTime) {
  const testing::TempFolder scratch;
  const CliRun metrics = Cli({"metrics", kJmaFile});
  EXPECT_EQ(metrics.status, 0) << metrics.err;
  const std::string row = metrics.out.substr(metrics.out.find('\n') + 1);
  EXPECT_EQ(row.substr(0, row.find(",NS EW UD,")), "EED,南阿蘇村中松,,100,24000");  // the origin cell empty
  EXPECT_NE(row.find(",4.9909"), std::string::npos) << row;  // the unrounded intensity
  EXPECT_NE(row.find(",4.9,5弱"), std::string::npos) << row;

  const CliRun spectra = Cli({"spectra", "--out-dir", scratch.path().string(), kJmaFile});
  EXPECT_EQ(spectra.status, 0) << spectra.err;
  EXPECT_TRUE(std::filesystem::exists(scratch / "EED-201604160354rsp.csv"));
}

TEST(CliJma, SynthesisRefusesARecordWithoutAKnetHeader) {
  const testing::TempFolder scratch;
  const std::string target = scratch / "EED.045";
  const CliRun run = Cli({"synth", "--azimuth", "45", "-o", target, kJmaFile});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "tremora-cli: " + kJmaFile +
                         ": synthesis builds its K-NET file on the record's K-NET header; it needs a K-NET / KiK-net "
                         "record\n");
  EXPECT_FALSE(std::filesystem::exists(target));
}

}  // namespace
}  // namespace tremora
