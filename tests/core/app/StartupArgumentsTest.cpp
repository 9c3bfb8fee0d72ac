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

}  // namespace
}  // namespace tremora
