#include "record/FormatDetection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <vector>

#include "TempFolder.h"
#include "base/CNumbers.h"
#include "record/PeerAt2Format.h"

namespace tremora {
namespace {

using testing::TempFolder;

std::string HiroshimaText(const std::string& interval, const std::string& line_end) {
  std::string text = "code,HRS01" + line_end + "date,2018/01/24" + line_end + "time,19:51:43" + line_end +
                     "count,6000" + line_end + "interval," + interval + line_end;
  for (int k = 0; k < 40; ++k) text += "1.25,-0.5,3," + line_end;
  return text;
}

std::string Head(const std::string& path) {
  std::string text = testing::ReadFileBytes(path);
  text.resize(std::min(text.size(), kDetectionHeadSize));
  return text;
}

const char* NameOf(RecordFormat format) {
  switch (format) {
    case RecordFormat::Unknown: return "unknown";
    case RecordFormat::Knet: return "K-NET";
    case RecordFormat::Hiroshima: return "Hiroshima";
    case RecordFormat::JmaCsv: return "JMA CSV";
    case RecordFormat::PeerAt2: return "PEER .AT2";
  }
  return "?";
}

// Each format with its detector and its files: every detector runs over every format's files and
// must take its own and no other's. All mismatches are reported at once.
TEST(FormatDetection, EveryDetectorTakesItsOwnFormatsFilesAndNoOthers) {
  const TempFolder scratch;
  struct FormatFiles {
    RecordFormat format;
    bool (*detector)(std::string_view);
    std::vector<std::string> files;
  };
  std::vector<FormatFiles> table = {
      {RecordFormat::Knet, LooksLikeKnet, {}},
      {RecordFormat::Hiroshima, LooksLikeHiroshima,
       {scratch.Write("eq1.ns", HiroshimaText("10", "\n")), scratch.Write("eq1.EW", HiroshimaText("5", "\r\n"))}},
      {RecordFormat::JmaCsv, LooksLikeJmaCsv, {std::string(TREMORA_RECORDS_DIR) + "/jma/Q416EED018.csv"}},
      {RecordFormat::PeerAt2, LooksLikePeerAt2,
       {std::string(TREMORA_RECORDS_DIR) + "/at2/A-LAD180.AT2", std::string(TREMORA_RECORDS_DIR) + "/at2/TCU046-N.AT2"}},
  };
  for (const auto& entry : std::filesystem::directory_iterator(TREMORA_RECORDS_DIR)) {
    if (entry.is_regular_file() && entry.path().extension() != ".md") table[0].files.push_back(entry.path().string());
  }
  ASSERT_EQ(table[0].files.size(), 10u);

  std::string mismatches;
  for (const FormatFiles& detector : table) {
    for (const FormatFiles& owner : table) {
      for (const std::string& path : owner.files) {
        const bool expected = owner.format == detector.format;
        if (detector.detector(Head(path)) != expected) {
          mismatches += FormatC("%s detector %s %s (a %s file)\n", NameOf(detector.format),
                                expected ? "refuses" : "takes", path.c_str(), NameOf(owner.format));
        }
        if (DetectRecordFormatOfFile(path) != owner.format && detector.format == owner.format) {
          mismatches += path + ": detected as " + NameOf(DetectRecordFormatOfFile(path)) + "\n";
        }
      }
    }
  }
  EXPECT_EQ(mismatches, "");
}

// Files that are no record, and near misses the readers would refuse, are no format at all.
TEST(FormatDetection, FilesOfNoFormatAreUnknown) {
  const TempFolder scratch;
  std::vector<std::string> files = {
      std::string(TREMORA_RECORDS_DIR) + "/SOURCES.md",
      std::string(TREMORA_RECORDS_DIR) + "/jma/SOURCES.md",
      std::string(TREMORA_RECORDS_DIR) + "/at2/SOURCES.md",
      std::string(TREMORA_RECORDS_DIR) + "/jma",  // a folder
      std::string(TREMORA_RECORDS_DIR) + "/../README.md",
      std::string(TREMORA_DATA_DIR) + "/SITENAME.CSV",
      std::string(TREMORA_DATA_DIR) + "/SHOBONAME.CSV",
      scratch.Write("empty.NS", ""),
      scratch.Write("zeros.UD", std::string(5000, '\0')),
      scratch.File("missing.NS"),
  };
  std::string binary;
  for (int k = 0; k < 20000; ++k) binary += static_cast<char>((k * 7919) % 256);
  files.push_back(scratch.Write("binary.NS", binary));
  // An interval over 1000 ms, a K-NET header of 16 lines, a scale factor with the denominator 0, a
  // JMA header without its initial time.
  files.push_back(scratch.Write("slow.ns", HiroshimaText("1001", "\n")));
  const std::string knet = testing::ReadFileBytes(std::string(TREMORA_RECORDS_DIR) + "/AOM0011801241951.NS");
  size_t at = 0;
  for (int line = 0; line < 16; ++line) at = knet.find('\n', at) + 1;
  files.push_back(scratch.Write("cut.NS", knet.substr(0, at)));
  std::string no_scale = knet;
  no_scale.replace(no_scale.find("/6182761"), 8, "/0000000");
  files.push_back(scratch.Write("noscale.NS", no_scale));
  const std::string jma = testing::ReadFileBytes(std::string(TREMORA_RECORDS_DIR) + "/jma/Q416EED018.csv");
  std::string no_time = jma;
  no_time.replace(no_time.find("INITIAL TIME"), 12, "START");
  files.push_back(scratch.Write("notime.csv", no_time));

  std::string mismatches;
  for (const std::string& path : files) {
    const RecordFormat found = DetectRecordFormatOfFile(path);
    if (found != RecordFormat::Unknown) mismatches += path + ": " + NameOf(found) + "\n";
  }
  EXPECT_EQ(mismatches, "");
}

}  // namespace
}  // namespace tremora
