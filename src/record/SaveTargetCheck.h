#pragma once
// Every save dialog of the windows checks its choice here: an export never replaces one of the
// files of the record it shows.

#include <string>

#include "record/RecordSet.h"

namespace tremora {

// True (after a message naming the file) when path is one of the record's component files.
bool RefusedAsRecordFile(const RecordSet& record, const std::string& path);

}  // namespace tremora
