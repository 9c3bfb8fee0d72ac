#include "wave/KnetRecordLoad.h"

#include "wave/WaveProcessing.h"

namespace tremora {

KnetLoadResult LoadKnetRecordCore(RecordSet& record, const StationTables& stations, const std::string& path,
                                  bool three_components, bool remove_mean) {
  KnetLoadResult result;
  if (!PrepareKnetLoad(record, path, three_components)) return result;
  const KnetReadResult read = ReadKnetRecordFiles(record, stations, remove_mean);
  result.labels = read.labels;
  result.warnings = read.warnings;
  DesignRecordFilter(record);
  result.outcome = read.station_found ? KnetLoadOutcome::Loaded : KnetLoadOutcome::StationNotFound;
  return result;
}

}  // namespace tremora
