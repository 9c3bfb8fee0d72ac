#include "record/TBundleChooser.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>

#include "app/StationGrid.h"
#include "base/TextFile.h"
#include "platform/Controls.h"
#include "platform/Messages.h"
#include "platform/WindowStyle.h"

namespace tremora {

namespace {

constexpr int kRowHeight = 18;
constexpr int kGridX = 8;
constexpr int kGridY = 8;
constexpr int kGridWidth = 510;
constexpr int kGridHeight = 400;
constexpr const char* kHeaders[kBundleColumnCount] = {"観測点コード", "観測点名", "観測網", "最大加速度 [gal]",
                                                      "震央距離 [km]"};

bool IsNumberColumn(int column) {
  return column == static_cast<int>(BundleColumn::MaxAcc) || column == static_cast<int>(BundleColumn::Distance);
}

}  // namespace

TBundleChooser::TBundleChooser() {
  setObjectName("BundleChooser");
  setWindowTitle("観測点の選択");
  resize(526, 500);
  setMinimumSize(size());
  SetBackground(*this, QColor(196, 255, 255));
  setFont(JapaneseFont(FontFace::FixedGothic, 12, true));

  StringGrid1 = new StationGrid(this, "StringGrid1", {80, 110, 92, 104, 102}, kRowHeight);
  StringGrid1->setGeometry(kGridX, kGridY, kGridWidth, kGridHeight);
  QHeaderView& header = *StringGrid1->horizontalHeader();
  QStringList headers;
  for (const char* text : kHeaders) headers << QString::fromUtf8(text);
  StringGrid1->setHorizontalHeaderLabels(headers);
  header.show();
  header.setSectionsClickable(true);
  header.setSortIndicatorShown(false);
  header.setToolTip("クリックで並べ替え");

  const int caption_y = kGridY + kGridHeight + 8;
  Label1 = new TextLabel(this, "Label1", "", kGridX, caption_y);
  Label2 = new TextLabel(this, "Label2", "ダブルクリックまたは Enter で読み込みます", kGridX + 100, caption_y);
  SetTextColour(*Label2, ColorFromBgr(colours::kNavy));

  const int search_y = caption_y + 24;
  Edit1 = new EditBox(this, "Edit1", "");
  Edit1->setGeometry(kGridX, search_y, 150, 24);
  Edit1->setToolTip("観測点コードまたは観測点名");
  Button2 = MakeButton(this, "Button2", "検索", {kGridX + 158, search_y - 1, 64, 26}, "観測点検索");
  Button1 = MakeButton(this, "Button1", "閉じる", {kGridX + kGridWidth - 90, search_y - 1, 90, 26}, nullptr);

  ConnectClick(*Button1, [this] { Button1Click(); });
  ConnectClick(*Button2, [this] { Button2Click(); });
  ConnectGuarded(Edit1, &QLineEdit::returnPressed, this, [this] { Button2Click(); });
  ConnectGuarded(&header, &QHeaderView::sectionClicked, this,
                 [this](int column) { SortBy(static_cast<BundleColumn>(column)); });
  ConnectGuarded(StringGrid1, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
    StringGrid1->setCurrentCell(row, 0);
    StringGrid1DblClick();
  });
  StringGrid1->installEventFilter(this);

  CentreOnScreen(*this);
}

void TBundleChooser::ShowRecords(const std::string& bundle_path, std::vector<BundleRow> rows) {
  setWindowTitle(QString::fromStdString("観測点の選択 - " + std::string(FileNameOf(bundle_path))));
  rows_ = sort_column_ ? SortedBundleRows(std::move(rows), *sort_column_, ascending_) : std::move(rows);
  WriteRows();
  Label1->SetCaption(RecordCountText(rows_.size()));
  if (!rows_.empty()) StringGrid1->SelectRow(0);
}

void TBundleChooser::WriteRows() {
  StringGrid1->setRowCount(static_cast<int>(rows_.size()));
  for (int row = 0; row < StringGrid1->rowCount(); ++row) {
    for (int column = 0; column < kBundleColumnCount; ++column) {
      StringGrid1->SetCell(row, column, rows_[row].cells[column]);
      if (IsNumberColumn(column)) StringGrid1->item(row, column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
  }
}

void TBundleChooser::SortBy(BundleColumn column) {
  ascending_ = sort_column_ == column ? !ascending_ : true;
  sort_column_ = column;
  // The chosen row stays chosen in its new place.
  const int current = StringGrid1->currentRow();
  const std::optional<int> record =
      current >= 0 && current < static_cast<int>(rows_.size()) ? std::optional<int>(rows_[current].record) : std::nullopt;
  rows_ = SortedBundleRows(std::move(rows_), column, ascending_);
  WriteRows();
  QHeaderView& header = *StringGrid1->horizontalHeader();
  header.setSortIndicatorShown(true);
  header.setSortIndicator(static_cast<int>(column), ascending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
  for (int row = 0; record && row < static_cast<int>(rows_.size()); ++row) {
    if (rows_[row].record == *record) StringGrid1->SelectRow(row);
  }
}

void TBundleChooser::Button1Click() { close(); }

void TBundleChooser::Button2Click() {
  if (const std::optional<int> row = FindBundleRow(rows_, Edit1->Text())) {
    StringGrid1->SelectRow(*row);
    StringGrid1->setFocus();  // a second Enter loads the station found
  } else {
    ShowNotice("そのような観測点はありません", "観測点コードエラー");
  }
}

void TBundleChooser::StringGrid1DblClick() {
  const int row = StringGrid1->currentRow();
  if (row < 0 || row >= static_cast<int>(rows_.size()) || !OnChoose) return;
  OnChoose(rows_[row].record);
}

bool TBundleChooser::eventFilter(QObject* watched, QEvent* event) {
  return AnswerGuarded(
      [&] {
        if (watched == StringGrid1 && event->type() == QEvent::KeyPress) {
          const int key = static_cast<QKeyEvent*>(event)->key();
          if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            StringGrid1DblClick();
            return true;
          }
        }
        return QWidget::eventFilter(watched, event);
      },
      true);
}

}  // namespace tremora
