#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

#include "CliRun.h"
#include "analysis/RotatedSpectra.h"
#include "app/cli/CliCommands.h"
#include "core/wave/SampleRecords.h"
#include "base/TextFile.h"
#include "spectrum/SpectrumCsv.h"
#include "wave/KnetRecordLoad.h"
#include "wave/WaveCsv.h"

namespace tremora {
namespace {

using testing::Cli;
using testing::CliRun;

// A fresh folder for written files, removed afterwards.
class CliFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("tremora-cli-test-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  std::filesystem::path folder_;
};

// What the windows compute and write for a record loaded and displayed from path.
std::unique_ptr<RecordSet> LoadAndDisplay(const std::string& path, DisplayedSection& section, float width = 50.0f,
                                          int start = -1) {
  auto record = std::make_unique<RecordSet>();
  LoadKnetRecordCore(*record, LoadStationTables(TREMORA_DATA_DIR).tables, path, true, true);
  if (start < 0) start = AutoStartIndex(record->SampleCount, record->Acceleration[0].data());
  section = ChooseDisplayedSection(start, width, record->SampleCount, record->SamplingInterval);
  return record;
}

TEST(Cli, SpectraWritesTheSpectrumWindowsCsvToStandardOutput) {
  const std::string path = testing::RecordPath("AOM0011801241951.UD");
  DisplayedSection section;
  const auto record = LoadAndDisplay(path, section);
  auto spectra = std::make_unique<SpectrumSet>();
  const PeriodGrid grid = MakePeriodGrid();
  const DampingRatios ratios = DampingSet(DampingMultiplier::X1);
  ComputeSpectra(*record, section.StartIndex, section.DisplayCount, grid, ratios, *spectra);

  const CliRun run = Cli({"spectra", path});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, FormatSpectrumCsv(*record, grid, ratios, *spectra));
}

TEST(Cli, SpectraTakesTheStartWidthDampingAndMeanFromTheOptions) {
  const std::string path = testing::RecordPath("NGNH311106302345.NS1");
  auto record = std::make_unique<RecordSet>();
  LoadKnetRecordCore(*record, LoadStationTables(TREMORA_DATA_DIR).tables, path, true, false);
  auto spectra = std::make_unique<SpectrumSet>();
  const PeriodGrid grid = MakePeriodGrid();
  const DampingRatios ratios = DampingSet(DampingMultiplier::X10);
  ComputeSpectra(*record, 1500, 1000, grid, ratios, *spectra);

  const CliRun run = Cli({"spectra", "--start", "1500", "--width", "10", "--damping", "x10", "--no-dc", path});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, FormatSpectrumCsv(*record, grid, ratios, *spectra));
  EXPECT_NE(run.out.find("Period,Frequency,0.00,0.10,0.20,0.50,1.00\r\n"), std::string::npos);
}

// Issue 9: a glob names each record by all its component files; it is processed once, silently.
TEST_F(CliFiles, SpectraOfEveryComponentFileWriteOneFilePerRecordIntoAFolderTheyMake) {
  std::vector<std::string> args = {"spectra", "--width", "5", "--out-dir", Path("new/spectra")};
  for (const char* name : {"NGNH311106302345.NS1", "NGNH311106302345.EW1", "NGNH311106302345.UD1",
                           "NGNH311106302345.NS2", "NGNH311106302345.EW2", "NGNH311106302345.UD2",
                           "AOM0011801241951.NS", "AOM0011801241951.EW", "AOM0011801241951.UD"}) {
    args.push_back(testing::RecordPath(name));
  }
  const CliRun run = Cli(args);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  std::vector<std::string> written;
  for (const auto& entry : std::filesystem::directory_iterator(Path("new/spectra"))) {
    written.push_back(entry.path().filename().string());
  }
  std::sort(written.begin(), written.end());
  EXPECT_EQ(written, (std::vector<std::string>{"AOM001-201801241951rsp.csv", "NGNH31-201106302345-1rsp.csv",
                                               "NGNH31-201106302345-2rsp.csv"}));
  EXPECT_EQ(ReadWholeFile(Path("new/spectra/AOM001-201801241951rsp.csv")).substr(0, 8), "AOM001\r\n");

  // Another record that would be written to the same name is still refused.
  for (const char* name : {"AOM0011801241951.NS", "AOM0011801241951.EW", "AOM0011801241951.UD"}) {
    std::filesystem::create_directories(Path("copy"));
    std::filesystem::copy_file(testing::RecordPath(name), Path(std::string("copy/") + name));
  }
  const CliRun twice = Cli({"spectra", "--out-dir", Path("out"), testing::RecordPath("AOM0011801241951.NS"),
                            Path("copy/AOM0011801241951.UD")});
  EXPECT_EQ(twice.status, 1);
  EXPECT_NE(twice.err.find("copy/AOM0011801241951.UD: same record as"), std::string::npos) << twice.err;
}

