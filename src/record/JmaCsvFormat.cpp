#include "record/JmaCsvFormat.h"

#include <algorithm>

#include "base/Ascii.h"
#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/TextCoding.h"
#include "base/TextFile.h"
#include "base/Translation.h"
#include "record/KnetFormat.h"
#include "record/KnetLoading.h"
#include "record/TextFields.h"

namespace tremora {

namespace {

constexpr CoreMessage kJmaFormatName{Tr("JmaCsvFormat", "気象庁強震波形 (CSV) の")};
constexpr int kSiteLine = 1;
constexpr int kLatitudeLine = 2;
constexpr int kLongitudeLine = 3;
constexpr int kRateLine = 4;
constexpr int kUnitLine = 5;
constexpr int kInitialTimeLine = 6;
constexpr int kComponents = 3;

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsCSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsCSpace(text.back())) text.remove_suffix(1);
  return text;
}

// The value of a header line: what follows its first "=", blanks trimmed; empty without one.
std::string_view ValueOf(std::string_view line) {
  const size_t equals = line.find('=');
  return equals == std::string_view::npos ? std::string_view() : TrimBlanks(line.substr(equals + 1));
}

// "100Hz": the whole hertz the interval rests on. A decimal rate ("99.5Hz") is cut to its whole
// part and a rate beyond the int range clamped, each named; none that is positive is refused.
int ReadSamplingRate(std::string_view value, const std::string& path, ReadWarnings* warnings) {
  bool clamped = false;
  const int rate = ReadInt(value, &clamped);
  if (rate <= 0) RefuseSamplingRate(path, kRateLine, DecodeFieldText(value));
  if (warnings == nullptr) return rate;
  if (clamped) {
    warnings->AddValue(ReadWarningKind::NumberOutOfRange, path, kRateLine, 0, value, FormatC("%d", rate));
  } else if (ReadDecimal(value) != rate) {
    warnings->AddValue(ReadWarningKind::HeaderNotWholeNumber, path, kRateLine, 0, value, FormatC("%d", rate));
  }
  return rate;
}

// Every value is in gal; another unit would make every number of every window wrong.
void RequireGal(std::string_view value, const std::string& path) {
  if (StartsWithIgnoringAsciiCase(value, "gal")) return;
  throw RecordFormatError(path, kUnitLine,
                          FormatC(Translate("JmaCsvFormat",
                                            "データファイル %s の単位 (%d行目) が読めません\n"
                                            "gal(cm/s/s) が必要ですが、「%s」でした")
                                      .c_str(),
                                  path.c_str(), kUnitLine, DecodeFieldText(value).c_str()));
}

// "2016 04 16 03 54 40" (JST) as K-NET writes its record time: "2016/04/16" and "03:54:40". A
// value of another shape is kept as written, so that it is still shown.
void SplitInitialTime(std::string_view value, RecordHeader& h) {
  int parts[6];
  int count = 0;
  for (std::string_view rest = value; !rest.empty();) {
    const size_t end = std::min(rest.find(' '), rest.size());
    if (end > 0) {
      if (count == 6 || !IsWholeInteger(rest.substr(0, end))) {
        count = -1;
        break;
      }
      parts[count++] = ReadInt(rest.substr(0, end));
    }
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  if (count == 6) {
    h.RecordDate = LimitText(FormatC("%04d/%02d/%02d", parts[0], parts[1], parts[2]), header_width::kDateTime);
    h.RecordTime = LimitText(FormatC("%02d:%02d:%02d", parts[3], parts[4], parts[5]), header_width::kDateTime);
  } else {
    h.RecordDate = LimitText(DecodeFieldText(value), header_width::kDateTime);
    h.RecordTime.clear();
  }
}

}  // namespace

