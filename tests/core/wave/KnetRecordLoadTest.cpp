#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "core/wave/SampleRecords.h"
#include "record/Errors.h"
#include "record/TextFile.h"
#include "wave/KnetRecordLoad.h"

namespace tremora {
namespace {

StationTables Stations() { return LoadStationTables(TREMORA_DATA_DIR).tables; }

TEST(LoadKnetRecordCore, LoadsAKikNetRecordFromItsEwFileAndDesignsTheFilter) {
  RecordSet record;
  const KnetLoadResult result =
      LoadKnetRecordCore(record, Stations(), testing::RecordPath("NGNH311106302345.EW2"), true, true);
  EXPECT_EQ(result.outcome, KnetLoadOutcome::Loaded);
  EXPECT_EQ(record.ChannelCount, 3);
  EXPECT_EQ(record.ComponentNames[0], "NS2");
  EXPECT_EQ(record.ComponentNames[2], "UD2");
  EXPECT_EQ(record.SampleCount, 12000);
  EXPECT_EQ(record.RecordBaseName, "NGNH31-201106302345");
  EXPECT_NEAR(record.FilterCoefficients[0], 1.247f, 1e-6);
  EXPECT_EQ(result.labels.StationCode.empty(), false);
}

TEST(LoadKnetRecordCore, ReportsAnUnknownStationButLoads) {
  RecordSet record;
  const KnetLoadResult result =
      LoadKnetRecordCore(record, StationTables{}, testing::RecordPath("AOM0011801241951.NS"), true, true);
  EXPECT_EQ(result.outcome, KnetLoadOutcome::StationNotFound);
  EXPECT_EQ(record.RecordBaseName, "");
  EXPECT_EQ(record.SampleCount, 10200);
  EXPECT_NEAR(record.FilterCoefficients[0], 1.247f, 1e-6);
}

TEST(LoadKnetRecordCore, RefusesANameWithALongExtensionBeforeReadingAnything) {
  RecordSet record;
  record.SamplingInterval = 0.5f;
  const KnetLoadResult result = LoadKnetRecordCore(record, Stations(), "/tmp/record.data.ns", true, true);
  EXPECT_EQ(result.outcome, KnetLoadOutcome::BadFileName);
  EXPECT_EQ(record.SamplingInterval, 0.5f);
}

TEST(LoadKnetRecordCore, AMissingPartnerFileIsAnAccessError) {
  RecordSet record;
  try {
    LoadKnetRecordCore(record, Stations(), testing::RecordPath("AKT0139608110312.EW"), true, true);
    FAIL() << "no error";
  } catch (const FileAccessError& error) {
    EXPECT_NE(error.path().find("AKT0139608110312.NS"), std::string::npos);
  }
  // The same file alone loads.
  EXPECT_EQ(LoadKnetRecordCore(record, Stations(), testing::RecordPath("AKT0139608110312.EW"), false, true).outcome,
            KnetLoadOutcome::Loaded);
  EXPECT_EQ(record.ComponentNames[0], "EW");
}

}  // namespace
}  // namespace tremora
