// Reading values off the waveform strips: which strip, which of the samples drawn in a column,
// and what the status line says of it.

#include "wave/WaveReadout.h"

#include <gtest/gtest.h>

#include "record/RecordClock.h"

namespace tremora {
namespace {

// A strip of the main window's three: 100 pixels a division, zero line at origin_y.
WaveStripShown Strip(int origin_y, float seconds_per_division, std::vector<float> samples, double dt) {
  WaveStripShown strip;
  strip.axes.NGridX = 5;
  strip.axes.OriginY = origin_y;
  strip.axes.VValueX = seconds_per_division;
  strip.axes.VValueY = 20.0f;
  strip.samples = std::move(samples);
  strip.dt = dt;
  return strip;
}

TEST(WaveReadout, OfTheSamplesInAColumnReadsTheOneDrawnNearestThePointer) {
  // 250 s wide at 100 Hz: 50 samples share each column; column 10 holds samples 500 .. 549.
  std::vector<float> samples(25000, 0.0f);
  samples[520] = 40.0f;   // row 18 of the top strip
  samples[530] = -40.0f;  // row 118
  const std::vector<WaveStripShown> strips = {Strip(68, 50.0f, samples, 0.01), Strip(197, 50.0f, samples, 0.01),
                                              Strip(326, 50.0f, samples, 0.01)};
  auto sample_at = [&](int x, int y) {
    const auto reading = ReadWaveAt(strips, x, y);
    return reading ? std::make_pair(reading->strip, reading->sample) : std::make_pair(-1, -1);
  };
  EXPECT_EQ(sample_at(60, 20), std::make_pair(0, 520));
  EXPECT_EQ(sample_at(60, 116), std::make_pair(0, 530));
  EXPECT_EQ(sample_at(60, 68), std::make_pair(0, 500));
  // The strip is the one whose zero line is nearest; of two at one place, the one drawn last.
  EXPECT_EQ(sample_at(60, 190), std::make_pair(1, 500));
  EXPECT_EQ(sample_at(60, 330), std::make_pair(2, 500));
  std::vector<WaveStripShown> redrawn = strips;
  redrawn.push_back(strips[0]);
  EXPECT_EQ(ReadWaveAt(redrawn, 60, 20)->strip, 3);
  EXPECT_EQ(ReadWaveAt(strips, 60, 20)->point, (PixelPoint{60, 18}));
  // Off the time axis nothing is read.
  EXPECT_EQ(sample_at(49, 68), std::make_pair(-1, -1));
  EXPECT_EQ(sample_at(551, 68), std::make_pair(-1, -1));
}

TEST(WaveReadout, BetweenSparseSamplesReadsTheNearestDrawnOne) {
  // Hiroshima's 0.6 s on a 5 s axis: samples at columns 50, 109, 169 (0.6 is a little under in
  // binary, and the trace truncates); nothing after the last.
  const std::vector<WaveStripShown> strips = {Strip(204, 1.0f, {1.0f, 2.0f, 3.0f}, 0.6)};
  EXPECT_EQ(ReadWaveAt(strips, 75, 204)->sample, 0);
  EXPECT_EQ(ReadWaveAt(strips, 85, 204)->sample, 1);
  EXPECT_EQ(ReadWaveAt(strips, 85, 204)->point.x, 109);
  EXPECT_EQ(ReadWaveAt(strips, 400, 204)->sample, 2);
  // A trace longer than its axis is read only as far as it is drawn.
  const std::vector<WaveStripShown> long_trace = {Strip(204, 1.0f, std::vector<float>(1000, 1.0f), 0.01)};
  EXPECT_EQ(ReadWaveAt(long_trace, 550, 204)->sample, 500);
}

TEST(WaveReadout, TellsTimeFromTheRecordStartValueWithUnitAndClockTime) {
  RecordSet record;
  record.Format = RecordFormat::Knet;
  record.Header.RecordDate = "2018/01/24";
  record.Header.RecordTime = "19:51:43";
  std::vector<float> samples(2000, 0.0f);
  samples[520] = -12.345f;
  std::vector<WaveStripShown> strips = {Strip(68, 5.0f, samples, 0.01)};
  strips[0].label = {"NS 加速度", "gal", 20.0, RecordStartClock(record), 2};
  const PlotReading reading = DescribeWaveReading(strips, WaveReading{0, 520, {154, 83}});
  EXPECT_EQ(OneLine(reading.lines),
            "NS 加速度   記録開始から 25.20 s   値 -12.35 gal   時刻 2018/01/24 19:51:53.20");
  EXPECT_EQ(reading.pin, (PixelPoint{154, 83}));
  EXPECT_EQ(reading.pin_text, "-12.35 gal (25.20 s)");
  // Without a clock (a record whose header gives none) the line leaves it out.
  strips[0].label.start_clock.reset();
  EXPECT_EQ(DescribeWaveReading(strips, WaveReading{0, 0, {50, 68}}).lines.size(), 3u);
}

}  // namespace
}  // namespace tremora
