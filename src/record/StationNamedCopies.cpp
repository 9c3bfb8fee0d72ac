#include "record/StationNamedCopies.h"

#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "base/Translation.h"

namespace tremora {

namespace {

// K-NET and KiK-net file names begin with the six-character station code; the rest of the name up
// to its first period is the record's date and time.
constexpr size_t kStationCodeLength = 6;

}  // namespace

std::vector<std::string> StationNamedCopyTargets(const RecordSet& record) {
  const std::string_view name = FileNameOf(record.ComponentPaths[0]);
  const std::string_view stem_of_name = name.substr(0, name.find('.'));
  const std::string_view date_time =
      stem_of_name.size() > kStationCodeLength ? stem_of_name.substr(kStationCodeLength) : std::string_view();
  const std::string stem = record.DataFolder + "/" + record.CurrentStation.Name + std::string(date_time);
  std::vector<std::string> targets;
  for (int ch = 0; ch < record.ChannelCount; ++ch) {
    targets.push_back(FormatC("%s.%s", stem.c_str(), record.ComponentNames[ch].c_str()));
  }
  return targets;
}

NamedCopyResult MakeStationNamedCopies(const RecordSet& record) {
  NamedCopyResult result;
  if (!record.RecordLoaded) return result;
  if (record.RecordBaseName.empty()) {
    result.outcome = NamedCopyOutcome::NoStationInformation;
    return result;
  }
  result.targets = StationNamedCopyTargets(record);
  for (int ch = 0; ch < record.ChannelCount; ++ch) {
    const std::string& source = record.ComponentPaths[ch];
    const std::string& target = result.targets[ch];
    if (target == source || SameFile(source, target)) {
      throw RecordFormatError(
          source, 0,
          FormatC(Translate("StationNamedCopies", "コピー先 %s がコピー元と同じファイルです").c_str(), target.c_str()));
    }
    WriteWholeFile(target, ReadWholeFile(source));
    result.report += target + "\n";
  }
  result.report += Translate("StationNamedCopies", "\n観測地点名で表したデータファイルを作成しました　　　　");
  result.outcome = NamedCopyOutcome::Written;
  return result;
}

}  // namespace tremora
