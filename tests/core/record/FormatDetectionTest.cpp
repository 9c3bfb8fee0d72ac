#include "record/FormatDetection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "TempFolder.h"

namespace tremora {
namespace {

using testing::TempFolder;

std::string HiroshimaText(const std::string& interval, const std::string& line_end) {
  std::string text = "code,HRS01" + line_end + "date,2018/01/24" + line_end + "time,19:51:43" + line_end +
                     "count,6000" + line_end + "interval," + interval + line_end;
  for (int k = 0; k < 40; ++k) text += "1.25,-0.5,3," + line_end;
  return text;
}

// Every file the program may be handed, with the format it is: each detector must take its own
// files and no other's. All mismatches are reported at once.
TEST(FormatDetection, EachFileIsTakenByItsOwnDetectorOnly) {
  const TempFolder scratch;
  std::map<std::string, RecordFormat> expected;
  for (const auto& entry : std::filesystem::directory_iterator(TREMORA_RECORDS_DIR)) {
    if (entry.is_directory()) continue;  // the files of other formats, each in a folder of its own
    const bool record = entry.path().filename() != "SOURCES.md";
    expected[entry.path().string()] = record ? RecordFormat::Knet : RecordFormat::Unknown;
  }
  ASSERT_GE(expected.size(), 10u);
  expected[scratch.Write("eq1.ns", HiroshimaText("10", "\n"))] = RecordFormat::Hiroshima;
  expected[scratch.Write("eq1.EW", HiroshimaText("5", "\r\n"))] = RecordFormat::Hiroshima;
  expected[std::string(TREMORA_RECORDS_DIR) + "/../README.md"] = RecordFormat::Unknown;
  expected[std::string(TREMORA_DATA_DIR) + "/SITENAME.CSV"] = RecordFormat::Unknown;
  expected[std::string(TREMORA_DATA_DIR) + "/SHOBONAME.CSV"] = RecordFormat::Unknown;
  expected[scratch.Write("empty.NS", "")] = RecordFormat::Unknown;
  std::string binary;
  for (int k = 0; k < 20000; ++k) binary += static_cast<char>((k * 7919) % 256);
  expected[scratch.Write("binary.NS", binary)] = RecordFormat::Unknown;
  expected[scratch.Write("zeros.UD", std::string(5000, '\0'))] = RecordFormat::Unknown;
  expected[scratch.File("missing.NS")] = RecordFormat::Unknown;
  expected[scratch.path().string()] = RecordFormat::Unknown;  // a folder
  // Near misses the readers would refuse: an interval over 1000 ms, a header of 16 lines, a scale
  // factor with the denominator 0.
  expected[scratch.Write("slow.ns", HiroshimaText("1001", "\n"))] = RecordFormat::Unknown;
  const std::string knet = testing::ReadFileBytes(std::string(TREMORA_RECORDS_DIR) + "/AOM0011801241951.NS");
  size_t at = 0;
  for (int line = 0; line < 16; ++line) at = knet.find('\n', at) + 1;
  expected[scratch.Write("cut.NS", knet.substr(0, at))] = RecordFormat::Unknown;
  std::string no_scale = knet;
  no_scale.replace(no_scale.find("/6182761"), 8, "/0000000");
  expected[scratch.Write("noscale.NS", no_scale)] = RecordFormat::Unknown;

  const char* names[] = {"unknown", "K-NET", "Hiroshima"};
  std::string mismatches;
  for (const auto& [path, format] : expected) {
    const RecordFormat found = DetectRecordFormatOfFile(path);
    if (found != format) {
      mismatches += path + ": " + names[static_cast<int>(found)] + " instead of " + names[static_cast<int>(format)] + "\n";
    }
  }
  EXPECT_EQ(mismatches, "");
}

}  // namespace
}  // namespace tremora
