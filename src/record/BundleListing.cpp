#include "record/BundleListing.h"

#include <algorithm>

#include "base/Ascii.h"
#include "base/CNumbers.h"
#include "base/TextFile.h"
#include "base/Translation.h"

namespace tremora {

namespace {

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

const std::optional<double>& NumberOf(const BundleRow& row, BundleColumn column) {
  return column == BundleColumn::MaxAcc ? row.max_acc_gal : row.distance_km;
}

constexpr CoreMessage kBorehole{Tr("BundleListing", "KiK-net 地中")};
constexpr CoreMessage kSurface{Tr("BundleListing", "KiK-net 地表")};

}  // namespace

std::string NetworkText(const BundleRecord& record) {
  if (!record.kiknet()) return "K-NET";
  if (record.sensor == "1") return kBorehole.text.source;
  if (record.sensor == "2") return kSurface.text.source;
  return "KiK-net " + record.sensor;
}

std::string ShownNetworkText(const std::string& network) {
  if (network == kBorehole.text.source) return kBorehole;
  if (network == kSurface.text.source) return kSurface;
  return network;
}

std::string DistanceText(double km) { return FormatC("%.1f", km); }

std::string RecordCountText(std::size_t count) {
  return FormatC(Translate("BundleListing", "%zu 記録").c_str(), count);
}

std::vector<BundleRow> ListBundleRecords(const Bundle& bundle, const StationTables& stations) {
  std::vector<BundleRow> rows;
  rows.reserve(bundle.records.size());
  for (size_t index = 0; index < bundle.records.size(); ++index) {
    const BundleRecord& record = bundle.records[index];
    BundleRow row;
    row.record = static_cast<int>(index);
    row.cells[static_cast<int>(BundleColumn::Network)] = NetworkText(record);
    if (!record.header_problem.empty()) {
      row.cells[static_cast<int>(BundleColumn::Code)] = std::string(FileNameOf(record.FirstMember()));
      rows.push_back(std::move(row));
      continue;
    }
    const RecordHeader& header = record.header;
    row.cells[static_cast<int>(BundleColumn::Code)] = header.StationCode;
    if (const StationRecord* station = stations.FindKnetOrKik(header.StationCode)) {
      row.cells[static_cast<int>(BundleColumn::Name)] = station->Name;
    }
    const std::string_view max_acc = Trimmed(header.MaxAccText);
    row.cells[static_cast<int>(BundleColumn::MaxAcc)] = std::string(max_acc);
    if (!max_acc.empty()) row.max_acc_gal = ReadDecimal(max_acc);
    row.distance_km = EpicentralDistanceKm(header);
    row.cells[static_cast<int>(BundleColumn::Distance)] = DistanceText(*row.distance_km);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<BundleRow> SortedBundleRows(std::vector<BundleRow> rows, BundleColumn column, bool ascending) {
  const int cell = static_cast<int>(column);
  const bool numeric = column == BundleColumn::MaxAcc || column == BundleColumn::Distance;
  std::stable_sort(rows.begin(), rows.end(), [&](const BundleRow& a, const BundleRow& b) {
    if (numeric) {
      const std::optional<double>& x = NumberOf(a, column);
      const std::optional<double>& y = NumberOf(b, column);
      if (!x || !y) return x.has_value() && !y.has_value();  // rows without a number go last
      return ascending ? *x < *y : *y < *x;
    }
    return ascending ? a.cells[cell] < b.cells[cell] : b.cells[cell] < a.cells[cell];
  });
  return rows;
}

std::optional<int> FindBundleRow(const std::vector<BundleRow>& rows, std::string_view typed) {
  constexpr int kCode = static_cast<int>(BundleColumn::Code);
  constexpr int kName = static_cast<int>(BundleColumn::Name);
  for (size_t at = 0; at < rows.size(); ++at) {
    if (StartsWithIgnoringAsciiCase(rows[at].cells[kCode], typed)) return static_cast<int>(at);
  }
  if (typed.empty()) return std::nullopt;
  for (size_t at = 0; at < rows.size(); ++at) {
    if (ContainsIgnoringAsciiCase(rows[at].cells[kName], typed)) return static_cast<int>(at);
  }
  return std::nullopt;
}

}  // namespace tremora
