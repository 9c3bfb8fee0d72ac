#include "spectrum/SpectrumSource.h"

#include <algorithm>

namespace tremora {

SpectrumSource SpectrumSourceOf(const RecordSet& record, int start, int count, const DampingRatios& ratios,
                                SpectrumMethod method) {
  SpectrumSource source;
  source.StationCode = record.Header.StationCode;
  source.Station = record.CurrentStation;
  source.ChannelCount = std::clamp(record.ChannelCount, 0, kMaxChannels);
  source.ComponentNames = record.ComponentNames;
  source.OriginDate = record.Header.OriginDate;
  source.OriginTime = record.Header.OriginTime;
  source.RecordDate = record.Header.RecordDate;
  source.RecordTime = record.Header.RecordTime;
  source.RecordBaseName = record.RecordBaseName;
  const SampleSection section = StoredSection(record, start, count);
  source.StartIndex = section.start;
  source.SampleCount = section.count;
  source.Ratios = ratios;
  source.Method = method;
  return source;
}

}  // namespace tremora
