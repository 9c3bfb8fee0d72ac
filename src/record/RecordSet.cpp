#include "record/RecordSet.h"

#include "record/TextFile.h"

namespace tremora {

RecordSet::RecordSet()
    : WorkBuffer(kBufferCapacity, 0.0f),
      WaveNames{"加速度", "速　度", "変　位"} {
  for (int ch = 0; ch < kMaxChannels; ++ch) {
    Acceleration[ch].assign(kBufferCapacity, 0.0f);
    Velocity[ch].assign(kBufferCapacity, 0.0f);
    Displacement[ch].assign(kBufferCapacity, 0.0f);
  }
}

const std::string* RecordFileAt(const RecordSet& record, const std::string& path) {
  for (int ch = 0; ch < record.ChannelCount; ++ch) {
    if (SameFile(path, record.ComponentPaths[ch])) return &record.ComponentPaths[ch];
  }
  return nullptr;
}

}  // namespace tremora
