#include "analysis/MetricsTable.h"

#include <cctype>
#include <cstdio>
#include <string_view>

#include "base/CNumbers.h"
#include "base/Translation.h"

namespace tremora {

namespace {

std::string Label(TableTexts texts, TrText text) {
  return texts == TableTexts::Shown ? Translate(text.context, text.source) : text.source;
}

std::string Number(double value) {
  char text[48];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

// A CSV field: quoted, its quotes doubled, when it holds a separator, a quote or a line break.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

// A text cell that comes from a file (a station code or name, a header's time, a file name's
// component) and that a spreadsheet would run as a formula, starting with = + - or @, is written
// after an apostrophe: spreadsheets show such a cell as the text it is.
std::string AsText(const std::string& text) {
  if (text.empty() || std::string_view("=+-@").find(text[0]) == std::string_view::npos) return text;
  return "'" + text;
}

std::string Join(const std::vector<std::string>& cells, char separator) {
  std::string line;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += separator;
    line += separator == ',' ? CsvField(cells[i]) : cells[i];
  }
  return line + "\n";
}

constexpr const char* kColumnComponents[kMaxChannels] = {"NS", "EW", "UD"};

std::string OriginTime(const RecordSet& record) {
  if (!record.Header.OriginKnown) return std::string();
  return record.Header.OriginDate + " " + record.Header.OriginTime;
}

}  // namespace

std::string MetricsCsvHeader() {
  std::vector<std::string> cells = {"station_code", "station_name", "origin_time", "sampling_rate_Hz", "samples",
                                    "components"};
  for (const char* c : kColumnComponents) {
    for (const char* name : {"PGA_%s_gal", "PGV_%s_cm/s", "PGD_%s_cm", "Ia_%s_m/s", "D5-95_%s_s", "CAV_%s_cm/s"}) {
      char column[32];
      std::snprintf(column, sizeof column, name, c);
      cells.push_back(column);
    }
  }
  for (const char* name : {"PGA_horizontal_gal", "PGA_vector_gal", "I_unrounded", "I", "intensity_class"}) {
    cells.push_back(name);
  }
  for (const char* name : {"Sva_max_cm/s", "Sva_period_s", "long_period_class"}) cells.push_back(name);
  for (int band = 1; band <= kLongPeriodBandCount; ++band) cells.push_back(FormatC("long_period_class_%ds", band));
  for (const char* name : {"Sva_filter", "SI_NS", "SI_EW", "SI_horizontal"}) cells.push_back(name);
  for (const char* name : {"PGA_RotD50_gal", "PGA_RotD100_gal", "PGV_RotD50_cm/s", "PGV_RotD100_cm/s", "PGD_RotD50_cm",
                           "PGD_RotD100_cm"}) {
    cells.push_back(name);
  }
  return Join(cells, ',');
}

std::string MetricsCsvRow(const RecordSet& record, const StrongMotionIndices& indices) {
  std::string components;
  for (int ch = 0; ch < indices.ChannelCount; ++ch) components += (ch > 0 ? " " : "") + record.ComponentNames[ch];
  std::vector<std::string> cells = {AsText(record.Header.StationCode), AsText(record.CurrentStation.Name),
                                    AsText(OriginTime(record)), Number(record.Header.SamplingRate),
                                    Number(record.SampleCount), AsText(components)};
  // A one-component record goes to the columns of its direction (NS when that is not known).
  int single_column = 0;
  if (indices.ChannelCount == 1) {
    for (int c = 0; c < kMaxChannels; ++c) {
      if (record.ComponentNames[0].size() >= 2 &&
          std::toupper(static_cast<unsigned char>(record.ComponentNames[0][0])) == kColumnComponents[c][0] &&
          std::toupper(static_cast<unsigned char>(record.ComponentNames[0][1])) == kColumnComponents[c][1]) {
        single_column = c;
      }
    }
  }
  for (int column = 0; column < kMaxChannels; ++column) {
    const int ch = indices.ChannelCount == 1 ? (column == single_column ? 0 : kMaxChannels) : column;
    if (ch >= indices.ChannelCount) {
      cells.insert(cells.end(), 6, std::string());
      continue;
    }
    const ComponentIndices& c = indices.Components[ch];
    for (const double value : {c.Pga, c.Pgv, c.Pgd, c.AriasIntensity, c.SignificantDuration, c.Cav}) {
      cells.push_back(Number(value));
    }
  }
  if (indices.Intensity) {
    cells.push_back(Number(indices.HorizontalPga));
    cells.push_back(Number(indices.VectorPga));
    cells.push_back(Number(indices.Intensity->Unrounded));
    char reported[16];
    std::snprintf(reported, sizeof reported, "%.1f", indices.Intensity->Reported);
    cells.push_back(reported);
    cells.push_back(indices.Intensity->Class);
  } else {
    cells.insert(cells.end(), 5, std::string());
  }
  if (indices.LongPeriod && indices.Si) {
    const SvaSpectrum& sva = *indices.LongPeriod;
    cells.push_back(Number(sva.PeakSva()));
    cells.push_back(FormatC("%.1f", SvaPeriod(sva.PeakIndex)));
    cells.push_back(Number(sva.Class));
    for (const int band_class : sva.BandClasses) cells.push_back(Number(band_class));
    cells.push_back(sva.RederivedFilter ? "re-derived" : "JMA");
    for (const double si : {indices.Si->Ns, indices.Si->Ew, indices.Si->Horizontal()}) cells.push_back(Number(si));
  } else {
    cells.insert(cells.end(), 3 + kLongPeriodBandCount + 4, std::string());
  }
  if (const auto& rotated = indices.Rotated) {
    for (const RotatedMeasures* peak : {&rotated->Pga, &rotated->Pgv, &rotated->Pgd}) {
      cells.push_back(Number(peak->RotD50));
      cells.push_back(Number(peak->RotD100));
    }
  } else {
    cells.insert(cells.end(), 6, std::string());
  }
  return Join(cells, ',');
}

TextTable MetricsTable(const RecordSet& record, const StrongMotionIndices& indices, TableTexts texts) {
  const bool shown = texts == TableTexts::Shown;
  TextTable table;
  table.push_back({"", "PGA (gal)", "PGV (cm/s)", "PGD (cm)", "Ia (m/s)", "D5-95 (s)", "CAV (cm/s)"});
  for (int ch = 0; ch < indices.ChannelCount; ++ch) {
    const ComponentIndices& c = indices.Components[ch];
    std::vector<std::string> row = {record.ComponentNames[ch]};
    for (const double value : {c.Pga, c.Pgv, c.Pgd, c.AriasIntensity, c.SignificantDuration, c.Cav}) {
      row.push_back(Number(value));
    }
    table.push_back(row);
  }
  if (indices.Intensity) {
    table.push_back({Label(texts, Tr("MetricsTable", "水平合成")), Number(indices.HorizontalPga)});
    table.push_back({Label(texts, Tr("MetricsTable", "3成分合成")), Number(indices.VectorPga)});
    char reported[16];
    std::snprintf(reported, sizeof reported, "%.1f", indices.Intensity->Reported);
    table.push_back(
        {Label(texts, Tr("MetricsTable", "計測震度")), reported, "(" + Number(indices.Intensity->Unrounded) + ")"});
    table.push_back({Label(texts, Tr("MetricsTable", "震度階級")),
                     shown ? ShownIntensityClass(indices.Intensity->Class) : indices.Intensity->Class});
  }
  if (indices.LongPeriod && indices.Si) {
    const SvaSpectrum& sva = *indices.LongPeriod;
    std::vector<std::string> class_row = {Label(texts, Tr("MetricsTable", "長周期地震動階級")),
                                          LongPeriodClassName(sva.Class, shown)};
    if (sva.RederivedFilter) class_row.push_back(
          FormatC(Label(texts, Tr("MetricsTable", "高域フィルタを%g Hz用に再設計")).c_str(), 1 / SampleInterval(record)));
    table.push_back(class_row);
    table.push_back({Label(texts, Tr("MetricsTable", "Sva最大 (cm/s)")), Number(sva.PeakSva()),
                     FormatC(Label(texts, Tr("MetricsTable", "周期 %.1f s")).c_str(), SvaPeriod(sva.PeakIndex))});
    std::vector<std::string> bands = {Label(texts, Tr("MetricsTable", "周期帯別階級"))};
    for (int band = 1; band <= kLongPeriodBandCount; ++band) {
      bands.push_back(FormatC(Label(texts, Tr("MetricsTable", "%d秒台 %d")).c_str(), band, sva.BandClasses[band - 1]));
    }
    table.push_back(bands);
    table.push_back({Label(texts, Tr("MetricsTable", "SI値 (cm/s)")), "NS " + Number(indices.Si->Ns),
                     "EW " + Number(indices.Si->Ew),
                     Label(texts, Tr("MetricsTable", "水平 ")) + Number(indices.Si->Horizontal())});
  }
  return table;
}

std::string RecordIdentification(const RecordSet& record) {
  return record.Header.StationCode + " " + record.CurrentStation.Name + "  " + OriginTime(record);
}

std::string FormatTable(const RecordSet& record, const TextTable& table, char separator) {
  // A CSV file keeps text from the record's files from being run; the tab-separated copy for the
  // clipboard stays as shown.
  const auto cell = [separator](const std::string& text) { return separator == ',' ? AsText(text) : text; };
  std::string text =
      Join({cell(record.Header.StationCode), cell(record.CurrentStation.Name), cell(OriginTime(record))}, separator);
  for (auto row : table) {
    if (!row.empty()) row[0] = cell(row[0]);
    text += Join(row, separator);
  }
  return text;
}

}  // namespace tremora
