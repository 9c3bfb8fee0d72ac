#pragma once
// The station tables read at start-up: K-NET and KiK-net stations from SITENAME.CSV, split into two
// tables sorted by code, and the Hiroshima City stations from SHOBONAME.CSV.

#include <string>
#include <string_view>
#include <vector>

#include "base/Translation.h"
#include "record/StationRecord.h"

namespace tremora {

constexpr int kStationTableCapacity = 2000;
constexpr int kHrsmTableCapacity = 30;
constexpr int kStationLineLimit = 299;
constexpr int kStationFieldRoom = 10;

struct StationTables {
  std::vector<StationRecord> AllStations;   // SITENAME.CSV rows in file order
  std::vector<StationRecord> KnetStations;  // sorted by code, case ignored
  std::vector<StationRecord> KikStations;   // sorted by code, case ignored
  std::vector<int> KnetIndex;               // row of AllStations for each sorted K-NET row
  std::vector<int> KikIndex;
  std::vector<StationRecord> HrsmStations;  // SHOBONAME.CSV rows in file order

  // First K-NET row, else first KiK-net row, whose code equals code exactly; nullptr when none.
  const StationRecord* FindKnetOrKik(std::string_view code) const;
  // First Hiroshima row whose code equals code exactly; nullptr when none.
  const StationRecord* FindHrsm(std::string_view code) const;
};

// A code whose fourth character is a decimal digit is a K-NET code; any other is KiK-net.
bool IsKnetCode(std::string_view code);

// Fills AllStations, KnetStations, KikStations and the index maps from SITENAME.CSV's text.
void FillSiteTables(StationTables& tables, std::string_view site_file_text);
// Fills HrsmStations from SHOBONAME.CSV's text.
void FillHrsmTable(StationTables& tables, std::string_view hrsm_file_text);

inline constexpr const char* kSiteFileName = "SITENAME.CSV";
inline constexpr const char* kHrsmFileName = "SHOBONAME.CSV";
inline constexpr CoreMessage kSiteFileMissingMessage{
    Tr("StationTables", "K-NET/KiK-net観測点情報ファイルがありません")};
inline constexpr CoreMessage kHrsmFileMissingMessage{
    Tr("StationTables", "広島市消防局観測点リストファイルがありません　　　")};
inline constexpr CoreMessage kStationFileCaption{Tr("StationTables", "ファイルエラー")};

struct StationTableLoad {
  StationTables tables;
  bool site_file_missing = false;
  bool hrsm_file_missing = false;
};

// Reads both files from data_folder; a file that cannot be read leaves its tables empty.
StationTableLoad LoadStationTables(const std::string& data_folder);

// The DATA folder: in the working folder when it is there, else beside the program, else the
// installed share/tremora/DATA of the program's prefix; "DATA" when none is there.
std::string FindDataFolder(const std::string& program_folder);

}  // namespace tremora
