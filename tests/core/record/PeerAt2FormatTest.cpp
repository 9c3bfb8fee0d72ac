#include "record/PeerAt2Format.h"

#include <gtest/gtest.h>

#include <cmath>

#include "TempFolder.h"
#include "analysis/FourierSpectrum.h"
#include "analysis/StrongMotionIndices.h"
#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "record/FormatDetection.h"
#include "record/KnetFormat.h"
#include "record/PeerAt2Loading.h"
#include "spectrum/SpectrumSolver.h"
#include "wave/KnetRecordLoad.h"
#include "wave/PeerAt2RecordLoad.h"
#include "wave/WaveProcessing.h"

namespace tremora {
namespace {

using testing::TempFolder;

const std::string kAt2Dir = std::string(TREMORA_RECORDS_DIR) + "/at2/";

// A .AT2 file: the usual header with the given component and line 4, then the values (in g) five
// to a line in E-format, or as written when given as text.
std::string At2Text(const std::string& component, const std::string& count_line, const std::string& values) {
  return "PEER STRONG MOTION DATABASE RECORD. PROCESSING BY PACIFIC ENGINEERING.\n"
         "TEST QUAKE 01/02/03, STATION ONE, " + component + " (TEST)\n"
         "ACCELERATION TIME HISTORY IN UNITS OF G. FILTER POINTS: HP=0.1 Hz LP=40.0 Hz\n" +
         count_line + "\n" + values;
}

std::string At2Values(const std::vector<double>& g, const char* format = "%15.7E") {
  std::string text;
  for (size_t i = 0; i < g.size(); ++i) text += FormatC(format, g[i]) + (i % 5 == 4 ? "\n" : "");
  return text + "\n";
}

std::string CountLine(size_t samples, const char* dt = ".00500") {
  return FormatC("NPTS=%7zu, DT= %s SEC", samples, dt);
}

TEST(PeerAt2File, RealFilesReadAsWrittenAndConvertedFromG) {
  struct Case {
    const char* file;
    int count;
    double first_g, last_g, peak_gal;  // the peak found from the file's text by a separate script
    const char *event, *station, *component;
  };
  for (const Case& c : {Case{"A-LAD180.AT2", 7996, .1224950E-02, -.3387293E-05, -243.5243225905,
                             "CHALFANT VALLEY 07/21/86 14:42", "BISHOP - LADWP SOUTH", "180"},
                        Case{"TCU046-N.AT2", 17000, .2275461E-06, -.4566368E-06, -113.338788311, "CHI-CHI 09/20/99",
                             "TCU046", "N"}}) {
    SCOPED_TRACE(c.file);
    const std::string path = kAt2Dir + c.file;
    EXPECT_TRUE(LooksLikePeerAt2(ReadWholeFile(path)));
    EXPECT_EQ(DetectRecordFormatOfFile(path), RecordFormat::PeerAt2);
    ReadWarnings warnings;
    const PeerAt2File file = ReadPeerAt2File(path, &warnings);
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(file.header.AnnouncedSamples, c.count);
    EXPECT_EQ(file.header.Interval, 0.005);
    EXPECT_EQ(file.header.Event, c.event);
    EXPECT_EQ(file.header.Station, c.station);
    EXPECT_EQ(file.header.Component, c.component);
    ASSERT_EQ(file.samples.size(), static_cast<size_t>(c.count));
    EXPECT_EQ(file.samples.front(), static_cast<float>(c.first_g * 980.665L));
    EXPECT_EQ(file.samples.back(), static_cast<float>(c.last_g * 980.665L));
    int at = 0;
    EXPECT_NEAR(PeakAbs(c.count, file.samples.data(), at), std::fabs(c.peak_gal), 1e-4);
  }
}

TEST(PeerAt2File, LineFourInTheFormsFilesUseAndMalformedCopiesRefusedAtTheirLine) {
  int samples = 0;
  double dt = 0;
  for (const char* line : {"NPTS=  7996, DT= .00500 SEC", "NPTS=   7996, DT=   .0050 SEC,", "npts = 7996, dt = 0.005sec",
                           "DT= .005 SEC, NPTS= 7996", "  7996   .0050   NPTS, DT"}) {
    EXPECT_TRUE(ReadPeerAt2Counts(line, samples, dt) && samples == 7996 && dt == 0.005) << line;
  }
  const auto refused_at = [](const std::string& text) {
    try {
      ParsePeerAt2(text, "/x/bad.at2");
    } catch (const RecordFormatError& error) {
      return error.line();
    }
    return 0;
  };
  for (const char* line : {"NPTS= 7996", "NPTS= 79x6, DT= .005", "7996 .005", "7996 .005 DT, NPTS", "NPTS= 10, DT= 0",
                           "NPTS= 0, DT= .005", "NPTS= 10, DT= 2.0 SEC"}) {
    EXPECT_EQ(refused_at(At2Text("180", line, "0.1 0.2\n")), 4) << line;
  }
  EXPECT_EQ(refused_at(At2Text("180", CountLine(6), "  .1E-01  .2E-01  .3E-01\n  .4E-01  0.5x  .6E-01\n")), 6);
  EXPECT_EQ(refused_at(At2Text("180", CountLine(2), "1e300 0\n")), 5);
  std::string velocity = At2Text("180", CountLine(3), "1 2 3\n");
  velocity.replace(velocity.find("UNITS OF G"), 10, "UNITS OF CM/SEC");
  EXPECT_EQ(refused_at(velocity), 3);
  try {
    ParsePeerAt2(At2Text("180", "NPTS= 7996", ""), "/x/a.at2");
  } catch (const RecordFormatError& error) {
    EXPECT_STREQ(error.what(), "データファイル /x/a.at2 の 4 行目が読めません\n"
                               "「NPTS= 個数, DT= 間隔 SEC」の形が必要ですが、「NPTS= 7996」でした");
  }
  EXPECT_THROW(ParsePeerAt2("PEER\nTEST, STA, 180\nUNITS OF G\n", "/x/short.at2"), RecordFormatError);
}

TEST(PeerAt2File, FewerValuesThanAnnouncedAreWarnedAndMoreThanAChannelHoldsAreCut) {
  ReadWarnings warnings;
  const PeerAt2File short_file = ParsePeerAt2(At2Text("180", CountLine(7), "0.1 0.2 0.3\n0.4, 0.5\n"), "s.at2", &warnings);
  EXPECT_EQ(short_file.samples.size(), 5u);
  EXPECT_FLOAT_EQ(short_file.samples[4], 0.5f * 980.665f);
  ASSERT_EQ(warnings.shown().size(), 1u);
  EXPECT_EQ(warnings.shown()[0].kind, ReadWarningKind::FewerSamplesThanAnnounced);
  EXPECT_EQ(warnings.shown()[0].line, 4);
  EXPECT_EQ(warnings.Lines()[0], "s.at2: line 4 announces 7 samples, the file holds 5; those are used");

  // Values past NPTS are no samples of the record.
  EXPECT_EQ(ParsePeerAt2(At2Text("180", CountLine(2), "1 2 3 4\n"), "x").samples.size(), 2u);

  const int beyond = kChannelCapacity + 3;
  std::string many;
  for (int i = 0; i < beyond; ++i) many += "1\n";
  ReadWarnings cut;
  const PeerAt2File big = ParsePeerAt2(At2Text("180", CountLine(beyond), many), "big.at2", &cut);
  EXPECT_EQ(big.samples.size(), static_cast<size_t>(kChannelCapacity));
  ASSERT_EQ(cut.shown().size(), 1u);
  EXPECT_EQ(cut.shown()[0].kind, ReadWarningKind::TooManySamples);
  EXPECT_EQ(cut.shown()[0].total, beyond);
}

TEST(PeerAt2Record, ComponentsAreOrderedByTheirDirection) {
  using Order = std::optional<std::vector<int>>;
  EXPECT_EQ(PeerAt2ChannelOrder({"180"}), Order(std::vector<int>{0}));
  EXPECT_EQ(PeerAt2ChannelOrder({"090", "360"}), Order(std::vector<int>{1, 0}));
  EXPECT_EQ(PeerAt2ChannelOrder({"E", "N"}), Order(std::vector<int>{1, 0}));
  EXPECT_EQ(PeerAt2ChannelOrder({"N", "E"}), Order(std::vector<int>{0, 1}));
  EXPECT_EQ(PeerAt2ChannelOrder({"UP", "270", "180"}), Order(std::vector<int>{2, 1, 0}));
  EXPECT_EQ(PeerAt2ChannelOrder({"DWN", "W", "S"}), Order(std::vector<int>{2, 1, 0}));
  EXPECT_EQ(PeerAt2ChannelOrder({"045", "V", "135"}), Order(std::vector<int>{0, 2, 1}));  // neither nearer north: as given
  EXPECT_EQ(PeerAt2ChannelOrder({"L", "T", "X"}), Order(std::vector<int>{0, 1, 2}));       // unknown texts: as given
  EXPECT_EQ(PeerAt2ChannelOrder({"UP", "V", "N"}), std::nullopt);
  EXPECT_EQ(PeerAt2ChannelOrder({"N", "UP"}), std::nullopt);
  EXPECT_EQ(PeerAt2ChannelOrder({"N", "E", "090", "UP"}), std::nullopt);
}

// Integer gal values written in g with every digit, so that g × 980.665 gives them back exactly.
std::vector<double> InG(const std::vector<int>& gal) {
  std::vector<double> g;
  for (const int v : gal) g.push_back(v / 980.665);
  return g;
}

std::string KnetFileOf(const std::vector<int>& gal, int rate_hz) {
  const std::string header = ReadWholeFile(std::string(TREMORA_RECORDS_DIR) + "/AOM0011801241951.NS");
  std::vector<std::string> lines;
  LineCursor cursor(header);
  std::string_view line;
  while (lines.size() < 17 && cursor.Next(line)) lines.emplace_back(line);
  lines[10] = FormatC("Sampling Freq(Hz) %dHz", rate_hz);
  lines[13] = "Scale Factor      1(gal)/1";
  std::vector<std::string_view> views(lines.begin(), lines.end());
  std::vector<float> values(gal.begin(), gal.end());
  return FormatKnetFile(views, values.data(), static_cast<int>(values.size()), 1.0f);
}

TEST(PeerAt2Record, TwoFilesGiveTheSpectraOfTheSameSamplesReadAsAKnetRecord) {
  std::vector<int> north, east, none;
  for (int i = 0; i < 600; ++i) {
    north.push_back(static_cast<int>(300 * std::sin(i * 0.21) * std::exp(-i / 200.0)));
    east.push_back(static_cast<int>(-180 * std::cos(i * 0.07) + 20));
    none.push_back(0);
  }
  const TempFolder folder("at2pair");
  // Given east first: the north file must still become channel 0.
  const std::string east_at2 = folder.Write("STA-E.AT2", At2Text("090", CountLine(600), At2Values(InG(east), "%.17g ")));
  const std::string north_at2 = folder.Write("STA-N.AT2", At2Text("360", CountLine(600), At2Values(InG(north), "%.17g ")));
  const PeerAt2LoadResult at2 = ReadPeerAt2Record({east_at2, north_at2}, true);
  folder.Write("PAIR.NS", KnetFileOf(north, 200));
  folder.Write("PAIR.EW", KnetFileOf(east, 200));
  folder.Write("PAIR.UD", KnetFileOf(none, 200));
  RecordSet knet;
  LoadKnetRecordCore(knet, StationTables(), folder / "PAIR.NS", true, true);

  const RecordSet& r = *at2.record;
  EXPECT_EQ(r.Format, RecordFormat::PeerAt2);
  EXPECT_FALSE(r.Header.OriginKnown);
  ASSERT_EQ(r.ChannelCount, 2);
  EXPECT_EQ(r.ComponentPaths[0], north_at2);
  EXPECT_EQ(r.ComponentNames[0] + r.ComponentNames[1], "NSEW");
  EXPECT_EQ(r.ComponentTexts[0] + r.ComponentTexts[1], "360090");
  EXPECT_EQ(r.Header.StationCode, "STATION ONE");
  EXPECT_EQ(r.Header.EventName, "TEST QUAKE 01/02/03");
  EXPECT_EQ(r.Header.SamplingRate, 200);
  EXPECT_EQ(r.SamplingInterval, knet.SamplingInterval);
  EXPECT_EQ(SampleInterval(r), SampleInterval(knet));
  EXPECT_EQ(r.FilterCoefficients, knet.FilterCoefficients);
  ASSERT_EQ(r.SampleCount, knet.SampleCount);

  const PeriodGrid grid = MakePeriodGrid();
  const DampingRatios ratios = DampingSet(DampingMultiplier::X1);
  for (const SpectrumMethod method : {SpectrumMethod::LinearAcceleration, SpectrumMethod::Exact}) {
    auto from_at2 = std::make_unique<SpectrumSet>();
    auto from_knet = std::make_unique<SpectrumSet>();
    ComputeSpectra(r, 0, r.SampleCount, grid, ratios, *from_at2, {}, method);
    ComputeSpectra(knet, 0, knet.SampleCount, grid, ratios, *from_knet, {}, method);
    EXPECT_EQ((*from_at2)[0], (*from_knet)[0]);
    EXPECT_EQ((*from_at2)[1], (*from_knet)[1]);
  }
}

TEST(PeerAt2Record, FilesThatDoNotBelongTogetherAreRefusedNamingBoth) {
  const TempFolder folder("at2mix");
  const std::string a = folder.Write("a.at2", At2Text("N", CountLine(4), "1 2 3 4\n"));
  const std::string b = folder.Write("b.at2", At2Text("E", CountLine(4, ".0100"), "1 2 3 4\n"));
  const std::string up = folder.Write("up.at2", At2Text("UP", CountLine(4), "1 2 3 4\n"));
  try {
    ReadPeerAt2Record({a, b}, false);
    FAIL() << "a pair of different intervals was read";
  } catch (const RecordFormatError& error) {
    EXPECT_NE(std::string(error.what()).find(a + " (NPTS= 4, DT= 0.005) と " + b + " (NPTS= 4, DT= 0.01)"),
              std::string::npos) << error.what();
  }
  EXPECT_THROW(ReadPeerAt2Record({a, up}, false), RecordFormatError);
  std::string elsewhere = At2Text("E", CountLine(4), "1 2 3 4\n");
  elsewhere.replace(elsewhere.find("STATION ONE"), 11, "STATION TWO");
  EXPECT_THROW(ReadPeerAt2Record({a, folder.Write("c.at2", elsewhere)}, false), RecordFormatError);
}

// A record at 250 Hz through the processing, the spectra, the indices and the Fourier spectra:
// a 5 Hz sine of 100 gal must come out as one wherever the interval enters.
TEST(PeerAt2Record, ThreeFilesAt250HzGoThroughTheAnalyses) {
  const int n = 2500;
  std::vector<double> sine(n), cosine(n), quiet(n, 0.0);
  for (int i = 0; i < n; ++i) {
    sine[i] = 100 * std::sin(2 * M_PI * 5 * i * 0.004) / 980.665;
    cosine[i] = 50 * std::cos(2 * M_PI * 5 * i * 0.004) / 980.665;
  }
  const TempFolder folder("at2rate");
  const std::string up = folder.Write("x-up.at2", At2Text("UP", CountLine(n, ".004"), At2Values(quiet)));
  const std::string e = folder.Write("x-e.at2", At2Text("E", CountLine(n, ".004"), At2Values(cosine)));
  const std::string north = folder.Write("x-n.at2", At2Text("N", CountLine(n, ".004"), At2Values(sine)));
  PeerAt2LoadResult load = ReadPeerAt2Record({up, e, north}, true);
  RecordSet& r = *load.record;
  ASSERT_EQ(r.ChannelCount, 3);
  EXPECT_EQ(r.ComponentTexts[0] + r.ComponentTexts[1] + r.ComponentTexts[2], "NEUP");
  EXPECT_EQ(r.Header.SamplingRate, 250);

  const DisplayedSection section = ChooseDisplayedSection(0, 10.0f, r.SampleCount, r.SamplingInterval);
  ProcessDisplayedSection(r, section, true);

  // Arias intensity π / (2 g) · a² / 2 · 10 s for a = 1 m/s².
  const StrongMotionIndices indices = ComputeStrongMotionIndices(r, true);
  EXPECT_NEAR(indices.Components[0].AriasIntensity, M_PI / (2 * 9.80665) * 0.5 * 10, 0.01);
  EXPECT_NEAR(indices.Components[0].Pga, 100, 0.2);

  const FourierSpectra fourier = ComputeFourierSpectra(r, 0, n, 0);
  ASSERT_EQ(fourier.Amplitudes.size(), 3u);
  const auto& amplitudes = fourier.Amplitudes[0];
  const size_t top = std::max_element(amplitudes.begin(), amplitudes.end()) - amplitudes.begin();
  EXPECT_NEAR(fourier.Frequencies[top], 5.0, 0.1);
  EXPECT_NEAR(fourier.Frequencies.back(), 125.0, 1e-9);

  // The 5 % damped spectrum peaks at the sine's period, 0.2 s.
  const PeriodGrid grid = MakePeriodGrid();
  auto spectra = std::make_unique<SpectrumSet>();
  ComputeSpectra(r, 0, n, grid, DampingSet(DampingMultiplier::X1), *spectra, {}, SpectrumMethod::Exact);
  const auto& sa = (*spectra)[0][3][0];
  EXPECT_NEAR(grid.Periods[std::max_element(sa.begin(), sa.end()) - sa.begin()], 0.2, 0.01);
}

}  // namespace
}  // namespace tremora
