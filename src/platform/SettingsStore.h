#pragma once
// What the program keeps between runs: a flat set of named texts. The store is a seam: the desktop
// one keeps them with QSettings under the program's name, tests install one in memory (the
// scripted platform does) or one that fails.

#include <map>
#include <optional>
#include <string>

namespace tremora {

using SettingsMap = std::map<std::string, std::string>;

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Everything stored; nullopt when the store cannot be read or is damaged (the program then
  // starts as on its first run). No store yet is an empty map.
  virtual std::optional<SettingsMap> Load() = 0;
  // Replaces what is stored; false when it could not be written.
  virtual bool Save(const SettingsMap& values) = 0;
};

// The store in use; the desktop's unless a test has installed another.
SettingsStore& CurrentSettingsStore();
// Installs store (not owned) and returns the previous one; nullptr restores the desktop's.
SettingsStore* InstallSettingsStore(SettingsStore* store);

// A store in memory, for tests: readable and writable can be switched off.
class MemorySettingsStore : public SettingsStore {
 public:
  SettingsMap values;
  bool readable = true;
  bool writable = true;
  int saves = 0;

  std::optional<SettingsMap> Load() override {
    if (!readable) return std::nullopt;
    return values;
  }
  bool Save(const SettingsMap& stored) override {
    if (!writable) return false;
    values = stored;
    ++saves;
    return true;
  }
};

}  // namespace tremora
