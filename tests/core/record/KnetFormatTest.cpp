#include "record/KnetFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "TempFolder.h"
#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/TextFile.h"

namespace tremora {
namespace {

using testing::TempFolder;

const std::string kRecords = TREMORA_RECORDS_DIR;

// A header as the networks write it, with the values that tests change put in by the caller.
std::string Header(const std::string& sampling = "100Hz", const std::string& scale = "3920(gal)/6182761",
                   const std::string& memo = "") {
  return "Origin Time       2018/01/24 19:51:00\n"
         "Lat.              41.0\n"
         "Long.             142.5\n"
         "Depth. (km)       30\n"
         "Mag.              6.2\n"
         "Station Code      AOM001\n"
         "Station Lat.      41.5267\n"
         "Station Long.     140.9244\n"
         "Station Height(m) 39\n"
         "Record Time       2018/01/24 19:51:43\n"
         "Sampling Freq(Hz) " + sampling + "\n"
         "Duration Time(s)  102\n"
         "Dir.              N-S\n"
         "Scale Factor      " + scale + "\n"
         "Max. Acc. (gal)   4.954\n"
         "Last Correction   2018/01/24 19:51:43\n"
         "Memo.             " + memo + "\n";
}

// Counts on the data lines of a file, found by splitting on blanks, independently of the reader.
int CountValuesOnDataLines(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  for (int i = 0; i < kKnetHeaderLines; ++i) std::getline(in, line);
  int count = 0;
  std::string token;
  while (in >> token) ++count;
  return count;
}

TEST(KnetRealRecords, PeakAfterMeanRemovalMatchesTheHeadersMaximumAndEveryValueIsRead) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kRecords)) {
    const std::string path = entry.path().string();
    if (!entry.is_regular_file() || entry.path().extension() == ".md") continue;  // other formats have folders
    SCOPED_TRACE(path);
    ++files;
    ReadWarnings warnings;
    const RecordHeader header = ReadKnetHeader(path, &warnings);
    EXPECT_EQ(warnings.Lines(), std::vector<std::string>());  // a KiK-net station height of "502.5" is no fault
    std::vector<float> samples(kBufferCapacity);
    const int count = ReadKnetSamples(path, header.ScaleFactor, samples.data(), kChannelCapacity, true);
    EXPECT_EQ(count, CountValuesOnDataLines(ReadWholeFile(path)));
    EXPECT_EQ(count, static_cast<int>(header.SamplingRate * header.DurationTime));
    float peak = 0;
    for (int i = 0; i < count; ++i) peak = std::max(peak, std::fabs(samples[i]));
    EXPECT_NEAR(peak, ReadDecimal(header.MaxAccText), 0.0015);
  }
  EXPECT_EQ(files, 10);
}

TEST(KnetHeader, TakesEveryValueByLineAndColumn) {
  const RecordHeader h = ReadKnetHeader(kRecords + "/AOM0011801241951.NS");
  EXPECT_EQ(h.OriginDate, "2018/01/24");
  EXPECT_EQ(h.OriginTime, "19:51:00");
  EXPECT_FLOAT_EQ(h.EpicentreLatitude, 41.0f);
  EXPECT_FLOAT_EQ(h.EpicentreLongitude, 142.5f);
  EXPECT_EQ(h.Depth, 30);
  EXPECT_FLOAT_EQ(h.Magnitude, 6.2f);
  EXPECT_EQ(h.StationCode, "AOM001");
  EXPECT_FLOAT_EQ(h.StationLatitude, 41.5267f);
  EXPECT_FLOAT_EQ(h.StationLongitude, 140.9244f);
  EXPECT_EQ(h.StationHeight, 39);
  EXPECT_EQ(h.RecordDate, "2018/01/24");
  EXPECT_EQ(h.RecordTime, "19:51:43");
  EXPECT_EQ(h.SamplingRate, 100);  // "100Hz": the unit behind the digits is ignored
  EXPECT_FLOAT_EQ(h.DurationTime, 102.0f);
  EXPECT_EQ(h.Direction, "N-S");
  EXPECT_EQ(h.ScaleFactor, static_cast<float>(3920.0L / 6182761.0L));
  EXPECT_EQ(h.MaxAccText, "4.954");
  EXPECT_EQ(h.LastCorrection, "2018/01/24 19:51:43");
  EXPECT_EQ(h.Memo, "");
}

