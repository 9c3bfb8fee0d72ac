#pragma once
// The whole K-NET / KiK-net load without its dialogs: names and partner files from the picked
// file, header, station, samples and the band-pass design for the record's sampling interval.
// What the user must be told comes back as the outcome; the caller shows it.

#include <string>

#include "record/KnetLoading.h"

namespace tremora {

enum class KnetLoadOutcome {
  BadFileName,      // the picked name failed FileNameCheck; nothing was read
  StationNotFound,  // loaded, but the station code is in neither table
  Loaded,
};

struct KnetLoadResult {
  KnetLoadOutcome outcome = KnetLoadOutcome::BadFileName;
  KnetHeaderLabels labels;  // filled once the header was read
  ReadWarnings warnings;    // to be shown once the record is loaded
};

// Throws FileAccessError for a file that cannot be read (a missing partner file included) and
// RecordFormatError for a file that cannot be used. RecordLoaded is left to the caller's
// after-load update.
KnetLoadResult LoadKnetRecordCore(RecordSet& record, const StationTables& stations, const std::string& path,
                                  bool three_components, bool remove_mean);

}  // namespace tremora
