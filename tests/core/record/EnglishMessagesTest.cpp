// The reader's refusals and warnings read in the language of the translate function the desktop
// installs (here the English translation file itself), and as written without one, as the batch
// tool has them.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "TranslationFile.h"
#include "base/Errors.h"
#include "base/Translation.h"
#include "record/KnetFormat.h"
#include "record/ReadWarnings.h"

namespace tremora {
namespace {

std::string FromTranslationFile(const char* context, const char* source) {
  static const std::map<std::pair<std::string, std::string>, std::string> english = [] {
    std::map<std::pair<std::string, std::string>, std::string> texts;
    for (const testing::TsMessage& m : testing::ReadTsFile(TREMORA_TRANSLATION_FILE)) {
      if (m.finished) texts[{m.context, m.source}] = m.translation;
    }
    return texts;
  }();
  const auto it = english.find({context, source});
  return it != english.end() ? it->second : source;
}

struct InstalledEnglish {
  InstalledEnglish() { InstallTranslateFunction(&FromTranslationFile); }
  ~InstalledEnglish() { InstallTranslateFunction(nullptr); }
};

std::string SamplingRateRefusal() {
  try {
    RefuseSamplingRate("/data/AOM0011801241951.NS", 11, "0Hz");
  } catch (const RecordFormatError& error) {
    return error.what();
  }
  return std::string();
}

std::string RangeWarning() {
  ReadWarnings warnings;
  warnings.AddValue(ReadWarningKind::NumberOutOfRange, "f", 11, 1, "123456789012", "2147483647");
  return warnings.ShownText();
}

TEST(ReaderMessages, ReadInEnglishWithTheTranslationInstalledAndAsWrittenWithout) {
  EXPECT_EQ(SamplingRateRefusal(),
            "データファイル /data/AOM0011801241951.NS のサンプリング周波数 (11行目) が読めません\n"
            "1 以上の整数 (Hz) が必要ですが、「0Hz」でした");
  EXPECT_EQ(RangeWarning(), "f の 11 行目の値「123456789012」は範囲外です (2147483647 として読みました)\n");
  {
    const InstalledEnglish english;
    EXPECT_EQ(SamplingRateRefusal(),
              "Data file /data/AOM0011801241951.NS: cannot read the sampling frequency (line 11)\n"
              "A whole number of 1 or more (Hz) is needed, but it was '0Hz'");
    EXPECT_EQ(RangeWarning(), "f: line 11: '123456789012' is out of range; read as 2147483647\n");
  }
  EXPECT_EQ(RangeWarning(), "f の 11 行目の値「123456789012」は範囲外です (2147483647 として読みました)\n");
}

}  // namespace
}  // namespace tremora