TEST(KnetHeader, FillsTheMainWindowLabelsWithTheirFormats) {
  const KnetHeaderLabels labels = FormatKnetHeaderLabels(ReadKnetHeader(kRecords + "/AOM0011801241951.NS"));
  EXPECT_EQ(labels.SamplingRate, "100 1/s");
  EXPECT_EQ(labels.Duration, "102.00 s");
  EXPECT_EQ(labels.OriginTime, "2018/01/24  19:51:00");
  EXPECT_EQ(labels.Latitude, "  41.0");
  EXPECT_EQ(labels.Longitude, " 142.5");
  EXPECT_EQ(labels.Depth, "  30 km");
  EXPECT_EQ(labels.Magnitude, "   6.2");
  EXPECT_EQ(labels.StationCode, "AOM001");
}

TEST(KnetHeader, MemoOfOnlyItsLabelOrOfBlanksIsEmpty) {
  EXPECT_EQ(ParseKnetHeader(Header("100Hz", "3920(gal)/6182761", ""), "f").Memo, "");
  EXPECT_EQ(ParseKnetHeader(Header("100Hz", "3920(gal)/6182761", "      "), "f").Memo, "");
  EXPECT_EQ(ParseKnetHeader(Header("100Hz", "3920(gal)/6182761", "aftershock  "), "f").Memo, "aftershock");
}

TEST(KnetHeader, CarriageReturnsAndLineFeedsReadAlike) {
  std::string crlf;
  for (char c : Header()) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const RecordHeader a = ParseKnetHeader(Header(), "f");
  const RecordHeader b = ParseKnetHeader(crlf, "f");
  EXPECT_EQ(a.Memo, b.Memo);
  EXPECT_EQ(a.OriginTime, b.OriginTime);
  EXPECT_EQ(a.ScaleFactor, b.ScaleFactor);
  EXPECT_EQ(b.Direction, "N-S");
}

TEST(KnetHeader, ALineLongerThanTheLimitIsCutAndDoesNotShiftTheLinesAfterIt) {
  std::string text = Header();
  const size_t memo_at = text.find("Memo.");
  text.replace(text.find("Dir.              N-S"), 21, "Dir.              N-S" + std::string(300, 'x'));
  const RecordHeader h = ParseKnetHeader(text, "f");
  EXPECT_EQ(h.Direction, "N-Sxxxx");  // seven characters at most
  EXPECT_EQ(h.ScaleFactor, static_cast<float>(3920.0L / 6182761.0L));
  EXPECT_NE(memo_at, std::string::npos);
  EXPECT_EQ(h.MaxAccText, "4.954");
}

// A missing denominator would turn every sample into inf or nan; (issue 22) a scale of zero would
// give a silent record and an intensity of -inf, a negative one the record's mirror image.
TEST(KnetHeader, RefusesAScaleFactorThatWouldDivideByZeroOrIsZeroOrBelow) {
  const std::string no_denominator = "「分子(gal)/分母」の形で 28 桁目から 0 でない分母が必要ですが、「";
  const std::string not_positive = "「分子(gal)/分母」の形で正の分子と分母が必要ですが、「";
  const struct {
    std::string scale;
    const std::string& expected;
  } cases[] = {{"3920(gal)/0", no_denominator},        {"3920(gal)/", no_denominator},
               {"3920", no_denominator},               {"", no_denominator},
               {"3920(gal)6182761", no_denominator},   {"0(gal)/6182761", not_positive},
               {"-3920(gal)/6182761", not_positive},   {"3920(gal)/-6182761", not_positive},
               {"-1(gal)/-1", not_positive}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scale);
    try {
      ParseKnetHeader(Header("100Hz", c.scale), "/data/x.NS");
      FAIL() << "accepted";
    } catch (const RecordFormatError& error) {
      EXPECT_EQ(error.line(), 14);
      EXPECT_EQ(std::string(error.what()), "データファイル /data/x.NS の Scale Factor (14行目) が読めません\n" +
                                               c.expected + c.scale + "」でした");
    }
  }
}

