#include "app/Remembering.h"

#include <QWidget>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/Application.h"
#include "app/TAboutBox.h"
#include "app/TForm1.h"
#include "app/THRSMList.h"
#include "app/THowTo.h"
#include "app/TSiteList.h"
#include "app/TSynthe.h"
#include "analysis/TMetrics.h"
#include "graph/TLarge.h"
#include "graph/TSuper.h"
#include "platform/RememberedState.h"
#include "platform/WindowPlacement.h"
#include "spectrum/TSpect.h"

namespace tremora {

namespace {

// Each kind of file and the field its dialog opens in.
std::vector<std::pair<const char*, std::string*>> FolderFields(const Application& application) {
  TForm1& form = application.Form1();
  TSpect& spect = application.Spect();
  return {
      {"open", &form.OpenDialog1.initial_folder},
      {"wave-csv", &form.LastWaveCsvFolder},
      {"gif", &spect.LastGifFolder},
      {"spectrum-csv", &spect.LastCsvFolder},
      {"synthesis", &application.Synthe().LastOutputFolder},
      {"enlarged-gif", &application.Large().SaveDialog1.initial_folder},
      {"overlay-gif", &application.Super().SaveDialog1.initial_folder},
  };
}

// The windows whose places are kept. The wait and stepping windows are placed anew each time.
std::vector<QWidget*> PlacedWindows(const Application& application) {
  return {&application.Form1(), &application.Spect(), &application.HowTo(),    &application.AboutBox(),
          &application.Large(), &application.Super(), &application.SiteList(), &application.Synthe(),
          &application.HRSMList(), &application.Metrics()};
}

constexpr const char* kLanguageKey = "language";

bool IsFolder(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

}  // namespace

Language StartupLanguage(const std::string& requested) {
  if (const std::optional<Language> chosen = LanguageFromCode(requested)) return *chosen;
  const std::optional<SettingsMap> stored = CurrentSettingsStore().Load();
  if (!stored) return Language::Japanese;
  const auto found = stored->find(kLanguageKey);
  return found == stored->end() ? Language::Japanese : LanguageFromCode(found->second).value_or(Language::Japanese);
}

void RestoreRemembered(Application& application) {
  const std::optional<SettingsMap> stored = CurrentSettingsStore().Load();
  if (!stored) return;
  const RememberedState state = ReadRemembered(*stored);

  TForm1& form = application.Form1();
  form.RecentFiles = state.recent_files;
  form.FillRecentMenu();
  for (const auto& [kind, field] : FolderFields(application)) {
    const auto found = state.folders.find(kind);
    if (found != state.folders.end() && IsFolder(found->second)) *field = found->second;
  }
  // A window goes back only where all of it is seen, on whichever screen that is now.
  const std::vector<ScreenRect> areas = FreeAreas();
  for (QWidget* window : PlacedWindows(application)) {
    const auto found = state.windows.find(window->objectName().toStdString());
    if (found == state.windows.end()) continue;
    const ScreenRect place = found->second;
    const ScreenRect frame = FrameOf(*window);
    const ScreenRect whole{place.x, place.y, place.width + frame.width - window->width(),
                           place.height + frame.height - window->height()};
    if (!LiesInsideAny(whole, areas)) continue;
    window->resize(place.width, place.height);
    window->move(place.x, place.y);
  }
}

bool StoreRemembered(const Application& application) {
  RememberedState state;
  // What a damaged or unreadable store held is not brought back: this run's state replaces it.
  if (const std::optional<SettingsMap> stored = CurrentSettingsStore().Load()) state = ReadRemembered(*stored);
  state.recent_files = application.Form1().RecentFiles;
  for (const auto& [kind, field] : FolderFields(application)) {
    if (!field->empty()) state.folders[kind] = *field;
  }
  for (QWidget* window : PlacedWindows(application)) {
    // Only windows shown during the run have a place the user chose.
    if (window->windowHandle() == nullptr) continue;
    state.windows[window->objectName().toStdString()] = {window->x(), window->y(), window->width(), window->height()};
  }
  SettingsMap values = WriteRemembered(state);
  values[kLanguageKey] = LanguageCode(CurrentLanguage());
  return CurrentSettingsStore().Save(values);
}

}  // namespace tremora
