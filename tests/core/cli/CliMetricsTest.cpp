// tremora-cli metrics over a folder of records.

#include <gtest/gtest.h>

#include <new>
#include <sstream>

#include "app/cli/CliCommands.h"
#include "TempFolder.h"
#include "core/wave/SampleRecords.h"
#include "base/TextFile.h"

namespace tremora {
namespace {

int Lines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

TEST(CliMetrics, OneRowPerRecordInOrderAndBadFilesReported) {
  std::ostringstream out, err;
  const auto path = [](const char* name) { return testing::RecordPath(name); };
  const int status = RunCli({"metrics", path("AOM0011801241951.UD"), path("NGNH311106302345.NS2"),
                             path("AOM0011801241951.NS"), path("AOM0011801241951.EW"), path("NOSUCH0000000000.NS"),
                             path("NGNH311106302345.EW1")},
                            out, err, CliEnvironment{TREMORA_DATA_DIR});
  EXPECT_EQ(status, 1);
  EXPECT_NE(err.str().find("NOSUCH0000000000.NS"), std::string::npos);
  const std::string csv = out.str();
  ASSERT_EQ(Lines(csv), 4);  // header, AOM001 once, NGNH31 surface, NGNH31 borehole
  EXPECT_EQ(csv.rfind("station_code,station_name,origin_time,sampling_rate_Hz,samples,", 0), 0u);
  EXPECT_NE(csv.find(",SI_horizontal,PGA_RotD50_gal,PGA_RotD100_gal,PGV_RotD50_cm/s,PGV_RotD100_cm/s,"
                     "PGD_RotD50_cm,PGD_RotD100_cm\n"),
            std::string::npos);
  const size_t aom = csv.find("\nAOM001,"), surface = csv.find("NS2 EW2 UD2"), borehole = csv.find("NS1 EW1 UD1");
  ASSERT_NE(aom, std::string::npos);
  EXPECT_LT(aom, surface);
  EXPECT_LT(surface, borehole);
  EXPECT_NE(csv.find(",NS EW UD,4.95437,"), std::string::npos);  // the header's Max. Acc. 4.954
}

// The --out file is written once at the end: one that is a record's file must not replace it.
TEST(CliMetrics, AnOutputThatIsARecordFileIsRefusedAndNothingIsWritten) {
  testing::TempFolder folder("cli-metrics");
  for (const char* ext : {"NS", "EW", "UD"}) {
    const std::string name = std::string("AOM0011801241951.") + ext;
    WriteWholeFile(folder / name, ReadWholeFile(testing::RecordPath(name)));
  }
  const std::string before = ReadWholeFile(folder / "AOM0011801241951.UD");
  std::ostringstream out, err;
  EXPECT_EQ(RunCli({"metrics", "--out", folder / "AOM0011801241951.UD", folder / "AOM0011801241951.NS"}, out, err,
                   CliEnvironment{TREMORA_DATA_DIR}),
            1);
  EXPECT_NE(err.str().find("a file being read; nothing written"), std::string::npos) << err.str();
  EXPECT_EQ(ReadWholeFile(folder / "AOM0011801241951.UD"), before);
}

// Issue 22: memory running out in one record is that record's failure; the run goes on.
TEST(CliMetrics, ARecordThatRunsOutOfMemoryIsReportedAndTheNextOneWritten) {
  CliEnvironment env{TREMORA_DATA_DIR};
  const std::string first = testing::RecordPath("AOM0011801241951.NS");
  env.record_started = [&first](const std::string& record) {
    if (record == first) throw std::bad_alloc();
  };
  std::ostringstream out, err;
  EXPECT_EQ(RunCli({"metrics", first, testing::RecordPath("NGNH311106302345.NS1")}, out, err, env), 1);
  EXPECT_EQ(err.str(), "tremora-cli: " + first + ": not enough memory; skipped\n");
  EXPECT_EQ(Lines(out.str()), 2);
  EXPECT_NE(out.str().find("\nNGNH31,"), std::string::npos) << out.str();
}

// Issue 22: a station code or name read from a file is never a formula in a spreadsheet.
TEST(CliMetrics, TextThatASpreadsheetWouldRunIsWrittenAfterAnApostrophe) {
  testing::TempFolder folder("cli-metrics-text");
  for (const char* ext : {"NS", "EW", "UD"}) {
    const std::string name = std::string("AOM0011801241951.") + ext;
    std::string text = ReadWholeFile(testing::RecordPath(name));
    text.replace(text.find("AOM001"), 6, "=1+2+3");
    WriteWholeFile(folder / name, text);
  }
  std::ostringstream out, err;
  EXPECT_EQ(RunCli({"metrics", folder / "AOM0011801241951.NS"}, out, err, CliEnvironment{TREMORA_DATA_DIR}), 0)
      << err.str();
  EXPECT_NE(out.str().find("\n'=1+2+3,,2018/01/24 19:51:00,100,"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find(",PGA_NS_gal,"), std::string::npos);  // the header row is ours: as it was
}

}  // namespace
}  // namespace tremora
