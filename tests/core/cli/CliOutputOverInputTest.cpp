// Issue 22: no output of tremora-cli replaces a file the run reads, even one that fails to load.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "BundleBuilder.h"
#include "TempFolder.h"
#include "CliRun.h"
#include "app/cli/CliCommands.h"

namespace tremora {
namespace {

using testing::ReadFileBytes;

using testing::Cli;
using testing::CliRun;

std::string Refusal(const std::string& output, const std::string& input) {
  return "tremora-cli: " + output + ": would replace " + input + ", a file being read; nothing written\n";
}

class CliOutputOverInput : public ::testing::Test {
 protected:
  // The K-NET sample record without its UD file: it fails to load.
  void SetUp() override {
    for (const char* ext : {"NS", "EW"}) {
      const std::string name = std::string("AOM0011801241951.") + ext;
      folder.Write(name, ReadFileBytes(std::string(TREMORA_RECORDS_DIR) + "/" + name));
    }
  }
  testing::TempFolder folder{"cli-over-input"};
};

TEST_F(CliOutputOverInput, MetricsOntoTheFileOfARecordThatFailsToLoadLeavesItIntact) {
  const std::string ns = folder / "AOM0011801241951.NS";
  const std::string before = ReadFileBytes(ns);
  const CliRun run = Cli({"metrics", "--out", ns, ns});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, Refusal(ns, ns));
  EXPECT_EQ(ReadFileBytes(ns), before);

  // Nor onto its missing partner, under any case of the extension: the next load would read it.
  const CliRun partner = Cli({"metrics", "--out", folder / "AOM0011801241951.Ud", ns});
  EXPECT_EQ(partner.status, 1);
  EXPECT_EQ(partner.err, Refusal(folder / "AOM0011801241951.Ud", folder / "AOM0011801241951.UD"));
  EXPECT_FALSE(std::filesystem::exists(folder / "AOM0011801241951.Ud"));
}

TEST_F(CliOutputOverInput, MetricsOntoABundleWithNoRecordChosenLeavesItIntact) {
  const std::string bundle = testing::EventBundle();  // gzip stamps the time: made once
  const std::string event = folder.Write("event.tar", bundle);
  const CliRun run = Cli({"metrics", "--station", "AOMX", "--out", event, event});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, Refusal(event, event));
  EXPECT_EQ(ReadFileBytes(event), bundle);
}

TEST_F(CliOutputOverInput, AnOutputFolderTargetThatIsANamedFileIsRefusedAndTheOthersWritten) {
  // A file of the output folder named among the inputs, through another spelling of its path.
  const std::string earlier = folder.Write("out/AOM001-201801241951rsp.csv", "kept\n");
  const CliRun run = Cli({"spectra", "--out-dir", folder / "out", folder / "out/../out/AOM001-201801241951rsp.csv",
                          std::string(TREMORA_RECORDS_DIR) + "/AOM0011801241951.NS",
                          std::string(TREMORA_RECORDS_DIR) + "/NGNH311106302345.NS1"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find(Refusal(earlier, folder / "out/../out/AOM001-201801241951rsp.csv")), std::string::npos)
      << run.err;
  EXPECT_EQ(ReadFileBytes(earlier), "kept\n");
  EXPECT_TRUE(std::filesystem::exists(folder / "out/NGNH31-201106302345-1rsp.csv"));
}

}  // namespace
}  // namespace tremora
