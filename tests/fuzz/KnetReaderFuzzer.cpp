// The K-NET / KiK-net component reader on arbitrary bytes: the header, the labels shown for it,
// the counts and their conversion to gal.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "base/Errors.h"
#include "record/KnetFormat.h"
#include "base/TextCoding.h"

using namespace tremora;
using tremora::fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  static std::vector<float> channel(kChannelCapacity);

  float scale_factor = 1.0f;
  ReadWarnings warnings;
  try {
    const RecordHeader header = ParseKnetHeader(content, "fuzz.NS", &warnings);
    // A header that is read has a rate and a scale every sample can be converted with.
    Require(header.SamplingRate > 0 && header.ScaleFactor > 0 && std::isfinite(header.ScaleFactor));
    FormatKnetHeaderLabels(header);
    scale_factor = header.ScaleFactor;
  } catch (const RecordFormatError&) {
    // A file too short for a header or with an unusable rate or scale factor is refused; the
    // samples are still read below, as they are for any file.
  }

  const int stored =
      ParseKnetSamples(content, scale_factor, channel.data(), kChannelCapacity, true, "fuzz.NS", &warnings);
  Require(stored >= 0 && stored <= kChannelCapacity);
  // Warnings never change what is read, and their texts are fit to show.
  Require(stored == ParseKnetSamples(content, scale_factor, channel.data(), kChannelCapacity, true));
  for (const std::string& line : warnings.Lines()) Require(IsValidUtf8(line));
  Require(IsValidUtf8(warnings.ShownText()));

  // A smaller limit gives the first counts of the whole read.
  const std::vector<int> counts = ParseKnetCounts(content, kChannelCapacity);
  const std::vector<int> first = ParseKnetCounts(content, 5);
  Require(first.size() == std::min<size_t>(counts.size(), 5));
  Require(std::equal(first.begin(), first.end(), counts.begin()));

  // Counts written as data lines read back as themselves.
  const std::string header_lines(kKnetHeaderLines, '\n');
  Require(ParseKnetCounts(header_lines + FormatKnetDataLines(counts), kChannelCapacity) == counts);
  return 0;
}