// Issue 22: integers written as decimals or too large for an int are read as the C library reads
// them, and each is named with what the program uses instead.
TEST(KnetHeader, NamesASamplingRateOrScaleReadOnlyInPartOrClamped) {
  ReadWarnings warnings;
  RecordHeader h = ParseKnetHeader(Header("1e9", "1e400(gal)/1"), "f", &warnings);
  EXPECT_EQ(h.SamplingRate, 1);
  EXPECT_EQ(h.ScaleFactor, 1.0f);
  h = ParseKnetHeader(Header("99.5Hz", "99999999999(gal)/2.5e3"), "g", &warnings);
  EXPECT_EQ(h.SamplingRate, 99);
  EXPECT_EQ(h.ScaleFactor, static_cast<float>(2147483647.0L / 2));
  EXPECT_EQ(warnings.Lines(), (std::vector<std::string>{
                                  "f: line 11: '1e9' is not a whole number; read as 1",
                                  "f: line 14: '1e400(gal)' is not a whole number; read as 1",
                                  "g: line 11: '99.5Hz' is not a whole number; read as 99",
                                  "g: line 14: '99999999999(gal)' is out of range; read as 2147483647",
                                  "g: line 14: '2.5e3' is not a whole number; read as 2"}));
  EXPECT_NE(warnings.ShownText().find("f の 11 行目の値「1e9」は整数ではありません (1 として読みました)\n"),
            std::string::npos);
}

TEST(KnetHeader, ANumeratorOfOtherWidthStillFindsItsDenominator) {
  EXPECT_EQ(ParseKnetHeader(Header("100Hz", "39(gal)/6182761"), "f").ScaleFactor,
            static_cast<float>(39.0L / 6182761.0L));
  EXPECT_EQ(ParseKnetHeader(Header("100Hz", "13920(gal)/6182761"), "f").ScaleFactor,
            static_cast<float>(13920.0L / 6182761.0L));
}

TEST(KnetHeader, RefusesASamplingRateOfZeroAndAShortHeader) {
  EXPECT_THROW(ParseKnetHeader(Header("0Hz"), "f"), RecordFormatError);
  EXPECT_THROW(ParseKnetHeader(Header("Hz"), "f"), RecordFormatError);
  std::string text = Header();
  text.resize(text.find("Max. Acc."));
  try {
    ParseKnetHeader(text, "f");
    FAIL() << "accepted";
  } catch (const RecordFormatError& error) {
    EXPECT_EQ(error.line(), 14);
  }
}

// Issue 10: values the reader had to bend are named with their line; a well-formed header has none.
TEST(KnetHeader, NamesClampedNumbersAndALastHeaderLineThatHoldsCounts) {
  ReadWarnings warnings;
  ParseKnetHeader(Header("100Hz", "3920(gal)/6182761", "Tokyo 12"), "f", &warnings);
  EXPECT_TRUE(warnings.empty());

  std::string text = Header("123456789012");
  text.replace(text.find("41.0"), 4, "1e400");
  // A file that lost its memo line: the first data line becomes line 17.
  text.replace(text.find("Memo."), std::string::npos, "    -123      456        7\n");
  ParseKnetHeader(text, "f", &warnings);
  EXPECT_EQ(warnings.Lines(), (std::vector<std::string>{
                                  "f: line 17 is the last header line but looks like a data line (is the header "
                                  "a line short?); its values are not read as samples",
                                  "f: line 2: '1e400' is out of range; read as 3.40282e+38",
                                  "f: line 11: '123456789012' is out of range; read as 2147483647"}));
  EXPECT_NE(warnings.ShownText().find("f の 11 行目の値「123456789012」は範囲外です (2147483647 として読みました)\n"),
            std::string::npos);
}

