// Issue 12: the horizontal component along an azimuth, written as a K-NET file.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "TempFolder.h"
#include "app/Synthesis.h"
#include "core/wave/SampleRecords.h"
#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "wave/KnetRecordLoad.h"

namespace tremora {
namespace {

using testing::TempFolder;

std::vector<std::string> Lines(const std::string& text, int count) {
  std::vector<std::string> lines;
  for (std::string_view line : HeaderLines(text, count, "", "")) lines.emplace_back(line);
  return lines;
}

TEST(Synthesis, OfARealRecordKeepsTheNsCountsAt0TheEwCountsAt90AndTheEwHeaderButItsPeak) {
  TempFolder folder("synthesis");
  for (const char* ext : {"NS", "EW", "UD"}) {
    std::filesystem::copy_file(testing::RecordPath(std::string("AOM0011801241951.") + ext),
                               folder / (std::string("AOM0011801241951.") + ext));
  }
  auto record = std::make_unique<RecordSet>();
  LoadKnetRecordCore(*record, StationTables{}, folder / "AOM0011801241951.NS", true, false);
  const int n = record->SampleCount;
  const float scale = record->Header.ScaleFactor;
  const std::string ew_text = ReadWholeFile(folder / "AOM0011801241951.EW");
  const std::vector<int> ns_file = ParseKnetCounts(ReadWholeFile(folder / "AOM0011801241951.NS"), n);
  const std::vector<int> ew_file = ParseKnetCounts(ew_text, n);

  for (const int azimuth : {0, 90}) {
    SCOPED_TRACE(azimuth);
    const std::string out = folder / DefaultSynthesisName(record->ComponentPaths[0], azimuth);
    WriteSynthesis(*record, azimuth, out);
    const std::string text = ReadWholeFile(out);
    const std::vector<int> counts = ParseKnetCounts(text, kChannelCapacity);
    ASSERT_EQ(static_cast<int>(counts.size()), n);
    const std::vector<int>& original = azimuth == 0 ? ns_file : ew_file;
    float peak = 0;
    for (int i = 0; i < n; ++i) {
      if (azimuth == 0) {
        ASSERT_EQ(counts[i], static_cast<int>(record->Acceleration[0][i] / static_cast<double>(scale)));
      }
      ASSERT_LE(std::abs(counts[i] - original[i]), 1) << i;
      peak = std::max(peak, std::fabs(record->Acceleration[azimuth == 0 ? 0 : 1][i]));
    }

    const std::vector<std::string> written = Lines(text, 17), ew = Lines(ew_text, 17);
    for (int line = 0; line < 17; ++line) {
      if (line != 14) {
        EXPECT_EQ(written[line], ew[line]) << "line " << line + 1;
      }
    }
    EXPECT_EQ(written[14], FormatC("Max. Acc. (gal)   %4d", static_cast<int>(peak)));

    // The program reads it back as one component: the counts on the EW file's scale factor.
    std::vector<float> back(kBufferCapacity);
    ASSERT_EQ(ReadKnetSamples(out, ReadKnetHeader(out).ScaleFactor, back.data(), kChannelCapacity, false), n);
    EXPECT_EQ(back[n - 1], counts[n - 1] * scale);
  }
}

TEST(Synthesis, NameChecksCountOnlyTheFileNamesPeriodsAndRefuseLongPaths) {
  EXPECT_EQ(AzimuthExtension(5), "005");
  EXPECT_EQ(AzimuthExtension(270), "270");
  EXPECT_EQ(DefaultSynthesisName("/home/u/data.2024/ABSH011801241951.NS2", 45), "ABSH011801241951.045");
  EXPECT_EQ(CheckSynthesisName("/home/u/.local/data.2024/ABSH01.045", 45), SynthesisNameCheck::Accepted);
  EXPECT_EQ(CheckSynthesisName("/tmp/ABSH01.1801.045", 45), SynthesisNameCheck::BadExtension);
  EXPECT_EQ(CheckSynthesisName("/tmp.d/ABSH01", 45), SynthesisNameCheck::BadExtension);
  EXPECT_EQ(CheckSynthesisName("/tmp/ABSH01.5", 5), SynthesisNameCheck::ExtensionDiffers);
  const std::string folder = "/" + std::string(188, 'f') + "/";  // 190 characters
  EXPECT_EQ(CheckSynthesisName(folder + "abcd1.045", 45), SynthesisNameCheck::Accepted);   // 199
  EXPECT_EQ(CheckSynthesisName(folder + "abcd12.045", 45), SynthesisNameCheck::TooLong);   // 200
  EXPECT_EQ(CheckSynthesisName(folder + "観測波形.045", 45), SynthesisNameCheck::Accepted);  // 198 characters
}

TEST(Synthesis, RefusesAnEwFileThatIsNoKnetFileAndWritesNothing) {
  TempFolder folder("synthesis");
  auto record = std::make_unique<RecordSet>();
  std::string csv = "SITE,HRSM01\n";
  for (int i = 0; i < 20; ++i) csv += "0.12,0.34,-0.56\n";
  record->ComponentPaths[1] = folder.Write("HRSM01.ew", csv);
  record->SampleCount = 3;
  record->Header.ScaleFactor = 0.001f;  // left from an earlier K-NET record
  try {
    WriteSynthesis(*record, 45, folder / "HRSM01.045");
    FAIL() << "written";
  } catch (const RecordFormatError& error) {
    EXPECT_NE(std::string(error.what()).find("合成波形の見出しにする EW ファイルが使えません"), std::string::npos);
    EXPECT_NE(std::string(error.what()).find(folder / "HRSM01.ew"), std::string::npos);
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "HRSM01.045"));
}

}  // namespace
}  // namespace tremora
