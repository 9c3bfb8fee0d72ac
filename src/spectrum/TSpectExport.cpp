// The spectrum exports: the whole spectrum set as CSV, the graph as a GIF file or on the clipboard.

#include "app/Application.h"
#include "app/TForm1.h"
#include "base/TextFile.h"
#include "base/Translation.h"
#include "platform/PictureFiles.h"
#include "record/SaveTargetCheck.h"
#include "spectrum/SpectrumCsv.h"
#include "spectrum/TSpect.h"

namespace tremora {

// The names come from the spectra's own source; the record on screen only decides where the
// dialog opens and which files may not be replaced.
void TSpect::BtnCSVClick() {
  const RecordSet& record = application_.Form1().Record;
  const std::optional<std::string> path =
      ChooseExportFile(SaveDialog2, Source.RecordBaseName + "rsp.csv", ".csv", LastCsvFolder, record);
  if (!path) return;
  // All channels computed, all five ratios and all three kinds, whatever the graph shows.
  if (WriteExport([&] { WriteSpectrumCsv(*path, Source, Grid, Spectra); },
                  Translate("TSpect", "CSVファイル保存エラー").c_str())) {
    LastCsvFolder = FolderOf(*path);
  }
}

void TSpect::BtnGIFClick() {
  const RecordSet& record = application_.Form1().Record;
  const std::optional<std::string> path =
      ChooseExportFile(SaveDialog1, Source.RecordBaseName + "rsp.gif", ".gif", LastGifFolder, record);
  if (!path) return;
  // The folder with its trailing separator: the next GIF dialog opens there.
  LastGifFolder = path->substr(0, path->size() - FileNameOf(*path).size());
  WriteExport([&] { WriteGif(MyGraph1->Picture(), *path); }, Translate("TSpect", "GIFファイル保存エラー").c_str());
}

void TSpect::Button2Click() { MyGraph1->Copy(); }

}  // namespace tremora
