#include "record/PeerAt2Loading.h"

#include <algorithm>
#include <cmath>

#include "base/Ascii.h"
#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "base/Translation.h"
#include "record/KnetFormat.h"
#include "record/PeerAt2Format.h"
#include "record/TextFields.h"

namespace tremora {

namespace {

enum class Axis { Vertical, NorthSouth, EastWest, Unknown };

// What a component text of line 2 says: a named direction, or an azimuth in degrees east of north.
Axis AxisOf(const std::string& component) {
  const std::string text = UpperAscii(component);
  for (const char* vertical : {"UP", "DWN", "DOWN", "DN", "V", "VER", "VERT", "Z", "UD"}) {
    if (text == vertical) return Axis::Vertical;
  }
  for (const char* north : {"N", "S", "NS", "H1"}) {
    if (text == north) return Axis::NorthSouth;
  }
  for (const char* east : {"E", "W", "EW", "H2"}) {
    if (text == east) return Axis::EastWest;
  }
  if (text.empty() || text.size() > 3 || !std::all_of(text.begin(), text.end(), IsAsciiDigit)) return Axis::Unknown;
  const int off_north = std::stoi(text) % 180;
  const int from_axis = std::min(off_north, 180 - off_north);
  return from_axis < 45 ? Axis::NorthSouth : from_axis > 45 ? Axis::EastWest : Axis::Unknown;
}

constexpr const char* kChannelNames[kMaxChannels] = {"NS", "EW", "UD"};

}  // namespace

std::optional<std::vector<int>> PeerAt2ChannelOrder(const std::vector<std::string>& components) {
  std::vector<int> horizontals;
  std::vector<int> verticals;
  for (int i = 0; i < static_cast<int>(components.size()); ++i) {
    (AxisOf(components[i]) == Axis::Vertical ? verticals : horizontals).push_back(i);
  }
  if (components.size() == 3 && verticals.empty()) return std::vector<int>{0, 1, 2};
  if (verticals.size() > 1 || horizontals.size() > 2) return std::nullopt;
  if (components.size() == 2 && !verticals.empty()) return std::nullopt;
  if (horizontals.size() == 2 && AxisOf(components[horizontals[0]]) == Axis::EastWest &&
      AxisOf(components[horizontals[1]]) == Axis::NorthSouth) {
    std::swap(horizontals[0], horizontals[1]);
  }
  std::vector<int> order = horizontals;
  order.insert(order.end(), verticals.begin(), verticals.end());
  return order;
}

std::string ChannelTitle(const RecordSet& record, int channel) {
  const std::string& own = record.ComponentTexts[channel];
  return own.empty() ? record.ComponentNames[channel] : record.ComponentNames[channel] + " (" + own + ")";
}

ReadWarnings ReadPeerAt2RecordFiles(RecordSet& record, const std::vector<std::string>& paths, bool remove_mean) {
  ReadWarnings warnings;
  std::vector<PeerAt2File> files;
  std::vector<std::string> components;
  for (const std::string& path : paths) {
    files.push_back(ReadPeerAt2File(path, &warnings));
    components.push_back(files.back().header.Component);
  }
  const PeerAt2Header& first = files[0].header;
  for (size_t i = 1; i < files.size(); ++i) {
    const PeerAt2Header& h = files[i].header;
    if (h.AnnouncedSamples != first.AnnouncedSamples || h.Interval != first.Interval) {
      throw RecordFormatError(paths[i], kPeerAt2CountLine,
                              FormatC(Translate("PeerAt2Loading",
                                                "データファイル %s (NPTS= %d, DT= %g) と %s (NPTS= %d, DT= %g) の"
                                                "データ数または時間間隔が異なります\n"
                                                "成分のデータ数と時間間隔は同じでなければなりません")
                                          .c_str(),
                                      paths[0].c_str(), first.AnnouncedSamples, first.Interval, paths[i].c_str(),
                                      h.AnnouncedSamples, h.Interval));
    }
    if (h.Station != first.Station) {
      throw RecordFormatError(paths[i], 2,
                              FormatC(Translate("PeerAt2Loading",
                                                "データファイル %s (観測点「%s」) と %s (観測点「%s」) は"
                                                "別の観測点の記録です\n一つの観測点の成分だけを一緒に読めます")
                                          .c_str(),
                                      paths[0].c_str(), first.Station.c_str(), paths[i].c_str(), h.Station.c_str()));
    }
  }
  const std::optional<std::vector<int>> order = PeerAt2ChannelOrder(components);
  if (!order) {
    std::string listed;
    for (size_t i = 0; i < paths.size(); ++i) {
      listed += FormatC(Translate("PeerAt2Loading", "\n%s (成分「%s」)").c_str(), paths[i].c_str(), components[i].c_str());
    }
    throw RecordFormatError(paths[0], 2,
                            FormatC(Translate("PeerAt2Loading",
                                              "成分の組み合わせが読めません:%s\n"
                                              "水平 2 成分、または水平 2 成分と上下成分が必要です")
                                        .c_str(),
                                    listed.c_str()));
  }

  record.Format = RecordFormat::PeerAt2;
  record.ChannelCount = static_cast<int>(files.size());
  record.Header = RecordHeader();
  record.Header.OriginKnown = false;
  record.Header.EventName = first.Event;
  record.Header.StationCode = LimitText(first.Station, header_width::kStationCode);
  record.Header.SamplingRate = static_cast<int>(std::lround(1.0 / first.Interval));
  record.Header.DurationTime = static_cast<float>(first.AnnouncedSamples * first.Interval);
  record.Header.Direction = LimitText(components[(*order)[0]], header_width::kDirection);
  SetIntervalFromSeconds(record, first.Interval);
  record.CurrentStation.ClearTexts();
  record.CurrentStation.Code = record.Header.StationCode;
  record.CurrentStation.Name = first.Station;

  int least = kChannelCapacity;
  for (int ch = 0; ch < record.ChannelCount; ++ch) {
    const int file = (*order)[ch];
    const bool vertical = AxisOf(components[file]) == Axis::Vertical;
    record.ComponentPaths[ch] = paths[file];
    record.ComponentNames[ch] = kChannelNames[vertical ? 2 : ch];
    record.ComponentTexts[ch] = components[file];
    const std::vector<float>& samples = files[file].samples;
    std::copy(samples.begin(), samples.end(), record.Acceleration[ch].begin());
    const int stored = static_cast<int>(samples.size());
    if (remove_mean) RemoveMean(record.Acceleration[ch].data(), 0, stored);
    least = std::min(least, stored);
  }
  record.SampleCount = least;
  const std::string_view name = FileNameOf(record.ComponentPaths[0]);
  record.RecordBaseName = std::string(name.substr(0, name.find('.')));
  record.DataFolder = UserFolder(record);
  return warnings;
}

}  // namespace tremora
