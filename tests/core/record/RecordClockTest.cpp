// The clock time of a record's samples: the K-NET loggers' pre-trigger, date arithmetic across
// midnight, month and year ends, and rounding into the next minute.

#include "record/RecordClock.h"

#include <gtest/gtest.h>

namespace tremora {
namespace {

RecordSet RecordAt(RecordFormat format, const std::string& date, const std::string& time) {
  RecordSet record;
  record.Format = format;
  record.Header.RecordDate = date;
  record.Header.RecordTime = time;
  return record;
}

TEST(RecordClock, KnetRecordsStartFifteenSecondsBeforeTheirRecordTime) {
  const auto knet = RecordStartClock(RecordAt(RecordFormat::Knet, "2018/01/24", "19:51:43"));
  ASSERT_TRUE(knet);
  EXPECT_EQ(ClockText(*knet, 2), "2018/01/24 19:51:28.00");
  EXPECT_EQ(ClockText(*knet + 12.34, 2), "2018/01/24 19:51:40.34");
  // Hiroshima's and JMA's files give the first sample's own time.
  const auto hiroshima = RecordStartClock(RecordAt(RecordFormat::Hiroshima, "2001/03/24", "15:28:00"));
  ASSERT_TRUE(hiroshima);
  EXPECT_EQ(ClockText(*hiroshima + 0.6, 1), "2001/03/24 15:28:00.6");
}

TEST(RecordClock, CarriesOverMidnightMonthYearAndLeapDay) {
  const auto new_year = RecordStartClock(RecordAt(RecordFormat::Knet, "2011/12/31", "23:59:50"));
  ASSERT_TRUE(new_year);
  EXPECT_EQ(ClockText(*new_year + 30.25, 2), "2012/01/01 00:00:05.25");
  const auto leap = RecordStartClock(RecordAt(RecordFormat::Hiroshima, "2012/02/28", "23:59:59"));
  ASSERT_TRUE(leap);
  EXPECT_EQ(ClockText(*leap + 1.0, 0), "2012/02/29 00:00:00");
  // 59.996 s to two decimals is the next minute, not "59.100" or ":60".
  EXPECT_EQ(ClockText(*leap + 0.996, 2), "2012/02/29 00:00:00.00");
  EXPECT_EQ(ClockText(*leap + 0.994, 2), "2012/02/28 23:59:59.99");
}

TEST(RecordClock, HasNoClockWithoutAReadableDateAndTime) {
  EXPECT_FALSE(RecordStartClock(RecordAt(RecordFormat::Knet, "", "")));
  EXPECT_FALSE(RecordStartClock(RecordAt(RecordFormat::Knet, "2018/02/30", "19:51:43")));
  EXPECT_FALSE(RecordStartClock(RecordAt(RecordFormat::Hiroshima, "2018/01/24", "25:00:00")));
  EXPECT_FALSE(RecordStartClock(RecordAt(RecordFormat::PeerAt2, "NGA", "")));
}

TEST(RecordClock, ShowsAsManyDecimalsAsTheSamplingNeeds) {
  EXPECT_EQ(TimeDecimals(0.01), 2);
  EXPECT_EQ(TimeDecimals(0.005), 3);
  EXPECT_EQ(TimeDecimals(0.004), 3);
  EXPECT_EQ(TimeDecimals(0.6), 1);
  EXPECT_EQ(TimeDecimals(1.0), 0);
  EXPECT_EQ(TimeDecimals(0.0), 2);
}

}  // namespace
}  // namespace tremora
