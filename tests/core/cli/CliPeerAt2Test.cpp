#include <gtest/gtest.h>

#include "CliRun.h"
#include "TempFolder.h"
#include "base/TextFile.h"

namespace tremora {
namespace {

using testing::Cli;

TEST(CliPeerAt2, ComponentsFormOneRecordOfAt2FilesAndNothingElse) {
  const std::string north = std::string(TREMORA_RECORDS_DIR) + "/at2/TCU046-N.AT2";
  const testing::TempFolder folder("cliat2");
  std::string text = ReadWholeFile(north);
  text.replace(text.find(", N (CWB)"), 9, ", V (CWB)");
  const std::string up = folder.Write("TCU046-V.AT2", text);

  const auto info = Cli({"info", "--components", up + "," + north});
  ASSERT_EQ(info.status, 1);  // a vertical needs two horizontals
  const auto metrics = Cli({"metrics", "--components", north + "," + north + "," + up, north});
  ASSERT_EQ(metrics.status, 0) << metrics.err;
  EXPECT_EQ(std::count(metrics.out.begin(), metrics.out.end(), '\n'), 3);  // header, the record, the file alone
  const auto spectra = Cli({"spectra", "--method", "exact", "--components", north + "," + up + "," + north});
  EXPECT_EQ(spectra.status, 0) << spectra.err;

  const std::string knet = std::string(TREMORA_RECORDS_DIR) + "/AOM0011801241951.NS";
  const auto mixed = Cli({"info", "--components", north + "," + knet});
  EXPECT_EQ(mixed.status, 1);
  EXPECT_NE(mixed.err.find(knet + " is not a PEER .AT2 file"), std::string::npos) << mixed.err;
  const auto one = Cli({"info", "--components", north});
  EXPECT_NE(one.err.find("--components takes two or three files"), std::string::npos) << one.err;
}

}  // namespace
}  // namespace tremora
