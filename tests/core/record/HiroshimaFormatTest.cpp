#include "record/HiroshimaFormat.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "base/Errors.h"
#include "wave/HiroshimaRecordLoad.h"

namespace tremora {
namespace {

using testing::TempFolder;

StationTables HiroshimaTables() {
  StationTables tables;
  FillHrsmTable(tables, "HRS01,中消防署,広島市中区,132.455,34.389\r\nHRS02,東消防署,広島市東区,132.482,34.402\r\n");
  return tables;
}

std::string Header(const std::string& code, int samples, const std::string& interval) {
  return "CODE," + code + "\nDATE,2001/03/24\nTIME,15:28:00\nN," + std::to_string(samples) + "\nDT," + interval + "\n";
}

TEST(HiroshimaHeader, TakesTheSecondFieldOfEachLine) {
  const StationTables tables = HiroshimaTables();
  const HiroshimaHeader h = ParseHiroshimaHeader(Header("HRS02", 6000, "10"), "f", tables);
  ASSERT_NE(h.Station, nullptr);
  EXPECT_EQ(h.Station->Name, "東消防署");
  EXPECT_EQ(h.StationCode, "HRS02");
  EXPECT_EQ(h.Date, "2001/03/24");
  EXPECT_EQ(h.Time, "15:28:00");
  EXPECT_EQ(h.SampleCount, 6000);
  EXPECT_EQ(h.SamplingRate, 100);
  EXPECT_FLOAT_EQ(h.SamplingInterval, 0.01f);
}

TEST(HiroshimaHeader, AnUnknownStationStillGivesTheRestOfTheHeader) {
  const HiroshimaHeader h = ParseHiroshimaHeader(Header("XYZ99", 500, "5"), "f", HiroshimaTables());
  EXPECT_EQ(h.Station, nullptr);
  EXPECT_EQ(h.SampleCount, 500);
  EXPECT_EQ(h.SamplingRate, 200);
}

// Issue 10: above 1000 ms the whole-hertz rate would be 0 and divide by zero later.
TEST(HiroshimaHeader, RefusesAnIntervalThatWouldDivideByZero) {
  EXPECT_EQ(ParseHiroshimaHeader(Header("HRS01", 100, "1000"), "f", HiroshimaTables()).SamplingRate, 1);
  for (const std::string interval : {"0", "", "ms", "-10", "1001"}) {
    SCOPED_TRACE(interval);
    try {
      ParseHiroshimaHeader(Header("HRS01", 100, interval), "/x/a.ns", HiroshimaTables());
      FAIL() << "accepted";
    } catch (const RecordFormatError& error) {
      EXPECT_EQ(error.line(), 5);
    }
  }
  EXPECT_THROW(ParseHiroshimaHeader("CODE,HRS01\nDATE,x\n", "f", HiroshimaTables()), RecordFormatError);
}

TEST(HiroshimaHeader, AnnouncedCountIsKeptWithinTheChannelCapacity) {
  const HiroshimaHeader h = ParseHiroshimaHeader(Header("HRS01", 90000, "10"), "f", HiroshimaTables());
  EXPECT_EQ(h.AnnouncedSamples, 90000);
  EXPECT_EQ(h.SampleCount, kChannelCapacity);
  EXPECT_EQ(ParseHiroshimaHeader(Header("HRS01", -5, "10"), "f", HiroshimaTables()).SampleCount, 0);
}

TEST(HiroshimaSamples, EveryFieldButTheLineEndsEmptyOneIsAValue) {
  float samples[8] = {};
  const std::string text = Header("HRS01", 5, "10") + "1.5,-2.25,3\n 4 , x,\n";
  ASSERT_EQ(ParseHiroshimaSamples(text, samples, 8), 5);
  EXPECT_FLOAT_EQ(samples[0], 1.5f);
  EXPECT_FLOAT_EQ(samples[1], -2.25f);
  EXPECT_FLOAT_EQ(samples[2], 3.0f);
  EXPECT_FLOAT_EQ(samples[3], 4.0f);
  EXPECT_FLOAT_EQ(samples[4], 0.0f);  // "x" is no number
}

TEST(HiroshimaSamples, ALastLineWithoutLineEndKeepsItsLastValue) {
  float samples[4] = {};
  EXPECT_EQ(ParseHiroshimaSamples(Header("HRS01", 3, "10") + "1,2,3", samples, 4), 3);
  EXPECT_FLOAT_EQ(samples[2], 3.0f);
}

TEST(HiroshimaSamples, StopAtTheCapacity) {
  std::string text = Header("HRS01", 3, "10");
  for (int i = 0; i < 10; ++i) text += "1,2,3,4,5\n";
  float samples[7] = {};
  EXPECT_EQ(ParseHiroshimaSamples(text, samples, 7), 7);
}

class HiroshimaRecord : public ::testing::Test {
 protected:
  // Three component files of announced samples each holding values_per_file values.
  std::string Write(int announced, int values_per_file, const std::string& interval = "10") {
    std::string body;
    for (int i = 0; i < values_per_file; ++i) body += std::to_string(i) + ".5,";
    body += "\n";
    for (const char* component : {"ns", "ew", "ud"}) {
      folder_.Write(std::string("quake.") + component, Header("HRS01", announced, interval) + body);
    }
    return folder_.File("quake.ew");
  }
  void Load(int announced, int values_per_file, const std::string& interval = "10") {
    record_ = std::move(*ReadHiroshimaRecord(tables_, Write(announced, values_per_file, interval), true).record);
  }
  TempFolder folder_{"hiroshima"};
  StationTables tables_ = HiroshimaTables();
  RecordSet record_;
};

TEST_F(HiroshimaRecord, SampleCountNeverExceedsWhatTheFilesHold) {
  Load(500, 30);
  EXPECT_EQ(record_.SampleCount, 30);
  EXPECT_FLOAT_EQ(record_.Acceleration[2][29], 29.5f);
}

TEST_F(HiroshimaRecord, TheHeaderFillsNamesDatesStationRateAndFolder) {
  Load(20, 30);
  EXPECT_EQ(record_.SampleCount, 20);
  EXPECT_EQ(record_.ComponentPaths[0], folder_.File("quake.ns"));
  EXPECT_EQ(record_.RecordBaseName, "quake");
  EXPECT_EQ(record_.DataFolder, folder_.path().string());
  EXPECT_EQ(record_.Header.OriginDate, "2001/03/24");
  EXPECT_EQ(record_.Header.RecordTime, "15:28:00");
  EXPECT_EQ(record_.Header.StationCode, "HRS01");
  EXPECT_EQ(record_.CurrentStation.Name, "中消防署");
  EXPECT_EQ(record_.CurrentStation.Address, "広島市中区");
  EXPECT_EQ(record_.CurrentStation.Extra2, "");
  EXPECT_EQ(record_.Header.SamplingRate, 100);
  EXPECT_FLOAT_EQ(record_.SamplingInterval, 0.01f);
}

TEST_F(HiroshimaRecord, TheIntervalIsTheFilesOwnWhateverTheWholeHertzRate) {
  Load(20, 30, "600");
  EXPECT_EQ(record_.Header.SamplingRate, 1);  // only shown
  EXPECT_EQ(SampleInterval(record_), 0.6);
  EXPECT_EQ(record_.SamplingInterval, 0.6f);
}

TEST_F(HiroshimaRecord, MissingOrDisagreeingComponentFilesAreRefused) {
  const std::string ew = Write(20, 30);
  std::filesystem::remove(folder_.File("quake.ud"));
  const HiroshimaLoadResult missing = ReadHiroshimaRecord(tables_, ew, true);
  EXPECT_EQ(missing.record, nullptr);
  EXPECT_EQ(missing.missing_partner, folder_.File("quake.ud"));

  folder_.Write("quake.ud", Header("HRS01", 20, "20") + "1,2,3,\n");
  try {
    ReadHiroshimaRecord(tables_, ew, true);
    FAIL() << "loaded";
  } catch (const RecordFormatError& error) {
    EXPECT_EQ(error.what(), "データファイル " + folder_.File("quake.ud") + " のサンプリング間隔 20 ms が " +
                                folder_.File("quake.ns") +
                                " の 10 ms と異なります\n３成分のサンプリング間隔は同じでなければなりません");
  }
}

}  // namespace
}  // namespace tremora
