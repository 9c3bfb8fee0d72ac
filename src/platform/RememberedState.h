#pragma once
// What the windows remember between runs, none of it a control's state: the files opened last, the
// folder each kind of file was last opened from or saved to, and each window's place. Read from
// and written to the flat texts of a SettingsStore; an entry that does not read back is dropped,
// so a damaged store starts that entry as on a first run.

#include <map>
#include <string>
#include <vector>

#include "platform/ScreenFit.h"
#include "platform/SettingsStore.h"

namespace tremora {

inline constexpr size_t kRecentFileCount = 10;

struct RememberedState {
  std::vector<std::string> recent_files;         // newest first, at most kRecentFileCount
  std::map<std::string, std::string> folders;    // kind of file -> folder
  std::map<std::string, ScreenRect> windows;     // window name -> frame corner and client size
};

RememberedState ReadRemembered(const SettingsMap& values);
SettingsMap WriteRemembered(const RememberedState& state);

// path to the head of the list; an earlier entry of the same path goes, the oldest beyond
// kRecentFileCount too.
void AddRecentFile(std::vector<std::string>& list, const std::string& path);

}  // namespace tremora
