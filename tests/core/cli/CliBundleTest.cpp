#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>

#include "BundleBuilder.h"
#include "TempFolder.h"
#include "CliRun.h"
#include "app/cli/CliCommands.h"

namespace tremora {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;

const std::string kRecords = TREMORA_RECORDS_DIR;

using testing::Cli;
using testing::CliRun;

// Every file of a folder, by name: "name=content" lines.
std::string FolderListing(const std::string& folder) {
  std::set<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    files.insert(entry.path().filename().string() + "=" + ReadFileBytes(entry.path().string()));
  }
  std::string listing;
  for (const std::string& file : files) listing += file + "\n";
  return listing;
}

// Private folders of the runs go under a TMPDIR of the test's own, to see that none stays.
class CliBundle : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("TMPDIR");
    had_tmpdir_ = old != nullptr;
    if (had_tmpdir_) old_tmpdir_ = old;
    ::setenv("TMPDIR", scratch_.path().c_str(), 1);
  }
  void TearDown() override {
    EXPECT_TRUE(std::filesystem::is_empty(scratch_.path())) << "a private folder was left behind";
    if (had_tmpdir_) {
      ::setenv("TMPDIR", old_tmpdir_.c_str(), 1);
    } else {
      ::unsetenv("TMPDIR");
    }
  }
  TempFolder work_{"cli-bundle"};
  TempFolder scratch_{"cli-bundle-tmp"};
  std::string old_tmpdir_;
  bool had_tmpdir_ = false;
};

TEST_F(CliBundle, EveryCommandGivesFromABundleWhatItGivesFromTheFiles) {
  const std::string event = work_.Write("20180124195100.tar", testing::EventBundle());

  const CliRun list = Cli({"list", event});
  EXPECT_EQ(list.status, 0) << list.err;
  EXPECT_NE(list.out.find("AOM001   K-NET    -      2018/01/24 19:51:00       4.954     144.1  " + event +
                          ":20180124195100.knt.tar.gz/AOM0011801241951.NS  大間"),
            std::string::npos)
      << list.out;
  EXPECT_NE(list.out.find("NGNH31   KiK-net  2"), std::string::npos) << list.out;

  // Spectra of the whole bundle, file for file the same as of the unpacked records.
  EXPECT_EQ(Cli({"spectra", "--out-dir", work_ / "from-bundle", event}).status, 0);
  std::vector<std::string> files = {"spectra", "--out-dir", work_ / "from-files"};
  for (const char* name : {"AOM0011801241951.NS", "NGNH311106302345.NS1", "NGNH311106302345.NS2"}) {
    files.push_back(kRecords + "/" + name);
  }
  EXPECT_EQ(Cli(files).status, 0);
  EXPECT_EQ(FolderListing(work_ / "from-bundle"), FolderListing(work_ / "from-files"));
  EXPECT_TRUE(std::filesystem::exists(work_ / "from-bundle/NGNH31-201106302345-2rsp.csv"));

  // A picked station and sensor is one record for the one-record commands.
  const CliRun wave = Cli({"wave-csv", "--station", "ngnh31:2", "--quantity", "vel", event});
  EXPECT_EQ(wave.status, 0) << wave.err;
  EXPECT_EQ(wave.out, Cli({"wave-csv", "--quantity", "vel", kRecords + "/NGNH311106302345.NS2"}).out);
  const CliRun metrics = Cli({"metrics", "--station", "AOM001,NGNH31:1", event});
  EXPECT_EQ(metrics.out, Cli({"metrics", kRecords + "/AOM0011801241951.NS", kRecords + "/NGNH311106302345.NS1"}).out);

  // The synthesis is written beside the bundle, as it is beside the record's files.
  const CliRun synth = Cli({"synth", "--azimuth", "45", "--station", "AOM001", event});
  EXPECT_EQ(synth.out, work_ / "AOM0011801241951.045\n") << synth.err;
  EXPECT_EQ(Cli({"synth", "--azimuth", "45", "-o", work_ / "direct.045", kRecords + "/AOM0011801241951.NS"}).status,
            0);
  EXPECT_EQ(ReadFileBytes(work_ / "AOM0011801241951.045"), ReadFileBytes(work_ / "direct.045"));

  const CliRun several = Cli({"synth", "--azimuth", "45", "--station", "NGNH31", event});
  EXPECT_EQ(several.status, 1);
  EXPECT_NE(several.err.find("synth needs exactly one record, not 2"), std::string::npos) << several.err;
}

TEST_F(CliBundle, ABadBundleOrAStationInNoBundleFailsWhileTheRestIsDone) {
  const std::string event = testing::EventBundle();
  const std::string good = work_.Write("good.tar", event);
  const std::string cut = work_.Write("cut.tar", event.substr(0, event.size() / 2));

  const CliRun run = Cli({"spectra", "--out-dir", work_ / "out", "--station", "AOM001,NGNH31:2,XYZ999", cut, good});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("tremora-cli: " + cut + ": member 20180124195100.kik.tar.gz: truncated or damaged"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("tremora-cli: station XYZ999 is in none of the bundles"), std::string::npos) << run.err;
  EXPECT_TRUE(std::filesystem::exists(work_ / "out/AOM001-201801241951rsp.csv"));
  EXPECT_TRUE(std::filesystem::exists(work_ / "out/NGNH31-201106302345-2rsp.csv"));
  EXPECT_FALSE(std::filesystem::exists(work_ / "out/NGNH31-201106302345-1rsp.csv"));

  // A result never replaces the bundle it was made from.
  const CliRun over = Cli({"wave-csv", "--station", "AOM001", "-o", good, good});
  EXPECT_EQ(over.status, 1);
  EXPECT_EQ(ReadFileBytes(good), event);
}

}  // namespace
}  // namespace tremora
