#pragma once
// The wall-clock time of a record's samples, from the date and time its header gives. The clock is
// the networks' own (Japan Standard Time); nothing here converts time zones.

#include <optional>
#include <string>

#include "record/RecordSet.h"

namespace tremora {

// Seconds since 1970-01-01 00:00:00 of the same clock, for the first sample of the record; nullopt
// when the header gives no readable date and time (a record without a clock, or set up by hand).
std::optional<double> RecordStartClock(const RecordSet& record);

// "yyyy/mm/dd hh:mm:ss" of a clock time, with decimals digits of the second, rounded.
std::string ClockText(double clock_seconds, int decimals);

// Decimals a time needs to tell neighbouring samples apart: 2 at 100 Hz, 3 at 200 Hz, 1 for 0.6 s.
int TimeDecimals(double interval_seconds);

}  // namespace tremora
