#include "record/BundleListing.h"

#include <gtest/gtest.h>

#include "BundleBuilder.h"

namespace tremora {
namespace {

using testing::EventBundle;
using testing::TempFolder;

std::vector<std::string> Column(const std::vector<BundleRow>& rows, BundleColumn column) {
  std::vector<std::string> cells;
  for (const BundleRow& row : rows) cells.push_back(row.cells[static_cast<int>(column)]);
  return cells;
}

BundleRow Row(int record, std::string code, std::optional<double> distance) {
  BundleRow row;
  row.record = record;
  row.cells[static_cast<int>(BundleColumn::Code)] = std::move(code);
  row.distance_km = distance;
  row.cells[static_cast<int>(BundleColumn::Distance)] = distance ? DistanceText(*distance) : std::string();
  return row;
}

TEST(BundleListing, AnEventBundleListsEveryRecordWithItsStationNetworkPeakAndDistance) {
  TempFolder scratch;
  const Bundle bundle = OpenBundle(scratch.Write("event.tar", EventBundle()), scratch.File("unpacked"));
  const std::vector<BundleRow> rows = ListBundleRecords(bundle, LoadStationTables(TREMORA_DATA_DIR).tables);

  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].cells, (std::array<std::string, 5>{"AOM001", "大間", "K-NET", "4.954", "144.1"}));
  EXPECT_EQ(rows[1].cells, (std::array<std::string, 5>{"NGNH31", "塩尻", "KiK-net 地中", "0.141", "10.5"}));
  EXPECT_EQ(rows[2].cells, (std::array<std::string, 5>{"NGNH31", "塩尻", "KiK-net 地表", "0.618", "10.5"}));
  EXPECT_DOUBLE_EQ(*rows[2].max_acc_gal, 0.618);
  // The spherical law of cosines gives 144.127 km and 10.525 km for the header coordinates.
  EXPECT_NEAR(*rows[0].distance_km, 144.127, 0.01);
  EXPECT_NEAR(*rows[1].distance_km, 10.525, 0.01);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(rows[i].record, i);
}

TEST(BundleListing, RecordWithoutAReadableHeaderShowsItsFileAndSortsLast) {
  Bundle bundle;
  bundle.records.resize(1);
  bundle.records[0].sensor = "2";
  bundle.records[0].members[1] = "x.kik.tar.gz/ABCH011106302345.EW2";
  bundle.records[0].first = 1;
  bundle.records[0].header_problem = "not a K-NET file";
  const std::vector<BundleRow> rows = ListBundleRecords(bundle, StationTables{});
  EXPECT_EQ(rows[0].cells, (std::array<std::string, 5>{"ABCH011106302345.EW2", "", "KiK-net 地表", "", ""}));
  EXPECT_FALSE(rows[0].distance_km.has_value());
}

TEST(BundleListing, NumberColumnsSortAsNumbersWithEmptyRowsLastAndTiesInTheirOrder) {
  const std::vector<BundleRow> rows = {Row(0, "B", 100.0), Row(1, "A", std::nullopt), Row(2, "C", 9.5),
                                       Row(3, "D", 100.0)};
  // As texts "9.5" would sort after "100.0".
  EXPECT_EQ(Column(SortedBundleRows(rows, BundleColumn::Distance, true), BundleColumn::Code),
            (std::vector<std::string>{"C", "B", "D", "A"}));
  EXPECT_EQ(Column(SortedBundleRows(rows, BundleColumn::Distance, false), BundleColumn::Code),
            (std::vector<std::string>{"B", "D", "C", "A"}));
  EXPECT_EQ(Column(SortedBundleRows(rows, BundleColumn::Code, false), BundleColumn::Code),
            (std::vector<std::string>{"D", "C", "B", "A"}));
}

TEST(BundleListing, SearchFindsACodePrefixInAnyCaseElseAPartOfTheName) {
  std::vector<BundleRow> rows = {Row(0, "AOM001", 1.0), Row(1, "NGNH31", 2.0), Row(2, "NGNH32", 3.0)};
  rows[0].cells[static_cast<int>(BundleColumn::Name)] = "大間";
  rows[2].cells[static_cast<int>(BundleColumn::Name)] = "Angh";
  EXPECT_EQ(FindBundleRow(rows, "ngn"), 1);
  EXPECT_EQ(FindBundleRow(rows, "NGNH32"), 2);
  EXPECT_EQ(FindBundleRow(rows, "間"), 0);
  EXPECT_EQ(FindBundleRow(rows, "ngh"), 2);  // no code begins so; a name holds it
  EXPECT_EQ(FindBundleRow(rows, ""), 0);
  EXPECT_EQ(FindBundleRow(rows, "NGNH311"), std::nullopt);
  EXPECT_EQ(FindBundleRow({}, ""), std::nullopt);
}

}  // namespace
}  // namespace tremora
