#include <QGroupBox>
#include <QRadioButton>

#include "app/SecondaryWindows.h"
#include "ui/app/ApplicationFixture.h"

namespace tremora::testing {
namespace {

class WaveControls : public ApplicationFixture {
 protected:
  // The KiK-net record has 12000 samples.
  void LoadTwelveThousandSamples() {
    PickThroughFileButton(SamplePath("NGNH311106302345.NS2"));
    ASSERT_EQ(form.Record.SampleCount, 12000);
  }
  // As if the user had typed text into the start edit.
  void TypeStart(const QString& text) {
    form.EdStart->setText(text);
    emit form.EdStart->textEdited(text);
  }
};

TEST_F(WaveControls, StartInTheirInitialStates) {
  EXPECT_TRUE(form.CBAutoStart->Checked());
  EXPECT_EQ(form.EdStart->Text(), "1400");
  EXPECT_FALSE(form.EdStart->isEnabled());
  EXPECT_FALSE(form.TrackBar1->isEnabled());
  EXPECT_EQ(form.TrackBar1->minimum(), 0);
  EXPECT_EQ(form.TrackBar1->maximum(), 10000);
  EXPECT_EQ(form.TrackBar1->Position(), 0);
  EXPECT_EQ(form.TrackBar1->tickInterval(), 1000);
  EXPECT_EQ(form.RGTime->ItemIndex(), 3);
  EXPECT_EQ(form.RGTime->Items(), QStringList({"  5 s", " 10 s", " 25 s", " 50 s", "100 s", "250 s"}));
  EXPECT_TRUE(form.CBAmp->Checked());
  EXPECT_FALSE(form.CB1ch->Checked());
  EXPECT_FALSE(form.CB1ch->isEnabled());
  EXPECT_EQ(form.EdAmp1->Text(), "400");
  EXPECT_EQ(form.RGWave->Items(), QStringList({"加速度", "速　 度", "変　 位"}));
  EXPECT_EQ(form.RGWave->ItemIndex(), 0);
  EXPECT_TRUE(form.CBWave->Checked());
  EXPECT_FALSE(form.CBWave->isEnabled());
  EXPECT_EQ(form.RGCompo->ItemIndex(), 0);
  EXPECT_FALSE(form.RGCompo->isEnabled());
  for (const CheckBox* box : {form.CBTitle, form.CBMax, form.CBDataCount, form.CBMaxPnt, form.CBDC}) {
    EXPECT_TRUE(box->Checked()) << box->objectName().toStdString();
  }
  EXPECT_EQ(form.GroupBox1->toolTip().toStdString(), "波形表示開始点設定");
  EXPECT_EQ(form.RGTime->toolTip().toStdString(), "波形表示時間幅");
  EXPECT_EQ(form.GroupBox2->toolTip().toStdString(), "振幅軸目盛りの設定");
  EXPECT_EQ(form.CBWave->toolTip().toStdString(), "波形/成分表示の選択");
  EXPECT_EQ(form.BtnSpect->toolTip().toStdString(), "地震応答ｽﾍﾟｸﾄﾗﾑ表示");
  EXPECT_EQ(form.BtnWave->toolTip().toStdString(), "地震波形表示");
}

TEST_F(WaveControls, StartEditAcceptsUpToTheLimitOfItsTimeWidth) {
  LoadTwelveThousandSamples();
  form.CBAutoStart->click();
  ASSERT_TRUE(form.EdStart->isEnabled());

  // 50 s selected: the limit is 12000 - 4 x 500.
  TypeStart("10000");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(form.TrackBar1->Position(), 10000);
  EXPECT_FALSE(form.StartControlBusy);  // cleared by the redraw that followed

  TypeStart("10001");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "開始点番号が大きすぎます");
  EXPECT_EQ(platform.messages[0].caption, "開始点番号エラー");
  EXPECT_EQ(form.TrackBar1->Position(), 10000);
  EXPECT_TRUE(form.StartControlBusy);  // no redraw followed

