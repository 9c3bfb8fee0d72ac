#include "platform/QtSettingsStore.h"

#include <QSettings>
#include <memory>

#include "platform/InstalledSeam.h"

namespace tremora {

namespace {

std::unique_ptr<QSettings> Open(const QString& file) {
  if (file.isEmpty()) return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "tremora", "tremora");
  return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

}  // namespace

std::optional<SettingsMap> QtSettingsStore::Load() {
  const std::unique_ptr<QSettings> settings = Open(file_);
  if (settings->status() != QSettings::NoError) return std::nullopt;
  SettingsMap values;
  for (const QString& key : settings->allKeys()) {
    values[key.toStdString()] = settings->value(key).toString().toStdString();
  }
  return values;
}

bool QtSettingsStore::Save(const SettingsMap& values) {
  const std::unique_ptr<QSettings> settings = Open(file_);
  settings->clear();
  for (const auto& [key, value] : values) settings->setValue(QString::fromStdString(key), QString::fromStdString(value));
  settings->sync();
  return settings->status() == QSettings::NoError;
}

namespace {
InstalledSeam<SettingsStore> store_seam;
}

SettingsStore& CurrentSettingsStore() {
  static QtSettingsStore desktop;
  return store_seam.Current(desktop);
}

SettingsStore* InstallSettingsStore(SettingsStore* store) { return store_seam.Install(store); }

}  // namespace tremora
