#pragma once
// Component files of the Hiroshima City network (split per station and component): comma-separated
// text, a 5-line header whose values stand in the second field, then acceleration values in gal.

#include <array>
#include <string>
#include <string_view>

#include "record/ReadWarnings.h"
#include "record/RecordSet.h"
#include "record/StationTables.h"

namespace tremora {

constexpr int kHiroshimaHeaderLines = 5;
constexpr int kHiroshimaHeaderLineLimit = 99;
constexpr int kHiroshimaSampleFieldRoom = 50;

struct HiroshimaHeader {
  std::string StationCode;      // line 1 as written in the file
  const StationRecord* Station = nullptr;  // its row of the Hiroshima table, nullptr when none
  std::string Date;             // line 2
  std::string Time;             // line 3
  int AnnouncedSamples = 0;     // line 4 as written
  int SampleCount = 0;          // line 4, at most kChannelCapacity
  int IntervalMs = 0;           // line 5
  int SamplingRate = 0;         // 1000 div interval
  float SamplingInterval = 0;   // interval x 0.001 s
};

// Reads the header. Throws FileAccessError when the file cannot be read and RecordFormatError when
// it has fewer than 5 lines or an interval outside 1..1000 ms (0 would divide by zero, and above
// 1000 ms the whole-hertz sampling rate is 0).
HiroshimaHeader ReadHiroshimaHeader(const std::string& path, const StationTables& tables);
HiroshimaHeader ParseHiroshimaHeader(std::string_view content, const std::string& path, const StationTables& tables);

// Reads the values after the header into channel[0 .. capacity), at most kChannelCapacity.
// Returns the number stored. Throws FileAccessError when the file cannot be read. Values beyond
// the capacity are counted into warnings when given.
int ReadHiroshimaSamples(const std::string& path, float* channel, int capacity, ReadWarnings* warnings = nullptr);
int ParseHiroshimaSamples(std::string_view content, float* channel, int capacity,
                          const std::string& path = std::string(), ReadWarnings* warnings = nullptr);

// Puts a header into the record: dates and times (record and origin alike), the sample count and
// the sampling rate and interval. The station texts of an earlier record are all cleared; the
// code and, from its table row, the name, address and coordinates are filled.
void ApplyHiroshimaHeader(RecordSet& record, const HiroshimaHeader& header);

// The component files of a record read whole, and the header of each (the first file's is kept),
// before anything goes into the record set: a missing or unusable file leaves the record as it was.
// Throws FileAccessError, or RecordFormatError for a header that cannot be used or an interval that
// differs from the first file's.
struct HiroshimaFiles {
  HiroshimaHeader header;
  std::array<std::string, kMaxChannels> contents;
};
HiroshimaFiles ReadHiroshimaFiles(const std::array<std::string, kMaxChannels>& paths, int channel_count,
                                  const StationTables& tables);

// Stores the samples of channels 0 .. record.ChannelCount-1 and keeps SampleCount within what every
// channel actually holds, so a header that announces more samples than its file has never makes
// the program read stale samples.
void StoreHiroshimaChannels(RecordSet& record, const std::array<std::string, kMaxChannels>& contents,
                            ReadWarnings* warnings = nullptr);

}  // namespace tremora
