#pragma once
// K-NET / KiK-net ASCII component files: a 17-line header read by line number and column (the
// labels are never looked at), then integer counts in 9-character fields, eight to a line.

#include <string>
#include <string_view>
#include <vector>

#include "record/ReadWarnings.h"
#include "record/RecordSet.h"

namespace tremora {

constexpr int kKnetHeaderLines = 17;
constexpr int kKnetValueColumn = 18;      // every header value starts here
constexpr int kKnetHeaderLineLimit = 99;  // header lines are read up to this many characters
constexpr int kKnetFieldWidth = 9;        // 8 value characters and one separator

// Header of a file; throws FileAccessError when it cannot be read and RecordFormatError when the
// file is too short for a header or its scale factor cannot be used (denominator 0, a scale of 0 or
// below). Header numbers beyond their field's range, a sampling rate or scale written as a decimal
// ("1e9") and a last header line that holds counts are added to warnings when given.
RecordHeader ReadKnetHeader(const std::string& path, ReadWarnings* warnings = nullptr);
// Throws the RecordFormatError of a sampling rate that is no whole number of 1 Hz or more, naming
// the file, the line and the text found; the readers of every format refuse one so.
[[noreturn]] void RefuseSamplingRate(const std::string& path, int line, std::string_view found);
RecordHeader ParseKnetHeader(std::string_view content, const std::string& path, ReadWarnings* warnings = nullptr);

// Reads the counts after the header into channel[0 .. capacity), converted to gal with
// scale_factor, at most kChannelCapacity of them; removes their mean when asked. Returns the number
// stored. Throws FileAccessError when the file cannot be read. Fields that are no whole numbers and
// samples beyond the channel's capacity are added to warnings when given.
int ReadKnetSamples(const std::string& path, float scale_factor, float* channel, int capacity, bool remove_mean,
                    ReadWarnings* warnings = nullptr);
int ParseKnetSamples(std::string_view content, float scale_factor, float* channel, int capacity, bool remove_mean,
                     const std::string& path = std::string(), ReadWarnings* warnings = nullptr);

// The counts of the data lines (after the 17 header lines), at most max_count of them: a line holds
// L div 9 fields, L counting its line end; each field's first 8 characters are the count.
std::vector<int> ParseKnetCounts(std::string_view content, int max_count, const std::string& path = std::string(),
                                 ReadWarnings* warnings = nullptr);
// Data lines for counts: eight to a line, "%8d" then seven "%9d", " " and CR LF after every eighth,
// CR LF after a shorter last line.
std::string FormatKnetDataLines(const std::vector<int>& counts);

// Subtracts the mean of samples[first, first + length) from each of them; the mean is summed in
// index order in extended precision and rounded to a float once.
void RemoveMean(float* samples, int first, int length);

// Writes a K-NET file of values (gal) with the 17 header lines of template_path, line 15 holding
// the new peak, counts = value / scale_factor truncated. Throws FileAccessError or
// RecordFormatError (template too short, scale factor 0); a failed write leaves no file behind.
void WriteKnetFile(const std::string& out_path, const std::string& template_path, const float* values, int count,
                   float scale_factor);
// The file's text for a header of 17 lines (without line ends).
std::string FormatKnetFile(const std::vector<std::string_view>& header_lines, const float* values, int count,
                           float scale_factor);

// The main window's header labels, as the header step fills them; those of the earthquake empty
// when the header carries none.
struct KnetHeaderLabels {
  std::string SamplingRate;  // Label30
  std::string Duration;      // Label28
  std::string OriginTime;    // Label6
  std::string Latitude;      // Label7
  std::string Longitude;     // Label8
  std::string Depth;         // Label9
  std::string Magnitude;     // Label10
  std::string StationCode;   // Label13
};
KnetHeaderLabels FormatKnetHeaderLabels(const RecordHeader& header);

}  // namespace tremora
