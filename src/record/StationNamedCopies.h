#pragma once
// Copies of a record's component files named after the station's place instead of its code:
// "<folder>/<station name><date and time of the file name>.<component>".

#include <string>
#include <vector>

#include "base/Translation.h"
#include "record/RecordSet.h"

namespace tremora {

enum class NamedCopyOutcome { NothingLoaded, NoStationInformation, Written };

struct NamedCopyResult {
  NamedCopyOutcome outcome = NamedCopyOutcome::NothingLoaded;
  std::vector<std::string> targets;
  std::string report;  // the targets, one a line, and the closing sentence
};

inline constexpr CoreMessage kNoStationForCopyMessage{
    Tr("StationNamedCopies", "この観測点の情報がありませんので,ファイル名を変更することはできません")};
inline constexpr CoreMessage kNamedCopyCaption{Tr("StationNamedCopies", "観測地点名ファイル")};

// Target names for the loaded channels.
std::vector<std::string> StationNamedCopyTargets(const RecordSet& record);

// Writes the copies. Throws FileAccessError when a source cannot be read or a target cannot be
// written, and RecordFormatError when a target would overwrite its own source; copies made before
// the failure stay.
NamedCopyResult MakeStationNamedCopies(const RecordSet& record);

}  // namespace tremora
