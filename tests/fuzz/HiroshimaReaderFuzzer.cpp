// The Hiroshima City component reader on arbitrary bytes: the header, its station lookup and what
// it puts into a record, and the values.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "base/Errors.h"
#include "record/HiroshimaFormat.h"

using namespace tremora;
using tremora::fuzzing::Require;
using tremora::fuzzing::SmallStationTables;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  // One record, loaded over and over, as in the program.
  static RecordSet record;
  static std::vector<float> channel(kChannelCapacity);

  try {
    const HiroshimaHeader header = ParseHiroshimaHeader(content, "fuzz.ns", SmallStationTables());
    Require(header.IntervalMs > 0);
    Require(header.SampleCount >= 0 && header.SampleCount <= kChannelCapacity);
    ApplyHiroshimaHeader(record, header);
  } catch (const RecordFormatError&) {
    // Fewer than five lines or an interval that cannot be used: refused.
  }

  ReadWarnings warnings;
  const int stored = ParseHiroshimaSamples(content, channel.data(), kChannelCapacity, "fuzz.ns", &warnings);
  for (const ReadWarning& w : warnings.shown()) {
    Require(w.kind == ReadWarningKind::TooManySamples && w.used == stored && w.total > stored);
  }
  Require(stored >= 0 && stored <= kChannelCapacity);
  const int few = ParseHiroshimaSamples(content, channel.data(), 3);
  Require(few >= 0 && few <= 3 && few <= stored);
  return 0;
}
