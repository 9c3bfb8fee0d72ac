#include "record/PeerAt2Format.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "base/Ascii.h"
#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/TextCoding.h"
#include "base/TextFile.h"
#include "base/Translation.h"
#include "record/RecordSet.h"
#include "record/TextFields.h"

namespace tremora {

namespace {

constexpr CoreMessage kPeerAt2FormatName{Tr("PeerAt2Format", " PEER (.AT2) ")};
constexpr int kUnitsLine = 3;
constexpr int kDescriptionLine = 2;

bool IsValueSeparator(char c) { return IsCSpace(c) || c == ','; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsCSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsCSpace(text.back())) text.remove_suffix(1);
  return text;
}

// The next token of text from position on, separated by blanks, tabs or commas; empty at the end.
std::string_view NextToken(std::string_view text, size_t& position) {
  while (position < text.size() && IsValueSeparator(text[position])) ++position;
  const size_t start = position;
  while (position < text.size() && !IsValueSeparator(text[position])) ++position;
  return text.substr(start, position - start);
}

// The text after "KEY =" in an upper-cased line up to the next blank or comma, a unit written
// against the number ("SEC") left off; empty when the key or its "=" is missing.
std::string_view ValueAfterKey(std::string_view upper, std::string_view key) {
  size_t at = upper.find(key);
  // "DT" must not be matched inside another word.
  while (at != std::string_view::npos && at > 0 && upper[at - 1] >= 'A' && upper[at - 1] <= 'Z') {
    at = upper.find(key, at + 1);
  }
  if (at == std::string_view::npos) return {};
  size_t i = at + key.size();
  while (i < upper.size() && IsSpaceOrTab(upper[i])) ++i;
  if (i >= upper.size() || upper[i] != '=') return {};
  ++i;
  while (i < upper.size() && IsSpaceOrTab(upper[i])) ++i;
  size_t end = i;
  while (end < upper.size() && !IsValueSeparator(upper[end])) ++end;
  std::string_view value = upper.substr(i, end - i);
  if (value.size() > 3 && value.substr(value.size() - 3) == "SEC") value.remove_suffix(3);
  return value;
}

bool TakeCounts(std::string_view npts, std::string_view dt, int& samples, double& interval) {
  if (!IsWholeInteger(npts) || !IsDecimalNumber(dt)) return false;
  samples = ReadInt(npts);
  interval = ReadDecimal(dt);
  return true;
}

// "CHALFANT VALLEY 07/21/86 14:42, BISHOP - LADWP SOUTH, 180 (CDMG STATION 54171)".
void SplitDescription(std::string_view line, PeerAt2Header& header) {
  std::vector<std::string_view> fields;
  for (size_t from = 0;;) {
    const size_t comma = line.find(',', from);
    const size_t length = comma == std::string_view::npos ? std::string_view::npos : comma - from;
    fields.push_back(Trimmed(line.substr(from, length)));
    if (comma == std::string_view::npos) break;
    from = comma + 1;
  }
  if (fields.size() >= 2) {
    const std::string_view last = fields.back();
    header.Component = DecodeFieldText(last.substr(0, last.find_first_of(" \t(")));
    header.Station = DecodeFieldText(fields[fields.size() - 2]);
    fields.resize(fields.size() - 2);
  }
  std::string event;
  for (const std::string_view field : fields) event += (event.empty() ? "" : ", ") + std::string(field);
  header.Event = DecodeFieldText(event);
}

[[noreturn]] void RefuseCountLine(const std::string& path, std::string_view line) {
  throw RecordFormatError(path, kPeerAt2CountLine,
                          FormatC(Translate("PeerAt2Format",
                                            "データファイル %s の 4 行目が読めません\n"
                                            "「NPTS= 個数, DT= 間隔 SEC」の形が必要ですが、「%s」でした")
                                      .c_str(),
                                  path.c_str(), VisibleText(line).c_str()));
}

// Line 3 names the units ("... IN UNITS OF G"): a velocity (.VT2) or displacement (.DT2) file of
// the same database names cm/s or cm there, and must not be read as an acceleration.
void CheckUnits(std::string_view line, const std::string& path) {
  const std::string upper = UpperAscii(line);
  constexpr std::string_view kUnits = "UNITS OF";
  const size_t at = upper.find(kUnits);
  if (at == std::string::npos) return;
  size_t position = at + kUnits.size();
  const std::string_view unit = NextToken(upper, position);
  const std::string_view word = unit.substr(0, unit.find_first_of(".;:"));
  if (word == "G") return;
  throw RecordFormatError(path, kUnitsLine,
                          FormatC(Translate("PeerAt2Format",
                                            "データファイル %s の 3 行目の単位が G ではありません (「%s」)\n"
                                            "加速度 (単位 G) の記録だけを読めます")
                                      .c_str(),
                                  path.c_str(), VisibleText(Trimmed(line)).c_str()));
}

}  // namespace

