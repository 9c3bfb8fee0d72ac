#pragma once
// The whole load of a record from PEER .AT2 files without its dialogs: the files, their samples and
// the band-pass design, into a fresh record set. The main window and the batch tool both call it.

#include <memory>
#include <string>
#include <vector>

#include "record/ReadWarnings.h"
#include "record/RecordSet.h"

namespace tremora {

struct PeerAt2LoadResult {
  std::unique_ptr<RecordSet> record;
  ReadWarnings warnings;  // to be shown once the record is loaded
};

// One to three files of one station (see ReadPeerAt2RecordFiles); throws FileAccessError or
// RecordFormatError as that does. RecordLoaded is left to the caller's after-load update.
PeerAt2LoadResult ReadPeerAt2Record(const std::vector<std::string>& paths, bool remove_mean);

}  // namespace tremora
