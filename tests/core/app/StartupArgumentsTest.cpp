#include "app/StartupArguments.h"

#include <gtest/gtest.h>

namespace tremora {
namespace {

TEST(StartupArguments, OneFileAndTheTwoInformationOptions) {
  EXPECT_EQ(ParseStartupArguments({"rec.NS"}).file, "rec.NS");
  EXPECT_TRUE(ParseStartupArguments({"rec.NS", "--help"}).help);
  EXPECT_TRUE(ParseStartupArguments({"--version"}).version);
  EXPECT_EQ(ParseStartupArguments({"--", "-odd.NS"}).file, "-odd.NS");
  EXPECT_NE(ParseStartupArguments({"--frobnicate"}).error, "");
  EXPECT_NE(ParseStartupArguments({"a.NS", "b.NS"}).error, "");
}

TEST(StartupArguments, LanguageInEitherSpellingAndOnlyTheTwoKnown) {
  const StartupArguments both = ParseStartupArguments({"--lang", "en", "rec.NS"});
  EXPECT_EQ(both.language, "en");
  EXPECT_EQ(both.file, "rec.NS");
  EXPECT_EQ(ParseStartupArguments({"--lang=ja"}).language, "ja");
  EXPECT_NE(ParseStartupArguments({"--lang", "fr"}).error, "");
  EXPECT_NE(ParseStartupArguments({"--lang"}).error, "");
}

}  // namespace
}  // namespace tremora
