#include <gtest/gtest.h>

#include "base/Errors.h"
#include "base/TextFile.h"
#include "wave/WaveCsv.h"

namespace tremora {
namespace {

RecordSet ThreeChannelRecord() {
  RecordSet record;
  record.ChannelCount = 3;
  record.SampleCount = 10;
  record.Header.SamplingRate = 100;
  record.Header.StationCode = "AOM001";
  record.Header.OriginDate = "2018/01/24";
  record.Header.OriginTime = "19:51:00";
  for (int ch = 0; ch < 3; ++ch) {
    for (int i = 0; i < 10; ++i) {
      record.Acceleration[ch][i] = static_cast<float>(100 * ch + i);
      record.Velocity[ch][i] = static_cast<float>(-i) - 0.125f;
      record.Displacement[ch][i] = -1234.567f;
    }
  }
  return record;
}

TEST(WaveCsv, WritesHeaderLinesAndOneRowPerDisplayedSample) {
  const RecordSet record = ThreeChannelRecord();
  DisplayedSection section;
  section.StartIndex = 7;
  section.DisplayCount = 3;  // shrunk at the record's end
  EXPECT_EQ(FormatWaveCsv(record, section, WaveQuantity::Acceleration),
            "NS,EW,UD\r\n100,\r\nAOM001 2018/01/24 19:51:00\r\nGal,Gal,Gal\r\n"
            "      7.00,    107.00,    207.00\r\n"
            "      8.00,    108.00,    208.00\r\n"
            "      9.00,    109.00,    209.00\r\n");
}

TEST(WaveCsv, VelocityAndDisplacementStartAtTheSectionsFirstSample) {
  const RecordSet record = ThreeChannelRecord();
  DisplayedSection section;
  section.StartIndex = 5;
  section.DisplayCount = 2;
  const std::string velocity = FormatWaveCsv(record, section, WaveQuantity::Velocity);
  EXPECT_NE(velocity.find("kine,kine,kine\r\n     -0.12,     -0.12,     -0.12\r\n     -1.12,"), std::string::npos);
  const std::string displacement = FormatWaveCsv(record, section, WaveQuantity::Displacement);
  EXPECT_NE(displacement.find("cm,cm,cm\r\n  -1234.57,  -1234.57,  -1234.57\r\n"), std::string::npos);
}

TEST(WaveCsv, OneChannelHasNoSeparatorsButTheRatesComma) {
  RecordSet record = ThreeChannelRecord();
  record.ChannelCount = 1;
  record.ComponentNames[0] = "EW";
  DisplayedSection section;
  section.DisplayCount = 1;
  EXPECT_EQ(FormatWaveCsv(record, section, WaveQuantity::Acceleration),
            "EW\r\n100,\r\nAOM001 2018/01/24 19:51:00\r\nGal\r\n      0.00\r\n");
}

TEST(WaveCsv, AFileThatCannotBeCreatedIsReported) {
  const RecordSet record = ThreeChannelRecord();
  EXPECT_THROW(WriteWaveCsv("/nonexistent-folder/x.csv", record, DisplayedSection{}, WaveQuantity::Acceleration),
               FileAccessError);
}

}  // namespace
}  // namespace tremora
