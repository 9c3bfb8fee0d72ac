// Renders a waveform strip set of a real record and a three-panel response-spectrum graph to
// sample_pictures/ beside the test program, for people to look at. The checks only make sure the
// pictures were written and keep a small palette.

#include <QCoreApplication>
#include <QDir>
#include <QFont>

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/CNumbers.h"
#include "graph/TMyGraph.h"
#include "platform/PictureFiles.h"
#include "record/KnetFormat.h"
#include "wave/TMyWave.h"

namespace tremora {
namespace {

const char* const kRecord = TREMORA_RECORDS_DIR "/AOM0011801241951";
const char* const kComponents[] = {"NS", "EW", "UD"};

std::string OutputFolder() {
  const QString folder = QCoreApplication::applicationDirPath() + "/sample_pictures";
  QDir().mkpath(folder);
  return folder.toStdString();
}

QFont JapaneseFont(int pixels, bool bold) {
  QFont font("IPAPGothic");
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

struct Channel {
  RecordHeader header;
  std::vector<float> samples;
};

Channel ReadChannel(const std::string& component) {
  const std::string path = std::string(kRecord) + "." + component;
  Channel channel;
  channel.header = ReadKnetHeader(path);
  channel.samples.resize(70000);
  channel.samples.resize(ReadKnetSamples(path, channel.header.ScaleFactor, channel.samples.data(), 70000, true));
  return channel;
}

// 1, 2, 2.5, 5 times a power of ten: the first whose double exceeds the peak.
float StripScale(float peak) {
  for (double decade = 1e-10;; decade *= 10) {
    for (double m : {1.0, 2.0, 2.5, 5.0}) {
      if (2 * m * decade > peak) return static_cast<float>(m * decade);
    }
  }
}

TEST(SamplePictures, WaveformStripsOfARealRecord) {
  std::vector<Channel> channels;
  for (const char* component : kComponents) channels.push_back(ReadChannel(component));
  ASSERT_GT(channels[0].samples.size(), 5000u);

  TMyWave wave;
  wave.resize(593, 409);
  wave.Clear(kWhite);
  Canvas& canvas = wave.GetCanvas();
  canvas.SetFont(JapaneseFont(12, false));
  wave.NGridX = 5;
  wave.VValueX = 10.0f;
  wave.SubX = 5;
  wave.UnitX = "sec";
  wave.UnitY = "Gal";
  const RecordHeader& header = channels[0].header;
  canvas.TextOut(100, 3, header.StationCode);
  canvas.TextOut(220, 3, header.RecordDate + " " + header.RecordTime);
  canvas.TextOut(400, 3, "加速度波形");
  const double dt = 1.0 / header.SamplingRate;
  const int strip = wave.height() / 3;
  for (int s = 0; s < 3; ++s) {
    const std::vector<float>& samples = channels[s].samples;
    int peak_index = 0;
    for (int i = 1; i < static_cast<int>(samples.size()); ++i) {
      if (std::fabs(samples[i]) > std::fabs(samples[peak_index])) peak_index = i;
    }
    const float peak = std::fabs(samples[peak_index]);
    wave.OriginY = strip / 2 + s * strip + 8;
    wave.VValueY = StripScale(peak);
    wave.Title = FormatC("%s  max%6.1f %s", kComponents[s], peak, "Gal");
    canvas.SetPenColour(kBlack);
    wave.DrawScale();
    canvas.SetPenColour(s == 2 ? 0x008000 : 0x800000);
    wave.DrawWave1(static_cast<int>(samples.size()), samples.data(), dt);
    // The peak, ringed in red.
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetPenColour(kRed);
    const int x = wave.OriginX + WaveColumnOffset(wave, peak_index * dt);
    const int y = WaveRow(wave, samples[peak_index]);
    canvas.Ellipse(PixelRect{x - 3, y - 3, x + 3, y + 3});
    canvas.SetBrushColour(kWhite);
  }
  const std::string path = OutputFolder() + "/waveform_strips.png";
  WritePng(wave.Picture(), path);
  WriteGif(wave.Picture(), OutputFolder() + "/waveform_strips.gif");
  EXPECT_TRUE(QFile::exists(QString::fromStdString(path)));
  EXPECT_LE(ToIndexed(wave.Picture()).palette.size(), 256u);
}

// Peak responses of a damped oscillator by the average-acceleration method: SA, SV, SD.
struct Peaks {
  float sa = 0, sv = 0, sd = 0;
};

Peaks Oscillator(const std::vector<float>& ground, double dt, double period, double damping) {
  const double w = 2 * M_PI / period;
  const double k = w * w, c = 2 * damping * w;
  double u = 0, v = 0, a = -ground[0];
  Peaks peaks;
  const double keff = k + 2 * c / dt + 4 / (dt * dt);
  for (std::size_t i = 1; i < ground.size(); ++i) {
    const double p = -ground[i] + (4 / (dt * dt) + 2 * c / dt) * u + (4 / dt + c) * v + a;
    const double un = p / keff;
    const double vn = 2 * (un - u) / dt - v;
    const double an = -ground[i] - c * vn - k * un;
    u = un, v = vn, a = an;
    peaks.sd = std::max(peaks.sd, static_cast<float>(std::fabs(u)));
    peaks.sv = std::max(peaks.sv, static_cast<float>(std::fabs(v)));
    peaks.sa = std::max(peaks.sa, static_cast<float>(std::fabs(a + ground[i])));
  }
  return peaks;
}

TEST(SamplePictures, ThreePanelResponseSpectra) {
  const Channel ns = ReadChannel("NS");
  const double dt = 1.0 / ns.header.SamplingRate;
  const double dampings[] = {0.0, 0.01, 0.02, 0.05, 0.10};
  const Colour pens[] = {kRed, 0xFF0000, 0x800080, kBlack, 0x008000};
  constexpr int kPeriods = 100;
  std::vector<float> periods(kPeriods);
  std::vector<float> spectra[3][5];
  for (int p = 0; p < kPeriods; ++p) periods[p] = static_cast<float>(0.05 * std::pow(10.0, 2.3 * p / (kPeriods - 1)));
  for (int d = 0; d < 5; ++d) {
    for (int r = 0; r < 3; ++r) spectra[r][d].resize(kPeriods);
    for (int p = 0; p < kPeriods; ++p) {
      const Peaks peaks = Oscillator(ns.samples, dt, periods[p], dampings[d]);
      spectra[0][d][p] = peaks.sa;
      spectra[1][d][p] = peaks.sv;
      spectra[2][d][p] = peaks.sd;
    }
  }

  TMyGraph graph;
  graph.resize(897, 305);
  graph.Clear(kWhite);
  Canvas& canvas = graph.GetCanvas();
  canvas.SetFont(JapaneseFont(12, false));
  const int w = graph.width() / 3;
  graph.OverWrite = true;
  graph.WidthX = graph.HeightY = w - 60;
  graph.OriginY = graph.height() - 30;
  graph.LinearX = false;
  graph.SValueX = 0.01f;
  graph.VValueX = 10.0f;
  graph.NGridX = 3;
  graph.NGridY = 4;
  graph.TitleX = "周　期 [s]";
  const char* labels[] = {"SA", "SV", "SD"};
  const char* units[] = {"[Gal]", "[kine]", "[cm]"};
  for (int r = 0; r < 3; ++r) {
    graph.OriginX = r * w + 50;
    graph.TitleY = FormatC("%s %s %s   %s %s", labels[r], ns.header.StationCode.c_str(), "NS",
                           ns.header.OriginDate.c_str(), ns.header.OriginTime.c_str());
    canvas.TextOut(graph.OriginX - 30, graph.OriginY - graph.HeightY - 18, units[r]);
    graph.YScaleUnit(kPeriods, spectra[r][0].data());  // the undamped curve fills the height
    graph.DrawWaku();
    for (int d = 0; d < 5; ++d) {
      canvas.SetPenColour(pens[d]);
      canvas.SetPenWidth(1);
      graph.DrawGraph(kPeriods, periods.data(), spectra[r][d].data());
    }
  }
  const std::string path = OutputFolder() + "/response_spectra.png";
  graph.Save_PNG(path);
  WriteGif(graph.Picture(), OutputFolder() + "/response_spectra.gif");
  EXPECT_TRUE(QFile::exists(QString::fromStdString(path)));
  EXPECT_LE(ToIndexed(graph.Picture()).palette.size(), 256u);
}

}  // namespace
}  // namespace tremora
