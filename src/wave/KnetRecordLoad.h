#pragma once
// The whole K-NET / KiK-net load without its dialogs: names and partner files from the picked
// file, header, station, samples and the band-pass design for the record's sampling interval, all
// into a fresh record set. What the user must be told comes back as the outcome; the caller shows
// it. The main window and the batch tool read every K-NET record through ReadKnetRecord.

#include <functional>
#include <memory>
#include <string>

#include "record/KnetLoading.h"

namespace tremora {

enum class KnetLoadOutcome {
  BadFileName,      // the picked name failed FileNameCheck; nothing was read
  StationNotFound,  // loaded, but the station code is in neither table
  Loaded,
};

struct KnetLoadRequest {
  std::string path;  // the picked component file
  bool three_components = true;
  bool remove_mean = true;
  std::string bundle_path;  // the bundle the file was unpacked from, empty for a file on disk
  // Called once the name is accepted, before the first file is read (the window's wait message).
  std::function<void()> reading_started;
};

struct KnetLoadResult {
  KnetLoadOutcome outcome = KnetLoadOutcome::BadFileName;
  KnetHeaderLabels labels;  // filled once the header was read
  ReadWarnings warnings;    // to be shown once the record is loaded
  std::unique_ptr<RecordSet> record;  // the record read; null when the name was refused
};

// Throws FileAccessError for a file that cannot be read (a missing partner file included) and
// RecordFormatError for a file that cannot be used. RecordLoaded is left to the caller's
// after-load update.
KnetLoadResult ReadKnetRecord(const StationTables& stations, const KnetLoadRequest& request);

// ReadKnetRecord into record: once everything was read and checked, the record read replaces it
// whole; a refused name or a throw leaves it as it was. result.record is null.
KnetLoadResult LoadKnetRecordCore(RecordSet& record, const StationTables& stations, const std::string& path,
                                  bool three_components, bool remove_mean);

}  // namespace tremora
