#include "record/StationTables.h"

#include <algorithm>
#include <strings.h>
#include <sys/stat.h>

#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/TextCoding.h"
#include "base/TextFile.h"
#include "record/TextFields.h"

namespace tremora {

bool IsKnetCode(std::string_view code) { return code.size() >= 4 && code[3] >= '0' && code[3] <= '9'; }

namespace {

// A field's text as it may be shown (no control characters), empty when the row is short.
std::string FieldOrEmpty(const std::vector<std::string>& fields, size_t index) {
  return index < fields.size() ? VisibleText(fields[index]) : std::string();
}

// A line's first kStationLineLimit bytes. The text is UTF-8 by now, so the cut steps back to the
// start of a character rather than leave half of one at the end of the last field.
std::string_view LimitLine(std::string_view line) {
  if (line.size() <= static_cast<size_t>(kStationLineLimit)) return line;
  size_t end = kStationLineLimit;
  while (end > 0 && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) --end;
  return line.substr(0, end);
}

int CompareIgnoringCase(const std::string& a, const std::string& b) { return ::strcasecmp(a.c_str(), b.c_str()); }

// Adds code to a list kept sorted without regard to case; a code already there is not added again.
void InsertSortedUnique(std::vector<std::string>& list, const std::string& code) {
  const auto at = std::lower_bound(list.begin(), list.end(), code,
                                   [](const std::string& a, const std::string& b) { return CompareIgnoringCase(a, b) < 0; });
  if (at != list.end() && CompareIgnoringCase(*at, code) == 0) return;
  list.insert(at, code);
}

void FillSorted(const std::vector<StationRecord>& all, const std::vector<std::string>& codes,
                std::vector<StationRecord>& table, std::vector<int>& index) {
  table.clear();
  index.clear();
  for (const std::string& code : codes) {
    const auto row = std::find_if(all.begin(), all.end(), [&](const StationRecord& r) { return r.Code == code; });
    index.push_back(static_cast<int>(row - all.begin()));
    table.push_back(*row);
  }
}

const StationRecord* FindExact(const std::vector<StationRecord>& table, std::string_view code) {
  const auto row = std::find_if(table.begin(), table.end(), [&](const StationRecord& r) { return r.Code == code; });
  return row == table.end() ? nullptr : &*row;
}

}  // namespace

const StationRecord* StationTables::FindKnetOrKik(std::string_view code) const {
  if (const StationRecord* row = FindExact(KnetStations, code)) return row;
  return FindExact(KikStations, code);
}

const StationRecord* StationTables::FindHrsm(std::string_view code) const { return FindExact(HrsmStations, code); }

void FillSiteTables(StationTables& tables, std::string_view site_file_text) {
  const std::string text = ToUtf8(site_file_text);
  tables.AllStations.clear();
  LineCursor cursor(text);
  std::string_view line;
  while (cursor.Next(line)) {
    if (static_cast<int>(tables.AllStations.size()) >= kStationTableCapacity) break;
    const auto fields = SplitFields(LimitLine(line), kStationFieldRoom);
    StationRecord row;
    row.Code = FitField(FieldOrEmpty(fields, 0), station_width::kCode);
    row.Name = FitField(FieldOrEmpty(fields, 1), station_width::kName);
    row.Extra1 = FitField(FieldOrEmpty(fields, 2), station_width::kExtra1);
    row.Address = FitField(FieldOrEmpty(fields, 3), station_width::kAddress);
    row.Extra2 = FitField(FieldOrEmpty(fields, 4), station_width::kExtra2);
    tables.AllStations.push_back(std::move(row));
  }
  std::vector<std::string> knet_codes;
  std::vector<std::string> kik_codes;
  for (const StationRecord& row : tables.AllStations) {
    InsertSortedUnique(IsKnetCode(row.Code) ? knet_codes : kik_codes, row.Code);
  }
  FillSorted(tables.AllStations, knet_codes, tables.KnetStations, tables.KnetIndex);
  FillSorted(tables.AllStations, kik_codes, tables.KikStations, tables.KikIndex);
}

void FillHrsmTable(StationTables& tables, std::string_view hrsm_file_text) {
  const std::string text = ToUtf8(hrsm_file_text);
  tables.HrsmStations.clear();
  LineCursor cursor(text);
  std::string_view line;
  while (cursor.Next(line)) {
    if (static_cast<int>(tables.HrsmStations.size()) >= kHrsmTableCapacity) break;
    const auto fields = SplitFields(LimitLine(line), kStationFieldRoom);
    StationRecord row;
    row.Code = FitField(FieldOrEmpty(fields, 0), station_width::kCode);
    row.Name = FitField(FieldOrEmpty(fields, 1), station_width::kName);
    row.Address = FitField(FieldOrEmpty(fields, 2), station_width::kAddress);
    row.Longitude = static_cast<float>(ReadDecimal(FieldOrEmpty(fields, 3)));
    row.Latitude = static_cast<float>(ReadDecimal(FieldOrEmpty(fields, 4)));
    tables.HrsmStations.push_back(std::move(row));
  }
}

StationTableLoad LoadStationTables(const std::string& data_folder) {
  StationTableLoad load;
  const std::string prefix = data_folder.empty() ? std::string() : data_folder + "/";
  try {
    FillSiteTables(load.tables, ReadWholeFile(prefix + kSiteFileName));
  } catch (const FileAccessError&) {
    load.site_file_missing = true;
  } catch (const RecordFormatError&) {  // larger than any table: as good as missing
    load.site_file_missing = true;
  }
  try {
    FillHrsmTable(load.tables, ReadWholeFile(prefix + kHrsmFileName));
  } catch (const FileAccessError&) {
    load.hrsm_file_missing = true;
  } catch (const RecordFormatError&) {
    load.hrsm_file_missing = true;
  }
  return load;
}

std::string FindDataFolder(const std::string& program_folder) {
  const auto is_folder = [](const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
  };
  if (is_folder("DATA") || program_folder.empty()) return "DATA";
  const std::string beside = program_folder + "/DATA";
  if (is_folder(beside)) return beside;
  // An installed program: bin/tremora beside share/tremora/DATA.
  const std::string installed = program_folder + "/../share/tremora/DATA";
  return is_folder(installed) ? installed : "DATA";
}

}  // namespace tremora
