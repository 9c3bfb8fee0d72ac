#include "record/KnetLoading.h"

#include <algorithm>

#include "record/CNumbers.h"
#include "record/TextFields.h"
#include "record/TextFile.h"

namespace tremora {

namespace {

constexpr int kBaseNameWidth = 149;
constexpr const char* kComponentStems[kMaxChannels] = {"ns", "ew", "ud"};
constexpr const char* kComponentLabels[kMaxChannels] = {"NS", "EW", "UD"};

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

}  // namespace

KnetFileName SplitKnetFileName(std::string_view path) {
  const std::string_view name = FileNameOf(path);
  const size_t folder_length = path.size() - name.size();
  const size_t period = name.find('.');
  KnetFileName parts;
  if (period == std::string_view::npos) {
    parts.base = std::string(path);
    return parts;
  }
  parts.extension = UpperAscii(name.substr(period + 1));
  parts.suffix = parts.extension.size() > 2 ? parts.extension.substr(2) : std::string();
  parts.base = std::string(path.substr(0, folder_length + period));
  return parts;
}

bool FileNameCheck(std::string_view path) {
  const std::string_view name = FileNameOf(path);
  const size_t period = name.find('.');
  return period == std::string_view::npos || name.size() - period - 1 < 4;
}

bool PrepareKnetLoad(RecordSet& record, const std::string& picked_path, bool three_components) {
  record.ChannelCount = three_components ? 3 : 1;
  const KnetFileName parts = SplitKnetFileName(picked_path);
  if (!three_components) {
    record.ComponentPaths[0] = picked_path;
    record.ComponentNames[0] = parts.extension;
  } else {
    for (int ch = 0; ch < kMaxChannels; ++ch) {
      const std::string derived = parts.base + "." + kComponentStems[ch] + parts.suffix;
      record.ComponentPaths[ch] = FindWithExtensionInAnyCase(derived).value_or(derived);
      record.ComponentNames[ch] = std::string(kComponentLabels[ch]) + parts.suffix;
    }
  }
  return FileNameCheck(record.ComponentPaths[0]);
}

std::string MakeRecordBaseName(const RecordHeader& header) {
  std::string text =
      FormatC("%s-%s%s", header.StationCode.c_str(), header.OriginDate.c_str(), header.OriginTime.c_str());
  text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == '/' || c == ':'; }), text.end());
  if (text.size() > 2) text.resize(text.size() - 2);
  return LimitText(text, kBaseNameWidth);
}

KnetReadResult ReadKnetRecordFiles(RecordSet& record, const StationTables& stations, bool remove_mean) {
  KnetReadResult result;
  record.Header = ReadKnetHeader(record.ComponentPaths[0], &result.warnings);
  result.labels = FormatKnetHeaderLabels(record.Header);

  record.CurrentStation.ClearTexts();
  record.DataFolder = FolderOf(record.ComponentPaths[0]);
  if (const StationRecord* row = stations.FindKnetOrKik(record.Header.StationCode)) {
    record.CurrentStation = *row;
    result.station_found = true;
  }
  record.RecordBaseName = result.station_found ? MakeRecordBaseName(record.Header) : std::string();
  record.SamplingInterval = static_cast<float>(1.0L / record.Header.SamplingRate);

  // Every channel is converted with the first file's scale factor, as its partners share the sensor.
  int least = kChannelCapacity;
  for (int ch = 0; ch < record.ChannelCount; ++ch) {
    const int stored = ReadKnetSamples(record.ComponentPaths[ch], record.Header.ScaleFactor,
                                       record.Acceleration[ch].data(), kChannelCapacity, remove_mean,
                                       &result.warnings);
    least = std::min(least, stored);
  }
  record.SampleCount = least;
  return result;
}

}  // namespace tremora
