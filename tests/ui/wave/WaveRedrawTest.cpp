// The main window's waveform redraw and exports, driven through its controls.

#include <QColor>

#include "DecodePicture.h"
#include "ui/app/ApplicationFixture.h"
#include "base/CNumbers.h"
#include "wave/TMyWave.h"
#include "wave/TWait.h"
#include "wave/WaveCsv.h"
#include "wave/WaveProcessing.h"

namespace tremora::testing {
namespace {

class WaveRedraw : public ApplicationFixture {
 protected:
  void SetUp() override { PickThroughFileButton(SamplePath("AOM0011801241951.NS")); }

  // Where the peak mark of a strip must sit: the formula of the redraw, from the core's peak.
  QPoint PeakMark(const float* trace, int strip) const {
    const TMyWave& plot = *form.MyWave1;
    int position = 0;
    PeakAbs(form.DisplayCount, trace, position);
    const int strip_height = plot.height() / 3;
    const int origin_y = static_cast<int>(strip_height / 2 + (strip * strip_height) * 0.95L);
    const float scale = AutoScale(2, std::fabs(trace[position]));
    const int x = static_cast<int>(static_cast<long double>(position) * form.Record.SamplingInterval / plot.VValueX *
                                       plot.UnitLenX + plot.OriginX);
    const int y = static_cast<int>(origin_y - static_cast<long double>(trace[position]) / scale * plot.UnitLenY);
    return {x, y};
  }

  static bool IsRed(QRgb pixel) { return QColor(pixel) == QColor(255, 0, 0); }
};

TEST_F(WaveRedraw, AutomaticStartShowsTheSectionFromTwoHundredSamplesBeforeTheMotion) {
  const int expected = AutoStartIndex(form.Record.SampleCount, form.Record.Acceleration[0].data());
  EXPECT_EQ(form.StartIndex, expected);
  EXPECT_EQ(form.DisplayCount, 5000);  // 50 s at 100 Hz
  EXPECT_EQ(form.EdStart->Text(), std::to_string(expected));
  EXPECT_EQ(form.TrackBar1->Position(), expected);
  EXPECT_EQ(form.MyWave1->VValueX, 10.0f);
  EXPECT_EQ(form.MyWave1->SubX, 5);
}

TEST_F(WaveRedraw, AManualAmplitudeThatIsNotPositiveIsRefusedAndThePlotStays) {
  form.CBAmp->click();  // manual scales, drawn with 400 each
  const QImage before = form.MyWave1->Picture();
  for (const char* amplitude : {"0", "-400"}) {
    form.EdAmp1->SetText(amplitude);
    form.BtnWave->click();
  }
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text, "振幅の値が正しくありません !\n0 より大きい数値を入力してください");
  EXPECT_EQ(platform.messages[1].caption, "振幅エラー");
  EXPECT_EQ(form.MyWave1->Picture(), before);

  // A text that is no number keeps its conversion error.
  form.EdAmp1->SetText("4OO");
  form.BtnWave->click();
  EXPECT_EQ(platform.standard_errors.size(), 1u);
  EXPECT_EQ(platform.messages.size(), 2u);
}

TEST_F(WaveRedraw, VelocityAndDisplacementAreTheCoresProcessingOfTheSection) {
  RecordSet copy = form.Record;
  const DisplayedSection section = ChooseDisplayedSection(form.StartIndex, 50.0f, copy.SampleCount, copy.SamplingInterval);
  ProcessDisplayedSection(copy, section, true);
  for (int ch = 0; ch < 3; ++ch) {
    for (int i = 0; i < form.DisplayCount + kProcessingTail; i += 97) {
      ASSERT_EQ(form.Record.Velocity[ch][i], copy.Velocity[ch][i]) << ch << " " << i;
      ASSERT_EQ(form.Record.Displacement[ch][i], copy.Displacement[ch][i]) << ch << " " << i;
    }
  }
}

TEST_F(WaveRedraw, RedPeakMarksSitAtEachStripsPeakAndNowhereElse) {
  const QImage picture = form.MyWave1->Picture();
  int red_near_marks = 0;
  int red_elsewhere = 0;
  std::vector<QPoint> marks;
  for (int ch = 0; ch < 3; ++ch) marks.push_back(PeakMark(form.Record.Acceleration[ch].data() + form.StartIndex, ch));
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (!IsRed(picture.pixel(x, y))) continue;
      const bool near = std::any_of(marks.begin(), marks.end(), [&](const QPoint& m) {
        return std::abs(x - m.x()) <= 3 && std::abs(y - m.y()) <= 3;
      });
      (near ? red_near_marks : red_elsewhere)++;
    }
  }
  EXPECT_GT(red_near_marks, 3 * 8);
  EXPECT_EQ(red_elsewhere, 0);
}

TEST_F(WaveRedraw, TitlesCarryThePeakValueAndUnit) {
  form.RGWave->SetItemIndex(1);  // velocity
  int position = 0;
  const float peak = PeakAbs(form.DisplayCount, form.Record.Velocity[2].data(), position);
  EXPECT_EQ(form.MyWave1->Title, FormatC("UD  max%6.1f kine", peak));
  EXPECT_EQ(form.MyWave1->UnitY, "kine");
  EXPECT_EQ(form.MyWave1->VValueY, AutoScale(2, peak));
}

