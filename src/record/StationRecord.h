#pragma once

#include <string>

namespace tremora {

// One row of a station table.
struct StationRecord {
  std::string Code;     // width 10
  std::string Name;     // width 40
  std::string Extra1;   // width 40
  std::string Address;  // width 80
  std::string Extra2;   // width 42
  float Latitude = 0;   // degrees (Hiroshima table only)
  float Longitude = 0;  // degrees (Hiroshima table only)

  // Empties the five texts; the coordinates stay.
  void ClearTexts() { Code.clear(); Name.clear(); Extra1.clear(); Address.clear(); Extra2.clear(); }
};

namespace station_width {
constexpr int kCode = 10;
constexpr int kName = 40;
constexpr int kExtra1 = 40;
constexpr int kAddress = 80;
constexpr int kExtra2 = 42;
}  // namespace station_width

}  // namespace tremora
