#include "spectrum/SpectrumCsv.h"

#include <algorithm>

#include "base/CNumbers.h"
#include "base/TextFile.h"

namespace tremora {

namespace {
constexpr const char* kLineEnd = "\r\n";
}

const char* ResponseLabel(int kind) {
  static constexpr const char* kLabels[kResponseKinds] = {"SA", "SV", "SD"};
  return kind >= 0 && kind < kResponseKinds ? kLabels[kind] : "";
}

std::string FormatSpectrumCsv(const SpectrumSource& source, const PeriodGrid& grid, const SpectrumSet& spectra) {
  std::string header = "Period,Frequency";
  for (const float ratio : source.Ratios) header += FormatC(",%.2f", ratio);
  header += kLineEnd;

  std::string text;
  for (int ch = 0; ch < std::clamp(source.ChannelCount, 0, kMaxChannels); ++ch) {
    for (int kind = 0; kind < kResponseKinds; ++kind) {
      for (const std::string* line :
           {&source.StationCode, &source.OriginDate, &source.OriginTime, &source.ComponentNames[ch]}) {
        text += *line + kLineEnd;
      }
      text += std::string(ResponseLabel(kind)) + kLineEnd;
      if (source.Method == SpectrumMethod::Exact) text += std::string("Method,exact (Nigam-Jennings)") + kLineEnd;
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

std::string FormatSpectrumCsv(const RecordSet& record, const PeriodGrid& grid, const DampingRatios& ratios,
                              const SpectrumSet& spectra, SpectrumMethod method) {
  // The file names no section: the whole record stands for it.
  return FormatSpectrumCsv(SpectrumSourceOf(record, 0, record.SampleCount, ratios, method), grid, spectra);
}

void WriteSpectrumCsv(const std::string& path, const SpectrumSource& source, const PeriodGrid& grid,
                      const SpectrumSet& spectra) {
  WriteWholeFile(path, FormatSpectrumCsv(source, grid, spectra));
}

void WriteSpectrumCsv(const std::string& path, const RecordSet& record, const PeriodGrid& grid,
                      const DampingRatios& ratios, const SpectrumSet& spectra, SpectrumMethod method) {
  WriteWholeFile(path, FormatSpectrumCsv(record, grid, ratios, spectra, method));
}

}  // namespace tremora
