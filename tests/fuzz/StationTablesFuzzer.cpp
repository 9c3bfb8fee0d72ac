// The station tables on arbitrary bytes: both files' readers, the sorted tables and the lookups.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <strings.h>

#include "FuzzSupport.h"
#include "record/StationTables.h"
#include "base/TextCoding.h"
#include "record/TextFields.h"

using namespace tremora;
using tremora::fuzzing::Require;

namespace {

void CheckSorted(const StationTables& t, const std::vector<StationRecord>& table, const std::vector<int>& index,
                 bool knet) {
  Require(table.size() == index.size());
  for (size_t i = 0; i < table.size(); ++i) {
    Require(index[i] >= 0 && static_cast<size_t>(index[i]) < t.AllStations.size());
    Require(t.AllStations[index[i]].Code == table[i].Code);
    Require(IsKnetCode(table[i].Code) == knet);
    if (i > 0) Require(::strcasecmp(table[i - 1].Code.c_str(), table[i].Code.c_str()) < 0);
    Require(t.FindKnetOrKik(table[i].Code) != nullptr);
  }
}

void CheckTexts(const StationRecord& row) {
  Require(IsValidUtf8(row.Code) && CodePageWidth(row.Code) < station_width::kCode);
  Require(IsValidUtf8(row.Name) && CodePageWidth(row.Name) < station_width::kName);
  Require(IsValidUtf8(row.Address) && CodePageWidth(row.Address) < station_width::kAddress);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  StationTables tables;
  FillSiteTables(tables, text);
  FillHrsmTable(tables, text);

  Require(tables.AllStations.size() <= static_cast<size_t>(kStationTableCapacity));
  Require(tables.HrsmStations.size() <= static_cast<size_t>(kHrsmTableCapacity));
  CheckSorted(tables, tables.KnetStations, tables.KnetIndex, true);
  CheckSorted(tables, tables.KikStations, tables.KikIndex, false);
  for (const StationRecord& row : tables.AllStations) CheckTexts(row);
  for (const StationRecord& row : tables.HrsmStations) {
    CheckTexts(row);
    Require(tables.FindHrsm(row.Code) != nullptr);
  }
  return 0;
}
