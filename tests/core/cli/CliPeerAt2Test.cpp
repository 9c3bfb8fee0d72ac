#include <gtest/gtest.h>

#include <algorithm>

#include "CliRun.h"
#include "TempFolder.h"
#include "base/TextFile.h"

namespace tremora {
namespace {

using testing::Cli;
using testing::TempFolder;

const std::string kTcu046 = std::string(TREMORA_RECORDS_DIR) + "/at2/TCU046-N.AT2";

// The north file of TCU046 with its second line naming another component.
std::string CopyAs(const TempFolder& folder, const std::string& name, const std::string& component) {
  std::string text = ReadWholeFile(kTcu046);
  text.replace(text.find(", N (CWB)"), 9, ", " + component + " (CWB)");
  return folder.Write(name, text);
}

TEST(CliPeerAt2, ComponentsFormOneRecordForEveryCommand) {
  const TempFolder folder("cliat2");
  const std::string up = CopyAs(folder, "TCU046-V.AT2", "V");
  const std::string east = CopyAs(folder, "TCU046-E.AT2", "E");
  const std::string components = up + "," + east + "," + kTcu046;

  const auto info = Cli({"info", "--components", components});
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("Samples               17000\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("Sampling rate (Hz)    200\n"), std::string::npos);
  // North, east and up are one file's samples: the same peak in every channel, in channel order.
  EXPECT_NE(info.out.find("Peak NS (gal)"), std::string::npos);
  EXPECT_LT(info.out.find("Peak EW (gal)"), info.out.find("Peak UD (gal)"));

  const auto spectra = Cli({"spectra", "--method", "exact", "--components", components});
  ASSERT_EQ(spectra.status, 0) << spectra.err;
  const auto metrics = Cli({"metrics", "--components", components, kTcu046});
  ASSERT_EQ(metrics.status, 0) << metrics.err;
  EXPECT_EQ(std::count(metrics.out.begin(), metrics.out.end(), '\n'), 3);  // header, the record, the file alone
}

TEST(CliPeerAt2, ComponentsThatMakeNoRecordAreRefused) {
  const TempFolder folder("cliat2bad");
  const std::string knet = std::string(TREMORA_RECORDS_DIR) + "/AOM0011801241951.NS";
  const auto mixed = Cli({"info", "--components", kTcu046 + "," + knet});
  EXPECT_EQ(mixed.status, 1);
  EXPECT_NE(mixed.err.find(knet + " is not a PEER .AT2 file"), std::string::npos) << mixed.err;

  const auto other_station = Cli({"info", "--components", kTcu046 + "," + std::string(TREMORA_RECORDS_DIR) +
                                                               "/at2/A-LAD180.AT2"});
  EXPECT_EQ(other_station.status, 1);
  EXPECT_NE(other_station.err.find("NPTS= 17000, DT= 0.005"), std::string::npos) << other_station.err;

  const auto one = Cli({"info", "--components", kTcu046});
  EXPECT_EQ(one.status, 1);
  EXPECT_NE(one.err.find("--components takes two or three files"), std::string::npos) << one.err;
}

}  // namespace
}  // namespace tremora
