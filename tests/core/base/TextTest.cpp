#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>

#include "TempFolder.h"
#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/TextCoding.h"
#include "base/TextFile.h"

namespace tremora {
namespace {

TEST(CNumbers, ReadLikeTheCLibrary) {
  EXPECT_EQ(ReadInt("  100Hz"), 100);
  EXPECT_EQ(ReadInt("-42 km"), -42);
  EXPECT_EQ(ReadInt("12.7"), 12);
  EXPECT_EQ(ReadInt("Hz"), 0);
  EXPECT_EQ(ReadInt(""), 0);
  EXPECT_EQ(ReadInt("99999999999"), 2147483647);
  EXPECT_DOUBLE_EQ(ReadDecimal(" 41.5267"), 41.5267);
  EXPECT_DOUBLE_EQ(ReadDecimal("-2.25,"), -2.25);
  EXPECT_DOUBLE_EQ(ReadDecimal("1e3x"), 1000.0);
  EXPECT_DOUBLE_EQ(ReadDecimal(".5"), 0.5);
  EXPECT_DOUBLE_EQ(ReadDecimal("nan"), 0.0);
  EXPECT_DOUBLE_EQ(ReadDecimal("0x10"), 0.0);
  EXPECT_LT(ReadDecimal("1e999"), 3.5e38);
}

TEST(CNumbers, IgnoreTheDesktopsDecimalComma) {
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr && std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") == nullptr) {
    GTEST_SKIP() << "no locale with a decimal comma installed";
  }
  EXPECT_EQ(FormatC("%.2f", 0.05), "0.05");
  EXPECT_DOUBLE_EQ(ReadDecimal("0.25"), 0.25);
  std::setlocale(LC_NUMERIC, "C");
}

TEST(CNumbers, FormatLongTexts) {
  const std::string long_text(1000, 'x');
  EXPECT_EQ(FormatC("%s!", long_text.c_str()), long_text + "!");
}

TEST(TextCoding, DecodesShiftJisAndKeepsUtf8) {
  EXPECT_EQ(ToUtf8("\x91\xe5\x8a\xd4"), "大間");
  EXPECT_EQ(ToUtf8("大間"), "大間");
  EXPECT_EQ(ToUtf8("abc"), "abc");
  EXPECT_EQ(ToUtf8("a\x80\x82\xa0" "b"), "a\xEF\xBF\xBDあb");  // a stray byte becomes U+FFFD
}

// Issue 10: a station code of ESC[2J cleared the terminal of `info`.
TEST(TextCoding, TextsFromFilesAreShownWithoutControlCharacters) {
  EXPECT_EQ(VisibleText("\x1b[2JAB\t\x7f"), "\u241b[2JAB\u2409\u2421");
  EXPECT_EQ(VisibleText("大間 \xc2\x9b" "x"), "大間 \uFFFDx");  // C1 CSI
  EXPECT_EQ(DecodeFieldText("\x91\xe5\x8a\xd4\x1b"), "大間\u241b");
  EXPECT_EQ(VisibleText("\xff\xfe"), "\uFFFD\uFFFD");
}

TEST(LineCursor, SplitsOnLineFeedsAndDropsCarriageReturns) {
  LineCursor cursor("a\r\nb\n\nc");
  std::string_view line;
  bool ended = false;
  ASSERT_TRUE(cursor.Next(line, &ended));
  EXPECT_EQ(line, "a");
  EXPECT_TRUE(ended);
  ASSERT_TRUE(cursor.Next(line));
  EXPECT_EQ(line, "b");
  ASSERT_TRUE(cursor.Next(line));
  EXPECT_EQ(line, "");
  ASSERT_TRUE(cursor.Next(line, &ended));
  EXPECT_EQ(line, "c");
  EXPECT_FALSE(ended);
  EXPECT_EQ(cursor.line_number(), 4);
  EXPECT_FALSE(cursor.Next(line));
}

TEST(Paths, SplitIntoFolderAndName) {
  EXPECT_EQ(FileNameOf("/a.b/c/AOM001.NS"), "AOM001.NS");
  EXPECT_EQ(FolderOf("/a.b/c/AOM001.NS"), "/a.b/c");
  EXPECT_EQ(FolderOf("/AOM001.NS"), "/");
  EXPECT_EQ(FolderOf("AOM001.NS"), "");
}

TEST(Paths, PartnersAreFoundInAnyCaseAndAsTheFolderChanges) {
  testing::TempFolder folder("partners");
  folder.Write("A.NS", "");
  EXPECT_EQ(FindWithExtensionInAnyCase(folder / "A.ns"), folder / "A.NS");
  EXPECT_EQ(FindWithExtensionInAnyCase(folder / "a.ns"), std::nullopt);  // only the extension's case
  // Made or renamed within the clock tick of the listing just made.
  folder.Write("B.Ew", "");
  EXPECT_EQ(FindWithExtensionInAnyCase(folder / "B.ew"), folder / "B.Ew");
  std::filesystem::rename(folder / "A.NS", folder / "A.nS");
  EXPECT_EQ(FindWithExtensionInAnyCase(folder / "A.ns"), folder / "A.nS");
  std::filesystem::remove(folder / "A.nS");
  EXPECT_EQ(FindWithExtensionInAnyCase(folder / "A.ns"), std::nullopt);
}

TEST(ReadWholeFile, RefusesAFileOverTheLimitBeforeReadingIt) {
  testing::TempFolder folder("large");
  const std::string limit = folder / "limit.NS";
  std::filesystem::resize_file(folder.Write("limit.NS", ""), kReadFileLimit);
  EXPECT_EQ(ReadWholeFile(limit).size(), kReadFileLimit);
  // 2 GiB, sparse: refused at once, nothing allocated.
  const std::string large = folder.Write("large.NS", "");
  std::filesystem::resize_file(large, size_t{2} << 30);
  try {
    ReadWholeFile(large);
    FAIL() << "read";
  } catch (const RecordFormatError& error) {
    EXPECT_EQ(error.what(), "データファイル " + large + " は大きすぎます\n読み込めるのは 16 MiB (16777216 バイト) までです");
  }
}

}  // namespace
}  // namespace tremora
