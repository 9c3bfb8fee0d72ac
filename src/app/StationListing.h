#pragma once
// What the station list windows show and how their search finds a row: plain functions of the
// station tables, without Qt.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/StationRecord.h"

namespace tremora {

// The K-NET / KiK-net list's five cells of a station: code, a blank and the name, Extra1, address,
// Extra2.
std::array<std::string, 5> SiteListCells(const StationRecord& station);

// The Hiroshima list's six cells of table row index: a blank and the 1-based number, code, name,
// address, longitude and latitude with three decimals.
std::array<std::string, 6> HrsmListCells(int index, const StationRecord& station);

// "1047 地点", in the current language.
std::string StationCountText(std::size_t count);

// The row the search for typed lands on in a table sorted by code, or nullopt when nothing fits.
// First the first station whose code begins with typed, its ASCII letters upper-cased (so "aic"
// finds AIC001; an empty text finds row 0). When no code does, the first station whose name or
// address contains typed, so that a place name such as 大間 finds its station too.
std::optional<int> FindStationRow(const std::vector<StationRecord>& table, std::string_view typed);

}  // namespace tremora