TEST_F(CliFiles, WaveCsvWritesTheDisplayedVelocity) {
  const std::string path = testing::RecordPath("AOM0011801241951.EW");
  DisplayedSection section;
  const auto record = LoadAndDisplay(path, section, 25.0f);
  ProcessDisplayedSection(*record, section, true);
  const CliRun run = Cli({"wave-csv", "--quantity", "vel", "--width", "25", "-o", Path("vel.csv"), path});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(ReadWholeFile(Path("vel.csv")), FormatWaveCsv(*record, section, WaveQuantity::Velocity));
}

TEST(Cli, InfoShowsTheHeaderAndThePeakAfterMeanRemoval) {
  // The header's peak acceleration is the peak after mean removal: an independent check.
  const CliRun run = Cli({"info", testing::RecordPath("AOM0011801241951.NS")});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Station code          AOM001\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Samples               10200\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Peak NS (gal)         4.954"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Sampling rate (Hz)    100\n"), std::string::npos) << run.out;
}

TEST(Cli, AMissingPartnerFileIsAnErrorNamingBothFiles) {
  const CliRun run = Cli({"spectra", testing::RecordPath("AKT0139608110312.EW")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("AKT0139608110312.EW: partner file "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("AKT0139608110312.NS is missing"), std::string::npos) << run.err;
  EXPECT_EQ(Cli({"spectra", "--single", testing::RecordPath("AKT0139608110312.EW")}).status, 0);
}

TEST_F(CliFiles, MalformedAndAbsentRecordsAreErrorsNamingTheFile) {
  const std::string broken = Path("BROKEN.NS");
  WriteWholeFile(broken, "Origin Time       2018/01/24 19:51:00\nnot a record\n");
  CliRun run = Cli({"info", "--single", broken});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find(broken), std::string::npos) << run.err;
  run = Cli({"info", Path("NOWHERE.NS")});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("NOWHERE.NS: no such file"), std::string::npos) << run.err;
}

// Issue 10: a result never replaces the record it was computed from.
TEST_F(CliFiles, OutputOverItsOwnInputIsRefusedAndTheRecordStaysIntact) {
  for (const char* name : {"AOM0011801241951.NS", "AOM0011801241951.EW", "AOM0011801241951.UD"}) {
    std::filesystem::copy_file(testing::RecordPath(name), Path(name));
  }
  const std::string original = ReadWholeFile(Path("AOM0011801241951.EW"));
  std::filesystem::create_hard_link(Path("AOM0011801241951.EW"), Path("other-name.csv"));
  const struct { std::vector<std::string> args; std::string refused; } cases[] = {
      {{"spectra", "-o", Path("AOM0011801241951.EW"), Path("AOM0011801241951.EW")}, Path("AOM0011801241951.EW")},
      {{"wave-csv", "-o", Path("AOM0011801241951.EW"), Path("AOM0011801241951.NS")}, Path("AOM0011801241951.EW")},
      {{"spectra", "-o", Path("other-name.csv"), Path("AOM0011801241951.NS")}, Path("other-name.csv")},
  };
  for (const auto& c : cases) {
    const CliRun run = Cli(c.args);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(c.refused + ": would replace "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("a file being read; nothing written"), std::string::npos) << run.err;
    EXPECT_EQ(ReadWholeFile(Path("AOM0011801241951.EW")), original);
  }
}

// Issue 10: the data a format's rules bent are named, once per file, with line and field.
TEST_F(CliFiles, BentDataFoldersAndFifosAreNamed) {
  const std::string text = ReadWholeFile(testing::RecordPath("AOM0011801241951.NS"));
  size_t data = 0;
  for (int line = 0; line < 17; ++line) data = text.find('\n', data) + 1;
  std::string letters = text;
  letters.replace(data, 8, "  abcdef");
  letters.replace(data + 9, 8, "   131x0");
  for (int k = 0; k < 4; ++k) letters.replace(data + 18 + 9 * k, 8, "       ?");
  WriteWholeFile(Path("LETTERS.NS"), letters);
  std::string big = text.substr(0, data);
  for (int i = 0; i < 25000; ++i) big += "       1        2        3        4        5        6        7        8 \r\n";
  WriteWholeFile(Path("BIG.NS"), big);

  CliRun run = Cli({"info", "--single", Path("LETTERS.NS"), Path("BIG.NS")});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string letters_path = Path("LETTERS.NS");
  EXPECT_NE(run.err.find("warning: " + letters_path + ": line 18, field 1: '  abcdef' is not an integer; read as 0\n"),
            std::string::npos) << run.err;
  EXPECT_NE(run.err.find(letters_path + ": line 18, field 2: '   131x0' is not an integer; read as 131\n"),
            std::string::npos) << run.err;
  EXPECT_NE(run.err.find(letters_path + ": 3 more such fields\n"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("warning: " + Path("BIG.NS") + " holds 200000 samples; the first 70000 are used\n"),
            std::string::npos) << run.err;

  run = Cli({"info", folder_.string()});
  EXPECT_NE(run.err.find(folder_.string() + ": is a folder, not a record file"), std::string::npos) << run.err;

  // A partner that is a FIFO would wait for a writer for ever: it is refused before it is opened.
  WriteWholeFile(Path("LONE.NS"), text);
  WriteWholeFile(Path("LONE.UD"), text);
  ASSERT_EQ(::mkfifo(Path("LONE.EW").c_str(), 0600), 0);
  run = Cli({"info", Path("LONE.NS")});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find(Path("LONE.EW") + " (通常のファイルではありません)"), std::string::npos) << run.err;
}

