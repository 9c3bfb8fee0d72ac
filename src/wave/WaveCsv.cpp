#include "wave/WaveCsv.h"

#include <algorithm>

#include "base/CNumbers.h"
#include "base/TextFile.h"

namespace tremora {

namespace {
constexpr const char* kLineEnd = "\r\n";
}

const char* UnitName(WaveQuantity quantity) {
  switch (quantity) {
    case WaveQuantity::Velocity: return "kine";
    case WaveQuantity::Displacement: return "cm";
    case WaveQuantity::Acceleration: break;
  }
  return "Gal";
}

std::string FormatWaveCsv(const RecordSet& record, const DisplayedSection& section, WaveQuantity quantity) {
  const int channels = std::clamp(record.ChannelCount, 0, kMaxChannels);
  const auto channel_line = [&](auto text_of) {
    std::string line;
    for (int ch = 0; ch < channels; ++ch) {
      if (ch > 0) line += ",";
      line += text_of(ch);
    }
    return line + kLineEnd;
  };
  std::string text = channel_line([&](int ch) { return record.ComponentNames[ch]; });
  text += FormatC("%d,", record.Header.SamplingRate) + kLineEnd;
  text += FormatC("%s %s %s", record.Header.StationCode.c_str(), record.Header.OriginDate.c_str(),
                  record.Header.OriginTime.c_str()) + kLineEnd;
  text += channel_line([&](int) { return std::string(UnitName(quantity)); });

  const auto value = [&](int ch, int i) -> float {
    switch (quantity) {
      case WaveQuantity::Velocity: return record.Velocity[ch][i];
      case WaveQuantity::Displacement: return record.Displacement[ch][i];
      case WaveQuantity::Acceleration: break;
    }
    return record.Acceleration[ch][section.StartIndex + i];
  };
  const int rows = std::clamp(section.DisplayCount, 0, kChannelCapacity - std::max(section.StartIndex, 0));
  text.reserve(text.size() + static_cast<size_t>(rows) * (11 * channels + 1));
  for (int i = 0; i < rows; ++i) {
    text += channel_line([&](int ch) { return FormatC("%10.2f", value(ch, i)); });
  }
  return text;
}

void WriteWaveCsv(const std::string& path, const RecordSet& record, const DisplayedSection& section,
                  WaveQuantity quantity) {
  WriteWholeFile(path, FormatWaveCsv(record, section, quantity));
}

}  // namespace tremora
