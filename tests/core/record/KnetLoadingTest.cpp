#include "record/KnetLoading.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "record/Errors.h"
#include "record/TextFile.h"

namespace tremora {
namespace {

using testing::TempFolder;

const std::string kRecords = TREMORA_RECORDS_DIR;

StationTables ShippedTables() { return LoadStationTables(TREMORA_DATA_DIR).tables; }

TEST(KnetFileName, ExtensionSuffixAndBaseComeFromTheFileNameOnly) {
  const KnetFileName kik = SplitKnetFileName("/home/u/2011.06.30/NGNH311106302345.ns2");
  EXPECT_EQ(kik.extension, "NS2");
  EXPECT_EQ(kik.suffix, "2");
  EXPECT_EQ(kik.base, "/home/u/2011.06.30/NGNH311106302345");
  const KnetFileName knet = SplitKnetFileName("AOM0011801241951.EW");
  EXPECT_EQ(knet.extension, "EW");
  EXPECT_EQ(knet.suffix, "");
  const KnetFileName none = SplitKnetFileName("/a.b/record");
  EXPECT_EQ(none.extension, "");
  EXPECT_EQ(none.base, "/a.b/record");
}

TEST(KnetFileName, CheckPassesShortExtensionsAndNamesWithoutPeriod) {
  EXPECT_TRUE(FileNameCheck("/x.y.z/AOM0011801241951.NS"));
  EXPECT_TRUE(FileNameCheck("/x/NGNH311106302345.UD2"));
  EXPECT_TRUE(FileNameCheck("/x/record"));
  EXPECT_FALSE(FileNameCheck("/x/AOM0011801241951.NS.bak"));
  EXPECT_FALSE(FileNameCheck("/x/record.2011.06"));
}

TEST(KnetLoad, ThreeComponentsFindTheirPartnersWhateverTheCaseOfTheirExtension) {
  RecordSet record;
  ASSERT_TRUE(PrepareKnetLoad(record, kRecords + "/NGNH311106302345.EW2", true));
  EXPECT_EQ(record.ChannelCount, 3);
  EXPECT_EQ(record.ComponentPaths[0], kRecords + "/NGNH311106302345.NS2");
  EXPECT_EQ(record.ComponentPaths[1], kRecords + "/NGNH311106302345.EW2");
  EXPECT_EQ(record.ComponentPaths[2], kRecords + "/NGNH311106302345.UD2");
  EXPECT_EQ(record.ComponentNames, (std::array<std::string, 3>{"NS2", "EW2", "UD2"}));
}

TEST(KnetLoad, OneComponentKeepsThePickedFileAndTheOtherNames) {
  RecordSet record;
  record.ComponentNames = {"NS1", "EW1", "UD1"};
  ASSERT_TRUE(PrepareKnetLoad(record, kRecords + "/AOM0011801241951.EW", false));
  EXPECT_EQ(record.ChannelCount, 1);
  EXPECT_EQ(record.ComponentPaths[0], kRecords + "/AOM0011801241951.EW");
  EXPECT_EQ(record.ComponentNames, (std::array<std::string, 3>{"EW", "EW1", "UD1"}));
}

TEST(KnetLoad, AFileWithoutPeriodGetsPartnersWithTheExtensionsAppended) {
  RecordSet record;
  EXPECT_TRUE(PrepareKnetLoad(record, "/nowhere/record", true));
  EXPECT_EQ(record.ComponentPaths[1], "/nowhere/record.ew");
  // Partners not found keep the letter case of the picked extension.
  EXPECT_TRUE(PrepareKnetLoad(record, "/nowhere/record.Ns2", true));
  EXPECT_EQ(record.ComponentPaths[2], "/nowhere/record.Ud2");
  EXPECT_EQ(record.ComponentNames[2], "UD2");
}

TEST(KnetLoad, ReadsAThreeComponentRecordWithItsStation) {
  RecordSet record;
  ASSERT_TRUE(PrepareKnetLoad(record, kRecords + "/AOM0011801241951.NS", true));
  const KnetReadResult result = ReadKnetRecordFiles(record, ShippedTables(), true);
  EXPECT_TRUE(result.station_found);
  EXPECT_EQ(result.labels.SamplingRate, "100 1/s");
  EXPECT_EQ(record.SampleCount, 10200);
  EXPECT_EQ(record.CurrentStation.Name, "大間");
  EXPECT_EQ(record.CurrentStation.Extra2, "N41.5269 E140.9246 H38m");
  EXPECT_EQ(record.RecordBaseName, "AOM001-201801241951");
  EXPECT_EQ(record.DataFolder, kRecords);
  EXPECT_EQ(record.SamplingInterval, 0.01f);
  EXPECT_EQ(record.Header.Direction, "N-S");  // the header is the first file's
  for (int ch = 0; ch < 3; ++ch) EXPECT_NE(record.Acceleration[ch][5000], 0.0f);
}

TEST(KnetLoad, AStationInNoTableLoadsWithEmptyStationTextsAndBaseName) {
  TempFolder folder("knet-load");
  std::string text = ReadWholeFile(kRecords + "/AKT0139608110312.EW");
  text.replace(text.find("AKT013"), 6, "ZZZ999");
  const std::string path = folder.Write("ZZZ9999608110312.EW", text);
  RecordSet record;
  record.CurrentStation.Name = "earlier";
  ASSERT_TRUE(PrepareKnetLoad(record, path, false));
  const KnetReadResult result = ReadKnetRecordFiles(record, ShippedTables(), false);
  EXPECT_FALSE(result.station_found);
  EXPECT_EQ(record.CurrentStation.Name, "");
  EXPECT_EQ(record.RecordBaseName, "");
  EXPECT_EQ(record.SampleCount, 5900);
}

TEST(KnetLoad, AMissingPartnerIsAnAccessErrorNamingIt) {
  TempFolder folder("knet.load");  // a period in the folder name is fine
  std::filesystem::copy_file(kRecords + "/AOM0011801241951.NS", folder.File("AOM0011801241951.NS"));
  RecordSet record;
  ASSERT_TRUE(PrepareKnetLoad(record, folder.File("AOM0011801241951.NS"), true));
  try {
    ReadKnetRecordFiles(record, ShippedTables(), false);
    FAIL() << "loaded";
  } catch (const FileAccessError& error) {
    EXPECT_EQ(error.path(), folder.File("AOM0011801241951.EW"));  // in the picked file's case
  }
}

TEST(KnetLoad, ChannelsOfUnequalLengthKeepTheShortestCount) {
  TempFolder folder("knet-load");
  for (const char* ext : {"NS", "EW", "UD"}) {
    std::string text = ReadWholeFile(kRecords + "/AOM0011801241951." + ext);
    if (std::string(ext) == "EW") text.resize(text.size() / 2);
    folder.Write(std::string("AOM0011801241951.") + ext, text);
  }
  RecordSet record;
  ASSERT_TRUE(PrepareKnetLoad(record, folder.File("AOM0011801241951.NS"), true));
  ReadKnetRecordFiles(record, ShippedTables(), false);
  EXPECT_LT(record.SampleCount, 10200);
  EXPECT_GT(record.SampleCount, 4000);
}

TEST(KnetLoad, BaseNameDropsSeparatorsAndSeconds) {
  RecordHeader header;
  header.StationCode = "NGNH31";
  header.OriginDate = "2011/06/30";
  header.OriginTime = "23:45:00";
  EXPECT_EQ(MakeRecordBaseName(header), "NGNH31-201106302345");
  header = RecordHeader();
  EXPECT_EQ(MakeRecordBaseName(header), "-");
}

}  // namespace
}  // namespace tremora