bool ReadPeerAt2Counts(std::string_view line, int& samples, double& interval) {
  const std::string upper = UpperAscii(line);
  const std::string_view npts = ValueAfterKey(upper, "NPTS");
  const std::string_view dt = ValueAfterKey(upper, "DT");
  if (!npts.empty() || !dt.empty()) return TakeCounts(npts, dt, samples, interval);
  // "7996  .00500  NPTS, DT": the two numbers first, the keys after them.
  size_t position = 0;
  const std::string_view first = NextToken(upper, position);
  const std::string_view second = NextToken(upper, position);
  std::string keys;
  for (const char c : std::string_view(upper).substr(position)) {
    if (!IsValueSeparator(c)) keys += c;
  }
  if (keys.rfind("NPTSDT", 0) != 0) return false;
  return TakeCounts(first, second, samples, interval);
}

bool LooksLikePeerAt2(std::string_view head) {
  LineCursor cursor(head);
  std::string_view line;
  bool had_end = false;
  for (int n = 1; n <= kPeerAt2CountLine; ++n) {
    if (!cursor.Next(line, &had_end) || !had_end) return false;
  }
  int samples = 0;
  double interval = 0;
  return ReadPeerAt2Counts(line, samples, interval) && samples > 0 && interval > 0;
}

PeerAt2File ReadPeerAt2File(const std::string& path, ReadWarnings* warnings) {
  return ParsePeerAt2(ReadWholeFile(path), path, warnings);
}

PeerAt2File ParsePeerAt2(std::string_view content, const std::string& path, ReadWarnings* warnings) {
  const std::vector<std::string_view> lines = HeaderLines(content, kPeerAt2HeaderLines, path, kPeerAt2FormatName);
  PeerAt2File file;
  PeerAt2Header& h = file.header;
  SplitDescription(lines[kDescriptionLine - 1], h);
  CheckUnits(lines[kUnitsLine - 1], path);
  const std::string_view count_line = lines[kPeerAt2CountLine - 1];
  if (!ReadPeerAt2Counts(count_line, h.AnnouncedSamples, h.Interval)) RefuseCountLine(path, count_line);
  // Above 1 s no analysis has a sample to work with; a whole-hertz rate of 0 would divide by zero.
  if (h.AnnouncedSamples < 1 || !(h.Interval > 0) || h.Interval > 1) {
    throw RecordFormatError(path, kPeerAt2CountLine,
                            FormatC(Translate("PeerAt2Format",
                                              "データファイル %s の 4 行目の NPTS または DT が使えません\n"
                                              "1 以上の個数と 0 より大きく 1 以下の間隔 (秒) が必要ですが、「%s」でした")
                                        .c_str(),
                                    path.c_str(), VisibleText(Trimmed(count_line)).c_str()));
  }

  const long long announced = h.AnnouncedSamples;
  const size_t kept = static_cast<size_t>(std::min<long long>(announced, kChannelCapacity));
  file.samples.reserve(kept);
  long long found = 0;
  LineCursor cursor(content);
  std::string_view line;
  for (int skipped = 0; skipped < kPeerAt2HeaderLines; ++skipped) cursor.Next(line);
  while (found < announced && cursor.Next(line)) {
    size_t position = 0;
    for (std::string_view token = NextToken(line, position); !token.empty() && found < announced;
         token = NextToken(line, position)) {
      bool clamped = false;
      const bool number = IsDecimalNumber(token);
      const long double gal = number ? ReadDecimal(token, &clamped) * kStandardGravityGal : 0;
      if (!number || clamped || std::fabs(gal) > FLT_MAX) {
        throw RecordFormatError(path, cursor.line_number(),
                                FormatC(Translate("PeerAt2Format",
                                                  "データファイル %s の %d 行目の値「%s」は加速度 (G) として読めません")
                                            .c_str(),
                                        path.c_str(), cursor.line_number(), VisibleText(token).c_str()));
      }
      ++found;
      if (file.samples.size() < kept) file.samples.push_back(static_cast<float>(gal));
    }
  }
  if (warnings != nullptr && found < announced) {
    ReadWarning w;
    w.kind = ReadWarningKind::FewerSamplesThanAnnounced;
    w.path = path;
    w.line = kPeerAt2CountLine;
    w.total = announced;
    w.used = found;
    warnings->Add(std::move(w));
  }
  if (warnings != nullptr && found > static_cast<long long>(file.samples.size())) {
    ReadWarning w;
    w.kind = ReadWarningKind::TooManySamples;
    w.path = path;
    w.total = found;
    w.used = static_cast<long long>(file.samples.size());
    warnings->Add(std::move(w));
  }
  return file;
}

}  // namespace tremora
