#pragma once
// Every save dialog of the windows goes through here: it opens where that kind of file was last
// saved (else beside the record), completes the extension, and refuses the files of the record on
// screen, so that an export never replaces the record it was made from.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "record/RecordSet.h"

namespace tremora {

// True (after a message naming the file) when path is one of the record's component files.
bool RefusedAsRecordFile(const RecordSet& record, const std::string& path);

// Shows dialog. The file to write: the choice, with the dialog's default extension added when its
// name has none. The dialog itself asks before it returns the name of an existing file; a name
// only completed here is asked about here, with the program's own question, so that whatever name
// is written the user was asked about that name once. nullopt when the user cancelled or kept the
// existing file.
std::optional<std::string> ChooseSaveTarget(const FileDialogOptions& dialog);

// ChooseSaveTarget for an export: dialog with default_name and extension (".csv"), opening in
// last_folder or else the record's folder. nullopt also when the user chose one of the record's
// own files (after the message).
std::optional<std::string> ChooseExportFile(FileDialogOptions& dialog, const std::string& default_name,
                                            std::string_view extension, const std::string& last_folder,
                                            const RecordSet& record);

// Runs write; a file that cannot be written is reported in a warning with failure_caption.
// True when the file was written.
bool WriteExport(const std::function<void()>& write, const char* failure_caption);

}  // namespace tremora
