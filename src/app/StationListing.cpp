#include "app/StationListing.h"

#include <algorithm>
#include <cstdio>

#include "base/Ascii.h"
#include "base/CNumbers.h"
#include "base/Translation.h"

namespace tremora {

namespace {

std::string ThreeDecimals(float degrees) {
  char text[32];
  std::snprintf(text, sizeof text, "%7.3f", static_cast<double>(degrees));
  return text;
}

}  // namespace

std::array<std::string, 5> SiteListCells(const StationRecord& station) {
  return {station.Code, " " + station.Name, station.Extra1, station.Address, station.Extra2};
}

std::array<std::string, 6> HrsmListCells(int index, const StationRecord& station) {
  return {" " + std::to_string(index + 1), station.Code,   station.Name,
          station.Address,                ThreeDecimals(station.Longitude), ThreeDecimals(station.Latitude)};
}

std::string StationCountText(std::size_t count) {
  return FormatC(Translate("StationListing", "%zu 地点").c_str(), count);
}

std::optional<int> FindStationRow(const std::vector<StationRecord>& table, std::string_view typed) {
  // Only the typed text is upper-cased: the codes are compared as stored.
  const std::string prefix = UpperAscii(typed);
  for (std::size_t row = 0; row < table.size(); ++row) {
    if (table[row].Code.starts_with(prefix)) return static_cast<int>(row);
  }
  if (typed.empty()) return std::nullopt;
  for (std::size_t row = 0; row < table.size(); ++row) {
    if (ContainsIgnoringAsciiCase(table[row].Name, typed) || ContainsIgnoringAsciiCase(table[row].Address, typed)) {
      return static_cast<int>(row);
    }
  }
  return std::nullopt;
}

}  // namespace tremora
