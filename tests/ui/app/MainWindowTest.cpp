#include <QAction>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include "app/SecondaryWindows.h"
#include "app/TAboutBox.h"
#include "app/THRSMList.h"
#include "app/THowTo.h"
#include "app/TSiteList.h"
#include "app/TSynthe.h"
#include "graph/TLarge.h"
#include "graph/TNextStep.h"
#include "graph/TSuper.h"
#include "ui/app/ApplicationFixture.h"
#include "wave/TWait.h"

namespace tremora::testing {
namespace {

class MainWindow : public ApplicationFixture {};

TEST_F(MainWindow, StartsWithEveryWindowItsCaptionAndTheStationTables) {
  EXPECT_EQ(form.windowTitle().toStdString(), " K-NET / KiK-net 観測波形解析  TREMORA Ver 3.0");
  const std::pair<QWidget*, const char*> windows[] = {
      {&application.Spect(), "tremora::TSpect"},       {&application.HowTo(), "tremora::THowTo"},
      {&application.AboutBox(), "tremora::TAboutBox"}, {&application.Wait(), "tremora::TWait"},
      {&application.Large(), "tremora::TLarge"},       {&application.NextStep(), "tremora::TNextStep"},
      {&application.Super(), "tremora::TSuper"},       {&application.SiteList(), "tremora::TSiteList"},
      {&application.Synthe(), "tremora::TSynthe"},     {&application.HRSMList(), "tremora::THRSMList"},
  };
  for (const auto& [window, class_name] : windows) {
    EXPECT_STREQ(window->metaObject()->className(), class_name);
    EXPECT_FALSE(window->isVisible()) << class_name;
  }
  EXPECT_EQ(application.Wait().windowTitle().toStdString(), "　　お待ちください");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_FALSE(form.Stations.KnetStations.empty());
  EXPECT_FALSE(form.Stations.KikStations.empty());
  EXPECT_EQ(form.Stations.HrsmStations.size(), 8u);
}

TEST_F(MainWindow, StartsWithEmptyValueLabelsAndTheRecordButtonsDisabled) {
  EXPECT_EQ(form.Label14->Caption(), "K-NET/KiK-net データファイル");
  for (const TextLabel* value : {form.Label6, form.Label7, form.Label8, form.Label9, form.Label10, form.Label12,
                                 form.Label13, form.Label23, form.Label24, form.Label25, form.Label28, form.Label30}) {
    EXPECT_EQ(value->Caption(), "") << value->objectName().toStdString();
  }
  EXPECT_EQ(form.Label15->Caption(), "観測点");
  EXPECT_EQ(form.Label29->Caption(), "ｻﾝﾌﾟﾘﾝｸﾞ率");
  for (const QPushButton* button : {form.BtnWave, form.BtnGif, form.BtnCopy, form.BtnCsv, form.BtnSpect, form.Button3}) {
    EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
  }
  EXPECT_TRUE(form.BtnFile->isEnabled());
  EXPECT_FALSE(form.Record.RecordLoaded);
  EXPECT_EQ(form.MyWave1->geometry(), QRect(12, 48, 593, 409));
}

TEST_F(MainWindow, WritesTheGuidanceLinesOnTheWhitePlot) {
  const QImage picture = form.MyWave1->Picture();
  ASSERT_EQ(picture.size(), QSize(593, 409));
  const auto ink_in_rows = [&](int top, int bottom) {
    int ink = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = 0; x < picture.width(); ++x) ink += picture.pixelColor(x, y) != QColor(Qt::white);
    }
    return ink;
  };
  EXPECT_GT(ink_in_rows(150, 166), 100);
  EXPECT_GT(ink_in_rows(200, 216), 100);
  EXPECT_GT(ink_in_rows(220, 236), 100);
  EXPECT_EQ(ink_in_rows(0, 148), 0);
  EXPECT_EQ(ink_in_rows(240, 409), 0);
}

