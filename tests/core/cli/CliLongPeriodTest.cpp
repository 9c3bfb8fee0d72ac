// tremora-cli sva and the long-period and SI columns of tremora-cli metrics.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "CliRun.h"
#include "core/wave/SampleRecords.h"

namespace tremora {
namespace {

using testing::Cli;
using testing::CliRun;

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (const char c : line) {
    if (c == ',') {
      fields.emplace_back();
    } else if (c != '\r') {
      fields.back() += c;
    }
  }
  return fields;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// (The window's CSV is compared with this command's output in the window's test.)
TEST(CliLongPeriod, SvaWritesOneLineAPeriodWithItsBandAndRefusesASingleComponent) {
  const std::string path = testing::RecordPath("AOM0011801241951.EW");
  const CliRun run = Cli({"sva", path});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 33u);
  EXPECT_EQ(lines[0], "Period(s),Sva(cm/s),NS(cm/s),EW(cm/s),Band,Class\r");
  EXPECT_EQ(Fields(lines[2])[4], "1s");  // 1.8 s
  EXPECT_EQ(Fields(lines[3])[4], "2s");  // 2.0 s
  EXPECT_EQ(Fields(lines[32])[0], "7.8");

  const CliRun single = Cli({"sva", "--single", path});
  EXPECT_EQ(single.status, 1);
  EXPECT_NE(single.err.find("Sva needs the NS and EW components"), std::string::npos) << single.err;
}

TEST(CliLongPeriod, MetricsHasTheClassAndSiColumnsFilledForThreeComponentsOnly) {
  const std::string path = testing::RecordPath("AOM0011801241951.NS");
  const CliRun run = Cli({"metrics", path});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 2u);
  const std::vector<std::string> header = Fields(lines[0]), row = Fields(lines[1]);
  ASSERT_EQ(row.size(), header.size());
  const auto column = [&](const std::vector<std::string>& cells, const char* name) {
    const auto at = std::find(header.begin(), header.end(), name);
    EXPECT_NE(at, header.end()) << name;
    return at == header.end() ? std::string("?") : cells[at - header.begin()];
  };
  EXPECT_EQ(column(row, "Sva_filter"), "JMA");
  EXPECT_EQ(column(row, "long_period_class"), "0");  // a small record: a few gal
  EXPECT_EQ(column(row, "long_period_class_7s"), "0");
  const double si_ns = std::stod(column(row, "SI_NS")), si_ew = std::stod(column(row, "SI_EW"));
  EXPECT_GT(si_ns, 0);
  EXPECT_EQ(std::stod(column(row, "SI_horizontal")), std::max(si_ns, si_ew));
  const double sva = std::stod(column(row, "Sva_max_cm/s"));
  EXPECT_GT(sva, 0);
  EXPECT_LT(sva, 5);

  // The exact solution gives other SI values, the same Sva.
  const std::vector<std::string> exact = Fields(Lines(Cli({"metrics", "--method", "exact", path}).out)[1]);
  EXPECT_NE(column(exact, "SI_NS"), column(row, "SI_NS"));
  EXPECT_EQ(column(exact, "Sva_max_cm/s"), column(row, "Sva_max_cm/s"));
  EXPECT_NE(Cli({"metrics", "--method", "newmark", path}).err.find("linear or exact"), std::string::npos);

  const std::vector<std::string> single = Fields(Lines(Cli({"metrics", "--single", path}).out)[1]);
  ASSERT_EQ(single.size(), header.size());
  EXPECT_EQ(column(single, "Sva_max_cm/s"), "");
  EXPECT_EQ(column(single, "SI_horizontal"), "");
}

}  // namespace
}  // namespace tremora
