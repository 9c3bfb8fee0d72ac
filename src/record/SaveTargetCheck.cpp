#include "record/SaveTargetCheck.h"

#include "platform/Messages.h"
#include "record/CNumbers.h"
#include "record/Errors.h"
#include "record/SaveFolder.h"
#include "record/TextFile.h"

namespace tremora {

bool RefusedAsRecordFile(const RecordSet& record, const std::string& path) {
  const std::string* input = RecordFileAt(record, path);
  if (input == nullptr) return false;
  ShowWarning(FormatC("%s は表示中のデータファイル %s そのものです\n\nデータファイルを守るため、保存しませんでした",
                      path.c_str(), input->c_str()),
              "保存先エラー");
  return true;
}

std::optional<std::string> ChooseExportFile(FileDialogOptions& dialog, const std::string& default_name,
                                            std::string_view extension, const std::string& last_folder,
                                            const RecordSet& record) {
  dialog.default_name = default_name;
  dialog.initial_folder = SaveDialogFolder(last_folder, record);
  const std::optional<std::string> chosen = CurrentPlatform().ChooseSaveFile(dialog);
  if (!chosen) return std::nullopt;
  std::string path = WithDefaultExtension(*chosen, extension);
  if (RefusedAsRecordFile(record, path)) return std::nullopt;
  return path;
}

bool WriteExport(const std::function<void()>& write, const char* failure_caption) {
  try {
    write();
    return true;
  } catch (const FileAccessError& error) {
    ShowWarning(error.what(), failure_caption);
    return false;
  }
}

}  // namespace tremora