  form.RGTime->SetItemIndex(0);  // 5 s: limit 11500
  TypeStart("11500");
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(form.TrackBar1->Position(), 11500);
}

TEST_F(WaveControls, StartEditReportsAStartThatIsNotANumber) {
  LoadTwelveThousandSamples();
  form.CBAutoStart->click();
  TypeStart("12a");
  ASSERT_EQ(platform.standard_errors.size(), 1u);
  EXPECT_EQ(platform.standard_errors[0], "'12a' は整数として正しくありません。");
  TypeStart("");
  EXPECT_EQ(platform.standard_errors.size(), 1u);
}

TEST_F(WaveControls, TrackBarCopiesItsPositionIntoTheStartEdit) {
  LoadTwelveThousandSamples();
  form.CBAutoStart->click();
  form.TrackBar1->setValue(2500);  // dragged by the user
  EXPECT_EQ(form.EdStart->Text(), "2500");
  EXPECT_TRUE(platform.messages.empty());

  // Past the limit the start edit complains, and the track bar keeps its place.
  form.TrackBar1->setValue(11000);
  EXPECT_EQ(form.EdStart->Text(), "11000");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "開始点番号が大きすぎます");
  EXPECT_EQ(form.TrackBar1->Position(), 11000);
}

TEST_F(WaveControls, AnAutomaticStartOfZeroIsWrittenIntoTheStartEdit) {
  // Motion from the first sample: the start is 0, where the track bar already stands.
  ScratchFolder scratch;
  std::string text = "code,HRS01\ndate,2018/01/24\ntime,19:51:43\ncount,40\ninterval,10\n";
  for (int i = 0; i < 40; ++i) text += std::to_string(i % 2 ? 5 : -5) + (i % 10 == 9 ? ",\n" : ",");
  WriteText(scratch / "eq1.ns", text);
  form.Hiroshima->trigger();
  form.CB3Compo->click();
  PickThroughFileButton(scratch / "eq1.ns");
  ASSERT_EQ(form.StartIndex, 0);
  EXPECT_EQ(form.EdStart->Text(), "0");

  // Unticked, the plot stays at the start it showed.
  form.CBAutoStart->click();
  form.BtnWave->click();
  EXPECT_EQ(form.StartIndex, 0);
}

TEST_F(WaveControls, AutomaticStartDisablesTheStartControls) {
  form.CBAutoStart->click();
  EXPECT_TRUE(form.EdStart->isEnabled());
  EXPECT_TRUE(form.TrackBar1->isEnabled());
  form.CBAutoStart->SetChecked(true);
  EXPECT_FALSE(form.EdStart->isEnabled());
  EXPECT_FALSE(form.TrackBar1->isEnabled());
}

TEST_F(WaveControls, ManualAmplitudeEnablesTheOneScaleChoice) {
  form.CBAmp->click();
  EXPECT_TRUE(form.CB1ch->isEnabled());
  form.CBAmp->click();
  EXPECT_FALSE(form.CB1ch->isEnabled());
}

TEST_F(WaveControls, ModeSwitchSetsScalesAndChoices) {
  LoadTwelveThousandSamples();
  form.EdAmp1->SetText("77");
  form.CBWave->click();
  EXPECT_FALSE(form.CBWave->Checked());
  EXPECT_EQ(form.EdAmp0->Text(), "400");
  EXPECT_EQ(form.EdAmp1->Text(), "100");
  EXPECT_EQ(form.EdAmp2->Text(), "10");
  EXPECT_FALSE(form.RGWave->isEnabled());
  EXPECT_TRUE(form.RGCompo->isEnabled());
  EXPECT_FALSE(form.BtnCsv->isEnabled());

  form.CBWave->click();
  EXPECT_EQ(form.EdAmp1->Text(), "400");
  EXPECT_EQ(form.EdAmp2->Text(), "400");
  EXPECT_TRUE(form.RGWave->isEnabled());
  EXPECT_FALSE(form.RGCompo->isEnabled());
  EXPECT_TRUE(form.BtnCsv->isEnabled());
}

TEST_F(WaveControls, SingleComponentModeOfOneChannelKeepsTheComponentChoiceOff) {
  form.CB3Compo->click();
  PickThroughFileButton(SamplePath("AOM0011801241951.UD"));
  form.CBWave->click();
  EXPECT_FALSE(form.RGCompo->isEnabled());
}

TEST_F(WaveControls, SpectrumButtonShowsTheSpectrumWindow) {
  LoadTwelveThousandSamples();
  form.BtnSpect->click();
  EXPECT_TRUE(application.Spect().isVisible());
}

}  // namespace
}  // namespace tremora::testing