JmaCsvHeader ParseJmaCsvHeader(std::string_view content, const std::string& path, ReadWarnings* warnings) {
  const std::vector<std::string_view> lines = HeaderLines(content, kJmaHeaderLines, path, kJmaFormatName);
  JmaCsvHeader result;
  RecordHeader& h = result.Header;
  h.OriginKnown = false;

  // "EED南阿蘇村中松   ,33.0265,131.1910,...": the code is the ASCII run the value starts with, the
  // name the rest of the first field. CP932 never uses a comma within a character, so the fields
  // are split before the text is decoded. Older files pack more values after the name; only a
  // position is taken from them, where the LAT. and LON. lines give none.
  const std::vector<std::string> site = SplitFields(ValueOf(lines[kSiteLine - 1]), 3);
  const std::string_view first = TrimBlanks(site.empty() ? std::string_view() : std::string_view(site[0]));
  size_t code_length = 0;
  while (code_length < first.size() && static_cast<unsigned char>(first[code_length]) < 0x80 &&
         !IsCSpace(first[code_length])) {
    ++code_length;
  }
  h.StationCode = LimitText(DecodeFieldText(first.substr(0, code_length)), header_width::kStationCode);
  result.StationName =
      LimitText(DecodeFieldText(TrimBlanks(first.substr(code_length))), station_width::kName);

  h.StationLatitude = static_cast<float>(ReadDecimal(ValueOf(lines[kLatitudeLine - 1])));
  h.StationLongitude = static_cast<float>(ReadDecimal(ValueOf(lines[kLongitudeLine - 1])));
  if (h.StationLatitude == 0 && h.StationLongitude == 0 && site.size() == 3) {
    h.StationLatitude = static_cast<float>(ReadDecimal(site[1]));
    h.StationLongitude = static_cast<float>(ReadDecimal(site[2]));
  }
  h.SamplingRate = ReadSamplingRate(ValueOf(lines[kRateLine - 1]), path, warnings);
  RequireGal(ValueOf(lines[kUnitLine - 1]), path);
  SplitInitialTime(ValueOf(lines[kInitialTimeLine - 1]), h);
  // The values are gal already: one gal a "count" for the places that show the scale.
  h.ScaleFactor = 1.0f;
  return result;
}

int ParseJmaCsvSamples(std::string_view content, RecordSet& record, bool remove_mean, const std::string& path,
                       ReadWarnings* warnings) {
  // Blank lines at the end (an editor's final newline or two) hold no sample.
  while (!content.empty() && IsCSpace(content.back())) content.remove_suffix(1);
  LineCursor cursor(content);
  std::string_view line;
  for (int skipped = 0; skipped < kJmaHeaderLines; ++skipped) {
    if (!cursor.Next(line)) return 0;
  }
  int stored = 0;
  long long total = 0;  // sample lines of the file, stored or not
  while (cursor.Next(line)) {
    ++total;
    if (stored >= kChannelCapacity) {
      // Past the capacity only the count goes on, for the warning; nothing more is stored.
      if (warnings == nullptr) break;
      continue;
    }
    std::string_view rest = line;
    for (int ch = 0; ch < kComponents; ++ch) {
      const size_t comma = rest.find(',');
      // A line short of values leaves the missing ones empty: read as 0 and named.
      const std::string_view field = rest.substr(0, comma);
      const double value = ReadDecimal(field);
      record.Acceleration[ch][stored] = static_cast<float>(value);
      if (warnings != nullptr && !IsDecimalNumber(field)) {
        warnings->AddValue(ReadWarningKind::NotANumber, path, cursor.line_number(), ch + 1, field,
                           FormatC("%g", value));
      }
      rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    ++stored;
  }
  if (warnings != nullptr) warnings->AddSampleCut(path, total, stored);
  if (remove_mean) {
    for (int ch = 0; ch < kComponents; ++ch) RemoveMean(record.Acceleration[ch].data(), 0, stored);
  }
  return stored;
}

void ReadJmaCsvRecord(RecordSet& record, const std::string& path, bool remove_mean, ReadWarnings* warnings) {
  const std::string content = ReadWholeFile(path);
  const JmaCsvHeader header = ParseJmaCsvHeader(content, path, warnings);
  record.Format = RecordFormat::JmaCsv;
  record.ChannelCount = kComponents;
  record.Header = header.Header;
  record.ComponentNames = {"NS", "EW", "UD"};
  record.ComponentPaths = {path, path, path};
  record.CurrentStation.ClearTexts();
  record.CurrentStation.Code = record.Header.StationCode;
  record.CurrentStation.Name = header.StationName;
  record.CurrentStation.Latitude = record.Header.StationLatitude;
  record.CurrentStation.Longitude = record.Header.StationLongitude;
  SetIntervalFromRate(record, record.Header.SamplingRate);
  record.SampleCount = ParseJmaCsvSamples(content, record, remove_mean, path, warnings);
  record.Header.DurationTime =
      static_cast<float>(record.SampleCount / static_cast<long double>(record.Header.SamplingRate));
  record.DataFolder = UserFolder(record);
  record.RecordBaseName = MakeRecordBaseName(record.Header);
}

}  // namespace tremora
