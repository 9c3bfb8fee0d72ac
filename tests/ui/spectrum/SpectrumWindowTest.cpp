// The spectrum window with a real record: the calculation over the displayed section, the three
// panels, the axes and modes, the damping boxes, the pens and the main window's menu items.

#include <QProgressBar>

#include "platform/WindowStyle.h"
#include "spectrum/UpDown.h"
#include "ui/spectrum/SpectrumFixture.h"
#include "wave/TWait.h"

namespace tremora::testing {
namespace {

using test::ColourAt;
using test::CountColour;

class SpectrumWindow : public SpectrumWindowFixture {};

TEST_F(SpectrumWindow, StartsWithItsGeometryChoicesAndAnEmptyGraph) {
  EXPECT_EQ(spect.GraphLeft, (std::array<int, 3>{50, 349, 648}));
  EXPECT_EQ(spect.GraphBottom, 275);
  EXPECT_EQ(spect.MyGraph1->WidthX, 239);
  EXPECT_EQ(spect.MyGraph1->HeightY, 239);
  EXPECT_EQ(spect.LinearPeriodCount, 70);
  EXPECT_EQ(spect.LinearFrequencyCount, 87);
  EXPECT_EQ(spect.RGXScale->ItemIndex(), 1);
  EXPECT_EQ(spect.RGYScale->ItemIndex(), 1);
  EXPECT_EQ(spect.RGXUnit->ItemIndex(), 0);
  EXPECT_EQ(spect.RGResp->ItemIndex(), 1);
  EXPECT_FALSE(spect.RGResp->isEnabled());
  EXPECT_TRUE(spect.CBColor->Checked());
  EXPECT_TRUE(spect.CBLarge->isEnabled());
  EXPECT_FALSE(spect.CBLarge->Checked());
  EXPECT_FALSE(spect.BtnSpectrum1->isVisibleTo(&spect));
  EXPECT_EQ(spect.D10->text().toStdString(), "10%");
  EXPECT_EQ(spect.Edit1->Text(), "1");
  EXPECT_TRUE(form.N5->isChecked());
  EXPECT_EQ(test::CountColour(Picture(), kWhite, 0, 0, 897, 305), 897 * 305);
}

TEST_F(SpectrumWindow, SpectButtonComputesTheDisplayedSectionAndShowsTheStation) {
  LoadAndOpen();
  ASSERT_GT(form.DisplayCount, 1000);
  EXPECT_TRUE(spect.isVisible());
  EXPECT_FALSE(application.Wait().isVisible());
  EXPECT_EQ(DifferingChannels(*Expected(DampingSet(DampingMultiplier::X1)), 3), 0);
  EXPECT_GT(spect.Spectra[0][0][0][0], 0.0f);
  EXPECT_EQ(spect.Label2->Caption(), "AOM001");
  EXPECT_EQ(spect.Label5->Caption(), form.Record.CurrentStation.Name);
  EXPECT_EQ(spect.ProgressBar1->value(), spect.ProgressBar1->maximum());
  EXPECT_EQ(spect.ProgressBar1->maximum(), 15);
  // The component choice carries the record's channel names, all three enabled.
  EXPECT_EQ(spect.RGCompo->Items(), QStringList({"NS", "EW", "UD"}));
  EXPECT_TRUE(spect.RGCompo->Button(2).isEnabled());
}

TEST_F(SpectrumWindow, CalculateButtonTakesTheSectionDisplayedNow) {
  LoadAndOpen();
  form.StartIndex += 1000;
  spect.BtnCalc->click();
  EXPECT_EQ(DifferingChannels(*Expected(DampingSet(DampingMultiplier::X1)), 3), 0);
}

TEST_F(SpectrumWindow, DrawsThreeFramedPanelsPerComponent) {
  LoadAndOpen();
  for (int i = 0; i < 3; ++i) {
    const int left = spect.GraphLeft[i];
    EXPECT_EQ(ColourAt(Picture(), left, 150), kBlack) << "left border of panel " << i;
    EXPECT_EQ(ColourAt(Picture(), left + 120, spect.GraphBottom), kBlack) << "bottom border of panel " << i;
    EXPECT_GT(ColouredPixels(left, left + 240), 200) << "curves of panel " << i;
  }
  // Nothing left of the first panel's labels or between panels but texts and white.
  EXPECT_EQ(ColouredPixels(0, 40), 0);
}

// Issue 9: the period caption was cut at the picture's lower edge and the last panel's title at its
// right edge; the 0 % caption was white.
TEST_F(SpectrumWindow, FrameTextsReadWholeInsideThePictureAndTheZeroPercentCaptionIsRed) {
  LoadAndOpen();
  // Frames only: curves may run over the labels.
  for (CheckBox* box : {spect.D00, spect.D01, spect.D02, spect.D05, spect.D10}) box->SetChecked(false);
  const Canvas& canvas = spect.MyGraph1->GetCanvas();
  int texts = 0;
  const DrawList frame = LayoutGraphFrame(PanelAxes(2), canvas);
  for (const DrawItem& item : frame.Items()) {
    if (item.kind != DrawItem::Kind::Text) continue;
    ++texts;
    EXPECT_TRUE(test::DrawnWhole(Picture(), canvas, item.x1, item.y1, item.text));
  }
  EXPECT_GT(texts, 8);
  EXPECT_EQ(spect.MyGraph1->TitleX, "周　期 [s]");
  EXPECT_EQ(spect.D00->palette().color(QPalette::WindowText), ColorFromBgr(kSpectrumColours[0]));
}

TEST_F(SpectrumWindow, CurvesTakeTheDampingColoursOnlyWhenColourCodingIsOn) {
  LoadAndOpen();
  for (int d : {0, 1, 2, 4}) {
    EXPECT_GT(CountColour(Picture(), kSpectrumColours[d], 50, 0, 290, 305), 20) << "damping " << d;
  }
  spect.CBColor->SetChecked(false);
  EXPECT_EQ(ColouredPixels(0, 897), 0);
  EXPECT_GT(CountColour(Picture(), kBlack, 60, 40, 280, 270), 800);
}

TEST_F(SpectrumWindow, LinearPeriodAxisEndsAtTheLastGridPeriodInsideIt) {
  LoadAndOpen();
  // On a linear amplitude axis every value has a row: no curve is cut at the frame.
  spect.RGYScale->SetItemIndex(0);
  const struct { QAction* item; int count; } cases[] = {{form.N5, 70}, {form.N6, 87}, {form.N7, 100}};
  for (const auto& c : cases) {
    c.item->trigger();
    EXPECT_EQ(spect.LinearPeriodCount, c.count);
    EXPECT_EQ(spect.RGXScale->ItemIndex(), 0);
    const GraphAxes axes = PanelAxes(0);
    const int last = *GraphColumn(axes, spect.Grid.Periods[c.count - 1]);
    const int right = axes.OriginX + axes.NGridX * axes.DivisionWidth();
    EXPECT_LT(last, right);
    EXPECT_GT(ColouredPixels(last, last + 1), 0) << c.count;
    EXPECT_EQ(ColouredPixels(last + 1, right), 0) << c.count;
  }
}

TEST_F(SpectrumWindow, LongestPeriodItemSwitchesToALinearPeriodAxis) {
  LoadAndOpen();
  spect.RGXUnit->SetItemIndex(1);
  form.N7->trigger();
  EXPECT_TRUE(form.N7->isChecked());
  EXPECT_FALSE(form.N5->isChecked());
  EXPECT_EQ(spect.RGXScale->ItemIndex(), 0);
  EXPECT_EQ(spect.RGXUnit->ItemIndex(), 0);
  EXPECT_EQ(spect.MyGraph1->SubX, 4);
  EXPECT_EQ(spect.MyGraph1->NGridX, 5);
  EXPECT_FLOAT_EQ(spect.MyGraph1->VValueX, 2.0f);
  EXPECT_EQ(spect.MyGraph1->TitleX, "周　期 [s]");
}

TEST_F(SpectrumWindow, FrequencyAxisPerComponentDrawsAllHundredPointsUpward) {
  LoadAndOpen();
  spect.RGXScale->SetItemIndex(0);
  spect.RGXUnit->SetItemIndex(1);
  const GraphAxes axes = PanelAxes(0);
  EXPECT_EQ(axes.TitleX, "振動数 [Hz]");
  // The 20 Hz end of the 0 .. 20 Hz axis is reached at the right border.
  const int right = axes.OriginX + axes.NGridX * axes.DivisionWidth();
  EXPECT_GT(ColouredPixels(right - 3, right - 1), 0);
  EXPECT_EQ(ColouredPixels(right + 2, 340), 0);
}

TEST_F(SpectrumWindow, PerResponseWithOneChannelDrawsOnePanel) {
  form.CB3Compo->SetChecked(false);
  LoadAndOpen("AOM0011801241951.EW");
  EXPECT_EQ(spect.RGCompo->Items(), QStringList({"EW", " ", " "}));
  EXPECT_FALSE(spect.RGCompo->Button(1).isEnabled());
  spect.RGSpect->SetItemIndex(1);
  EXPECT_FALSE(spect.RGCompo->isEnabled());
  EXPECT_TRUE(spect.RGResp->isEnabled());
  EXPECT_EQ(ColourAt(Picture(), spect.GraphLeft[0], 150), kBlack);
  EXPECT_GT(ColouredPixels(50, 300), 100);
  // Only the first panel's texts reach a little beyond its frame.
  EXPECT_EQ(CountColour(Picture(), kWhite, 320, 0, 897, 305), 577 * 305);
  EXPECT_EQ(spect.MyGraph1->TitleY, "SV AOM001 EW   2018/01/24 19:51:00");
  // Back per component: the first item only.
  spect.RGSpect->SetItemIndex(0);
  EXPECT_TRUE(spect.RGCompo->isEnabled());
  EXPECT_FALSE(spect.RGCompo->Button(2).isEnabled());
  EXPECT_FALSE(spect.RGResp->isEnabled());
}

TEST_F(SpectrumWindow, OneChannelRecordShowsItsOwnChannelWhateverItemWasLeftSelected) {
  LoadAndOpen();
  spect.RGYScale->SetItemIndex(0);
  spect.RGCompo->SetItemIndex(2);
  const float earlier_ud_scale = spect.MyGraph1->VValueY;
  form.CB3Compo->SetChecked(false);
  LoadAndOpen("AOM0011801241951.EW");
  EXPECT_EQ(spect.RGCompo->ItemIndex(), 2);
  EXPECT_EQ(spect.MyGraph1->TitleY, "SD AOM001 EW   2018/01/24 19:51:00");
  // The SD panel is scaled to the record's own channel, not to the earlier record's UD slot.
  const float own_scale = ChooseScale(LargestValue(kPeriodCount, spect.Spectra[0][0][2].data()), 4, true)->step;
  ASSERT_NE(own_scale, earlier_ud_scale);
  EXPECT_FLOAT_EQ(spect.MyGraph1->VValueY, own_scale);
}

TEST_F(SpectrumWindow, PerResponseDrawsEveryChannelOfTheChosenKind) {
  LoadAndOpen();
  spect.RGSpect->SetItemIndex(1);
  spect.RGResp->SetItemIndex(2);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(ColourAt(Picture(), spect.GraphLeft[i], 150), kBlack);
    EXPECT_GT(ColouredPixels(spect.GraphLeft[i], spect.GraphLeft[i] + 240), 100);
  }
  EXPECT_EQ(spect.MyGraph1->TitleY, "SD AOM001 UD   2018/01/24 19:51:00");
}

TEST_F(SpectrumWindow, DampingBoxesChooseTheCurvesAndTheReferenceScale) {
  LoadAndOpen();
  spect.RGYScale->SetItemIndex(0);
  // The last panel drawn is SD of channel 0; its scale is fitted to the lowest shown damping.
  const auto scale_for = [&](int d) {
    return ChooseScale(LargestValue(kPeriodCount, spect.Spectra[0][d][2].data()), 4, true)->step;
  };
  EXPECT_FLOAT_EQ(spect.MyGraph1->VValueY, scale_for(0));
  spect.D00->SetChecked(false);
  EXPECT_EQ(spect.ReferenceDampingIndex, 1);
  EXPECT_FLOAT_EQ(spect.MyGraph1->VValueY, scale_for(1));
  EXPECT_EQ(CountColour(Picture(), kSpectrumColours[0], 0, 0, 897, 305), 0);
  for (CheckBox* box : {spect.D01, spect.D02, spect.D05}) box->SetChecked(false);
  EXPECT_EQ(spect.ReferenceDampingIndex, 4);
  ASSERT_LT(scale_for(4), scale_for(0));
  EXPECT_FLOAT_EQ(spect.MyGraph1->VValueY, scale_for(4));
  spect.D10->SetChecked(false);
  EXPECT_EQ(spect.ReferenceDampingIndex, 0);
  EXPECT_FLOAT_EQ(spect.MyGraph1->VValueY, scale_for(0));
  EXPECT_EQ(ColouredPixels(0, 897), 0);
  EXPECT_EQ(ColourAt(Picture(), spect.GraphLeft[2], 150), kBlack);
}

TEST_F(SpectrumWindow, LineWidthFollowsTheUpDownWithinItsRange) {
  LoadAndOpen();
  const int thin = CountColour(Picture(), kSpectrumColours[4], 0, 0, 897, 305);
  for (int i = 0; i < 12; ++i) spect.UpDown1->Click(+1);
  EXPECT_EQ(spect.UpDown1->Position(), 10);
  EXPECT_EQ(spect.Edit1->Text(), "10");
  EXPECT_GT(CountColour(Picture(), kSpectrumColours[4], 0, 0, 897, 305), 4 * thin);
  for (int i = 0; i < 12; ++i) spect.UpDown1->Click(-1);
  EXPECT_EQ(spect.Edit1->Text(), "1");
}

TEST_F(SpectrumWindow, MultiplierItemRecalculatesWithItsRatiosAndCaptions) {
  LoadAndOpen();
  spect.hide();
  form.N3->trigger();
  EXPECT_TRUE(form.N3->isChecked());
  EXPECT_FALSE(form.N11->isChecked());
  EXPECT_TRUE(spect.isVisible());
  EXPECT_EQ(spect.Ratios, DampingSet(DampingMultiplier::X10));
  EXPECT_EQ(spect.D01->text().toStdString(), "10%");
  EXPECT_EQ(spect.D10->text().toStdString(), "100%");
  EXPECT_EQ(spect.D00->text().toStdString(), " 0 %");
  EXPECT_EQ(DifferingChannels(*Expected(DampingSet(DampingMultiplier::X10)), 3), 0);
}

TEST_F(SpectrumWindow, MultiplierBeforeAnyRecordShowsEmptyFrames) {
  form.N2->trigger();
  EXPECT_TRUE(spect.isVisible());
  EXPECT_EQ(spect.Ratios, DampingSet(DampingMultiplier::X5));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ColourAt(Picture(), spect.GraphLeft[i], 150), kBlack);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(platform.terminate_requests, 0);
}

TEST_F(SpectrumWindow, CloseButtonHidesAndKeepsTheSpectra) {
  LoadAndOpen();
  const float first = spect.Spectra[1][2][1][30];
  spect.Button1->click();
  EXPECT_FALSE(spect.isVisible());
  form.N6->trigger();
  EXPECT_TRUE(spect.isVisible());
  EXPECT_EQ(spect.Spectra[1][2][1][30], first);
}

}  // namespace
}  // namespace tremora::testing
