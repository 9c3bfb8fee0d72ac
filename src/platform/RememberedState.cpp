#include "platform/RememberedState.h"

#include <algorithm>
#include <cstdio>

namespace tremora {

namespace {

constexpr const char* kRecentKey = "RecentFiles/";
constexpr const char* kFolderKey = "Folders/";
constexpr const char* kWindowKey = "Windows/";

bool StartsWith(const std::string& text, const std::string& prefix) { return text.compare(0, prefix.size(), prefix) == 0; }

// "x y width height", each a whole number, the sizes positive.
bool ReadPlace(const std::string& text, ScreenRect& place) {
  int used = 0;
  if (std::sscanf(text.c_str(), "%d %d %d %d%n", &place.x, &place.y, &place.width, &place.height, &used) != 4) {
    return false;
  }
  return used == static_cast<int>(text.size()) && place.width > 0 && place.height > 0;
}

}  // namespace

RememberedState ReadRemembered(const SettingsMap& values) {
  RememberedState state;
  // Numbered from 1, newest first; a gap ends the list.
  for (size_t i = 1; i <= kRecentFileCount; ++i) {
    const auto found = values.find(kRecentKey + std::to_string(i));
    if (found == values.end() || found->second.empty()) break;
    AddRecentFile(state.recent_files, found->second);
  }
  std::reverse(state.recent_files.begin(), state.recent_files.end());
  for (const auto& [key, value] : values) {
    if (StartsWith(key, kFolderKey) && key.size() > std::string(kFolderKey).size() && !value.empty()) {
      state.folders[key.substr(std::string(kFolderKey).size())] = value;
    }
    ScreenRect place;
    if (StartsWith(key, kWindowKey) && key.size() > std::string(kWindowKey).size() && ReadPlace(value, place)) {
      state.windows[key.substr(std::string(kWindowKey).size())] = place;
    }
  }
  return state;
}

SettingsMap WriteRemembered(const RememberedState& state) {
  SettingsMap values;
  const size_t count = std::min(state.recent_files.size(), kRecentFileCount);
  for (size_t i = 0; i < count; ++i) values[kRecentKey + std::to_string(i + 1)] = state.recent_files[i];
  for (const auto& [kind, folder] : state.folders) {
    if (!folder.empty()) values[kFolderKey + kind] = folder;
  }
  for (const auto& [name, place] : state.windows) {
    values[kWindowKey + name] = std::to_string(place.x) + " " + std::to_string(place.y) + " " +
                                std::to_string(place.width) + " " + std::to_string(place.height);
  }
  return values;
}

void AddRecentFile(std::vector<std::string>& list, const std::string& path) {
  list.erase(std::remove(list.begin(), list.end(), path), list.end());
  list.insert(list.begin(), path);
  if (list.size() > kRecentFileCount) list.resize(kRecentFileCount);
}

}  // namespace tremora
