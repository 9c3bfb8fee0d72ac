#include "wave/KnetRecordLoad.h"

#include "wave/BandPassFilter.h"

namespace tremora {

KnetLoadResult LoadKnetRecordCore(RecordSet& record, const StationTables& stations, const std::string& path,
                                  bool three_components, bool remove_mean) {
  KnetLoadResult result;
  if (!PrepareKnetLoad(record, path, three_components)) return result;
  const KnetReadResult read = ReadKnetRecordFiles(record, stations, remove_mean);
  result.labels = read.labels;
  DesignBandPass(kBandPassCount, record.FilterCoefficients.data(), record.SamplingInterval, kBandPassF4,
                 kBandPassF3, kBandPassF2, kBandPassF1);
  result.outcome = read.station_found ? KnetLoadOutcome::Loaded : KnetLoadOutcome::StationNotFound;
  return result;
}

}  // namespace tremora
