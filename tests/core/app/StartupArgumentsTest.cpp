#include "app/StartupArguments.h"

#include <gtest/gtest.h>

namespace tremora {
namespace {

TEST(StartupArguments, OneFileAndTheTwoInformationOptions) {
  EXPECT_EQ(ParseStartupArguments({"rec.NS"}).file, "rec.NS");
  EXPECT_TRUE(ParseStartupArguments({}).file.empty());
  EXPECT_TRUE(ParseStartupArguments({"rec.NS", "--help"}).help);
  EXPECT_TRUE(ParseStartupArguments({"--version"}).version);
  EXPECT_EQ(ParseStartupArguments({"--", "-odd.NS"}).file, "-odd.NS");
  EXPECT_EQ(ParseStartupArguments({"-"}).file, "-");

  EXPECT_NE(ParseStartupArguments({"--frobnicate"}).error, "");
  EXPECT_NE(ParseStartupArguments({"a.NS", "b.NS"}).error, "");
  EXPECT_EQ(ParseStartupArguments({"a.NS", "b.NS"}).file, "a.NS");
  EXPECT_NE(StartupVersion().find("3.0"), std::string::npos);
}

}  // namespace
}  // namespace tremora
