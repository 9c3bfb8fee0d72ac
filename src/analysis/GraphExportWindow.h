#pragma once
// The frame of the analysis windows that show one graph: the graph, and under it (after room for
// a window's own lines of text, extra_height pixels) CSV保存, GIF保存, コピー and 閉じる. The CSV and GIF
// are named after the record (BASE + ending) and saved where that kind of file was last saved from
// the window. A new language sets the dialogs' texts again and lets the window compose its own.

#include <QPushButton>
#include <optional>
#include <string>

#include "app/SecondaryWindows.h"
#include "platform/Platform.h"
#include "platform/Translated.h"
#include "record/RecordSet.h"

namespace tremora {

class TMyGraph;

class GraphExportWindow : public SecondaryWindow {
 public:
  GraphExportWindow(const QString& name, TrText caption, std::string csv_ending, std::string gif_ending,
                    int extra_height = 0);

  TMyGraph* MyGraph1 = nullptr;
  QPushButton *BtnCSV = nullptr, *BtnGIF = nullptr, *BtnCopy = nullptr, *BtnClose = nullptr;
  FileDialogOptions CsvDialog, GifDialog;

 protected:
  // The record the files are named after, nullptr before there is one.
  virtual const RecordSet* ExportedRecord() const = 0;
  // The CSV of what is shown; nullopt when there is nothing to save.
  virtual std::optional<std::string> CsvText() const = 0;
  // The window's composed texts and its picture in the new language.
  virtual void LanguageChanged() = 0;
  void FollowLanguage();

 private:
  void SaveCsv();
  void SaveGif();
  void ComposeDialogTexts();
  std::string csv_ending_, gif_ending_;
  std::string last_csv_folder_, last_gif_folder_;
};

}  // namespace tremora