TEST_F(WaveRedraw, ManualScalesAreHalfTheTypedNumber) {
  form.CBAmp->SetChecked(false);
  form.EdAmp2->SetText("300");
  form.BtnWave->click();
  EXPECT_EQ(form.MyWave1->VValueY, 150.0f);
  form.CB1ch->SetChecked(true);
  form.EdAmp0->SetText("7");
  form.BtnWave->click();
  EXPECT_EQ(form.MyWave1->VValueY, 3.5f);  // EdAmp0 serves every strip
}

TEST_F(WaveRedraw, SingleComponentModeShowsTheChosenComponentAsThreeQuantities) {
  form.CBWave->SetChecked(false);
  form.RGCompo->SetItemIndex(1);
  EXPECT_EQ(form.MyWave1->UnitY, "cm");  // the last strip is the displacement
  int position = 0;
  const float peak = PeakAbs(form.DisplayCount, form.Record.Displacement[1].data(), position);
  EXPECT_EQ(form.MyWave1->Title, FormatC("EW  max%6.1f cm", peak));
  EXPECT_EQ(form.MyWave1->VValueY, AutoScale(2, peak));
  form.CBAmp->SetChecked(false);
  EXPECT_EQ(form.MyWave1->VValueY, 5.0f);  // the mode switch typed 10 for the displacement strip
}

TEST_F(WaveRedraw, AStartNearTheEndShrinksTheSection) {
  form.CBAutoStart->SetChecked(false);
  form.RGTime->SetItemIndex(0);  // 5 s: the start may go up to SampleCount - 500
  form.EdStart->SetText("9700");
  EXPECT_EQ(form.StartIndex, 9700);
  EXPECT_EQ(form.DisplayCount, 500);
  form.RGTime->SetItemIndex(2);  // 25 s asks for 2500 samples; 500 are left
  EXPECT_EQ(form.DisplayCount, 500);
}

TEST_F(WaveRedraw, CsvExportWritesTheDisplayedQuantityLineByLine) {
  ScratchFolder folder;
  form.RGWave->SetItemIndex(1);
  platform.save_paths.push_back(folder / "wave");
  form.BtnCsv->click();
  ASSERT_EQ(platform.save_dialogs.size(), 1u);
  EXPECT_EQ(platform.save_dialogs[0].default_name, "AOM001-201801241951.csv");
  EXPECT_EQ(platform.save_dialogs[0].filter, "PELTIX CSV ﾌｧｲﾙ (*.csv)|*.csv");
  const std::string text = ReadText(folder / "wave.csv");
  std::istringstream lines(text);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, "NS,EW,UD\r");
  std::getline(lines, line);
  EXPECT_EQ(line, "100,\r");
  std::getline(lines, line);
  EXPECT_EQ(line, "AOM001 2018/01/24 19:51:00\r");
  std::getline(lines, line);
  EXPECT_EQ(line, "kine,kine,kine\r");
  std::getline(lines, line);
  EXPECT_EQ(line, FormatC("%10.2f,%10.2f,%10.2f\r", form.Record.Velocity[0][0], form.Record.Velocity[1][0],
                          form.Record.Velocity[2][0]));
  int rows = 1;
  while (std::getline(lines, line)) ++rows;
  EXPECT_EQ(rows, form.DisplayCount);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(WaveRedraw, GifExportDecodesToThePlotsPixels) {
  ScratchFolder folder;
  platform.save_paths.push_back(folder / "plot");
  form.BtnGif->click();
  ASSERT_EQ(platform.save_dialogs.size(), 1u);
  EXPECT_EQ(platform.save_dialogs[0].default_name, "AOM001-201801241951.gif");
  const QImage decoded = ReadGif(folder / "plot.gif");
  const QImage picture = form.MyWave1->Picture().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(decoded.size(), QSize(593, 409));
  EXPECT_EQ(decoded, picture);
}

TEST_F(WaveRedraw, ExportsThatCannotBeWrittenSaySoAndTheCopyPutsThePlotOnTheClipboard) {
  platform.save_paths.push_back("/nonexistent-folder/wave.csv");
  form.BtnCsv->click();
  platform.save_paths.push_back("/nonexistent-folder/plot.gif");
  form.BtnGif->click();
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_NE(platform.messages[0].text.find("/nonexistent-folder/wave.csv"), std::string::npos);
  EXPECT_NE(platform.messages[1].text.find("/nonexistent-folder/plot.gif"), std::string::npos);
  form.BtnCopy->click();
  EXPECT_EQ(platform.clipboard, form.MyWave1->Picture());
}

TEST_F(WaveRedraw, ANonNumericStartEndsTheRedrawAndClosesTheWaitWindow) {
  form.CBAutoStart->SetChecked(false);
  form.EdStart->blockSignals(true);
  form.EdStart->setText("12a");
  form.EdStart->blockSignals(false);
  form.BtnWave->click();
  ASSERT_EQ(platform.standard_errors.size(), 1u);
  EXPECT_EQ(platform.standard_errors[0], "'12a' は整数として正しくありません。");
  EXPECT_FALSE(application.Wait().isVisible());
}

}  // namespace
}  // namespace tremora::testing
