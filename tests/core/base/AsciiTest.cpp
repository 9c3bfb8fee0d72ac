#include "base/Ascii.h"

#include <gtest/gtest.h>

#include <cctype>

namespace tremora {
namespace {

// The helpers stand in for the C library's tests in the "C" locale, whatever locale is set, and
// leave every byte of a multi-byte character alone.
TEST(Ascii, AgreesWithTheCLocaleAndLeavesOtherBytesAlone) {
  for (int byte = 0; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    const bool ascii = byte < 128;
    EXPECT_EQ(IsCSpace(c), ascii && std::isspace(byte) != 0) << byte;
    EXPECT_EQ(IsAsciiDigit(c), ascii && std::isdigit(byte) != 0) << byte;
    EXPECT_EQ(IsSpaceOrTab(c), byte == ' ' || byte == '\t') << byte;
    EXPECT_EQ(UpperAscii(c), ascii ? static_cast<char>(std::toupper(byte)) : c) << byte;
  }
  EXPECT_EQ(UpperAscii("aom001 大間"), "AOM001 大間");
  EXPECT_TRUE(ContainsIgnoringAsciiCase("Ooma 大間町", "OMA"));
  EXPECT_TRUE(ContainsIgnoringAsciiCase("大間町", "間"));
  EXPECT_FALSE(ContainsIgnoringAsciiCase("Ooma", "oomaa"));
  EXPECT_TRUE(StartsWithIgnoringAsciiCase("aom001", "AOM"));
  EXPECT_FALSE(StartsWithIgnoringAsciiCase("AO", "AOM"));
}

}  // namespace
}  // namespace tremora
