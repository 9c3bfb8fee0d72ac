#pragma once
// The Japan Meteorological Agency's strong-motion CSV files (強震波形): one file is one
// three-component record. Seven header lines, each a label, "=" and its value (station code and
// name, station latitude and longitude, sampling rate, unit, initial time, the column names), then
// one line a sample: NS, EW and UD in gal. The file carries no earthquake: the origin time,
// epicentre, depth and magnitude of the record are unknown.

#include <string>
#include <string_view>

#include "record/ReadWarnings.h"
#include "record/RecordSet.h"

namespace tremora {

constexpr int kJmaHeaderLines = 7;

struct JmaCsvHeader {
  RecordHeader Header;      // OriginKnown false; station code and position, record time, rate
  std::string StationName;  // as the file writes it: JMA's stations are in none of the tables
};

// Reads the header by line number, the value of a line after its first "=". Throws
// RecordFormatError, naming the file and the line, when the file has fewer than 7 lines, the
// sampling rate is no positive whole number or the unit is not gal. A rate beyond the int range or
// written as a decimal is added to warnings when given, as the K-NET reader does.
JmaCsvHeader ParseJmaCsvHeader(std::string_view content, const std::string& path, ReadWarnings* warnings = nullptr);

// Reads the sample lines into channels 0..2 of record (NS, EW, UD), at most kChannelCapacity, and
// removes each channel's mean when asked; returns the number stored. A value that is no number is
// read as far as it goes and a missing one as 0, each named by line and field in warnings; samples
// beyond the channel's capacity are counted into warnings. Blank lines at the end are no samples.
int ParseJmaCsvSamples(std::string_view content, RecordSet& record, bool remove_mean,
                       const std::string& path = std::string(), ReadWarnings* warnings = nullptr);

// The whole file into record: header, station (code, name and position from the file), interval,
// three channels, SampleCount, DurationTime, Format; the names of the components "NS", "EW", "UD"
// and every component path the file's. Throws FileAccessError when it cannot be read and
// RecordFormatError as ParseJmaCsvHeader does, before the record changes.
void ReadJmaCsvRecord(RecordSet& record, const std::string& path, bool remove_mean, ReadWarnings* warnings = nullptr);

}  // namespace tremora
