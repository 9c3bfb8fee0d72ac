// The spectrum exports: the whole spectrum set as CSV, the graph as a GIF file or on the clipboard.

#include "app/Application.h"
#include "app/TForm1.h"
#include "platform/Messages.h"
#include "platform/PictureFiles.h"
#include "record/Errors.h"
#include "record/SaveFolder.h"
#include "record/SaveTargetCheck.h"
#include "record/TextFile.h"
#include "spectrum/SpectrumCsv.h"
#include "spectrum/TSpect.h"

namespace tremora {

namespace {
constexpr const char* kCsvFailedCaption = "CSVファイル保存エラー";
constexpr const char* kGifFailedCaption = "GIFファイル保存エラー";
}  // namespace

void TSpect::BtnCSVClick() {
  const RecordSet& record = application_.Form1().Record;
  SaveDialog2.default_name = record.RecordBaseName + "rsp.csv";
  SaveDialog2.initial_folder = SaveDialogFolder(LastCsvFolder, record);
  const std::optional<std::string> chosen = CurrentPlatform().ChooseSaveFile(SaveDialog2);
  if (!chosen) return;
  const std::string path = WithDefaultExtension(*chosen, ".csv");
  if (RefusedAsRecordFile(record, path)) return;
  try {
    // All channels loaded now, all five ratios and all three kinds, whatever the graph shows.
    WriteSpectrumCsv(path, record, Grid, Ratios, Spectra, Method);
    LastCsvFolder = FolderOf(path);
  } catch (const FileAccessError& error) {
    ShowWarning(error.what(), kCsvFailedCaption);
  }
}

void TSpect::BtnGIFClick() {
  SaveDialog1.default_name = application_.Form1().Record.RecordBaseName + "rsp.gif";
  SaveDialog1.initial_folder = SaveDialogFolder(LastGifFolder, application_.Form1().Record);
  const std::optional<std::string> chosen = CurrentPlatform().ChooseSaveFile(SaveDialog1);
  if (!chosen) return;
  // The folder with its trailing separator: the next GIF dialog opens there.
  LastGifFolder = chosen->substr(0, chosen->size() - FileNameOf(*chosen).size());
  const std::string path = WithDefaultExtension(*chosen, ".gif");
  if (RefusedAsRecordFile(application_.Form1().Record, path)) return;
  try {
    WriteGif(MyGraph1->Picture(), path);
  } catch (const FileAccessError& error) {
    ShowWarning(error.what(), kGifFailedCaption);
  }
}

void TSpect::Button2Click() { MyGraph1->Copy(); }

}  // namespace tremora
