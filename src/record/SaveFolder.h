#pragma once
// Where a save dialog opens: the folder that kind of file was last saved to (in this run, or in an
// earlier one when the windows remember it), else the folder the loaded record is known by (a
// bundle's own folder for a record read from one).

#include <string>

#include "base/TextFile.h"
#include "record/RecordSet.h"

namespace tremora {

inline std::string SaveDialogFolder(const std::string& last_saved_folder, const RecordSet& record) {
  if (!last_saved_folder.empty()) return last_saved_folder;
  return UserFolder(record);
}

}  // namespace tremora
