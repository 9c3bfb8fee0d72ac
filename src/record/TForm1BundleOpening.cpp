// The main window's side of NIED's download bundles: a bundle picked in the open dialog, named on
// the command line or dropped is unpacked into the program's private folder and its records are
// listed in the station chooser, from which each loads as files on disk do.

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <future>

#include "app/TForm1.h"
#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/Translation.h"
#include "platform/Messages.h"
#include "platform/WindowPlacement.h"
#include "record/BundleListing.h"
#include "record/TBundleChooser.h"
#include "record/TBundleProgress.h"

namespace tremora {

namespace {

constexpr TrText kUnpackingMessage = Tr("TForm1", "配布ファイルを展開しています・・・・");
constexpr CoreMessage kBundleErrorCaption{Tr("TForm1", "配布ファイルエラー")};
// %s: the error, naming the bundle and the member.
constexpr CoreMessage kUnreadableBundleMessage{Tr("TForm1", "配布ファイルを読み込めませんでした\n\n%s")};
// %s: one line a record left out, naming its two members.
constexpr CoreMessage kRefusedRecordsMessage{Tr("TForm1", "配布ファイルの次の記録は読み込みませんでした\n\n%s")};
// %zu: the count of records not listed.
constexpr CoreMessage kMoreRefusedLine{Tr("TForm1", "ほか %zu 記録\n")};
// %s: the bundle.
constexpr CoreMessage kNoRecordsMessage{
    Tr("TForm1", "配布ファイル %s には K-NET/KiK-net の地震波形データファイルがありません")};

void RemoveFolder(const std::string& folder) {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

// True when the record's files lie in the bundle's folder (it may still need them: the synthesis
// copies the header of one).
bool ReadFrom(const RecordSet& record, const Bundle& bundle) {
  return record.RecordLoaded && record.ComponentPaths[0].starts_with(bundle.folder + "/");
}

// Unpacks the bundle on a worker thread while the progress window keeps the event loop running;
// nullopt when the user cancelled or the program began to end, and then nothing is left in folder.
std::optional<Bundle> UnpackWatched(const std::string& path, const std::string& folder) {
  std::atomic<double> done{0};
  std::atomic<bool> stop{false};
  std::future<Bundle> work = std::async(std::launch::async, [&] {
    return OpenBundle(path, folder, {}, [&](const BundleProgress& progress) {
      done = progress.fraction;
      return !stop;
    });
  });
  // Whatever ends this function, the worker is told to stop before its end is awaited.
  const struct StopWork {
    std::atomic<bool>& stop;
    ~StopWork() { stop = true; }
  } stop_work{stop};
  TBundleProgress window;
  const bool finished = window.Watch(kUnpackingMessage, [&]() -> std::optional<double> {
    if (work.wait_for(std::chrono::seconds(0)) == std::future_status::ready) return std::nullopt;
    return done.load();
  });
  if (finished) return work.get();
  stop = true;
  try {
    work.get();
  } catch (...) {
    // Cancelled: how the work ended no longer matters.
  }
  RemoveFolder(folder);
  return std::nullopt;
}

}  // namespace

bool TForm1::OpenBundleFile(const std::string& path) {
  if (Hiroshima->isChecked()) KNETClick();
  std::optional<Bundle> opened;
  std::string folder;
  const auto refuse = [&](const char* why) {
    if (!folder.empty()) RemoveFolder(folder);
    ShowWarning(FormatC(kUnreadableBundleMessage.Now().c_str(), why), kBundleErrorCaption);
    return false;
  };
  try {
    if (!bundle_folder_) bundle_folder_ = std::make_unique<PrivateFolder>();
    folder = bundle_folder_->NewSubfolder();
    opened = UnpackWatched(path, folder);
  } catch (const BundleError& error) {
    return refuse(error.what());
  } catch (const FileAccessError& error) {
    return refuse(error.what());
  }
  if (!opened) return false;
  if (!opened->refused.empty()) {
    // A message box holds a few lines; the batch tool lists them all.
    constexpr size_t kShownLines = 10;
    std::string lines;
    for (size_t i = 0; i < std::min(opened->refused.size(), kShownLines); ++i) lines += opened->refused[i] + "\n";
    if (opened->refused.size() > kShownLines) {
      lines += FormatC(kMoreRefusedLine.Now().c_str(), opened->refused.size() - kShownLines);
    }
    ShowWarning(FormatC(kRefusedRecordsMessage.Now().c_str(), lines.c_str()), kBundleErrorCaption);
  }
  if (opened->records.empty()) {
    RemoveFolder(folder);
    if (opened->refused.empty()) {
      ShowWarning(FormatC(kNoRecordsMessage.Now().c_str(), path.c_str()), kBundleErrorCaption);
    }
    return false;
  }

  // The earlier bundle's files go unless the record on screen was read from them.
  if (opened_bundle_ && !ReadFrom(Record, *opened_bundle_)) RemoveFolder(opened_bundle_->folder);
  opened_bundle_ = std::move(opened);

  if (!bundle_chooser_) {
    bundle_chooser_ = std::make_unique<TBundleChooser>();
    bundle_chooser_->OnChoose = [this](int index) { LoadBundleRecord(index); };
    // Beside the main window, so that each record loaded from it can be seen.
    PlaceBeside(*bundle_chooser_, *this, {Side::Right, Side::Left});
  }
  RememberOpened(path);
  bundle_chooser_->ShowRecords(opened_bundle_->path, ListBundleRecords(*opened_bundle_, Stations));
  bundle_chooser_->show();
  bundle_chooser_->raise();
  bundle_chooser_->activateWindow();
  return true;
}

void TForm1::LoadBundleRecord(int index) {
  if (!opened_bundle_ || index < 0 || index >= static_cast<int>(opened_bundle_->records.size())) return;
  // The user may have chosen the Hiroshima format since the bundle opened.
  if (Hiroshima->isChecked()) KNETClick();
  LoadKnetFiles(opened_bundle_->records[index].FirstFile(), &*opened_bundle_);
}

}  // namespace tremora
