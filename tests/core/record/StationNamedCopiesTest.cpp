#include "record/StationNamedCopies.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "base/Errors.h"
#include "record/KnetLoading.h"
#include "base/TextFile.h"

namespace tremora {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;

class StationNamedCopies : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* ext : {"NS", "EW", "UD"}) {
      const std::string name = std::string("AOM0011801241951.") + ext;
      std::filesystem::copy_file(std::string(TREMORA_RECORDS_DIR) + "/" + name, folder_.File(name));
    }
    ASSERT_TRUE(PrepareKnetLoad(record_, folder_.File("AOM0011801241951.NS"), true));
    ReadKnetRecordFiles(record_, LoadStationTables(TREMORA_DATA_DIR).tables, false);
    record_.RecordLoaded = true;
  }
  TempFolder folder_{"named-copies"};
  RecordSet record_;
};

TEST_F(StationNamedCopies, CopiesEveryComponentUnderTheStationsNameAndReportsThem) {
  const NamedCopyResult result = MakeStationNamedCopies(record_);
  ASSERT_EQ(result.outcome, NamedCopyOutcome::Written);
  const std::vector<std::string> expected = {folder_.File("大間1801241951.NS"), folder_.File("大間1801241951.EW"),
                                             folder_.File("大間1801241951.UD")};
  EXPECT_EQ(result.targets, expected);
  for (int ch = 0; ch < 3; ++ch) EXPECT_EQ(ReadFileBytes(expected[ch]), ReadFileBytes(record_.ComponentPaths[ch]));
  EXPECT_EQ(result.report, expected[0] + "\n" + expected[1] + "\n" + expected[2] +
                               "\n\n観測地点名で表したデータファイルを作成しました　　　　");
}

TEST_F(StationNamedCopies, RefusesWithoutARecordOrWithoutStationInformation) {
  record_.RecordLoaded = false;
  EXPECT_EQ(MakeStationNamedCopies(record_).outcome, NamedCopyOutcome::NothingLoaded);
  record_.RecordLoaded = true;
  record_.RecordBaseName.clear();
  EXPECT_EQ(MakeStationNamedCopies(record_).outcome, NamedCopyOutcome::NoStationInformation);
  EXPECT_FALSE(FileExists(folder_.File("大間1801241951.NS")));
}

TEST_F(StationNamedCopies, ATargetThatCannotBeWrittenIsReportedNotDoneSilently) {
  record_.DataFolder = folder_.File("missing-folder");
  EXPECT_THROW(MakeStationNamedCopies(record_), FileAccessError);
}

TEST_F(StationNamedCopies, NeverOverwritesItsOwnSource) {
  // A station named like the code gives back the source's own name: "ABCDEF" + "x1801241951".
  const std::string source = folder_.File("ABCDEFx1801241951.NS");
  std::filesystem::copy_file(record_.ComponentPaths[0], source);
  const std::string before = ReadFileBytes(source);
  record_.ChannelCount = 1;
  record_.ComponentPaths[0] = source;
  record_.CurrentStation.Name = "ABCDEF";
  EXPECT_THROW(MakeStationNamedCopies(record_), RecordFormatError);
  EXPECT_EQ(ReadFileBytes(source), before);
}

}  // namespace
}  // namespace tremora
