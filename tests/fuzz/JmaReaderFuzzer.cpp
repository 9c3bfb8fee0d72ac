// The JMA strong-motion CSV reader on arbitrary bytes: its detector, the header and the sample
// lines, into one record set reused from run to run as the program reuses its own.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzSupport.h"
#include "base/Errors.h"
#include "record/FormatDetection.h"
#include "record/JmaCsvFormat.h"

using namespace tremora;
using tremora::fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  static RecordSet record;
  LooksLikeJmaCsv(content.substr(0, kDetectionHeadSize));
  try {
    const JmaCsvHeader header = ParseJmaCsvHeader(content, "fuzz.csv");
    Require(header.Header.SamplingRate > 0 && !header.Header.OriginKnown);
  } catch (const RecordFormatError&) {
    // Fewer than seven lines, a rate that is no positive number, a unit other than gal: refused.
  }
  ReadWarnings warnings;
  const int stored = ParseJmaCsvSamples(content, record, true, "fuzz.csv", &warnings);
  Require(stored >= 0 && stored <= kChannelCapacity);
  for (const ReadWarning& w : warnings.shown()) Require(w.kind != ReadWarningKind::TooManySamples || w.total > stored);
  return 0;
}
