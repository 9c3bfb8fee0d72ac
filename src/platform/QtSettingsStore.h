#pragma once

#include <QString>
#include <utility>

#include "platform/SettingsStore.h"

namespace tremora {

// The desktop's store: QSettings of the organisation and application "tremora" in Qt's native
// format (on Linux ~/.config/tremora/tremora.conf). file, when given, is used instead (tests).
class QtSettingsStore : public SettingsStore {
 public:
  explicit QtSettingsStore(QString file = QString()) : file_(std::move(file)) {}
  std::optional<SettingsMap> Load() override;
  bool Save(const SettingsMap& values) override;

 private:
  QString file_;
};

}  // namespace tremora
