#pragma once
// Telling the record formats apart by their first lines, for a file named without a choice of
// format (command line, drag and drop). The detectors look only at the header's shape, never throw
// and read at most kDetectionHeadSize bytes; the readers stay as tolerant as before.

#include <string>
#include <string_view>

namespace tremora {

enum class RecordFormat { Unknown, Knet, Hiroshima, JmaCsv, PeerAt2 };

constexpr size_t kDetectionHeadSize = 4096;

// K-NET / KiK-net: 17 header lines with their values from column 18, a positive sampling rate on
// line 11 and a scale factor "numerator(gal)/denominator" on line 14.
bool LooksLikeKnet(std::string_view head);
// Hiroshima City: 5 comma-separated header lines with a value in the second field, a whole sample
// count on line 4 and an interval of 1..1000 ms on line 5.
bool LooksLikeHiroshima(std::string_view head);
// JMA strong-motion CSV: lines 1 to 6 labelled "SITE CODE", "LAT.", "LON.", "SAMPLING RATE", "UNIT"
// and "INITIAL TIME" (blanks before them allowed, ASCII case ignored), each followed by "=".
bool LooksLikeJmaCsv(std::string_view head);

RecordFormat DetectRecordFormat(std::string_view head);
// The format of a file from its first bytes; Unknown when it cannot be read.
RecordFormat DetectRecordFormatOfFile(const std::string& path);
// A file that is a whole record by itself, with no partner files to look for (JMA CSV).
bool IsSelfContainedRecordFile(const std::string& path);

}  // namespace tremora
