// The waveform exports of the main window: CSV text, GIF picture, clipboard bitmap.

#include "app/Application.h"
#include "app/TForm1.h"
#include "base/TextFile.h"
#include "base/Translation.h"
#include "platform/Controls.h"
#include "platform/Messages.h"
#include "platform/PictureFiles.h"
#include "record/SaveTargetCheck.h"
#include "spectrum/TSpect.h"
#include "wave/TMyWave.h"
#include "wave/WaveCsv.h"

namespace tremora {

std::string TForm1::LastGifFolder() const { return application_.Spect().LastGifFolder; }

void TForm1::BtnCsvClick() {
  const std::optional<std::string> path =
      ChooseExportFile(SaveDialog2, Record.RecordBaseName + ".csv", ".csv", LastWaveCsvFolder, Record);
  if (!path) return;
  if (WriteExport([&] { WriteWaveCsv(*path, Record, Displayed(), static_cast<WaveQuantity>(RGWave->ItemIndex())); },
                  Translate("TForm1", "ファイル書込みエラー").c_str())) {
    LastWaveCsvFolder = FolderOf(*path);
  }
}

void TForm1::BtnGifClick() {
  const std::optional<std::string> path =
      ChooseExportFile(SaveDialog1, Record.RecordBaseName + ".gif", ".gif", LastGifFolder(), Record);
  if (!path) return;
  // Both GIF dialogs open where the last GIF of either went.
  application_.Spect().LastGifFolder = path->substr(0, path->size() - FileNameOf(*path).size());
  WriteExport([&] { WriteGif(MyWave1->Picture(), *path); }, Translate("TForm1", "ファイル書込みエラー").c_str());
}

void TForm1::BtnCopyClick() {
  if (!MyWave1->Copy()) {
    ShowWarning(Translate("TForm1", "クリップボードに図をコピーできませんでした"), Translate("TForm1", "コピーエラー"));
  }
}

}  // namespace tremora
