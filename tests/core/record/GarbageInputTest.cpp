// Whatever bytes a reader is given, it returns a defined result or throws one of our errors, and
// never stores beyond its buffer. Run under the sanitizers, this is the readers' no-crash oracle.

#include <gtest/gtest.h>

#include <random>

#include "base/Errors.h"
#include "base/TextCoding.h"
#include "base/TextFile.h"
#include "record/HiroshimaFormat.h"
#include "record/KnetFormat.h"
#include "record/StationTables.h"
#include "record/TextFields.h"

namespace tremora {
namespace {

std::string RandomBytes(std::mt19937& random, size_t length, bool text_like) {
  static const char kTextChars[] = "0123456789 ,.-+\n\r\t/()eEabcHz";
  std::string bytes(length, '\0');
  for (char& c : bytes) {
    c = text_like ? kTextChars[random() % (sizeof kTextChars - 1)] : static_cast<char>(random() & 0xFF);
  }
  return bytes;
}

TEST(GarbageInput, ReadersNeverOverrunTheirBuffersOrCrash) {
  std::mt19937 random(20261207);
  StationTables tables;
  FillHrsmTable(tables, "HRS01,a,b,1,2\n");
  constexpr int kCapacity = 64;
  for (int round = 0; round < 400; ++round) {
    const std::string input = RandomBytes(random, random() % 3000, round % 2 == 0);
    std::vector<float> guarded(kCapacity + 8, 12345.0f);
    try {
      ParseKnetHeader(input, "garbage");
    } catch (const RecordFormatError&) {
    }
    const int knet = ParseKnetSamples(input, 0.5f, guarded.data(), kCapacity, true);
    ASSERT_GE(knet, 0);
    ASSERT_LE(knet, kCapacity);
    const int hiroshima = ParseHiroshimaSamples(input, guarded.data(), kCapacity);
    ASSERT_LE(hiroshima, kCapacity);
    for (int i = kCapacity; i < kCapacity + 8; ++i) ASSERT_EQ(guarded[i], 12345.0f);
    try {
      const HiroshimaHeader h = ParseHiroshimaHeader(input, "garbage", tables);
      ASSERT_GT(h.IntervalMs, 0);
      ASSERT_LE(h.SampleCount, kChannelCapacity);
    } catch (const RecordFormatError&) {
    }
    StationTables site;
    FillSiteTables(site, input);
    ASSERT_EQ(site.KnetStations.size() + site.KikStations.size() <= site.AllStations.size(), true);
    ASSERT_LE(SplitFields(input, 10).size(), 10u);
    ASSERT_TRUE(IsValidUtf8(ToUtf8(input)));
  }
}

}  // namespace
}  // namespace tremora
