#include "record/FormatDetection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "TempFolder.h"

namespace tremora {
namespace {

using testing::TempFolder;

const char* FormatName(RecordFormat format) {
  switch (format) {
    case RecordFormat::Knet: return "K-NET";
    case RecordFormat::Hiroshima: return "Hiroshima";
    case RecordFormat::Unknown: break;
  }
  return "unknown";
}

std::string HiroshimaText(const std::string& interval, const std::string& line_end) {
  std::string text = "code,HRS01" + line_end + "date,2018/01/24" + line_end + "time,19:51:43" + line_end +
                     "count,6000" + line_end + "interval," + interval + line_end;
  for (int k = 0; k < 40; ++k) text += "1.25,-0.5,3," + line_end;
  return text;
}

// Every file the program may be handed, with the format it is: each detector must take its own
// files and no other's. All mismatches are reported at once.
TEST(FormatDetection, EachFileIsTakenByItsOwnDetectorOnly) {
  TempFolder scratch;
  std::map<std::string, RecordFormat> expected;
  for (const auto& entry : std::filesystem::directory_iterator(TREMORA_RECORDS_DIR)) {
    const std::string name = entry.path().filename().string();
    expected[entry.path().string()] = name == "SOURCES.md" ? RecordFormat::Unknown : RecordFormat::Knet;
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
  // Near misses: an interval the reader refuses, a K-NET header cut after 16 lines.
  expected[scratch.Write("slow.ns", HiroshimaText("1001", "\n"))] = RecordFormat::Unknown;
  std::string cut_knet = testing::ReadFileBytes(std::string(TREMORA_RECORDS_DIR) + "/AOM0011801241951.NS");
  size_t at = 0;
  for (int line = 0; line < 16; ++line) at = cut_knet.find('\n', at) + 1;
  expected[scratch.Write("cut.NS", cut_knet.substr(0, at))] = RecordFormat::Unknown;

  std::string mismatches;
  for (const auto& [path, format] : expected) {
    const RecordFormat found = DetectRecordFormatOfFile(path);
    if (found != format) {
      mismatches += path + ": " + FormatName(found) + " instead of " + FormatName(format) + "\n";
    }
  }
  EXPECT_EQ(mismatches, "");
}

TEST(FormatDetection, KnetNeedsAUsableScaleFactorAndSamplingRate) {
  const std::string text = testing::ReadFileBytes(std::string(TREMORA_RECORDS_DIR) + "/AOM0011801241951.NS");
  ASSERT_TRUE(LooksLikeKnet(text));
  const auto with = [&](const std::string& from, const std::string& to) {
    std::string changed = text;
    changed.replace(changed.find(from), from.size(), to);
    return changed;
  };
  EXPECT_FALSE(LooksLikeKnet(with("3920(gal)/6182761", "3920(gal)/0000000")));
  EXPECT_FALSE(LooksLikeKnet(with("3920(gal)/6182761", "3920/6182761")));
  EXPECT_FALSE(LooksLikeKnet(with("100Hz", "0Hz")));
  EXPECT_TRUE(LooksLikeKnet(with("3920(gal)/6182761", "39200(gal)/6182761")));
  // Only the first lines are read: the head alone decides.
  EXPECT_TRUE(LooksLikeKnet(text.substr(0, kDetectionHeadSize)));
}

}  // namespace
}  // namespace tremora
