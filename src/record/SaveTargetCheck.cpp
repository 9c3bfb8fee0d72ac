#include "record/SaveTargetCheck.h"

#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "base/Translation.h"
#include "platform/Messages.h"
#include "record/SaveFolder.h"

namespace tremora {

bool RefusedAsRecordFile(const RecordSet& record, const std::string& path) {
  const std::string* input = RecordFileAt(record, path);
  if (input == nullptr) return false;
  ShowWarning(FormatC(Translate("SaveTargetCheck",
                                "%s は表示中のデータファイル %s そのものです\n\n"
                                "データファイルを守るため、保存しませんでした")
                          .c_str(),
                      path.c_str(), input->c_str()),
              Translate("SaveTargetCheck", "保存先エラー"));
  return true;
}

std::optional<std::string> ChooseSaveTarget(const FileDialogOptions& dialog) {
  const std::optional<std::string> chosen = CurrentPlatform().ChooseSaveFile(dialog);
  if (!chosen || dialog.default_extension.empty()) return chosen;
  const std::string path = WithDefaultExtension(*chosen, "." + dialog.default_extension);
  if (path != *chosen && dialog.overwrite_prompt && FileExists(path) &&
      CurrentPlatform().ShowMessage(
          FormatC(Translate("SaveTargetCheck", "%s は既に存在します\n\n上書きしますか？").c_str(), path.c_str()),
          Translate("SaveTargetCheck", "上書きの確認"), MessageButtons::YesNo,
          MessageIcon::Question) != MessageAnswer::Yes) {
    return std::nullopt;
  }
  return path;
}

std::optional<std::string> ChooseExportFile(FileDialogOptions& dialog, const std::string& default_name,
                                            std::string_view extension, const std::string& last_folder,
                                            const RecordSet& record) {
  dialog.default_name = default_name;
  dialog.default_extension = std::string(extension.substr(extension.starts_with('.') ? 1 : 0));
  dialog.overwrite_prompt = true;
  dialog.initial_folder = SaveDialogFolder(last_folder, record);
  std::optional<std::string> path = ChooseSaveTarget(dialog);
  if (path && RefusedAsRecordFile(record, *path)) return std::nullopt;
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
