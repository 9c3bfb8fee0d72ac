#include "record/JmaCsvFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "TempFolder.h"
#include "analysis/JmaIntensity.h"
#include "base/Errors.h"

namespace tremora {
namespace {

using testing::TempFolder;

const std::string kJmaFile = std::string(TREMORA_RECORDS_DIR) + "/jma/Q416EED018.csv";

// The file's text with line `line` (1-based) replaced; its CR LF line ends kept.
std::string WithLine(const std::string& text, int line, const std::string& replacement) {
  size_t begin = 0;
  for (int i = 1; i < line; ++i) begin = text.find('\n', begin) + 1;
  const size_t end = text.find('\r', begin);
  return text.substr(0, begin) + replacement + text.substr(end);
}

std::unique_ptr<RecordSet> Read(const std::string& path, bool remove_mean, ReadWarnings* warnings = nullptr) {
  auto record = std::make_unique<RecordSet>();
  ReadJmaCsvRecord(*record, path, remove_mean, warnings);
  return record;
}

TEST(JmaCsvRealRecord, ReadsEverySampleWithTheStationAndTimeOfItsHeader) {
  ReadWarnings warnings;
  const auto record = Read(kJmaFile, false, &warnings);
  EXPECT_TRUE(warnings.empty()) << warnings.ShownText();
  EXPECT_EQ(record->Format, RecordFormat::JmaCsv);
  EXPECT_EQ(record->ChannelCount, 3);
  EXPECT_EQ(record->SampleCount, 24000);  // 24,007 lines less the 7 of the header
  // First and last lines of the file: -0.059,-0.144,-0.002 and -0.513,0.084,0.233.
  const float first[] = {-0.059f, -0.144f, -0.002f};
  const float last[] = {-0.513f, 0.084f, 0.233f};
  for (int ch = 0; ch < 3; ++ch) {
    EXPECT_EQ(record->Acceleration[ch][0], first[ch]);
    EXPECT_EQ(record->Acceleration[ch][23999], last[ch]);
  }
  const RecordHeader& h = record->Header;
  EXPECT_FALSE(h.OriginKnown);
  EXPECT_EQ(h.OriginDate, "");
  EXPECT_EQ(h.StationCode, "EED");
  EXPECT_EQ(record->CurrentStation.Name, "南阿蘇村中松");
  EXPECT_FLOAT_EQ(h.StationLatitude, 32.8803f);
  EXPECT_FLOAT_EQ(h.StationLongitude, 131.0736f);
  EXPECT_EQ(h.RecordDate, "2016/04/16");
  EXPECT_EQ(h.RecordTime, "03:54:40");
  EXPECT_EQ(h.SamplingRate, 100);
  EXPECT_FLOAT_EQ(h.DurationTime, 240.0f);
  EXPECT_EQ(record->ComponentNames, (std::array<std::string, 3>{"NS", "EW", "UD"}));
  EXPECT_EQ(record->RecordBaseName, "EED-201604160354");  // named after the record's start
}

// JMA publishes, for this station and event, peaks of 246.2 (NS), 297.8 (EW) and 133.0 gal (UD)
// and 357.3 gal as a three-component vector, computed from its own copy of the data. The
// instrumental intensity of the CSV's samples, 4.990978672359226, was computed by a separate
// program (Python, its own radix-2 FFT in double precision, the agency's filters and 0.3 s rule).
TEST(JmaCsvRealRecord, PeaksMatchJmasPublishedValuesAndTheIntensityAnIndependentComputation) {
  const auto record = Read(kJmaFile, true);
  const int n = record->SampleCount;
  const double published[] = {246.2, 297.8, 133.0};
  double vector_peak = 0;
  for (int ch = 0; ch < 3; ++ch) {
    float peak = 0;
    for (int i = 0; i < n; ++i) peak = std::max(peak, std::fabs(record->Acceleration[ch][i]));
    EXPECT_NEAR(peak, published[ch], 0.2) << record->ComponentNames[ch];
  }
  for (int i = 0; i < n; ++i) {
    double sum = 0;
    for (int ch = 0; ch < 3; ++ch) sum += double{record->Acceleration[ch][i]} * record->Acceleration[ch][i];
    vector_peak = std::max(vector_peak, std::sqrt(sum));
  }
  EXPECT_NEAR(vector_peak, 357.3, 0.2);

  const JmaIntensity intensity = ComputeJmaIntensity(record->Acceleration[0].data(), record->Acceleration[1].data(),
                                                     record->Acceleration[2].data(), n, SampleInterval(*record));
  EXPECT_NEAR(intensity.Unrounded, 4.990978672359226, 1e-4);
}

TEST(JmaCsvHeader, OlderFilesWithoutAPositionTakeItFromTheSiteLine) {
  std::string text = testing::ReadFileBytes(kJmaFile);
  text = WithLine(WithLine(text, 2, " LAT.=    0.0000"), 3, " LON.=    0.0000");
  const JmaCsvHeader header = ParseJmaCsvHeader(text, "old.csv");
  EXPECT_FLOAT_EQ(header.Header.StationLatitude, 33.0265f);
  EXPECT_FLOAT_EQ(header.Header.StationLongitude, 131.1910f);
  EXPECT_EQ(header.StationName, "南阿蘇村中松");
  // A code written apart from its name, in UTF-8.
  const JmaCsvHeader spaced = ParseJmaCsvHeader(WithLine(text, 1, "SITE CODE= 47646 つくば"), "new.csv");
  EXPECT_EQ(spaced.Header.StationCode, "47646");
  EXPECT_EQ(spaced.StationName, "つくば");
  EXPECT_EQ(spaced.Header.StationLatitude, 0.0f);  // no position anywhere: none invented
}

// Copies of the real file made wrong in one place: refused naming the line, or read with a warning
// naming line and field, as the K-NET reader treats its fields.
TEST(JmaCsvMalformed, EachFaultIsNamedAtItsLine) {
  const TempFolder scratch;
  const std::string real = testing::ReadFileBytes(kJmaFile);
  struct Refusal {
    const char* name;
    std::string text;
    int line;
    const char* message_part;
  };
  const Refusal refusals[] = {
      {"rate0.csv", WithLine(real, 4, " SAMPLING RATE= 0Hz"), 4, "サンプリング周波数 (4行目) が読めません"},
      {"rateless.csv", WithLine(real, 4, " SAMPLING RATE= Hz"), 4, "「Hz」でした"},
      {"unit.csv", WithLine(real, 5, " UNIT  = m/s/s"), 5, "gal(cm/s/s) が必要ですが、「m/s/s」でした"},
      {"short.csv", real.substr(0, real.find(" UNIT")), 4, "ヘッダーは 7 行のはずですが、4 行しかありません"},
  };
  for (const Refusal& refusal : refusals) {
    SCOPED_TRACE(refusal.name);
    const std::string path = scratch.Write(refusal.name, refusal.text);
    try {
      Read(path, true);
      ADD_FAILURE() << "read without complaint";
    } catch (const RecordFormatError& error) {
      EXPECT_EQ(error.line(), refusal.line);
      EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
      EXPECT_NE(std::string(error.what()).find(refusal.message_part), std::string::npos) << error.what();
    }
  }

  std::string bent = WithLine(real, 4, " SAMPLING RATE= 99.5Hz");
  bent = WithLine(bent, 10, "0.054,x1,0.056");
  bent = WithLine(bent, 12, "0.125,0.171");
  bent += "\r\n\r\n";  // blank lines at the end are no samples
  const std::string path = scratch.Write("bent.csv", bent);
  ReadWarnings warnings;
  const auto record = Read(path, false, &warnings);
  EXPECT_EQ(warnings.Lines(), (std::vector<std::string>{
                                  path + ": line 4: '99.5Hz' is not a whole number; read as 99",
                                  path + ": line 10, field 2: 'x1' is not a number; read as 0",
                                  path + ": line 12, field 3: '' is not a number; read as 0",
                              }));
  EXPECT_EQ(record->SampleCount, 24000);
  EXPECT_EQ(record->Header.SamplingRate, 99);
  EXPECT_EQ(record->Acceleration[1][2], 0.0f);  // line 10 is the third sample
  EXPECT_EQ(record->Acceleration[2][4], 0.0f);
  EXPECT_EQ(record->Acceleration[0][4], 0.125f);
}

TEST(JmaCsvMalformed, ARecordOverTheBufferIsCutWithTheUsualWarning) {
  const TempFolder scratch;
  const std::string real = testing::ReadFileBytes(kJmaFile);
  std::string text = real.substr(0, real.find("-0.059,"));
  text.reserve(text.size() + 70002 * 14);
  for (int i = 0; i < kChannelCapacity + 2; ++i) text += "1.5,-2,0.25\r\n";
  const std::string path = scratch.Write("long.csv", text);
  ReadWarnings warnings;
  const auto record = Read(path, false, &warnings);
  EXPECT_EQ(record->SampleCount, kChannelCapacity);
  EXPECT_EQ(record->Acceleration[1][kChannelCapacity - 1], -2.0f);
  EXPECT_EQ(warnings.Lines(), std::vector<std::string>{path + " holds 70002 samples; the first 70000 are used"});
}

}  // namespace
}  // namespace tremora
