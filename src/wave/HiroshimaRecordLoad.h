#pragma once
// The whole load of a Hiroshima City record without its dialogs: the partner files sharing the
// picked file's stem, every header and sample and the band-pass design, all into a fresh record
// set. The window shows what comes back.

#include <memory>
#include <string>

#include "record/ReadWarnings.h"
#include "record/RecordSet.h"
#include "record/StationTables.h"

namespace tremora {

struct HiroshimaLoadResult {
  // The first partner file not found, named in the picked file's letter case; the record is null then.
  std::string missing_partner;
  std::unique_ptr<RecordSet> record;  // the record read
  bool station_found = false;         // its code is in the Hiroshima table
  ReadWarnings warnings;              // to be shown once the record is loaded
};

// Throws FileAccessError for a file that cannot be read and RecordFormatError for one that cannot
// be used (see ReadHiroshimaFiles). RecordLoaded is left to the caller's after-load update.
HiroshimaLoadResult ReadHiroshimaRecord(const StationTables& stations, const std::string& path,
                                        bool three_components);

}  // namespace tremora
