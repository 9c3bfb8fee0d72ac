#pragma once
// Real records of samples/ for the numeric tests.

#include <string>
#include <vector>

#include "record/KnetFormat.h"
#include "record/RecordSet.h"

namespace tremora::testing {

inline std::string RecordPath(const std::string& name) { return std::string(TREMORA_RECORDS_DIR) + "/" + name; }

// One component in gal, its mean kept or removed as the reader does.
inline std::vector<float> ReadComponent(const std::string& name, bool remove_mean = true) {
  const RecordHeader header = ReadKnetHeader(RecordPath(name));
  std::vector<float> samples(kBufferCapacity);
  const int count = ReadKnetSamples(RecordPath(name), header.ScaleFactor, samples.data(), kChannelCapacity, remove_mean);
  samples.resize(count);
  return samples;
}

// Every component file of samples/.
inline const std::vector<std::string>& AllComponents() {
  static const std::vector<std::string> names = {
      "AKT0139608110312.EW",   "AOM0011801241951.NS",   "AOM0011801241951.EW",   "AOM0011801241951.UD",
      "NGNH311106302345.NS1", "NGNH311106302345.EW1", "NGNH311106302345.UD1", "NGNH311106302345.NS2",
      "NGNH311106302345.EW2", "NGNH311106302345.UD2"};
  return names;
}

}  // namespace tremora::testing
