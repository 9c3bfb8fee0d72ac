#include <QScrollBar>

#include "app/StationGrid.h"
#include "app/THRSMList.h"
#include "app/TSiteList.h"
#include "ui/app/ApplicationFixture.h"

namespace tremora::testing {
namespace {

class StationLists : public ApplicationFixture {
 protected:
  TSiteList& site = application.SiteList();
  THRSMList& hrsm = application.HRSMList();

  void Search(EditBox& edit, QPushButton& button, const std::string& text) {
    edit.SetText(text);
    button.click();
  }
};

TEST_F(StationLists, ButtonShowsBothSortedTablesWithTheirCounts) {
  form.Button2->click();
  form.Button2->click();  // rewritten, not appended
  EXPECT_TRUE(site.isVisible());
  EXPECT_FALSE(hrsm.isVisible());
  ASSERT_EQ(site.StringGrid1->rowCount(), 1047);
  ASSERT_EQ(site.StringGrid2->rowCount(), 702);
  EXPECT_EQ(site.Label3->Caption(), "1047 地点");
  EXPECT_EQ(site.Label4->Caption(), "702 地点");
  EXPECT_EQ(site.StringGrid1->Cell(0, 0), "AIC001");
  EXPECT_EQ(site.StringGrid1->Cell(0, 1), " 尾西");
  EXPECT_EQ(site.StringGrid1->Cell(0, 3), "愛知県尾西");
  const StationRecord& last_kik = form.Stations.KikStations.back();
  EXPECT_EQ(site.StringGrid2->Cell(701, 0), last_kik.Code);
  EXPECT_EQ(site.StringGrid2->Cell(701, 4), last_kik.Extra2);
  EXPECT_EQ(site.StringGrid1->columnWidth(3), 313);
  EXPECT_EQ(site.StringGrid2->rowHeight(5), 18);
  EXPECT_EQ(site.StringGrid1->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_EQ(hrsm.StringGrid1->item(0, 1), nullptr);  // the Hiroshima list is left alone
}

TEST_F(StationLists, CodeSearchSelectsTheFirstMatchOrSaysThereIsNone) {
  form.Button2->click();
  EXPECT_EQ(site.Edit1->Text(), "AIC001");
  EXPECT_EQ(site.Edit2->Text(), "ABSB01");
  Search(*site.Edit1, *site.Button2, "aom");
  const int aom001 = site.StringGrid1->currentRow();
  EXPECT_EQ(site.StringGrid1->Cell(aom001, 0), "AOM001");
  EXPECT_GT(site.StringGrid1->verticalScrollBar()->value(), 0);  // scrolled to it
  Search(*site.Edit1, *site.Button2, "");
  EXPECT_EQ(site.StringGrid1->currentRow(), 0);
  Search(*site.Edit1, *site.Button2, "大間");
  EXPECT_EQ(site.StringGrid1->currentRow(), aom001);
  Search(*site.Edit2, *site.Button3, "ngnh3");
  EXPECT_EQ(site.StringGrid2->Cell(site.StringGrid2->currentRow(), 0), "NGNH30");
  EXPECT_TRUE(platform.messages.empty());

  Search(*site.Edit1, *site.Button2, "zzz9999");
  Search(*site.Edit2, *site.Button3, "ABSH011");
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text, "そのような観測点コードはありません");
  EXPECT_EQ(platform.messages[1].caption, "観測点コードエラー");
  EXPECT_EQ(platform.messages[1].buttons, MessageButtons::Ok);
  EXPECT_EQ(platform.messages[1].icon, MessageIcon::None);
  EXPECT_EQ(site.StringGrid1->currentRow(), aom001);  // a failed search keeps the row
}

TEST_F(StationLists, HiroshimaFormatShowsTheHiroshimaListUnderItsHeader) {
  form.HiroshimaClick();
  form.Button2->click();
  EXPECT_TRUE(hrsm.isVisible());
  EXPECT_FALSE(site.isVisible());
  EXPECT_EQ(site.StringGrid1->rowCount(), 0);
  EXPECT_EQ(hrsm.StringGrid1->horizontalHeaderItem(2)->text().toStdString(), "　　観測点名称");
  EXPECT_EQ(hrsm.StringGrid1->rowCount(), 19);
  EXPECT_EQ(hrsm.StringGrid1->Cell(7, 0), " 8");
  EXPECT_EQ(hrsm.StringGrid1->Cell(0, 1), "HRS01");
  EXPECT_EQ(hrsm.StringGrid1->Cell(0, 4), "132.455");
  EXPECT_EQ(hrsm.StringGrid1->Cell(0, 5), " 34.389");
  EXPECT_EQ(hrsm.StringGrid1->Cell(8, 1), "");
}

TEST_F(StationLists, HiroshimaGridGrowsForMoreThanNineteenStations) {
  std::vector<StationRecord> stations(25, form.Stations.HrsmStations.front());
  stations.back().Code = "HRS25";
  hrsm.WriteStations(stations);
  ASSERT_EQ(hrsm.StringGrid1->rowCount(), 25);
  EXPECT_EQ(hrsm.StringGrid1->Cell(24, 0), " 25");
  EXPECT_EQ(hrsm.StringGrid1->Cell(24, 1), "HRS25");
}

}  // namespace
}  // namespace tremora::testing
