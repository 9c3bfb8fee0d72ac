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

std::string UserFolder(const RecordSet& record) {
  if (!record.BundlePath.empty()) return FolderOf(record.BundlePath);
  return record.ComponentPaths[0].empty() ? std::string() : FolderOf(record.ComponentPaths[0]);
}

const std::string* RecordFileAt(const RecordSet& record, const std::string& path) {
  for (int ch = 0; ch < record.ChannelCount; ++ch) {
    if (SameFile(path, record.ComponentPaths[ch])) return &record.ComponentPaths[ch];
  }
  if (!record.BundlePath.empty() && SameFile(path, record.BundlePath)) return &record.BundlePath;
  return nullptr;
}

}  // namespace tremora
