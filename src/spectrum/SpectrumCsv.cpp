#include "spectrum/SpectrumCsv.h"

#include <algorithm>

#include "record/CNumbers.h"
#include "record/TextFile.h"

namespace tremora {

namespace {
constexpr const char* kLineEnd = "\r\n";
}

const char* ResponseLabel(int kind) {
  static constexpr const char* kLabels[kResponseKinds] = {"SA", "SV", "SD"};
  return kind >= 0 && kind < kResponseKinds ? kLabels[kind] : "";
}

std::string FormatSpectrumCsv(const RecordSet& record, const PeriodGrid& grid, const DampingRatios& ratios,
                              const SpectrumSet& spectra, SpectrumMethod method) {
  std::string header = "Period,Frequency";
  for (const float ratio : ratios) header += FormatC(",%.2f", ratio);
  header += kLineEnd;

  std::string text;
  for (int ch = 0; ch < std::clamp(record.ChannelCount, 0, kMaxChannels); ++ch) {
    for (int kind = 0; kind < kResponseKinds; ++kind) {
      for (const std::string* line : {&record.Header.StationCode, &record.Header.OriginDate,
                                      &record.Header.OriginTime, &record.ComponentNames[ch]}) {
        text += *line + kLineEnd;
      }
      text += std::string(ResponseLabel(kind)) + kLineEnd;
      if (method == SpectrumMethod::Exact) text += std::string("Method,exact (Nigam-Jennings)") + kLineEnd;
      text += header;
      for (int k = 0; k < kPeriodCount; ++k) {
        const float period = grid.Periods[k];
        // The frequency is worked out here from the period, not taken from the grid's table.
        text += FormatC("%7.3f,%7.3Lf", period, 1.0L / period);
        for (int d = 0; d < kDampingCount; ++d) text += FormatC(",%10.2f", spectra[ch][d][kind][k]);
        text += kLineEnd;
      }
      text += std::string(kLineEnd) + kLineEnd + kLineEnd;
    }
  }
  return text;
}

void WriteSpectrumCsv(const std::string& path, const RecordSet& record, const PeriodGrid& grid,
                      const DampingRatios& ratios, const SpectrumSet& spectra, SpectrumMethod method) {
  WriteWholeFile(path, FormatSpectrumCsv(record, grid, ratios, spectra, method));
}

}  // namespace tremora
