#include "wave/KnetRecordLoad.h"

#include <utility>

#include "wave/WaveProcessing.h"

namespace tremora {

KnetLoadResult ReadKnetRecord(const StationTables& stations, const KnetLoadRequest& request) {
  KnetLoadResult result;
  auto record = std::make_unique<RecordSet>();
  if (!PrepareKnetLoad(*record, request.path, request.three_components)) return result;
  record->BundlePath = request.bundle_path;
  if (request.reading_started) request.reading_started();
  KnetReadResult read = ReadKnetRecordFiles(*record, stations, request.remove_mean);
  result.labels = std::move(read.labels);
  result.warnings = std::move(read.warnings);
  DesignRecordFilter(*record);
  result.outcome = read.station_found ? KnetLoadOutcome::Loaded : KnetLoadOutcome::StationNotFound;
  result.record = std::move(record);
  return result;
}

KnetLoadResult LoadKnetRecordCore(RecordSet& record, const StationTables& stations, const std::string& path,
                                  bool three_components, bool remove_mean) {
  KnetLoadRequest request;
  request.path = path;
  request.three_components = three_components;
  request.remove_mean = remove_mean;
  KnetLoadResult result = ReadKnetRecord(stations, request);
  if (result.record) {
    std::swap(record, *result.record);
    result.record.reset();
  }
  return result;
}

}  // namespace tremora
