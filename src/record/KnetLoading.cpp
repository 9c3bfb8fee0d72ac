#include "record/KnetLoading.h"

#include <algorithm>
#include <array>

#include "base/Ascii.h"
#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "base/Translation.h"
#include "record/TextFields.h"

namespace tremora {

namespace {

constexpr int kBaseNameWidth = 149;
constexpr const char* kComponentLabels[kMaxChannels] = {"NS", "EW", "UD"};

// The extension of the picked file's name as written ("Ns2"), empty without a period.
std::string_view WrittenExtension(std::string_view path) {
  const std::string_view name = FileNameOf(path);
  const size_t period = name.find('.');
  return period == std::string_view::npos ? std::string_view() : name.substr(period + 1);
}

}  // namespace

std::string ComponentExtensionInPickedCase(std::string_view picked_path, int channel) {
  const std::string_view picked = WrittenExtension(picked_path);
  const char* component = kComponentLabels[channel];
  std::string extension;
  for (size_t i = 0; i < 2; ++i) {
    const bool upper = i < picked.size() && picked[i] >= 'A' && picked[i] <= 'Z';
    extension += upper ? component[i] : static_cast<char>(component[i] - 'A' + 'a');
  }
  return extension;
}

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
    const std::string_view written = WrittenExtension(picked_path);
    const std::string written_suffix(written.size() > 2 ? written.substr(2) : std::string_view());
    for (int ch = 0; ch < kMaxChannels; ++ch) {
      // Named in the case of the picked file's extension: the name a missing partner is reported by.
      const std::string derived = parts.base + "." + ComponentExtensionInPickedCase(picked_path, ch) + written_suffix;
      record.ComponentPaths[ch] = FindWithExtensionInAnyCase(derived).value_or(derived);
      record.ComponentNames[ch] = std::string(kComponentLabels[ch]) + parts.suffix;
    }
  }
  return FileNameCheck(record.ComponentPaths[0]);
}

std::string MakeRecordBaseName(const RecordHeader& header) {
  const std::string& date = header.OriginKnown ? header.OriginDate : header.RecordDate;
  const std::string& time = header.OriginKnown ? header.OriginTime : header.RecordTime;
  std::string text = FormatC("%s-%s%s", header.StationCode.c_str(), date.c_str(), time.c_str());
  text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == '/' || c == ':'; }), text.end());
  if (text.size() > 2) text.resize(text.size() - 2);
  return LimitText(text, kBaseNameWidth);
}

KnetReadResult ReadKnetRecordFiles(RecordSet& record, const StationTables& stations, bool remove_mean) {
  // Every file is read and every header checked before the record changes, so a missing partner or
  // a file that is no record leaves the record whole.
  std::array<std::string, kMaxChannels> contents;
  for (int ch = 0; ch < record.ChannelCount; ++ch) contents[ch] = ReadWholeFile(record.ComponentPaths[ch]);
  KnetReadResult result;
  std::array<RecordHeader, kMaxChannels> headers;
  for (int ch = 0; ch < record.ChannelCount; ++ch) {
    headers[ch] = ParseKnetHeader(contents[ch], record.ComponentPaths[ch], &result.warnings);
    if (headers[ch].SamplingRate != headers[0].SamplingRate) {
      throw RecordFormatError(
          record.ComponentPaths[ch], 11,
          FormatC(Translate("KnetLoading",
                            "データファイル %s のサンプリング周波数 %d Hz が %s の %d Hz と異なります\n"
                            "３成分のサンプリング周波数は同じでなければなりません")
                      .c_str(),
                  record.ComponentPaths[ch].c_str(), headers[ch].SamplingRate, record.ComponentPaths[0].c_str(),
                  headers[0].SamplingRate));
    }
  }
  record.Header = headers[0];
  record.Format = RecordFormat::Knet;
  result.labels = FormatKnetHeaderLabels(record.Header);

  record.CurrentStation.ClearTexts();
  record.DataFolder = UserFolder(record);
  if (const StationRecord* row = stations.FindKnetOrKik(record.Header.StationCode)) {
    record.CurrentStation = *row;
    result.station_found = true;
  }
  record.RecordBaseName = result.station_found ? MakeRecordBaseName(record.Header) : std::string();
  SetIntervalFromRate(record, record.Header.SamplingRate);

  // Each channel in its own file's units: the components of one sensor may be scaled differently.
  int least = kChannelCapacity;
  for (int ch = 0; ch < record.ChannelCount; ++ch) {
    const int stored = ParseKnetSamples(contents[ch], headers[ch].ScaleFactor, record.Acceleration[ch].data(),
                                        kChannelCapacity, remove_mean, record.ComponentPaths[ch],
                                        &result.warnings);
    least = std::min(least, stored);
  }
  record.SampleCount = least;
  return result;
}

}  // namespace tremora
