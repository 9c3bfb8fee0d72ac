#include "app/TSiteList.h"

#include <QPushButton>

#include "app/StationGrid.h"
#include "app/StationListing.h"
#include "base/Translation.h"
#include "platform/Controls.h"
#include "platform/HandlerGuard.h"
#include "platform/Platform.h"
#include "platform/StretchLayout.h"
#include "platform/Translated.h"
#include "platform/WindowStyle.h"

namespace tremora {

namespace {

const std::vector<StationRecord> kNoStations;  // before the first WriteStations

constexpr int kRowHeight = 18;
constexpr int kGridTop = 8;
constexpr int kGridHeight = 448;
constexpr int kGridWidth = 428;
constexpr int kLeftX = 8;
constexpr int kRightX = 445;

void WriteGrid(StationGrid& grid, const std::vector<StationRecord>& table) {
  grid.setRowCount(static_cast<int>(table.size()));
  for (int row = 0; row < grid.rowCount(); ++row) {
    const auto cells = SiteListCells(table[row]);
    for (int column = 0; column < static_cast<int>(cells.size()); ++column) grid.SetCell(row, column, cells[column]);
  }
}

}  // namespace

TSiteList::TSiteList() {
  OnLanguageChange(*this, [this] { FollowLanguage(); });
  setObjectName("SiteList");
  SetTitle(*this, Tr("TSiteList", "K-NET / KiK-net 観測点リスト"));
  resize(881, 528);
  SetBackground(*this, QColor(196, 255, 255));
  setFont(JapaneseFont(FontFace::FixedGothic, 12, true));

  StringGrid1 = new StationGrid(this, "StringGrid1", {46, 49, 107, 313, 171}, kRowHeight);
  StringGrid1->setGeometry(kLeftX, kGridTop, kGridWidth, kGridHeight);
  StringGrid2 = new StationGrid(this, "StringGrid2", {49, 58, 99, 333, 145}, kRowHeight);
  StringGrid2->setGeometry(kRightX, kGridTop, kGridWidth, kGridHeight);

  const int caption_y = kGridTop + kGridHeight + 8;
  Label1 = new TextLabel(this, "Label1", "K-NET", kLeftX, caption_y);
  SetTextColour(*Label1, ColorFromBgr(colours::kRed));
  Label3 = new TextLabel(this, "Label3", "", kLeftX + 80, caption_y);
  Label2 = new TextLabel(this, "Label2", "KiK-net", kRightX, caption_y);
  SetTextColour(*Label2, QColor(255, 0, 255));
  Label4 = new TextLabel(this, "Label4", "", kRightX + 80, caption_y);

  const int search_y = caption_y + 24;
  Edit1 = new EditBox(this, "Edit1", "AIC001");
  Edit1->setGeometry(kLeftX, search_y, 100, 24);
  SetHint(*Edit1, Tr("TSiteList", "K-netコード"));
  Button2 = MakeButton(this, "Button2", Tr("TSiteList", "検索"), {kLeftX + 108, search_y - 1, 64, 26},
                       Tr("TSiteList", "K-NETコード検索"));
  Edit2 = new EditBox(this, "Edit2", "ABSB01");
  Edit2->setGeometry(kRightX, search_y, 100, 24);
  SetHint(*Edit2, Tr("TSiteList", "KiK-netコード"));
  Button3 = MakeButton(this, "Button3", Tr("TSiteList", "検索"), {kRightX + 108, search_y - 1, 64, 26},
                       Tr("TSiteList", "KiK-netコード検索"));
  Button1 = MakeButton(this, "Button1", Tr("TSiteList", "閉じる"), {kRightX + kGridWidth - 90, search_y - 1, 90, 26});

  ConnectClick(*Button1, [this] { Button1Click(); });
  ConnectClick(*Button2, [this] { Button2Click(); });
  ConnectClick(*Button3, [this] { Button3Click(); });
  // Enter in a search box searches, as its button does.
  ConnectGuarded(Edit1, &QLineEdit::returnPressed, this, [this] { Button2Click(); });
  ConnectGuarded(Edit2, &QLineEdit::returnPressed, this, [this] { Button3Click(); });

  // A larger window shows more of the two grids' rows and columns.
  new StretchLayout(*this, *this, {{StringGrid1, 0.5, 1.0}, {StringGrid2, 0.5, 1.0}});
  CentreOnScreen(*this);
}

void TSiteList::WriteStations(const StationTables& tables) {
  tables_ = &tables;
  WriteGrid(*StringGrid1, tables.KnetStations);
  WriteGrid(*StringGrid2, tables.KikStations);
  WriteCounts();
}

void TSiteList::WriteCounts() {
  if (tables_ == nullptr) return;
  Label3->SetCaption(StationCountText(tables_->KnetStations.size()));
  Label4->SetCaption(StationCountText(tables_->KikStations.size()));
}

void TSiteList::FollowLanguage() { WriteCounts(); }

void TSiteList::Button1Click() { close(); }

void TSiteList::Button2Click() { Search(*Edit1, *StringGrid1, tables_ ? tables_->KnetStations : kNoStations); }

void TSiteList::Button3Click() { Search(*Edit2, *StringGrid2, tables_ ? tables_->KikStations : kNoStations); }

void TSiteList::Search(const EditBox& edit, StationGrid& grid, const std::vector<StationRecord>& table) {
  if (const std::optional<int> row = FindStationRow(table, edit.Text())) {
    grid.SelectRow(*row);
  } else {
    CurrentPlatform().ShowMessage(Translate("TSiteList", "そのような観測点コードはありません"),
                                  Translate("TSiteList", "観測点コードエラー"), MessageButtons::Ok, MessageIcon::None);
  }
}

}  // namespace tremora
