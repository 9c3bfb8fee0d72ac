#pragma once
// The strong-motion indices window (強震動指標): the loaded record's station and origin time above a
// table of its indices and intensity; the table is copied as text or saved as CSV. It follows
// every load while it is open, and is brought up to date when it is opened.

#include <optional>
#include <string>

#include "analysis/MetricsTable.h"
#include "app/SecondaryWindows.h"
#include "platform/Platform.h"

class QPushButton;
class QTableWidget;

namespace tremora {

class Application;
class TextLabel;

class TMetrics : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit TMetrics(Application& application);

  // Computes the indices of the main window's record and shows the window.
  void ShowForRecord();
  // Run after every load: the open window shows the new record; a hidden one is updated when opened.
  void RecordLoaded();

  void CopyClick();
  void CsvClick();

  TextLabel* Identification = nullptr;
  QTableWidget* Table = nullptr;
  QPushButton *BtnCopy = nullptr, *BtnCSV = nullptr, *BtnClose = nullptr;
  FileDialogOptions SaveDialog;
  std::string LastCsvFolder;

 protected:
  // A new language: the table, the identification and the dialog are shown again from the
  // indices held; nothing is computed again.
  void FollowLanguage();

 private:
  void Refresh();
  // The table of the indices held, in the current language.
  void ShowTable();
  void ComposeDialogTexts();

  Application& application_;
  std::optional<StrongMotionIndices> indices_;
  TextTable table_;  // as written to the CSV and the clipboard
  bool stale_ = true;
};

}  // namespace tremora
