#include "record/KnetFormat.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdio>
#include <climits>

#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/TextCoding.h"
#include "base/TextFile.h"
#include "base/Translation.h"
#include "record/TextFields.h"

namespace tremora {

namespace {

// The value of a header line: the text from column 18 of the trimmed line, empty when the line is
// not longer than that.
std::string_view ValueOf(std::string_view trimmed) {
  return trimmed.size() > kKnetValueColumn ? trimmed.substr(kKnetValueColumn) : std::string_view();
}

std::string TextValue(std::string_view trimmed, int width) { return LimitText(DecodeFieldText(ValueOf(trimmed)), width); }

// Lines 1 and 10: date in columns 18-27, clock time from column 29 (column 28 is the blank between).
void SplitDateTime(std::string_view trimmed, std::string& date, std::string& time) {
  const std::string_view value = ValueOf(trimmed);
  date = LimitText(DecodeFieldText(value.substr(0, 10)), header_width::kDateTime);
  time = value.size() > 11 ? LimitText(DecodeFieldText(value.substr(11)), header_width::kDateTime) : std::string();
}

constexpr int kScaleFactorLine = 14;
constexpr CoreMessage kKnetFormatName{Tr("KnetFormat", " K-NET/KiK-net ")};

// Header numbers are read as the C library reads them; one beyond what its field holds is clamped,
// and a sampling rate or scale written as a decimal is cut to its whole part, each named in the
// warnings.
class HeaderNumbers {
 public:
  HeaderNumbers(const std::vector<std::string_view>& lines, const std::string& path, ReadWarnings* warnings)
      : lines_(lines), path_(path), warnings_(warnings) {}

  int Int(int line) { return WholeNumber(line, ValueOf(lines_[line - 1]), false); }
  // An integer the samples' arithmetic rests on (the sampling rate, the scale), at the start of
  // text: also named when the text goes on as a decimal number that reads otherwise ("1e9" or
  // "99.5" read as 1 or 99). A unit after the digits ("100Hz") is no reason to warn. Station
  // heights such as "502.5" are only shown, and are read as the C library reads them.
  int ExactInt(int line, std::string_view text) { return WholeNumber(line, text, true); }
  float Decimal(int line) {
    bool clamped = false;
    const double value = ReadDecimal(ValueOf(lines_[line - 1]), &clamped);
    if (clamped) Warn(line, ReadWarningKind::NumberOutOfRange, ValueOf(lines_[line - 1]), FormatC("%g", value));
    return static_cast<float>(value);
  }

 private:
  int WholeNumber(int line, std::string_view text, bool exact) {
    bool clamped = false;
    const int value = ReadInt(text, &clamped);
    if (clamped) Warn(line, ReadWarningKind::NumberOutOfRange, text, FormatC("%d", value));
    else if (exact && ReadDecimal(text) != value)
      Warn(line, ReadWarningKind::HeaderNotWholeNumber, text, FormatC("%d", value));
    return value;
  }
  // Names a header value read otherwise than it stands; read_as is what the program uses instead.
  void Warn(int line, ReadWarningKind kind, std::string_view found, std::string read_as) {
    if (warnings_ != nullptr) warnings_->AddValue(kind, path_, line, 0, found, std::move(read_as));
  }

