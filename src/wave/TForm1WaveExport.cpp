// The waveform exports of the main window: CSV text, GIF picture, clipboard bitmap.

#include "app/Application.h"
#include "app/TForm1.h"
#include "platform/Controls.h"
#include "platform/Messages.h"
#include "platform/PictureFiles.h"
#include "record/Errors.h"
#include "record/SaveFolder.h"
#include "record/SaveTargetCheck.h"
#include "record/TextFile.h"
#include "spectrum/TSpect.h"
#include "wave/TMyWave.h"
#include "wave/WaveCsv.h"

namespace tremora {

namespace {
constexpr const char* kWriteFailedCaption = "ファイル書込みエラー";
constexpr const char* kClipboardFailedMessage = "クリップボードに図をコピーできませんでした";
constexpr const char* kClipboardFailedCaption = "コピーエラー";
}  // namespace

std::string TForm1::LastGifFolder() const { return application_.Spect().LastGifFolder; }

void TForm1::BtnCsvClick() {
  SaveDialog2.default_name = Record.RecordBaseName + ".csv";
  SaveDialog2.initial_folder = SaveDialogFolder(LastWaveCsvFolder, Record);
  const std::optional<std::string> chosen = CurrentPlatform().ChooseSaveFile(SaveDialog2);
  if (!chosen) return;
  const std::string path = WithDefaultExtension(*chosen, ".csv");
  if (RefusedAsRecordFile(Record, path)) return;
  try {
    WriteWaveCsv(path, Record, Displayed(), static_cast<WaveQuantity>(RGWave->ItemIndex()));
    LastWaveCsvFolder = FolderOf(path);
  } catch (const FileAccessError& error) {
    ShowWarning(error.what(), kWriteFailedCaption);
  }
}

void TForm1::BtnGifClick() {
  SaveDialog1.initial_folder = SaveDialogFolder(LastGifFolder(), Record);
  SaveDialog1.default_name = Record.RecordBaseName + ".gif";
  const std::optional<std::string> chosen = CurrentPlatform().ChooseSaveFile(SaveDialog1);
  if (!chosen) return;
  // Both GIF dialogs open where the last GIF of either went.
  application_.Spect().LastGifFolder = chosen->substr(0, chosen->size() - FileNameOf(*chosen).size());
  const std::string path = WithDefaultExtension(*chosen, ".gif");
  if (RefusedAsRecordFile(Record, path)) return;
  try {
    WriteGif(MyWave1->Picture(), path);
  } catch (const FileAccessError& error) {
    ShowWarning(error.what(), kWriteFailedCaption);
  }
}

void TForm1::BtnCopyClick() {
  if (!MyWave1->Copy()) ShowWarning(kClipboardFailedMessage, kClipboardFailedCaption);
}

}  // namespace tremora