TEST_F(CliFiles, FourierAndExactSpectraOfTheDisplayedSection) {
  const std::string path = testing::RecordPath("AOM0011801241951.NS");
  const CliRun plain = Cli({"fourier", "--width", "25", path});
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(plain.out.substr(0, 26), "Frequency(Hz),NS,EW,UD\r\n0.");
  EXPECT_EQ(std::count(plain.out.begin(), plain.out.end(), '\n'), 1 + 2048);  // 2500 samples pad to 4096
  const CliRun smooth = Cli({"fourier", "--smooth", "0.4", "--out-dir", Path("out"), path});
  ASSERT_EQ(smooth.status, 0) << smooth.err;
  EXPECT_NE(ReadWholeFile(Path("out/AOM001-201801241951fas.csv")), "");
  EXPECT_EQ(Cli({"fourier", "--smooth", "0.3", path}).status, 1);

  const CliRun exact = Cli({"spectra", "--method", "exact", path});
  ASSERT_EQ(exact.status, 0) << exact.err;
  EXPECT_NE(exact.out.find("SA\r\nMethod,exact (Nigam-Jennings)\r\nPeriod,Frequency"), std::string::npos);
  EXPECT_EQ(Cli({"spectra", "--method", "linear", path}).out, Cli({"spectra", path}).out);
  EXPECT_NE(Cli({"spectra", "--method", "newmark", path}).err.find("linear or exact"), std::string::npos);
}

TEST_F(CliFiles, RotdWritesEachDampingOfTheDisplayedHorizontalSection) {
  const std::string path = testing::RecordPath("AOM0011801241951.UD");
  DisplayedSection section;
  const auto record = LoadAndDisplay(path, section, 25.0f);
  const PeriodGrid grid = MakePeriodGrid();
  std::vector<RotatedSpectrum> expected;
  for (const float ratio : {0.05f, 0.2f}) {
    expected.push_back(ComputeRotatedSpectrum(*record, section.StartIndex, section.DisplayCount, grid, ratio,
                                              SpectrumMethod::Exact));
  }
  const CliRun run = Cli({"rotd", "--width", "25", "--method", "exact", "--damping", "0.05,0.2", path});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, FormatRotatedCsv(expected));
  EXPECT_NE(run.out.find("\r\nDamping,0.2\r\nMethod,exact"), std::string::npos);

  const CliRun folder = Cli({"rotd", "--out-dir", Path("out"), path});
  ASSERT_EQ(folder.status, 0) << folder.err;
  EXPECT_EQ(ReadWholeFile(Path("out/AOM001-201801241951rotd.csv")).rfind("Damping,0.05\r\nPeriod(s)", 0), 0u);
  for (const char* wrong : {"5", "x1", "0.05,", "-0.1"}) {
    EXPECT_NE(Cli({"rotd", "--damping", wrong, path}).err.find("--damping must be a ratio from 0 to 1"),
              std::string::npos)
        << wrong;
  }
}

TEST(Cli, WrongCommandLinesExplainThemselves) {
  const std::string record = testing::RecordPath("AOM0011801241951.NS");
  const struct { std::vector<std::string> args; const char* message; } cases[] = {
      {{}, "no command given"},
      {{"draw"}, "unknown command 'draw'"},
      {{"spectra", "--width", "7", record}, "--width must be 5, 10, 25, 50, 100 or 250"},
      {{"spectra", "--start", "12x", record}, "--start needs a whole number"},
      {{"spectra", "--damping", "x2", record}, "--damping must be x1, x5 or x10"},
      {{"spectra", record, testing::RecordPath("NGNH311106302345.NS1")}, "several records need --out-dir"},
      {{"wave-csv", "--quantity", "jerk", record}, "--quantity must be acc, vel or disp"},
      {{"spectra", "--bogus", record}, "unknown option --bogus"},
      {{"spectra", "--start"}, "option --start needs a value"},
      // Issue 22: no station chosen is not "every record".
      {{"metrics", "--station", "", record},
       "--station needs station codes (CODE or CODE:SENSOR, comma-separated), not ''"},
      {{"list", "--station", "AOM001", "--station", ",,,", "event.tar"},
       "--station needs station codes (CODE or CODE:SENSOR, comma-separated), not ',,,'"},
  };
  for (const auto& c : cases) {
    const CliRun run = Cli(c.args);
    EXPECT_EQ(run.status, 1) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "") << c.message;
  }
}

TEST(Cli, EveryCommandHasHelp) {
  for (const char* command : {"info", "spectra", "wave-csv", "rotd"}) {
    const CliRun run = Cli({command, "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind(std::string("Usage: tremora-cli ") + command, 0), 0u) << run.out;
  }
  EXPECT_NE(Cli({"--help"}).out.find("Commands:"), std::string::npos);
}

}  // namespace
}  // namespace tremora
