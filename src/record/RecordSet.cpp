#include "record/RecordSet.h"

#include "base/TextFile.h"

namespace tremora {

RecordSet::RecordSet()
    : WorkBuffer(kBufferCapacity, 0.0f),
      WaveNames{CoreMessage{Tr("RecordSet", "加速度")}, CoreMessage{Tr("RecordSet", "速　度")},
                CoreMessage{Tr("RecordSet", "変　位")}} {
  for (int ch = 0; ch < kMaxChannels; ++ch) {
    Acceleration[ch].assign(kBufferCapacity, 0.0f);
    Velocity[ch].assign(kBufferCapacity, 0.0f);
    Displacement[ch].assign(kBufferCapacity, 0.0f);
  }
}

void SetIntervalFromRate(RecordSet& record, int rate_hz) {
  record.SamplingInterval = static_cast<float>(1.0L / rate_hz);
  record.IntervalSeconds = 1.0 / rate_hz;
}

void SetIntervalFromMilliseconds(RecordSet& record, int interval_ms) {
  record.SamplingInterval = static_cast<float>(interval_ms * 0.001L);
  record.IntervalSeconds = interval_ms / 1000.0;
}

void SetIntervalFromSeconds(RecordSet& record, double interval_s) {
  record.SamplingInterval = static_cast<float>(interval_s);
  record.IntervalSeconds = interval_s;
}

double SampleInterval(const RecordSet& record) {
  return record.IntervalSeconds > 0 ? record.IntervalSeconds : record.SamplingInterval;
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
