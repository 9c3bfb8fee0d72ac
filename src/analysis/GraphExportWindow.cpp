#include "analysis/GraphExportWindow.h"

#include "base/TextFile.h"
#include "graph/TMyGraph.h"
#include "platform/Controls.h"
#include "platform/HandlerGuard.h"
#include "platform/PictureFiles.h"
#include "platform/WindowStyle.h"
#include "record/SaveTargetCheck.h"

namespace tremora {

namespace {
constexpr const char* kCsvFailedCaption = "CSVファイル保存エラー";
constexpr const char* kGifFailedCaption = "GIFファイル保存エラー";
}  // namespace

GraphExportWindow::GraphExportWindow(const QString& name, const QString& caption, std::string csv_ending,
                                     std::string gif_ending, int extra_height)
    : SecondaryWindow(name, caption, 640, 560 + extra_height, ColorFromBgr(0xF0F0F0)),
      csv_ending_(std::move(csv_ending)),
      gif_ending_(std::move(gif_ending)) {
  MyGraph1 = new TMyGraph(this);
  MyGraph1->setGeometry(8, 8, 624, 480);
  MyGraph1->setObjectName("MyGraph1");
  BtnCSV = MakeButton(this, "BtnCSV", "CSV保存", {240, 498 + extra_height, 90, 27});
  BtnGIF = MakeButton(this, "BtnGIF", "GIF保存", {336, 498 + extra_height, 90, 27});
  BtnCopy = MakeButton(this, "BtnCopy", "コピー", {432, 498 + extra_height, 90, 27});
  BtnClose = MakeButton(this, "BtnClose", "閉じる", {540, 498 + extra_height, 90, 27});
  CsvDialog = {"CSVファイルに保存", "CSVファイル (*.csv)|*.csv", 1, "", "csv", "", true};
  GifDialog = {"GIFファイルに保存", "GIFファイル (*.gif)|*.gif", 1, "", "gif", "", true};
  ConnectClick(*BtnCSV, [this] { SaveCsv(); });
  ConnectClick(*BtnGIF, [this] { SaveGif(); });
  ConnectClick(*BtnCopy, [this] { MyGraph1->Copy(); });
  ConnectClick(*BtnClose, [this] { close(); });
}

void GraphExportWindow::SaveCsv() {
  const RecordSet* record = ExportedRecord();
  const std::optional<std::string> text = CsvText();
  if (record == nullptr || !text) return;
  const std::optional<std::string> path =
      ChooseExportFile(CsvDialog, record->RecordBaseName + csv_ending_, ".csv", last_csv_folder_, *record);
  if (!path) return;
  if (WriteExport([&] { WriteWholeFile(*path, *text); }, kCsvFailedCaption)) last_csv_folder_ = FolderOf(*path);
}

void GraphExportWindow::SaveGif() {
  const RecordSet* record = ExportedRecord();
  if (record == nullptr) return;
  const std::optional<std::string> path =
      ChooseExportFile(GifDialog, record->RecordBaseName + gif_ending_, ".gif", last_gif_folder_, *record);
  if (!path) return;
  if (WriteExport([&] { WriteGif(MyGraph1->Picture(), *path); }, kGifFailedCaption)) last_gif_folder_ = FolderOf(*path);
}

}  // namespace tremora
