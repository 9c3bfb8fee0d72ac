#include "wave/TMyWave.h"

#include <vector>

#include <gtest/gtest.h>

#include "platform/ScriptedPlatform.h"
#include "ui/PixelCount.h"

namespace tremora {
namespace {

Colour At(TMyWave& wave, int x, int y) { return test::ColourAt(wave.Picture(), x, y); }

int BlackIn(TMyWave& wave, int x0, int y0, int x1, int y1) {
  return test::CountColour(wave.Picture(), kBlack, x0, y0, x1, y1);
}

TEST(TMyWave, NewPlotHasItsConstructorSettings) {
  TMyWave wave;
  EXPECT_EQ(wave.width(), 400);
  EXPECT_EQ(wave.height(), 200);
  EXPECT_EQ(wave.NGridY, 2);
  EXPECT_EQ(wave.SubY, 2);
  EXPECT_EQ(wave.Title, "Sample Wave");
  EXPECT_EQ(DeclaredWaveDefaults().NGridY, 4);
  EXPECT_EQ(DeclaredWaveDefaults().SubY, 0);
}

TEST(TMyWave, ClearFillsThePictureOfTheControlsSize) {
  TMyWave wave;
  wave.resize(593, 409);
  wave.Clear(0x123456);
  EXPECT_EQ(wave.Picture().size(), QSize(593, 409));
  EXPECT_EQ(At(wave, 0, 0), 0x123456u);
  EXPECT_EQ(At(wave, 592, 408), 0x123456u);
}

TEST(TMyWave, DrawScalePaintsTheZeroLineAxisAndTicks) {
  TMyWave wave;
  wave.Clear(kWhite);
  wave.DrawScale();
  // Zero line two pixels thick from the origin to the end of the third division, not beyond.
  EXPECT_EQ(At(wave, 200, 100), kBlack);
  EXPECT_EQ(BlackIn(wave, 200, 90, 201, 111), 2);
  EXPECT_EQ(At(wave, 360, 100), kWhite);
  // Amplitude axis up and down by two divisions of 25.
  EXPECT_EQ(At(wave, 50, 52), kBlack);
  EXPECT_EQ(At(wave, 50, 148), kBlack);
  // One-pixel sub-ticks every 20 pixels, 3 long each way.
  EXPECT_EQ(BlackIn(wave, 70, 96, 71, 105), 7);
  EXPECT_EQ(BlackIn(wave, 69, 96, 70, 105), 2);  // only the zero line
  // Numbers under the divisions.
  EXPECT_GT(BlackIn(wave, 140, 106, 160, 106 + wave.GetCanvas().TextHeight("1")), 3);
}

TEST(TMyWave, TraceStopsAtTheAxisEnd) {
  TMyWave wave;
  wave.Clear(kWhite);
  std::vector<float> samples(1000, 10.0f);  // row 75
  wave.GetCanvas().SetPenColour(kRed);
  wave.DrawWave1(1000, samples.data(), 0.01);
  EXPECT_EQ(At(wave, 50, 75), kRed);
  EXPECT_EQ(At(wave, 350, 75), kRed);
  EXPECT_EQ(At(wave, 351, 75), kWhite);
}

TEST(TMyWave, TraceLargerThanItsScaleStaysInItsStrip) {
  TMyWave wave;
  wave.resize(400, 400);
  wave.Clear(kWhite);
  // Rows 50 to 150 are this strip's; the next strip's title sits just below.
  wave.GetCanvas().TextOut(60, 160, "EW");
  const QImage neighbour = wave.Picture().copy(0, 151, 400, 249);
  std::vector<float> samples(300);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = i % 2 ? 500.0f : -500.0f;
  wave.GetCanvas().SetPenColour(kRed);
  wave.DrawWave1(300, samples.data(), 0.01);
  EXPECT_EQ(test::CountColour(wave.Picture(), kRed, 0, 0, 400, 50), 0);
  EXPECT_EQ(wave.Picture().copy(0, 151, 400, 249), neighbour);
  EXPECT_GT(test::CountColour(wave.Picture(), kRed, 50, 50, 351, 151), 1000);
}

TEST(TMyWave, OneSampleDrawsNothing) {
  TMyWave wave;
  wave.Clear(kWhite);
  const QImage before = wave.Picture().copy();
  const float sample = 3.0f;
  wave.DrawWave1(1, &sample, 0.01);
  EXPECT_EQ(wave.Picture(), before);
  EXPECT_EQ(wave.GetCanvas().PenPos(), QPoint(50, 92));
}

TEST(TMyWave, StripsDrawnAtOtherOriginsShareThePicture) {
  TMyWave wave;
  wave.resize(400, 400);
  wave.Clear(kWhite);
  wave.DrawScale();
  wave.OriginY = 300;
  wave.DrawScale();
  EXPECT_EQ(At(wave, 200, 100), kBlack);
  EXPECT_EQ(At(wave, 200, 300), kBlack);
}

TEST(TMyWave, PlotWaveMarksEveryNthPoint) {
  TMyWave wave;
  wave.Clear(kWhite);
  std::vector<float> samples(100, 0.0f);
  wave.PlotWave(100, samples.data(), 3, 5, 10, 1);  // upright crosses at x = 50, 60, ...
  EXPECT_EQ(At(wave, 60, 97), kBlack);
  EXPECT_EQ(At(wave, 63, 100), kBlack);
  EXPECT_EQ(At(wave, 65, 97), kWhite);
  wave.PlotWave(100, samples.data(), 3, 7, 10, 1);  // unknown kind: nothing
}

TEST(TMyWave, CopyHandsThePictureToTheClipboard) {
  ScriptedPlatform platform;
  TMyWave wave;
  wave.Clear(0x00FF00);
  EXPECT_TRUE(wave.Copy());
  EXPECT_EQ(platform.clipboard.size(), QSize(400, 200));
  EXPECT_EQ(FromRgb(platform.clipboard.pixel(10, 10)), 0x00FF00u);
  platform.clipboard_works = false;
  EXPECT_FALSE(wave.Copy());
}

}  // namespace
}  // namespace tremora
