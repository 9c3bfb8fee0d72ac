#include "record/FormatDetection.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "base/Ascii.h"
#include "base/CNumbers.h"
#include "base/TextFile.h"
#include "record/KnetFormat.h"
#include "record/PeerAt2Format.h"
#include "record/TextFields.h"

namespace tremora {

namespace {

// The first count lines of head (line ends off); fewer when head has fewer complete lines.
std::vector<std::string_view> FirstLines(std::string_view head, int count) {
  std::vector<std::string_view> lines;
  LineCursor cursor(head);
  std::string_view line;
  bool had_end = false;
  while (static_cast<int>(lines.size()) < count && cursor.Next(line, &had_end)) {
    if (!had_end) break;  // a line cut off by the end of the head proves nothing
    lines.push_back(line);
  }
  return lines;
}

// Digits from the start of text; false when there are none.
bool TakeDigits(std::string_view& text) {
  size_t n = 0;
  while (n < text.size() && IsAsciiDigit(text[n])) ++n;
  text.remove_prefix(n);
  return n > 0;
}

std::string_view KnetValue(std::string_view line) {
  return line.size() > kKnetValueColumn ? line.substr(kKnetValueColumn) : std::string_view();
}

// "yyyy/mm/dd" at the start of a value.
bool StartsWithDate(std::string_view value) {
  if (value.size() < 10) return false;
  for (size_t i = 0; i < 10; ++i) {
    if ((i == 4 || i == 7) ? value[i] != '/' : !IsAsciiDigit(value[i])) return false;
  }
  return true;
}

// "3920(gal)/6182761": digits, "(gal)/", digits not all zero.
bool IsScaleFactor(std::string_view value) {
  if (!TakeDigits(value)) return false;
  constexpr std::string_view kUnit = "(gal)/";
  if (value.substr(0, kUnit.size()) != kUnit) return false;
  value.remove_prefix(kUnit.size());
  const std::string_view denominator = value;
  if (!TakeDigits(value)) return false;
  return denominator.find_first_not_of('0') < denominator.size() - value.size();
}

}  // namespace

bool LooksLikeKnet(std::string_view head) {
  const std::vector<std::string_view> lines = FirstLines(head, kKnetHeaderLines);
  if (static_cast<int>(lines.size()) < kKnetHeaderLines) return false;
  std::string_view rate = KnetValue(lines[10]);
  const bool rate_positive = IsAsciiDigit(rate.empty() ? ' ' : rate[0]) && ReadInt(rate) > 0;
  return rate_positive && StartsWithDate(KnetValue(lines[0])) && StartsWithDate(KnetValue(lines[9])) &&
         IsScaleFactor(TrimLine(KnetValue(lines[13])));
}

bool LooksLikeHiroshima(std::string_view head) {
  const std::vector<std::string_view> lines = FirstLines(head, 5);
  if (lines.size() < 5) return false;
  std::string_view values[5];
  for (int i = 0; i < 5; ++i) {
    const size_t comma = lines[i].find(',');
    if (comma == std::string_view::npos) return false;
    const std::string_view rest = lines[i].substr(comma + 1);
    values[i] = TrimLine(rest.substr(0, rest.find(',')));
    if (values[i].empty()) return false;
  }
  if (!IsWholeInteger(values[3]) || !IsWholeInteger(values[4])) return false;
  const int interval = ReadInt(values[4]);
  return ReadInt(values[3]) >= 0 && interval >= 1 && interval <= 1000;
}

bool LooksLikeJmaCsv(std::string_view head) {
  static constexpr std::string_view kLabels[] = {"SITE CODE", "LAT.", "LON.", "SAMPLING RATE", "UNIT", "INITIAL TIME"};
  const std::vector<std::string_view> lines = FirstLines(head, static_cast<int>(std::size(kLabels)));
  if (lines.size() < std::size(kLabels)) return false;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    while (!line.empty() && IsSpaceOrTab(line.front())) line.remove_prefix(1);
    if (!StartsWithIgnoringAsciiCase(line, kLabels[i])) return false;
    const std::string_view after = line.substr(kLabels[i].size());
    const size_t equals = after.find_first_not_of(" \t");
    if (equals == std::string_view::npos || after[equals] != '=') return false;
  }
  return true;
}

RecordFormat DetectRecordFormat(std::string_view head) {
  if (LooksLikeKnet(head)) return RecordFormat::Knet;
  if (LooksLikeHiroshima(head)) return RecordFormat::Hiroshima;
  if (LooksLikeJmaCsv(head)) return RecordFormat::JmaCsv;
  if (LooksLikePeerAt2(head)) return RecordFormat::PeerAt2;
  return RecordFormat::Unknown;
}

RecordFormat DetectRecordFormatOfFile(const std::string& path) {
  // Only regular files: a FIFO or a device would block or never end.
  if (!FileExists(path)) return RecordFormat::Unknown;
  std::ifstream in(path, std::ios::binary);
  if (!in) return RecordFormat::Unknown;
  std::string head(kDetectionHeadSize, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<size_t>(in.gcount()));
  return DetectRecordFormat(head);
}

bool IsSelfContainedRecordFile(const std::string& path) {
  return DetectRecordFormatOfFile(path) == RecordFormat::JmaCsv;
}

}  // namespace tremora