TEST_F(MainWindow, FormatChoiceKeepsExactlyOneItemChecked) {
  form.Hiroshima->trigger();
  EXPECT_TRUE(form.Hiroshima->isChecked());
  EXPECT_FALSE(form.KNET->isChecked());
  EXPECT_EQ(form.Label14->Caption(), "広島市消防局データファイル");
  form.KNET->trigger();
  form.KNET->trigger();  // choosing the checked item again leaves it checked
  EXPECT_TRUE(form.KNET->isChecked());
  EXPECT_FALSE(form.Hiroshima->isChecked());
  EXPECT_EQ(form.Label14->Caption(), "K-NET/KiK-net データファイル");
}

TEST_F(MainWindow, SpectrumMenusKeepOneCheckMarkEach) {
  EXPECT_TRUE(form.N11->isChecked());
  EXPECT_TRUE(form.N5->isChecked());
  form.N3->trigger();
  form.N7->trigger();
  EXPECT_FALSE(form.N11->isChecked());
  EXPECT_FALSE(form.N2->isChecked());
  EXPECT_TRUE(form.N3->isChecked());
  EXPECT_FALSE(form.N5->isChecked());
  EXPECT_TRUE(form.N7->isChecked());
  EXPECT_EQ(form.N1->text().toStdString(), "減衰比倍率");
  EXPECT_EQ(form.N4->text().toStdString(), "線形目盛り最長周期");
}

TEST_F(MainWindow, ExitAsksAndNoKeepsTheProgramRunning) {
  form.show();
  platform.answers.push_back(MessageAnswer::No);
  form.Button1->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "プログラムを終了します．よろしいですか？");
  EXPECT_EQ(platform.messages[0].caption, "プログラム終了");
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
  EXPECT_TRUE(form.isVisible());

  platform.answers.push_back(MessageAnswer::Yes);
  form.Exit1->trigger();
  EXPECT_FALSE(form.isVisible());
}

TEST_F(MainWindow, LinksOpenTheirPagesAndReportABrowserFailure) {
  form.Links.knet = "https://example.org/knet";
  form.Label21Click();
  form.Label26Click();
  platform.browser_works = false;
  form.Label32Click();
  ASSERT_EQ(platform.opened_urls.size(), 3u);
  EXPECT_EQ(platform.opened_urls[0], "https://example.org/knet");
  EXPECT_EQ(platform.opened_urls[2], form.Links.hrsm);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "インターネットエクスプローラの起動に失敗しました　　　　");
  EXPECT_EQ(platform.messages[0].caption, "readme.htm呼び出しエラー");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
}

TEST_F(MainWindow, WaitWindowShowsItsTextAtOnceAndCloses) {
  TWait& wait = application.Wait();
  EXPECT_EQ(wait.Label1->Caption(), "応答スペクトルを計算しています・・・・");
  wait.ShowWith("地震波形データを処理しています・・・・");
  EXPECT_TRUE(wait.isVisible());
  EXPECT_EQ(wait.Label1->Caption(), "地震波形データを処理しています・・・・");
  EXPECT_EQ(wait.Label1->pos(), QPoint(32, 40));
  wait.Close();
  EXPECT_FALSE(wait.isVisible());
}

class MainWindowWithoutStationFiles : public ApplicationFixture {
 protected:
  MainWindowWithoutStationFiles() : ApplicationFixture("/nonexistent-tremora-data") {}
};

TEST_F(MainWindowWithoutStationFiles, ReportsBothMissingTablesAndRunsOn) {
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].text, "K-NET/KiK-net観測点情報ファイルがありません");
  EXPECT_EQ(platform.messages[1].text, "広島市消防局観測点リストファイルがありません　　　");
  EXPECT_EQ(platform.messages[1].caption, "ファイルエラー");
  EXPECT_TRUE(form.Stations.KnetStations.empty());
  EXPECT_TRUE(form.BtnFile->isEnabled());
}

}  // namespace
}  // namespace tremora::testing
