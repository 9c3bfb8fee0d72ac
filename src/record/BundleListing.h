#pragma once
// What the station chooser of a download bundle shows: one row a record, its cells as text and the
// numbers it sorts by, the orders of its columns and its search. Plain functions, without Qt.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/Bundle.h"
#include "record/StationTables.h"

namespace tremora {

enum class BundleColumn { Code, Name, Network, MaxAcc, Distance };
inline constexpr int kBundleColumnCount = 5;

struct BundleRow {
  int record = 0;  // index in Bundle::records
  // station code, station name, network and sensor, Max. Acc. [gal], epicentral distance [km]
  std::array<std::string, kBundleColumnCount> cells;
  // The numbers of the last two columns; unset when the record's header could not be read.
  std::optional<double> max_acc_gal;
  std::optional<double> distance_km;
};

// "K-NET"; "KiK-net 地中" for the borehole sensor 1, "KiK-net 地表" for the surface sensor 2: the
// row's text, in Japanese in every language, so that the rows sort alike.
std::string NetworkText(const BundleRecord& record);
// A network text as the window shows it, in the window's language.
std::string ShownNetworkText(const std::string& network);

// "%.1f" of the distance in km.
std::string DistanceText(double km);

// "3 記録", in the window's language.
std::string RecordCountText(std::size_t count);

// One row a record, in the bundle's order. The station name comes from the tables; a record
// whose header could not be read shows its file name in place of the code and nothing else.
std::vector<BundleRow> ListBundleRecords(const Bundle& bundle, const StationTables& stations);

// rows ordered by column: texts by their bytes, the two number columns as numbers, rows without
// a number after the others in either direction; rows that compare equal keep their order.
std::vector<BundleRow> SortedBundleRows(std::vector<BundleRow> rows, BundleColumn column, bool ascending);

// The position in rows (as shown) that the search for typed lands on: the first row whose code
// begins with typed, ignoring the case of ASCII letters; else the first whose station name
// contains it. An empty text finds the first row; nullopt when nothing fits.
std::optional<int> FindBundleRow(const std::vector<BundleRow>& rows, std::string_view typed);

}  // namespace tremora