TEST(KnetHeader, MissingFileIsAnAccessError) {
  try {
    ReadKnetHeader("/nonexistent/AOM0011801241951.NS");
    FAIL() << "read";
  } catch (const FileAccessError& error) {
    EXPECT_EQ(error.operation(), FileAccessError::Operation::Open);
    EXPECT_EQ(error.path(), "/nonexistent/AOM0011801241951.NS");
  }
}

TEST(KnetSamples, FieldsAreNineCharactersAndAShortLastLineKeepsItsValues) {
  std::vector<int> counts(20);
  for (int i = 0; i < 20; ++i) counts[i] = (i % 2 ? -1 : 1) * (i * 1111 + 7);
  const std::string lines = FormatKnetDataLines(counts);
  // Two full lines of 73 characters with their line end, then 4 values: 36 characters.
  EXPECT_EQ(lines.size(), 2u * 74 + 37);
  EXPECT_EQ(lines.substr(2 * 74), FormatC("%8d%9d%9d%9d\r\n", counts[16], counts[17], counts[18], counts[19]));
  EXPECT_EQ(ParseKnetCounts(Header() + lines, kChannelCapacity), counts);
}

TEST(KnetSamples, ExtremeCountsKeepTheirSignInsideTheirFieldAndReadBack) {
  const std::vector<int> counts = {-9999999, 99999999, -9999999, 99999999, 0, -1, 1, 99999999, -9999999};
  const std::string lines = FormatKnetDataLines(counts);
  EXPECT_EQ(lines.substr(0, 18), "-9999999 99999999 ");
  EXPECT_EQ(lines.substr(18, 9), "-9999999 ");
  EXPECT_EQ(ParseKnetCounts(Header() + lines, kChannelCapacity), counts);
}

TEST(KnetSamples, ConvertsCountsToGalAsAFloatProductAndRemovesTheMeanOnRequest) {
  const std::string text = Header() + FormatKnetDataLines({100, 200, 300, 400});
  const float scale = static_cast<float>(3920.0L / 6182761.0L);
  float samples[4];
  ASSERT_EQ(ParseKnetSamples(text, scale, samples, 4, false), 4);
  EXPECT_EQ(samples[2], static_cast<float>(300.0L * scale));
  ASSERT_EQ(ParseKnetSamples(text, scale, samples, 4, true), 4);
  EXPECT_NEAR(samples[0] + samples[1] + samples[2] + samples[3], 0.0f, 1e-6f);
  EXPECT_NEAR(samples[3] - samples[0], 300 * scale, 1e-6f);
}

TEST(KnetSamples, StopsAtTheChannelCapacity) {
  std::vector<int> counts(kChannelCapacity + 25);
  for (size_t i = 0; i < counts.size(); ++i) counts[i] = static_cast<int>(i);
  std::vector<float> samples(kBufferCapacity, -1.0f);
  const int stored = ParseKnetSamples(Header() + FormatKnetDataLines(counts), 1.0f, samples.data(), kBufferCapacity, false);
  EXPECT_EQ(stored, kChannelCapacity);
  EXPECT_EQ(samples[kChannelCapacity - 1], static_cast<float>(kChannelCapacity - 1));
  EXPECT_EQ(samples[kChannelCapacity], -1.0f);
}

TEST(KnetSamples, ALastLineWithoutLineEndKeepsItsLastValue) {
  EXPECT_EQ(ParseKnetCounts(Header() + "       5       -6", kChannelCapacity), (std::vector<int>{5, -6}));
  EXPECT_EQ(ParseKnetCounts(Header() + "       5       -6\r\n", kChannelCapacity), (std::vector<int>{5, -6}));
}

TEST(KnetSamples, ALongDataLineGivesAllItsFields) {
  std::string line;
  for (int i = 0; i < 20; ++i) line += FormatC("%8d ", i);
  EXPECT_EQ(ParseKnetCounts(Header() + line + "\n", kChannelCapacity).size(), 20u);
}