  const std::vector<std::string_view>& lines_;
  const std::string& path_;
  ReadWarnings* warnings_;
};

// "3920(gal)/6182761": the numerator from column 18 and the denominator after the slash, which
// stands in column 27 when the numerator has its usual four digits. A numerator of another width
// still gives the right denominator. A missing denominator (0) would turn every sample into inf or
// nan and a zero or negative scale a record into silence or its mirror image: such a file is
// refused before any sample is converted with it.
float ReadScaleFactor(std::string_view trimmed, HeaderNumbers& numbers, const std::string& path) {
  const std::string_view value = ValueOf(trimmed);
  const size_t slash = value.find('/');
  const int numerator = numbers.ExactInt(kScaleFactorLine, value.substr(0, slash));
  const int denominator =
      slash == std::string_view::npos ? 0 : numbers.ExactInt(kScaleFactorLine, value.substr(slash + 1));
  if (denominator == 0) {
    throw RecordFormatError(path, kScaleFactorLine,
                            FormatC(Translate("KnetFormat",
                                              "データファイル %s の Scale Factor (14行目) が読めません\n"
                                              "「分子(gal)/分母」の形で 28 桁目から 0 でない分母が必要ですが、"
                                              "「%s」でした")
                                        .c_str(),
                                    path.c_str(), std::string(value).c_str()));
  }
  if (numerator <= 0 || denominator < 0) {
    throw RecordFormatError(path, kScaleFactorLine,
                            FormatC(Translate("KnetFormat",
                                              "データファイル %s の Scale Factor (14行目) が読めません\n"
                                              "「分子(gal)/分母」の形で正の分子と分母が必要ですが、「%s」でした")
                                        .c_str(),
                                    path.c_str(), std::string(value).c_str()));
  }
  return static_cast<float>(static_cast<long double>(numerator) / denominator);
}

// A header line that holds nothing but whole numbers in 9-character fields: a data line.
bool LooksLikeDataLine(std::string_view line) {
  const size_t fields = (line.size() + 1) / kKnetFieldWidth;
  if (fields == 0) return false;
  for (size_t k = 0; k < fields; ++k) {
    if (!IsWholeInteger(line.substr(k * kKnetFieldWidth, kKnetFieldWidth - 1))) return false;
  }
  return true;
}

}  // namespace

void RefuseSamplingRate(const std::string& path, int line, std::string_view found) {
  throw RecordFormatError(path, line,
                          FormatC(Translate("KnetFormat",
                                            "データファイル %s のサンプリング周波数 (%d行目) が読めません\n"
                                            "1 以上の整数 (Hz) が必要ですが、「%s」でした")
                                      .c_str(),
                                  path.c_str(), line, std::string(found).c_str()));
}

RecordHeader ReadKnetHeader(const std::string& path, ReadWarnings* warnings) {
  return ParseKnetHeader(ReadWholeFile(path), path, warnings);
}

RecordHeader ParseKnetHeader(std::string_view content, const std::string& path, ReadWarnings* warnings) {
  std::vector<std::string_view> lines = HeaderLines(content, kKnetHeaderLines, path, kKnetFormatName);
  if (warnings != nullptr && LooksLikeDataLine(lines[kKnetHeaderLines - 1])) {
    ReadWarning w;
    w.kind = ReadWarningKind::HeaderLooksLikeData;
    w.path = path;
    w.line = kKnetHeaderLines;
    warnings->Add(std::move(w));
  }
  for (std::string_view& line : lines) line = TrimLine(line.substr(0, kKnetHeaderLineLimit));

  HeaderNumbers numbers(lines, path, warnings);
  RecordHeader h;
  SplitDateTime(lines[0], h.OriginDate, h.OriginTime);
  h.EpicentreLatitude = numbers.Decimal(2);
  h.EpicentreLongitude = numbers.Decimal(3);
  h.Depth = numbers.Int(4);
  h.Magnitude = numbers.Decimal(5);
  h.StationCode = TextValue(lines[5], header_width::kStationCode);
  h.StationLatitude = numbers.Decimal(7);
  h.StationLongitude = numbers.Decimal(8);
  h.StationHeight = numbers.Int(9);
  SplitDateTime(lines[9], h.RecordDate, h.RecordTime);
  h.SamplingRate = numbers.ExactInt(11, ValueOf(lines[10]));
  if (h.SamplingRate <= 0) RefuseSamplingRate(path, 11, ValueOf(lines[10]));
  h.DurationTime = numbers.Decimal(12);
  h.Direction = TextValue(lines[12], header_width::kDirection);

  h.ScaleFactor = ReadScaleFactor(lines[kScaleFactorLine - 1], numbers, path);
  h.MaxAccText = DecodeFieldText(ValueOf(lines[14]));
  h.LastCorrection = TextValue(lines[15], header_width::kLastCorrection);
  h.Memo = TextValue(lines[16], header_width::kMemo);
  return h;
}

int ReadKnetSamples(const std::string& path, float scale_factor, float* channel, int capacity, bool remove_mean,
                    ReadWarnings* warnings) {
  return ParseKnetSamples(ReadWholeFile(path), scale_factor, channel, capacity, remove_mean, path, warnings);
}

int ParseKnetSamples(std::string_view content, float scale_factor, float* channel, int capacity, bool remove_mean,
                     const std::string& path, ReadWarnings* warnings) {
  const std::vector<int> counts = ParseKnetCounts(content, std::min(capacity, kChannelCapacity), path, warnings);
  const long double scale = scale_factor;
  const int stored = static_cast<int>(counts.size());
  for (int i = 0; i < stored; ++i) channel[i] = static_cast<float>(counts[i] * scale);
  if (remove_mean) RemoveMean(channel, 0, stored);
  return stored;
}

std::vector<int> ParseKnetCounts(std::string_view content, int max_count, const std::string& path,
                                 ReadWarnings* warnings) {
  std::vector<int> counts;
  LineCursor cursor(content);
  std::string_view line;
  for (int skipped = 0; skipped < kKnetHeaderLines; ++skipped) {
    if (!cursor.Next(line)) return counts;
  }
  const size_t limit = static_cast<size_t>(std::max(max_count, 0));
  counts.reserve(std::min<size_t>(limit, content.size() / kKnetFieldWidth + 8));
  long long total = 0;  // fields of the file, stored or not
  while (cursor.Next(line)) {
    // A last line without a line end is counted as if it had one, so its last value is not lost.
    const size_t fields = (line.size() + 1) / kKnetFieldWidth;
    total += static_cast<long long>(fields);
    for (size_t k = 0; k < fields && counts.size() < limit; ++k) {
      const std::string_view field = line.substr(k * kKnetFieldWidth, kKnetFieldWidth - 1);
      counts.push_back(ReadInt(field));
      if (warnings != nullptr && !IsWholeInteger(field)) {
        warnings->AddValue(ReadWarningKind::NotAnInteger, path, cursor.line_number(), static_cast<int>(k) + 1, field,
                           FormatC("%d", counts.back()));
      }
    }
    // Past the capacity only the count goes on, for the warning; nothing more is stored.
    if (counts.size() >= limit && warnings == nullptr) break;
  }
  if (warnings != nullptr) warnings->AddSampleCut(path, total, static_cast<long long>(counts.size()));
  return counts;
}

std::string FormatKnetDataLines(const std::vector<int>& counts) {
  std::string out;
  out.reserve(counts.size() * 9 + counts.size() / 8 * 3 + 2);
  char field[16];
  for (size_t i = 0; i < counts.size(); ++i) {
    // Integers carry no decimal point, so plain snprintf is locale-proof here.
    const int length = std::snprintf(field, sizeof field, i % 8 == 0 ? "%8d" : "%9d", counts[i]);
    out.append(field, static_cast<size_t>(length));
    if (i % 8 == 7) out += " \r\n";
  }
  if (counts.size() % 8 != 0) out += "\r\n";
  return out;
}

void RemoveMean(float* samples, int first, int length) {
  if (length <= 0) return;
  // An extended-precision sum: a float accumulator loses the mean of a long record riding on a
  // large offset (0.008 gal on a 0.12 gal borehole record), which shows in every peak.
  long double sum = 0.0L;
  for (int i = first; i < first + length; ++i) sum += samples[i];
  const float mean = static_cast<float>(sum / length);
  for (int i = first; i < first + length; ++i) samples[i] -= mean;
}

namespace {

// A count of the file: value / scale factor truncated toward zero, kept within what an int holds.
int ToCount(float value, float scale_factor) {
  const long double count = std::trunc(static_cast<long double>(value) / scale_factor);
  if (!(count == count)) return 0;
  if (count > INT_MAX) return INT_MAX;
  if (count < INT_MIN) return INT_MIN;
  return static_cast<int>(count);
}

constexpr int kMaxAccLine = 15;

}  // namespace

std::string FormatKnetFile(const std::vector<std::string_view>& header_lines, const float* values, int count,
                           float scale_factor) {
  assert(header_lines.size() == static_cast<size_t>(kKnetHeaderLines));
  float peak = 0.0f;
  for (int i = 0; i < count; ++i) peak = std::max(peak, std::fabs(values[i]));
  const int peak_gal = peak >= static_cast<float>(INT_MAX) ? INT_MAX : static_cast<int>(peak);

  std::string out;
  out.reserve(17 * 40 + static_cast<size_t>(count) * 9 + static_cast<size_t>(count / 8) * 2 + 8);
  for (int i = 0; i < kKnetHeaderLines; ++i) {
    if (i + 1 == kMaxAccLine) out += FormatC("Max. Acc. (gal)   %4d", peak_gal);
    else out += header_lines[i];
    out += "\r\n";
  }
  std::vector<int> counts(static_cast<size_t>(std::max(count, 0)));
  for (int i = 0; i < count; ++i) counts[i] = ToCount(values[i], scale_factor);
  out += FormatKnetDataLines(counts);
  return out;
}

void WriteKnetFile(const std::string& out_path, const std::string& template_path, const float* values, int count,
                   float scale_factor) {
  const std::string template_text = ReadWholeFile(template_path);
  const std::vector<std::string_view> header_lines =
      HeaderLines(template_text, kKnetHeaderLines, template_path, kKnetFormatName);
  if (!(scale_factor != 0.0f) || !std::isfinite(scale_factor)) {
    throw RecordFormatError(template_path, kScaleFactorLine,
                            FormatC(Translate("KnetFormat",
                                              "Scale Factor が %g なので、加速度をカウント値に直せません")
                                        .c_str(), scale_factor));
  }
  WriteWholeFile(out_path, FormatKnetFile(header_lines, values, count, scale_factor));
}

KnetHeaderLabels FormatKnetHeaderLabels(const RecordHeader& h) {
  KnetHeaderLabels labels;
  labels.SamplingRate = FormatC("%d 1/s", h.SamplingRate);
  labels.Duration = FormatC("%.2f s", h.DurationTime);
  labels.StationCode = h.StationCode;
  // An earthquake the file does not name is shown empty, never as a quake at 0 N 0 E.
  if (!h.OriginKnown) return labels;
  labels.OriginTime = h.OriginDate + "  " + h.OriginTime;
  labels.Latitude = FormatC("%6.1f", h.EpicentreLatitude);
  labels.Longitude = FormatC("%6.1f", h.EpicentreLongitude);
  labels.Depth = FormatC("%4d km", h.Depth);
  labels.Magnitude = FormatC("%6.1f", h.Magnitude);
  return labels;
}

}  // namespace tremora
