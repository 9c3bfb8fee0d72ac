#include <gtest/gtest.h>

#include "record/TextFields.h"

namespace tremora {
namespace {

TEST(TextFields, TrimLineRemovesTrailingBlanksOnly) {
  EXPECT_EQ(TrimLine("Memo.             "), "Memo.");
  EXPECT_EQ(TrimLine("  a b  "), "  a b");
  EXPECT_EQ(TrimLine(""), "");
}

TEST(TextFields, LimitTextCountsDoubleByteCharactersAsTwoAndNeverSplitsOne) {
  EXPECT_EQ(CodePageWidth("ｱｲｳ"), 3);  // half-width katakana are single bytes in CP932
  EXPECT_EQ(CodePageWidth("大間a"), 5);
  EXPECT_EQ(LimitText("大間a", 3), "大");
  EXPECT_EQ(LimitText("abc", 10), "abc");
  EXPECT_EQ(FitField("0123456789AB", 10), "012345678");
}

}  // namespace
}  // namespace tremora
