#include "analysis/GraphExportWindow.h"


#include "base/TextFile.h"
#include "base/Translation.h"
#include "graph/TMyGraph.h"
#include "platform/Controls.h"
#include "platform/HandlerGuard.h"
#include "platform/PictureFiles.h"
#include "platform/WindowStyle.h"
#include "record/SaveTargetCheck.h"

namespace tremora {

GraphExportWindow::GraphExportWindow(const QString& name, TrText caption, std::string csv_ending,
                                     std::string gif_ending, int extra_height)
    : SecondaryWindow(name, QString(), 640, 560 + extra_height, ColorFromBgr(0xF0F0F0)),
      csv_ending_(std::move(csv_ending)),
      gif_ending_(std::move(gif_ending)) {
  OnLanguageChange(*this, [this] { FollowLanguage(); });
  SetTitle(*this, caption);
  MyGraph1 = new TMyGraph(this);
  MyGraph1->setGeometry(8, 8, 624, 480);
  MyGraph1->setObjectName("MyGraph1");
  BtnCSV = MakeButton(this, "BtnCSV", Tr("GraphExportWindow", "CSV保存"), {240, 498 + extra_height, 90, 27});
  BtnGIF = MakeButton(this, "BtnGIF", Tr("GraphExportWindow", "GIF保存"), {336, 498 + extra_height, 90, 27});
  BtnCopy = MakeButton(this, "BtnCopy", Tr("GraphExportWindow", "コピー"), {432, 498 + extra_height, 90, 27});
  BtnClose = MakeButton(this, "BtnClose", Tr("GraphExportWindow", "閉じる"), {540, 498 + extra_height, 90, 27});
  CsvDialog = {"", "", 1, "", "csv", "", true};
  GifDialog = {"", "", 1, "", "gif", "", true};
  ComposeDialogTexts();
  ConnectClick(*BtnCSV, [this] { SaveCsv(); });
  ConnectClick(*BtnGIF, [this] { SaveGif(); });
  ConnectClick(*BtnCopy, [this] { MyGraph1->Copy(); });
  ConnectClick(*BtnClose, [this] { close(); });
}

void GraphExportWindow::ComposeDialogTexts() {
  CsvDialog.title = Translate("GraphExportWindow", "CSVファイルに保存");
  CsvDialog.filter = Translate("GraphExportWindow", "CSVファイル (*.csv)|*.csv");
  GifDialog.title = Translate("GraphExportWindow", "GIFファイルに保存");
  GifDialog.filter = Translate("GraphExportWindow", "GIFファイル (*.gif)|*.gif");
}

void GraphExportWindow::FollowLanguage() {
  ComposeDialogTexts();
  LanguageChanged();
}

void GraphExportWindow::SaveCsv() {
  const RecordSet* record = ExportedRecord();
  const std::optional<std::string> text = CsvText();
  if (record == nullptr || !text) return;
  const std::optional<std::string> path =
      ChooseExportFile(CsvDialog, record->RecordBaseName + csv_ending_, ".csv", last_csv_folder_, *record);
  if (!path) return;
  if (WriteExport([&] { WriteWholeFile(*path, *text); },
                  Translate("GraphExportWindow", "CSVファイル保存エラー").c_str())) {
    last_csv_folder_ = FolderOf(*path);
  }
}

void GraphExportWindow::SaveGif() {
  const RecordSet* record = ExportedRecord();
  if (record == nullptr) return;
  const std::optional<std::string> path =
      ChooseExportFile(GifDialog, record->RecordBaseName + gif_ending_, ".gif", last_gif_folder_, *record);
  if (!path) return;
  if (WriteExport([&] { WriteGif(MyGraph1->Picture(), *path); },
                  Translate("GraphExportWindow", "GIFファイル保存エラー").c_str())) {
    last_gif_folder_ = FolderOf(*path);
  }
}

}  // namespace tremora
