#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "core/wave/SampleRecords.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "wave/KnetRecordLoad.h"

namespace tremora {
namespace {

using testing::RecordPath;
using testing::TempFolder;

StationTables Stations() { return LoadStationTables(TREMORA_DATA_DIR).tables; }

// A copy of AOM0011801241951 whose EW file has header line `line` (1-based) replaced.
std::string CopyWithEwHeaderLine(const TempFolder& folder, int line, const std::string& replacement) {
  for (const char* ext : {"NS", "EW", "UD"}) {
    std::string text = ReadWholeFile(RecordPath("AOM0011801241951.") + ext);
    if (std::string(ext) == "EW") {
      size_t begin = 0;
      for (int i = 1; i < line; ++i) begin = text.find('\n', begin) + 1;
      text.replace(begin, text.find('\n', begin) - begin, replacement);
    }
    folder.Write(std::string("AOM0011801241951.") + ext, text);
  }
  return folder.File("AOM0011801241951.NS");
}

TEST(LoadKnetRecordCore, ReadsAThreeComponentRecordWithItsStationAndDesignsTheFilter) {
  RecordSet record;
  const KnetLoadResult result = LoadKnetRecordCore(record, Stations(), RecordPath("AOM0011801241951.NS"), true, true);
  EXPECT_EQ(result.outcome, KnetLoadOutcome::Loaded);
  EXPECT_EQ(result.labels.SamplingRate, "100 1/s");
  EXPECT_EQ(record.SampleCount, 10200);
  EXPECT_EQ(record.CurrentStation.Name, "大間");
  EXPECT_EQ(record.CurrentStation.Extra2, "N41.5269 E140.9246 H38m");
  EXPECT_EQ(record.RecordBaseName, "AOM001-201801241951");
  EXPECT_EQ(record.DataFolder, TREMORA_RECORDS_DIR);
  EXPECT_EQ(record.SamplingInterval, 0.01f);
  EXPECT_EQ(SampleInterval(record), 1.0 / 100);
  EXPECT_EQ(record.Header.Direction, "N-S");  // the header is the first file's
  for (int ch = 0; ch < 3; ++ch) EXPECT_NE(record.Acceleration[ch][5000], 0.0f);
  EXPECT_NEAR(record.FilterCoefficients[0], 1.247f, 1e-6);

  // A KiK-net record from its EW file.
  LoadKnetRecordCore(record, Stations(), RecordPath("NGNH311106302345.EW2"), true, true);
  EXPECT_EQ(record.ComponentNames, (std::array<std::string, 3>{"NS2", "EW2", "UD2"}));
  EXPECT_EQ(record.SampleCount, 12000);
  EXPECT_EQ(record.RecordBaseName, "NGNH31-201106302345");
}

TEST(LoadKnetRecordCore, AStationInNoTableLoadsWithEmptyStationTextsAndBaseName) {
  TempFolder folder("knet-load");
  std::string text = ReadWholeFile(RecordPath("AKT0139608110312.EW"));
  text.replace(text.find("AKT013"), 6, "ZZZ999");
  RecordSet record;
  record.CurrentStation.Name = "earlier";
  const KnetLoadResult result =
      LoadKnetRecordCore(record, Stations(), folder.Write("ZZZ9999608110312.EW", text), false, false);
  EXPECT_EQ(result.outcome, KnetLoadOutcome::StationNotFound);
  EXPECT_EQ(record.CurrentStation.Name, "");
  EXPECT_EQ(record.RecordBaseName, "");
  EXPECT_EQ(record.SampleCount, 5900);
  EXPECT_NEAR(record.FilterCoefficients[0], 1.247f, 1e-6);
}

TEST(LoadKnetRecordCore, RefusalsLeaveTheRecordAsItWas) {
  RecordSet record;
  LoadKnetRecordCore(record, Stations(), RecordPath("NGNH311106302345.NS1"), true, true);
  const float sample = record.Acceleration[1][5000];

  // A long extension: nothing read.
  EXPECT_EQ(LoadKnetRecordCore(record, Stations(), "/tmp/record.data.ns", true, true).outcome,
            KnetLoadOutcome::BadFileName);
  // A missing partner, named in the picked file's case (a period in the folder name is fine).
  TempFolder folder("knet.load");
  std::filesystem::copy_file(RecordPath("AKT0139608110312.EW"), folder.File("AKT0139608110312.EW"));
  try {
    LoadKnetRecordCore(record, Stations(), folder.File("AKT0139608110312.EW"), true, true);
    FAIL() << "loaded";
  } catch (const FileAccessError& error) {
    EXPECT_EQ(error.path(), folder.File("AKT0139608110312.NS"));
  }
  EXPECT_EQ(record.ComponentPaths[0], RecordPath("NGNH311106302345.NS1"));
  EXPECT_EQ(record.ComponentNames[1], "EW1");
  EXPECT_EQ(record.Acceleration[1][5000], sample);
  EXPECT_EQ(record.SampleCount, 12000);

  // The same file alone loads.
  EXPECT_EQ(LoadKnetRecordCore(record, Stations(), folder.File("AKT0139608110312.EW"), false, true).outcome,
            KnetLoadOutcome::Loaded);
  EXPECT_EQ(record.ComponentNames[0], "EW");
}

TEST(LoadKnetRecordCore, ChannelsOfUnequalLengthKeepTheShortestCount) {
  TempFolder folder("knet-load");
  for (const char* ext : {"NS", "EW", "UD"}) {
    std::string text = ReadWholeFile(RecordPath("AOM0011801241951.") + ext);
    if (std::string(ext) == "EW") text.resize(text.size() / 2);
    folder.Write(std::string("AOM0011801241951.") + ext, text);
  }
  RecordSet record;
  LoadKnetRecordCore(record, Stations(), folder.File("AOM0011801241951.NS"), true, false);
  EXPECT_LT(record.SampleCount, 10200);
  EXPECT_GT(record.SampleCount, 4000);
}

TEST(LoadKnetRecordCore, EachComponentIsInItsOwnFilesUnits) {
  RecordSet shipped;
  LoadKnetRecordCore(shipped, Stations(), RecordPath("AOM0011801241951.NS"), true, true);
  // The EW file's counts stand for twice the gal of the others'.
  TempFolder folder("knet-scale");
  RecordSet record;
  LoadKnetRecordCore(record, Stations(), CopyWithEwHeaderLine(folder, 14, "Scale Factor      7840(gal)/6182761"),
                     true, true);
  ASSERT_EQ(record.SampleCount, shipped.SampleCount);
  for (int i = 0; i < record.SampleCount; ++i) {
    ASSERT_EQ(record.Acceleration[0][i], shipped.Acceleration[0][i]) << i;
    ASSERT_EQ(record.Acceleration[1][i], 2 * shipped.Acceleration[1][i]) << i;
    ASSERT_EQ(record.Acceleration[2][i], shipped.Acceleration[2][i]) << i;
  }
}

TEST(LoadKnetRecordCore, ComponentsAtAnotherRateAreRefusedNamingBothFiles) {
  TempFolder folder("knet-rate");
  const std::string ns = CopyWithEwHeaderLine(folder, 11, "Sampling Freq(Hz) 200Hz");
  RecordSet record;
  LoadKnetRecordCore(record, Stations(), RecordPath("AOM0011801241951.UD"), false, true);
  try {
    LoadKnetRecordCore(record, Stations(), ns, true, true);
    FAIL() << "loaded";
  } catch (const RecordFormatError& error) {
    EXPECT_EQ(error.what(), "データファイル " + folder.File("AOM0011801241951.EW") + " のサンプリング周波数 200 Hz が " +
                                ns + " の 100 Hz と異なります\n３成分のサンプリング周波数は同じでなければなりません");
  }
  EXPECT_EQ(record.ChannelCount, 1);
  EXPECT_EQ(record.ComponentNames[0], "UD");
}

}  // namespace
}  // namespace tremora
