#include "record/KnetLoading.h"

#include <gtest/gtest.h>

namespace tremora {
namespace {

const std::string kRecords = TREMORA_RECORDS_DIR;

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
