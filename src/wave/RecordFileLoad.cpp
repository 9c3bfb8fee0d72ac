#include "wave/RecordFileLoad.h"

#include <utility>

#include "record/FormatDetection.h"
#include "record/JmaCsvFormat.h"
#include "wave/WaveProcessing.h"

namespace tremora {

KnetLoadResult ReadJmaRecord(const KnetLoadRequest& request) {
  KnetLoadResult result;
  auto record = std::make_unique<RecordSet>();
  record->BundlePath = request.bundle_path;
  if (request.reading_started) request.reading_started();
  ReadJmaCsvRecord(*record, request.path, request.remove_mean, &result.warnings);
  result.labels = FormatKnetHeaderLabels(record->Header);
  DesignRecordFilter(*record);
  result.outcome = KnetLoadOutcome::Loaded;
  result.record = std::move(record);
  return result;
}

KnetLoadResult ReadRecordFile(const StationTables& stations, const KnetLoadRequest& request) {
  if (DetectRecordFormatOfFile(request.path) == RecordFormat::JmaCsv) return ReadJmaRecord(request);
  return ReadKnetRecord(stations, request);
}

}  // namespace tremora
