#include "wave/HiroshimaRecordLoad.h"

#include <array>
#include <optional>

#include "base/TextFile.h"
#include "record/HiroshimaFormat.h"
#include "record/KnetLoading.h"
#include "wave/WaveProcessing.h"

namespace tremora {

HiroshimaLoadResult ReadHiroshimaRecord(const StationTables& stations, const std::string& path,
                                        bool three_components) {
  HiroshimaLoadResult result;
  const int channels = three_components ? 3 : 1;
  std::array<std::string, kMaxChannels> paths{path};
  if (channels == 3) {
    // The picked file's name up to and including its first period ("/data/eq1." for "/data/eq1.ew").
    const std::string stem = SplitKnetFileName(path).base + ".";
    for (int ch = 0; ch < kMaxChannels; ++ch) {
      const std::string derived = stem + ComponentExtensionInPickedCase(path, ch);
      const std::optional<std::string> found = FindWithExtensionInAnyCase(derived);
      if (!found) {
        result.missing_partner = derived;
        return result;
      }
      paths[ch] = *found;
    }
  }
  const HiroshimaFiles files = ReadHiroshimaFiles(paths, channels, stations);

  auto record = std::make_unique<RecordSet>();
  record->Format = RecordFormat::Hiroshima;
  record->ChannelCount = channels;
  record->Format = RecordFormat::Hiroshima;
  record->ComponentPaths = paths;
  const std::string_view name = FileNameOf(path);
  record->RecordBaseName = std::string(name.substr(0, name.find('.')));
  // The network's own component names; a single file is named after its extension.
  const std::string extension = SplitKnetFileName(path).extension;
  if (channels == 1 && !extension.empty()) record->ComponentNames[0] = extension;
  record->DataFolder = UserFolder(*record);
  ApplyHiroshimaHeader(*record, files.header);
  DesignRecordFilter(*record);
  StoreHiroshimaChannels(*record, files.contents, &result.warnings);
  result.station_found = files.header.Station != nullptr;
  result.record = std::move(record);
  return result;
}

}  // namespace tremora
