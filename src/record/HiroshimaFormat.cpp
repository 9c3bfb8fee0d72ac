#include "record/HiroshimaFormat.h"

#include <algorithm>

#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/TextCoding.h"
#include "base/TextFile.h"
#include "base/Translation.h"
#include "record/TextFields.h"

namespace tremora {

namespace {

std::string SecondField(std::string_view line) {
  const auto fields = SplitFields(line.substr(0, kHiroshimaHeaderLineLimit), kStationFieldRoom);
  return fields.size() > 1 ? DecodeFieldText(fields[1]) : std::string();
}

// The sampling rate is kept in whole hertz: a longer interval would make it 0.
constexpr int kLongestIntervalMs = 1000;

}  // namespace

HiroshimaHeader ReadHiroshimaHeader(const std::string& path, const StationTables& tables) {
  return ParseHiroshimaHeader(ReadWholeFile(path), path, tables);
}

HiroshimaHeader ParseHiroshimaHeader(std::string_view content, const std::string& path, const StationTables& tables) {
  std::string values[kHiroshimaHeaderLines];
  const std::vector<std::string_view> lines =
      HeaderLines(content, kHiroshimaHeaderLines, path, Translate("HiroshimaFormat", "広島市消防局の"));
  for (int i = 0; i < kHiroshimaHeaderLines; ++i) values[i] = SecondField(lines[i]);
  HiroshimaHeader h;
  h.StationCode = LimitText(values[0], header_width::kStationCode);
  h.Station = tables.FindHrsm(h.StationCode);
  h.Date = LimitText(values[1], header_width::kDateTime);
  h.Time = LimitText(values[2], header_width::kDateTime);
  h.AnnouncedSamples = ReadInt(values[3]);
  h.SampleCount = std::clamp(h.AnnouncedSamples, 0, kChannelCapacity);
  h.IntervalMs = ReadInt(values[4]);
  if (h.IntervalMs <= 0 || h.IntervalMs > kLongestIntervalMs) {
    throw RecordFormatError(path, 5,
                            FormatC(Translate("HiroshimaFormat",
                                              "データファイル %s のサンプリング間隔 (5行目) が読めません\n"
                                              "1 から 1000 までのミリ秒が必要ですが、「%s」でした")
                                        .c_str(),
                                    path.c_str(), values[4].c_str()));
  }
  h.SamplingRate = 1000 / h.IntervalMs;
  h.SamplingInterval = static_cast<float>(h.IntervalMs * 0.001L);
  return h;
}

int ReadHiroshimaSamples(const std::string& path, float* channel, int capacity, ReadWarnings* warnings) {
  return ParseHiroshimaSamples(ReadWholeFile(path), channel, capacity, path, warnings);
}

int ParseHiroshimaSamples(std::string_view content, float* channel, int capacity, const std::string& path,
                          ReadWarnings* warnings) {
  const int limit = std::min(capacity, kChannelCapacity);
  LineCursor cursor(content);
  std::string_view line;
  for (int skipped = 0; skipped < kHiroshimaHeaderLines; ++skipped) {
    if (!cursor.Next(line)) return 0;
  }
  int stored = 0;
  long long total = 0;  // values of the file, stored or not
  bool had_line_end = false;
  std::string with_end;
  while (cursor.Next(line, &had_line_end)) {
    // Every field but the last is a value: a line that ends with a line feed leaves an empty last
    // field. A last line without a line end is given one, so that its last value is read too.
    with_end.assign(line);
    with_end += '\n';
    const auto fields = SplitFields(with_end, kHiroshimaSampleFieldRoom);
    if (fields.size() > 1) total += static_cast<long long>(fields.size() - 1);
    for (size_t k = 0; k + 1 < fields.size() && stored < limit; ++k) {
      channel[stored++] = static_cast<float>(ReadDecimal(fields[k]));
    }
    // Past the capacity only the count goes on, for the warning; nothing more is stored.
    if (stored >= limit && warnings == nullptr) break;
  }
  if (warnings != nullptr) warnings->AddSampleCut(path, total, stored);
  return stored;
}

void ApplyHiroshimaHeader(RecordSet& record, const HiroshimaHeader& h) {
  // An unknown station still gets its own code, and nothing of an earlier record's station.
  StationRecord& station = record.CurrentStation;
  station.ClearTexts();
  station.Code = h.StationCode;
  station.Latitude = station.Longitude = 0;
  if (h.Station != nullptr) {
    station.Name = h.Station->Name;
    station.Address = h.Station->Address;
    station.Latitude = h.Station->Latitude;
    station.Longitude = h.Station->Longitude;
  }
  record.Header.StationCode = h.StationCode;
  record.Header.RecordDate = record.Header.OriginDate = h.Date;
  record.Header.RecordTime = record.Header.OriginTime = h.Time;
  record.SampleCount = h.SampleCount;
  record.Header.SamplingRate = h.SamplingRate;
  SetIntervalFromMilliseconds(record, h.IntervalMs);
}

HiroshimaFiles ReadHiroshimaFiles(const std::array<std::string, kMaxChannels>& paths, int channel_count,
                                  const StationTables& tables) {
  HiroshimaFiles files;
  for (int ch = 0; ch < channel_count; ++ch) files.contents[ch] = ReadWholeFile(paths[ch]);
  files.header = ParseHiroshimaHeader(files.contents[0], paths[0], tables);
  for (int ch = 1; ch < channel_count; ++ch) {
    const int interval_ms = ParseHiroshimaHeader(files.contents[ch], paths[ch], tables).IntervalMs;
    if (interval_ms == files.header.IntervalMs) continue;
    throw RecordFormatError(paths[ch], 5,
                            FormatC(Translate("HiroshimaFormat",
                                              "データファイル %s のサンプリング間隔 %d ms が %s の %d ms と異なります\n"
                                              "３成分のサンプリング間隔は同じでなければなりません")
                                        .c_str(),
                                    paths[ch].c_str(), interval_ms, paths[0].c_str(), files.header.IntervalMs));
  }
  return files;
}

void StoreHiroshimaChannels(RecordSet& record, const std::array<std::string, kMaxChannels>& contents,
                            ReadWarnings* warnings) {
  for (int ch = 0; ch < record.ChannelCount; ++ch) {
    const int stored = ParseHiroshimaSamples(contents[ch], record.Acceleration[ch].data(), kChannelCapacity,
                                             record.ComponentPaths[ch], warnings);
    record.SampleCount = std::min(record.SampleCount, stored);
  }
}

}  // namespace tremora
