#pragma once
// The benchmark input: three channels of 25,000 samples (250 s at 100 Hz) strung together from
// the real records of samples/, each record's mean removed as the reader does.

#include <string>
#include <vector>

#include "record/KnetFormat.h"
#include "record/RecordSet.h"

namespace tremora::bench {

constexpr int kSectionSamples = 25000;
constexpr float kStep = 0.01f;

inline std::vector<float> ReadRecordComponent(const std::string& name) {
  const std::string path = std::string(TREMORA_RECORDS_DIR) + "/" + name;
  const RecordHeader header = ReadKnetHeader(path);
  std::vector<float> samples(kBufferCapacity);
  samples.resize(ReadKnetSamples(path, header.ScaleFactor, samples.data(), kChannelCapacity, true));
  return samples;
}

// Channel c: NS, EW, UD of the KiK-net surface record, then of the K-NET record, then again.
inline std::vector<std::vector<float>> MakeSection() {
  const char* names[3][2] = {{"NGNH311106302345.NS2", "AOM0011801241951.NS"},
                             {"NGNH311106302345.EW2", "AOM0011801241951.EW"},
                             {"NGNH311106302345.UD2", "AOM0011801241951.UD"}};
  std::vector<std::vector<float>> section(3);
  for (int c = 0; c < 3; ++c) {
    const std::vector<float> parts[2] = {ReadRecordComponent(names[c][0]), ReadRecordComponent(names[c][1])};
    for (int p = 0; static_cast<int>(section[c].size()) < kSectionSamples; p = 1 - p) {
      section[c].insert(section[c].end(), parts[p].begin(), parts[p].end());
    }
    section[c].resize(kSectionSamples);
  }
  return section;
}

}  // namespace tremora::bench
