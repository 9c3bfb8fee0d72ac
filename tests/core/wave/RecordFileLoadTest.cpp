#include "wave/RecordFileLoad.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "core/wave/SampleRecords.h"
#include "wave/HiroshimaRecordLoad.h"

namespace tremora {
namespace {

using testing::RecordPath;

// Every load records the format it read, which later decides what the record can be written as;
// the header labels of a JMA record leave the earthquake it does not name empty.
TEST(RecordFileLoad, EveryLoadRecordsItsFormat) {
  const StationTables stations = LoadStationTables(TREMORA_DATA_DIR).tables;
  KnetLoadRequest request;
  request.path = RecordPath("AOM0011801241951.NS");
  EXPECT_EQ(ReadRecordFile(stations, request).record->Format, RecordFormat::Knet);

  request.path = RecordPath("jma/Q416EED018.csv");
  request.three_components = false;  // the file holds all three
  const KnetLoadResult jma = ReadRecordFile(stations, request);
  EXPECT_EQ(jma.outcome, KnetLoadOutcome::Loaded);
  EXPECT_EQ(jma.record->Format, RecordFormat::JmaCsv);
  EXPECT_EQ(jma.record->ChannelCount, 3);
  EXPECT_NEAR(jma.record->FilterCoefficients[0], 1.247f, 1e-6);  // the band-pass designed for 100 Hz
  EXPECT_EQ(jma.labels.StationCode, "EED");
  EXPECT_EQ(jma.labels.SamplingRate, "100 1/s");
  for (const std::string* origin : {&jma.labels.OriginTime, &jma.labels.Latitude, &jma.labels.Longitude,
                                    &jma.labels.Depth, &jma.labels.Magnitude}) {
    EXPECT_EQ(*origin, "");
  }

  const testing::TempFolder scratch;
  const std::string hiroshima =
      scratch.Write("eq1.ns", "CODE,HRS01\nDATE,2001/03/24\nTIME,15:28:00\nN,3\nDT,10\n1.5,2,-3,\n");
  EXPECT_EQ(ReadHiroshimaRecord(stations, hiroshima, false).record->Format, RecordFormat::Hiroshima);
}

}  // namespace
}  // namespace tremora
