#include "wave/PeerAt2RecordLoad.h"

#include "record/PeerAt2Loading.h"
#include "wave/WaveProcessing.h"

namespace tremora {

PeerAt2LoadResult ReadPeerAt2Record(const std::vector<std::string>& paths, bool remove_mean) {
  PeerAt2LoadResult result;
  auto record = std::make_unique<RecordSet>();
  result.warnings = ReadPeerAt2RecordFiles(*record, paths, remove_mean);
  DesignRecordFilter(*record);
  result.record = std::move(record);
  return result;
}

}  // namespace tremora
