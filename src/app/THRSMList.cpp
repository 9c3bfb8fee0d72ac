#include "app/THRSMList.h"

#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "app/StationGrid.h"
#include "app/StationListing.h"
#include "platform/Controls.h"
#include "platform/HandlerGuard.h"
#include "platform/StretchLayout.h"
#include "platform/Translated.h"
#include "platform/WindowStyle.h"

namespace tremora {

namespace {

constexpr int kRowHeight = 20;
// Station rows under the header before the table asks for more.
constexpr int kInitialStationRows = 19;
constexpr int kGridColumns = 6;
constexpr int kColumnWidths[kGridColumns] = {31, 48, 196, 248, 55, 54};
constexpr TrText kHeader[kGridColumns] = {Tr("THRSMList", " No"),
                                          Tr("THRSMList", "コード"),
                                          Tr("THRSMList", "　　観測点名称"),
                                          Tr("THRSMList", "　　　　観測点所在地"),
                                          Tr("THRSMList", "　経度"),
                                          Tr("THRSMList", "　緯度")};

}  // namespace

THRSMList::THRSMList() {
  OnLanguageChange(*this, [this] { FollowLanguage(); });
  setObjectName("HRSMList");
  SetTitle(*this, Tr("THRSMList", "広島市地震情報ネットワークシステム　"));
  resize(712, 339);
  SetBackground(*this, QColor(196, 255, 255));
  setFont(JapaneseFont(FontFace::ProportionalGothic, 13, true));
  SetTextColour(*this, ColorFromBgr(colours::kNavy));

  Label1 = new TextLabel(this, "Label1", Tr("THRSMList", "広島市地震情報ネットワークシステム　観測点リスト"), 24, 10);
  Label1->setFont(JapaneseFont(FontFace::ProportionalGothic, 19, true));
  Label1->adjustSize();

  const auto& widths = kColumnWidths;
  StringGrid1 = new StationGrid(this, "StringGrid1", {widths[0], widths[1], widths[2], widths[3], widths[4], widths[5]},
                                kRowHeight);
  StringGrid1->setRowCount(kInitialStationRows);
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid1->horizontalHeader()->show();
  StringGrid1->horizontalHeader()->setFixedHeight(kRowHeight);
  StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  StringGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  int grid_width = 2 * StringGrid1->frameWidth() + StringGrid1->verticalScrollBar()->sizeHint().width();
  for (int width : kColumnWidths) grid_width += width;
  StringGrid1->setGeometry(24, 44, grid_width, 246);

  Button1 = MakeButton(this, "Button1", Tr("THRSMList", "閉じる"), {24 + grid_width - 90, 298, 90, 28});
  ConnectClick(*Button1, [this] { Button1Click(); });
  // The columns have their widths: a taller window shows more stations.
  new StretchLayout(*this, *this, {{StringGrid1, 0.0, 1.0}});

  CentreOnScreen(*this);
  FormCreate();
}

void THRSMList::FormCreate() {
  QStringList header;
  for (TrText text : kHeader) header << Translated(text);
  StringGrid1->setHorizontalHeaderLabels(header);
}

void THRSMList::WriteStations(const std::vector<StationRecord>& stations) {
  const int rows = static_cast<int>(stations.size());
  StringGrid1->setRowCount(std::max(StringGrid1->rowCount(), rows));
  for (int row = 0; row < rows; ++row) {
    const auto cells = HrsmListCells(row, stations[row]);
    for (int column = 0; column < kGridColumns; ++column) StringGrid1->SetCell(row, column, cells[column]);
  }
  // The number column is fixed: drawn like the header, never selected, on the empty rows too.
  for (int row = 0; row < StringGrid1->rowCount(); ++row) {
    if (StringGrid1->item(row, 0) == nullptr) StringGrid1->SetCell(row, 0, "");
    QTableWidgetItem* number = StringGrid1->item(row, 0);
    number->setFlags(Qt::ItemIsEnabled);
    number->setBackground(StringGrid1->palette().button());
  }
}

void THRSMList::Button1Click() { close(); }

void THRSMList::FollowLanguage() { FormCreate(); }

}  // namespace tremora