TEST(RemoveMean, SubtractsTheMeanOfTheRangeOnly) {
  float samples[] = {9, 1, 2, 3, 9};
  RemoveMean(samples, 1, 3);
  EXPECT_EQ(samples[0], 9);
  EXPECT_EQ(samples[1], -1);
  EXPECT_EQ(samples[2], 0);
  EXPECT_EQ(samples[3], 1);
  EXPECT_EQ(samples[4], 9);
  RemoveMean(samples, 0, 0);  // nothing to average: nothing changes, no division by zero
  EXPECT_EQ(samples[0], 9);
}

class KnetWriter : public ::testing::Test {
 protected:
  TempFolder folder_{"knet-writer"};
  std::string template_ = folder_.Write("template.EW", Header());
};

TEST_F(KnetWriter, WritesTheTemplateHeaderWithTheNewPeakAndReadsBack) {
  const float values[] = {1.0f, -123.9f, 50.25f};
  const std::string out = folder_.File("out.EW");
  WriteKnetFile(out, template_, values, 3, 0.25f);
  const std::string text = ReadWholeFile(out);
  EXPECT_NE(text.find("Max. Acc. (gal)    123\r\n"), std::string::npos);
  EXPECT_NE(text.find("Scale Factor      3920(gal)/6182761\r\n"), std::string::npos);
  EXPECT_EQ(ParseKnetCounts(text, kChannelCapacity), (std::vector<int>{4, -495, 201}));
  EXPECT_EQ(ReadKnetHeader(out).StationCode, "AOM001");
}

TEST_F(KnetWriter, NoSamplesGiveTheSeventeenHeaderLinesOnly) {
  const std::string out = folder_.File("empty.EW");
  WriteKnetFile(out, template_, nullptr, 0, 1.0f);
  const std::string text = ReadWholeFile(out);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 17);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_TRUE(ParseKnetCounts(text, kChannelCapacity).empty());
}

TEST_F(KnetWriter, ReportsEveryFailureAndLeavesNoFileBehind) {
  const float values[] = {1.0f};
  EXPECT_THROW(WriteKnetFile(folder_.File("no/such/folder/out.EW"), template_, values, 1, 1.0f), FileAccessError);
  EXPECT_THROW(WriteKnetFile(folder_.File("a.EW"), folder_.File("missing.EW"), values, 1, 1.0f), FileAccessError);
  EXPECT_FALSE(FileExists(folder_.File("a.EW")));
  const std::string short_template = folder_.Write("short.EW", "Origin Time       2018/01/24 19:51:00\n");
  EXPECT_THROW(WriteKnetFile(folder_.File("b.EW"), short_template, values, 1, 1.0f), RecordFormatError);
  EXPECT_THROW(WriteKnetFile(folder_.File("c.EW"), template_, values, 1, 0.0f), RecordFormatError);
  EXPECT_FALSE(FileExists(folder_.File("b.EW")));
  EXPECT_FALSE(FileExists(folder_.File("c.EW")));
}

// A count converted to gal and back is truncated toward zero, so it may come back one smaller in
// magnitude, never more.
TEST_F(KnetWriter, ARealRecordWrittenBackKeepsItsLengthAndItsCountsToWithinOne) {
  const std::string source = kRecords + "/NGNH311106302345.EW2";
  const RecordHeader header = ReadKnetHeader(source);
  std::vector<float> samples(kBufferCapacity);
  const int count = ReadKnetSamples(source, header.ScaleFactor, samples.data(), kChannelCapacity, false);
  const std::string out = folder_.File("copy.EW2");
  WriteKnetFile(out, source, samples.data(), count, header.ScaleFactor);
  const std::vector<int> written = ParseKnetCounts(ReadWholeFile(out), kChannelCapacity);
  const std::vector<int> original = ParseKnetCounts(ReadWholeFile(source), kChannelCapacity);
  ASSERT_EQ(written.size(), original.size());
  for (size_t i = 0; i < written.size(); ++i) {
    ASSERT_LE(std::abs(original[i]) - std::abs(written[i]), 1) << i;
    ASSERT_GE(std::abs(original[i]) - std::abs(written[i]), 0) << i;
  }
}

}  // namespace
}  // namespace tremora
