#include "analysis/TMetrics.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "analysis/StrongMotionIndices.h"
#include "app/Application.h"
#include "app/TForm1.h"
#include "base/TextFile.h"
#include "base/Translation.h"
#include "platform/Controls.h"
#include "platform/WindowStyle.h"
#include "spectrum/TSpect.h"
#include "record/SaveTargetCheck.h"

namespace tremora {

namespace {
constexpr TrText kNoRecord = Tr("TMetrics", "波形ファイルが読み込まれていません");
}  // namespace

TMetrics::TMetrics(Application& application)
    : SecondaryWindow("Metrics", QString(), 720, 426, ColorFromBgr(0xE0E0E0)), application_(application) {
  OnLanguageChange(*this, [this] { FollowLanguage(); });
  SetTitle(*this, Tr("TMetrics", "強震動指標"));
  Identification = new TextLabel(this, "Identification", Translated(kNoRecord), 16, 12);
  Table = new QTableWidget(this);
  Table->setObjectName("Table");
  Table->setGeometry(16, 36, 688, 336);
  Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table->verticalHeader()->hide();
  Table->verticalHeader()->setDefaultSectionSize(24);  // all twelve lines without scrolling
  Table->horizontalHeader()->hide();
  Table->setFont(JapaneseFont(FontFace::ProportionalGothic, 12, false));
  BtnCopy = MakeButton(this, "BtnCopy", Tr("TMetrics", "コピー"), {16, 386, 100, 27},
                       Tr("TMetrics", "表をテキストとしてクリップボードにコピー"));
  BtnCSV = MakeButton(this, "BtnCSV", Tr("TMetrics", "CSV保存"), {130, 386, 100, 27}, Tr("TMetrics", "表をCSVファイルに保存"));
  BtnClose = MakeButton(this, "BtnClose", Tr("TMetrics", "閉じる"), {604, 386, 100, 27});
  ConnectClick(*BtnCopy, [this] { CopyClick(); });
  ConnectClick(*BtnCSV, [this] { CsvClick(); });
  ConnectClick(*BtnClose, [this] { close(); });
  SaveDialog.overwrite_prompt = true;
  ComposeDialogTexts();
}

void TMetrics::ComposeDialogTexts() {
  SaveDialog.title = Translate("TMetrics", "強震動指標のCSV保存");
  SaveDialog.filter = Translate("TMetrics", "CSVファイル (*.csv)|*.csv|すべてのファイル|*.*");
}

void TMetrics::FollowLanguage() {
  ComposeDialogTexts();
  // A window left behind by a load shows the new record when it is next opened.
  if (!stale_) ShowTable();
}

void TMetrics::ShowForRecord() {
  if (stale_) Refresh();
  show();
  raise();
}

void TMetrics::RecordLoaded() {
  stale_ = true;
  if (isVisible()) Refresh();
}

void TMetrics::Refresh() {
  stale_ = false;
  const TForm1& form = application_.Form1();
  const RecordSet& record = form.Record;
  table_.clear();
  indices_.reset();
  if (record.RecordLoaded) {
    // SI by the spectrum window's 計算法.
    indices_ = ComputeStrongMotionIndices(record, form.CBDC->Checked(), application_.Spect().Method);
    table_ = MetricsTable(record, *indices_);
  }
  ShowTable();
}

void TMetrics::ShowTable() {
  const RecordSet& record = application_.Form1().Record;
  // Until the next Refresh the indices held are those of the record on screen.
  if (!indices_) {
    Identification->SetCaption(Translated(kNoRecord));
  } else {
    Identification->SetCaption(RecordIdentification(record));
  }
  const TextTable shown = indices_ ? MetricsTable(record, *indices_, TableTexts::Shown) : TextTable();
  Table->clear();
  Table->setRowCount(static_cast<int>(shown.size()));
  size_t columns = 7;
  for (const auto& row : shown) columns = std::max(columns, row.size());
  Table->setColumnCount(static_cast<int>(columns));
  for (int r = 0; r < static_cast<int>(shown.size()); ++r) {
    for (int c = 0; c < static_cast<int>(shown[r].size()); ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(shown[r][c]));
      if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      Table->setItem(r, c, item);
    }
  }
  Table->resizeColumnsToContents();
  BtnCopy->setEnabled(!table_.empty());
  BtnCSV->setEnabled(!table_.empty());
}

void TMetrics::CopyClick() {
  if (table_.empty()) return;
  CurrentPlatform().CopyTextToClipboard(FormatTable(application_.Form1().Record, table_, '\t'));
}

void TMetrics::CsvClick() {
  if (table_.empty()) return;
  const RecordSet& record = application_.Form1().Record;
  const std::optional<std::string> path =
      ChooseExportFile(SaveDialog, record.RecordBaseName + "idx.csv", ".csv", LastCsvFolder, record);
  if (!path) return;
  if (WriteExport([&] { WriteWholeFile(*path, FormatTable(record, table_, ',')); },
                  Translate("TMetrics", "CSVファイル保存エラー").c_str())) {
    LastCsvFolder = FolderOf(*path);
  }
}

}  // namespace tremora
