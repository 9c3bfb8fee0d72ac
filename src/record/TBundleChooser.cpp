#include "record/TBundleChooser.h"

#include <algorithm>

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>

#include "app/StationGrid.h"
#include "base/TextFile.h"
#include "base/Translation.h"
#include "platform/Controls.h"
#include "platform/HandlerGuard.h"
#include "platform/Messages.h"
#include "platform/Translated.h"
#include "platform/WindowStyle.h"
#include "record/KnetLoading.h"

namespace tremora {

namespace {

constexpr int kRowHeight = 18;
constexpr int kGridX = 8;
constexpr int kGridY = 8;
constexpr int kGridWidth = 510;
constexpr int kGridHeight = 400;
constexpr int kNetworkWidth = 92;
constexpr int kCellPadding = 10;  // the cell's margins and grid line beside its text
constexpr TrText kHeaders[kBundleColumnCount] = {
    Tr("TBundleChooser", "観測点コード"), Tr("TBundleChooser", "観測点名"), Tr("TBundleChooser", "観測網"),
    Tr("TBundleChooser", "最大加速度 [gal]"), Tr("TBundleChooser", "震央距離 [km]")};

bool IsNumberColumn(int column) {
  return column == static_cast<int>(BundleColumn::MaxAcc) || column == static_cast<int>(BundleColumn::Distance);
}

}  // namespace

TBundleChooser::TBundleChooser() {
  OnLanguageChange(*this, [this] { FollowLanguage(); });
  setObjectName("BundleChooser");
  resize(526, 500);
  setMinimumSize(size());
  SetBackground(*this, QColor(196, 255, 255));
  setFont(JapaneseFont(FontFace::FixedGothic, 12, true));

  StringGrid1 = new StationGrid(this, "StringGrid1", {80, 110, kNetworkWidth, 104, 102}, kRowHeight);
  StringGrid1->setGeometry(kGridX, kGridY, kGridWidth, kGridHeight);
  QHeaderView& header = *StringGrid1->horizontalHeader();
  WriteHeaders();
  header.show();
  header.setSectionsClickable(true);
  header.setSortIndicatorShown(false);
  SetHint(header, Tr("TBundleChooser", "クリックで並べ替え"));

  const int caption_y = kGridY + kGridHeight + 8;
  Label1 = new TextLabel(this, "Label1", "", kGridX, caption_y);
  Label2 = new TextLabel(this, "Label2", Tr("TBundleChooser", "ダブルクリックまたは Enter で読み込みます"), kGridX + 100,
                         caption_y);
  SetTextColour(*Label2, ColorFromBgr(colours::kNavy));

  const int search_y = caption_y + 24;
  Edit1 = new EditBox(this, "Edit1", "");
  Edit1->setGeometry(kGridX, search_y, 150, 24);
  SetHint(*Edit1, Tr("TBundleChooser", "観測点コードまたは観測点名"));
  Button2 = MakeButton(this, "Button2", Tr("TBundleChooser", "検索"), {kGridX + 158, search_y - 1, 64, 26},
                       Tr("TBundleChooser", "観測点検索"));
  Button1 =
      MakeButton(this, "Button1", Tr("TBundleChooser", "閉じる"), {kGridX + kGridWidth - 90, search_y - 1, 90, 26});

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

  WriteComposedTexts();
  CentreOnScreen(*this);
}

void TBundleChooser::ShowRecords(const std::string& bundle_path, std::vector<BundleRow> rows) {
  bundle_name_ = std::string(FileNameOf(bundle_path));
  rows_ = sort_column_ ? SortedBundleRows(std::move(rows), *sort_column_, ascending_) : std::move(rows);
  WriteRows();
  WriteComposedTexts();
  if (!rows_.empty()) StringGrid1->SelectRow(0);
}

void TBundleChooser::WriteHeaders() {
  QStringList headers;
  for (const TrText& text : kHeaders) headers << Translated(text);
  StringGrid1->setHorizontalHeaderLabels(headers);
}

void TBundleChooser::WriteComposedTexts() {
  const QString title = Translated(Tr("TBundleChooser", "観測点の選択"));
  if (bundle_name_.empty()) {
    setWindowTitle(title);
    return;
  }
  setWindowTitle(title + QString::fromStdString(" - " + bundle_name_));
  Label1->SetCaption(RecordCountText(rows_.size()));
}

void TBundleChooser::WriteRows() {
  const int network_column = static_cast<int>(BundleColumn::Network);
  const QFontMetrics metrics(StringGrid1->font());
  int network_width = kNetworkWidth;
  StringGrid1->setRowCount(static_cast<int>(rows_.size()));
  for (int row = 0; row < StringGrid1->rowCount(); ++row) {
    for (int column = 0; column < kBundleColumnCount; ++column) {
      const std::string& cell = rows_[row].cells[column];
      const bool network = column == network_column;
      StringGrid1->SetCell(row, column, network ? ShownNetworkText(cell) : cell);
      if (network) {
        network_width = std::max(network_width, metrics.horizontalAdvance(StringGrid1->item(row, column)->text()) +
                                                    kCellPadding);
      }
      if (IsNumberColumn(column)) StringGrid1->item(row, column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
  }
  // The network column widens only for a name longer than its place ("KiK-net borehole").
  StringGrid1->setColumnWidth(network_column, network_width);
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
    ShowNotice(Translate("TBundleChooser", "そのような観測点はありません"), kUnknownStationCaption);
  }
}

void TBundleChooser::StringGrid1DblClick() {
  const int row = StringGrid1->currentRow();
  if (row < 0 || row >= static_cast<int>(rows_.size()) || !OnChoose) return;
  OnChoose(rows_[row].record);
}

void TBundleChooser::FollowLanguage() {
  // The rows, their order and the chosen row stay; only their texts change.
  WriteHeaders();
  WriteRows();
  WriteComposedTexts();
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
