#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "base/Errors.h"
#include "spectrum/SpectrumCsv.h"

namespace tremora {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t begin = 0;
  for (size_t end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2) {
    lines.push_back(text.substr(begin, end - begin));
  }
  EXPECT_EQ(begin, text.size()) << "text after the last line end";
  return lines;
}

RecordSet Record(int channels) {
  RecordSet record;
  record.ChannelCount = channels;
  record.Header.StationCode = "HRS009";
  record.Header.OriginDate = "2003/05/26";
  record.Header.OriginTime = "18:24:00";
  return record;
}

TEST(SpectrumCsv, WritesBlocksOf109LinesPerChannelAndKind) {
  const PeriodGrid grid = MakePeriodGrid();
  SpectrumSet spectra{};
  spectra[0][3][0][0] = 981.5f;
  spectra[2][4][2][99] = 12345678.0f;
  const std::vector<std::string> lines =
      Lines(FormatSpectrumCsv(Record(3), grid, DampingSet(DampingMultiplier::X1), spectra));
  ASSERT_EQ(lines.size(), 9u * 109);
  EXPECT_EQ(lines[0], "HRS009");
  EXPECT_EQ(lines[1], "2003/05/26");
  EXPECT_EQ(lines[2], "18:24:00");
  EXPECT_EQ(lines[3], "NS");
  EXPECT_EQ(lines[4], "SA");
  EXPECT_EQ(lines[5], "Period,Frequency,0.00,0.01,0.02,0.05,0.10");
  EXPECT_EQ(lines[6], "  0.050, 20.000,      0.00,      0.00,      0.00,    981.50,      0.00");
  EXPECT_EQ(lines[105].substr(0, 15), "  9.484,  0.105");
  EXPECT_EQ(lines[106] + lines[107] + lines[108], "");
  EXPECT_EQ(lines[109 + 4], "SV");
  EXPECT_EQ(lines[8 * 109 + 3], "UD");
  EXPECT_EQ(lines[8 * 109 + 4], "SD");
  EXPECT_EQ(lines[8 * 109 + 105], "  9.484,  0.105,      0.00,      0.00,      0.00,      0.00,12345678.00");
}

TEST(SpectrumCsv, OneChannelGivesThreeBlocksAndNoChannelAnEmptyFile) {
  const PeriodGrid grid = MakePeriodGrid();
  SpectrumSet spectra{};
  const DampingRatios x10 = DampingSet(DampingMultiplier::X10);
  RecordSet one = Record(1);
  one.ComponentNames[0] = "EW2";
  const std::vector<std::string> lines = Lines(FormatSpectrumCsv(one, grid, x10, spectra));
  ASSERT_EQ(lines.size(), 3u * 109);
  EXPECT_EQ(lines[5], "Period,Frequency,0.00,0.10,0.20,0.50,1.00");
  EXPECT_EQ(lines[2 * 109 + 3], "EW2");
  EXPECT_EQ(FormatSpectrumCsv(Record(0), grid, x10, spectra), "");
}

TEST(SpectrumCsv, TheFrequencyIsWorkedOutFromThePeriod) {
  PeriodGrid grid = MakePeriodGrid();
  grid.Frequencies.fill(0.0f);  // not read
  SpectrumSet spectra{};
  const std::vector<std::string> lines =
      Lines(FormatSpectrumCsv(Record(1), grid, DampingSet(DampingMultiplier::X1), spectra));
  EXPECT_EQ(lines[6 + 50].substr(0, 15), "  0.707,  1.414");
}

TEST(SpectrumCsv, AFileThatCannotBeCreatedIsReported) {
  SpectrumSet spectra{};
  EXPECT_THROW(WriteSpectrumCsv("/nonexistent-folder/rsp.csv", Record(1), MakePeriodGrid(),
                                DampingSet(DampingMultiplier::X1), spectra),
               FileAccessError);
}

}  // namespace
}  // namespace tremora
