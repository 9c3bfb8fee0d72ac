#include "record/StationTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <strings.h>

#include "TempFolder.h"
#include "record/TextFields.h"
#include "base/TextFile.h"

namespace tremora {
namespace {

using testing::TempFolder;

std::vector<std::string> Codes(const std::vector<StationRecord>& table) {
  std::vector<std::string> codes;
  for (const auto& row : table) codes.push_back(row.Code);
  return codes;
}

TEST(SplitFields, FollowsTheFieldStateMachineIncludingTheFinalEmptyField) {
  EXPECT_EQ(SplitFields("A, B ,C\n", 10), (std::vector<std::string>{"A", "B ", "C", ""}));
  EXPECT_EQ(SplitFields("A,B", 10), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(SplitFields("", 10).size(), 0u);
  EXPECT_EQ(SplitFields(",,", 10), (std::vector<std::string>{"", "", ""}));
  EXPECT_EQ(SplitFields("  \t\n", 10), (std::vector<std::string>{""}));
  EXPECT_EQ(SplitFields("\"a b\" , c\td", 10), (std::vector<std::string>{"\"a b\" ", "c\td"}));
  EXPECT_EQ(SplitFields("1.5,-2.25,3\n", 50), (std::vector<std::string>{"1.5", "-2.25", "3", ""}));
}

TEST(SplitFields, DropsFieldsBeyondTheRoom) {
  EXPECT_EQ(SplitFields("a,b,c,d\n", 2), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(SplitFields("a,b\n", 2), (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(SplitFields("a", 0).empty());
}

TEST(StationCode, FourthCharacterDecidesTheNetwork) {
  EXPECT_TRUE(IsKnetCode("ABC001"));
  EXPECT_FALSE(IsKnetCode("ABCH01"));
  EXPECT_FALSE(IsKnetCode("AB1"));
  EXPECT_FALSE(IsKnetCode(""));
}

TEST(StationTables, SortsByCodeIgnoringCaseAndKeepsTheFirstRowOfADuplicate) {
  StationTables tables;
  FillSiteTables(tables,
                 "ABC003,third,K-NET,addr3,x3\r\n"
                 "ABCH01,borehole,KiK-net,addr,y\r\n"
                 "abc002,second,K-NET,addr2,x2\r\n"
                 "ABC001,first,K-NET,addr1,x1\r\n"
                 "ABC003,duplicate,K-NET,other,z\r\n");
  EXPECT_EQ(tables.AllStations.size(), 5u);
  EXPECT_EQ(Codes(tables.KnetStations), (std::vector<std::string>{"ABC001", "abc002", "ABC003"}));
  EXPECT_EQ(Codes(tables.KikStations), (std::vector<std::string>{"ABCH01"}));
  EXPECT_EQ(tables.KnetIndex, (std::vector<int>{3, 2, 0}));
  EXPECT_EQ(tables.KikIndex, (std::vector<int>{1}));
  EXPECT_EQ(tables.KnetStations[2].Name, "third");
  EXPECT_EQ(tables.FindKnetOrKik("ABCH01")->Name, "borehole");
  EXPECT_EQ(tables.FindKnetOrKik("abc003"), nullptr);  // look-ups compare exactly
}

TEST(StationTables, ShortRowsGiveEmptyTextsAndLongTextsAreCutToTheirWidth) {
  StationTables tables;
  const std::string long_name(60, 'n');
  std::string twenty_kanji;
  for (int i = 0; i < 20; ++i) twenty_kanji += "間";
  FillSiteTables(tables, "AAA001\nAAA002," + long_name + "\nAAA003," + twenty_kanji + ",,,\n");
  ASSERT_EQ(tables.KnetStations.size(), 3u);
  EXPECT_EQ(tables.KnetStations[0].Name, "");
  EXPECT_EQ(tables.KnetStations[0].Extra2, "");
  EXPECT_EQ(tables.KnetStations[1].Name, std::string(39, 'n'));
  // Width 40 holds 39 code-page bytes: 19 double-byte characters.
  EXPECT_EQ(CodePageWidth(tables.KnetStations[2].Name), 38);
}

TEST(StationTables, ALineCutAtItsLimitKeepsWholeCharacters) {
  // 6 + 270 + 1 bytes before the third field, whose eighth character straddles byte 299.
  std::string name;
  for (int i = 0; i < 90; ++i) name += "間";
  std::string ward;
  for (int i = 0; i < 10; ++i) ward += "区";
  const std::string line = "HRS01," + name + "," + ward + ",132.455,34.389\n";
  StationTables tables;
  FillSiteTables(tables, line);
  FillHrsmTable(tables, line);
  ASSERT_EQ(tables.AllStations.size(), 1u);
  ASSERT_EQ(tables.HrsmStations.size(), 1u);
  std::string seven_wards;
  for (int i = 0; i < 7; ++i) seven_wards += "区";
  EXPECT_EQ(tables.AllStations[0].Extra1, seven_wards);
  EXPECT_EQ(tables.HrsmStations[0].Address, seven_wards);
}

TEST(StationTables, RowsBeyondTheCapacityAreIgnored) {
  std::string text;
  for (int i = 0; i < kStationTableCapacity + 100; ++i) text += "X" + std::to_string(100000 + i) + ",n\n";
  StationTables tables;
  FillSiteTables(tables, text);
  EXPECT_EQ(tables.AllStations.size(), static_cast<size_t>(kStationTableCapacity));
  EXPECT_EQ(tables.KnetStations.size(), static_cast<size_t>(kStationTableCapacity));
  std::string hrsm;
  for (int i = 0; i < 40; ++i) hrsm += "H" + std::to_string(i) + ",n,a,132.1,34.2\n";
  FillHrsmTable(tables, hrsm);
  EXPECT_EQ(tables.HrsmStations.size(), static_cast<size_t>(kHrsmTableCapacity));
}

TEST(StationTables, TheShippedTablesDecodeFromShiftJisAndSplitIntoTheirNetworks) {
  const StationTableLoad load = LoadStationTables(TREMORA_DATA_DIR);
  ASSERT_FALSE(load.site_file_missing);
  ASSERT_FALSE(load.hrsm_file_missing);
  const StationTables& t = load.tables;
  EXPECT_EQ(t.AllStations.size(), 1749u);
  EXPECT_EQ(t.KnetStations.size(), 1047u);
  EXPECT_EQ(t.KikStations.size(), 702u);
  EXPECT_TRUE(std::is_sorted(t.KnetStations.begin(), t.KnetStations.end(), [](const auto& a, const auto& b) {
    return ::strcasecmp(a.Code.c_str(), b.Code.c_str()) < 0;
  }));
  const StationRecord* aom = t.FindKnetOrKik("AOM001");
  ASSERT_NE(aom, nullptr);
  EXPECT_EQ(aom->Name, "大間");
  EXPECT_EQ(aom->Address, "青森県大間");
  EXPECT_EQ(aom->Extra2, "N41.5269 E140.9246 H38m");
  const StationRecord* ngnh = t.FindKnetOrKik("NGNH31");
  ASSERT_NE(ngnh, nullptr);
  EXPECT_EQ(ngnh->Name, "塩尻");
  ASSERT_EQ(t.HrsmStations.size(), 8u);
  EXPECT_EQ(t.HrsmStations[0].Code, "HRS01");
  EXPECT_EQ(t.HrsmStations[0].Name, "中消防署");
  EXPECT_EQ(t.HrsmStations[0].Address, "広島市中区");
  EXPECT_FLOAT_EQ(t.HrsmStations[0].Longitude, 132.455f);
  EXPECT_FLOAT_EQ(t.HrsmStations[0].Latitude, 34.389f);
  EXPECT_EQ(t.HrsmStations[0].Extra1, "");
}

TEST(StationTables, AMissingSiteFileStillLetsTheHiroshimaTableLoad) {
  TempFolder folder("stations");
  folder.Write("SHOBONAME.CSV", "HRS01,中消防署,広島市中区,132.455,34.389\r\n");
  const StationTableLoad load = LoadStationTables(folder.path());
  EXPECT_TRUE(load.site_file_missing);
  EXPECT_FALSE(load.hrsm_file_missing);
  EXPECT_TRUE(load.tables.KnetStations.empty());
  ASSERT_EQ(load.tables.HrsmStations.size(), 1u);
  EXPECT_EQ(load.tables.HrsmStations[0].Name, "中消防署");  // UTF-8 files are taken as they are
}

TEST(StationTables, BothFilesMissingOrOverTheReadLimitLeaveEveryTableEmpty) {
  TempFolder folder("stations");
  std::filesystem::resize_file(folder.Write("SITENAME.CSV", ""), kReadFileLimit + 1);
  const StationTableLoad load = LoadStationTables(folder.path());
  EXPECT_TRUE(load.site_file_missing);
  EXPECT_TRUE(load.hrsm_file_missing);
  EXPECT_TRUE(load.tables.AllStations.empty());
  EXPECT_TRUE(load.tables.HrsmStations.empty());
}

}  // namespace
}  // namespace tremora
