#include "app/StationListing.h"

#include <gtest/gtest.h>

namespace tremora {
namespace {

StationRecord Station(std::string code, std::string name, std::string address) {
  StationRecord station;
  station.Code = std::move(code);
  station.Name = std::move(name);
  station.Address = std::move(address);
  return station;
}

// Sorted by code, as the station tables keep them.
const std::vector<StationRecord> kTable = {
    Station("AIC001", "尾西", "愛知県尾西"), Station("AIC002", "小牧", "愛知県小牧"),
    Station("AOM001", "大間", "青森県大間"), Station("AOM002", "福浦", "青森県福浦"),
    Station("Aom010", "Sample", "青森県Oma"),
};

TEST(FindStationRow, TakesTheFirstCodeBeginningWithTheTextInEitherCase) {
  EXPECT_EQ(FindStationRow(kTable, "aic"), 0);
  EXPECT_EQ(FindStationRow(kTable, "AOM"), 2);
  EXPECT_EQ(FindStationRow(kTable, "aom002"), 3);
  // Only the typed text is upper-cased; a stored lower-case code matches only as stored.
  EXPECT_EQ(FindStationRow(kTable, "AOM01"), std::nullopt);
  EXPECT_EQ(FindStationRow(kTable, ""), 0);
  EXPECT_EQ(FindStationRow({}, ""), std::nullopt);
}

TEST(FindStationRow, FindsNothingForATextLongerThanEveryCode) {
  EXPECT_EQ(FindStationRow(kTable, "AIC0011"), std::nullopt);
  EXPECT_EQ(FindStationRow(kTable, "zzz9999"), std::nullopt);
}

TEST(FindStationRow, FallsBackToTheNameAndTheAddressWhenNoCodeFits) {
  EXPECT_EQ(FindStationRow(kTable, "大間"), 2);
  EXPECT_EQ(FindStationRow(kTable, "青森"), 2);  // first in code order
  EXPECT_EQ(FindStationRow(kTable, "小牧"), 1);
  EXPECT_EQ(FindStationRow(kTable, "oma"), 4);  // ASCII in the address, case ignored
  EXPECT_EQ(FindStationRow(kTable, "sample"), 4);
  EXPECT_EQ(FindStationRow(kTable, "広島"), std::nullopt);
}

TEST(StationListCells, ShowTheFieldsAsTheListsWriteThem) {
  StationRecord station = Station("HRS01", "中消防署", "広島市中区");
  station.Extra1 = "K-NET";
  station.Extra2 = "N35.2974 E136.7505 H5m";
  station.Longitude = 132.455f;
  station.Latitude = 4.5f;
  EXPECT_EQ(SiteListCells(station),
            (std::array<std::string, 5>{"HRS01", " 中消防署", "K-NET", "広島市中区", "N35.2974 E136.7505 H5m"}));
  EXPECT_EQ(HrsmListCells(11, station),
            (std::array<std::string, 6>{" 12", "HRS01", "中消防署", "広島市中区", "132.455", "  4.500"}));
  EXPECT_EQ(StationCountText(1047), "1047 地点");
}

}  // namespace
}  // namespace tremora
