#pragma once
// What a reader tells the user when the format's rules bent the data: a file's values are still
// read as the formats say (numbers as the C library reads them, at most 70,000 samples, the header
// by line number), and each warning names the file, the line and the field that was bent.

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tremora {

enum class ReadWarningKind {
  TooManySamples,       // the file holds more samples than a channel keeps
  NotAnInteger,         // a data field that is no whole number, read as far as it goes
  NotANumber,           // a data field that is no decimal number (or is missing), read as far as it goes
  HeaderLooksLikeData,  // the last header line holds counts: the header is probably a line short
  NumberOutOfRange,     // a header number beyond what its field holds, clamped
  HeaderNotWholeNumber, // the sampling rate or scale written as a decimal ("1e9", "99.5"), read up to its digits' end
  FewerSamplesThanAnnounced,  // the header announces more samples than the file holds; those there are used
};

struct ReadWarning {
  ReadWarningKind kind = ReadWarningKind::NotAnInteger;
  std::string path;
  int line = 0;            // 1-based line of the file, 0 when the warning is about the whole file
  int field = 0;           // 1-based field of a data line, 0 for header lines
  std::string found;       // the text as it stands in the file
  std::string read_as;     // the value the program uses instead
  long long total = 0;     // TooManySamples: the samples the file holds; FewerSamplesThanAnnounced: announced
  long long used = 0;      // TooManySamples, FewerSamplesThanAnnounced: the samples kept
};

// The warnings of one load. Only the first few of a kind are kept for each file; the rest are
// counted, so that a file full of bad fields gives one short message.
class ReadWarnings {
 public:
  static constexpr int kShownPerKind = 3;

  void Add(ReadWarning warning);
  // A value read otherwise than it stands: where (field 0 for a header line), the text found and
  // the value the program uses instead.
  void AddValue(ReadWarningKind kind, const std::string& path, int line, int field, std::string_view found,
                std::string read_as);
  // A file that holds more samples (total) than a channel kept (used); nothing when it holds no more.
  void AddSampleCut(const std::string& path, long long total, long long used);
  bool empty() const { return shown_.empty(); }
  const std::vector<ReadWarning>& shown() const { return shown_; }
  // How many warnings of kind were counted for path beyond those shown.
  int Omitted(const std::string& path, ReadWarningKind kind) const;

  // One line per shown warning and one per omitted group, for the terminal (always English) or for
  // a message box (in the window's language, Japanese first).
  std::vector<std::string> Lines() const;
  std::string ShownText() const;

 private:
  std::vector<ReadWarning> shown_;
  std::map<std::pair<std::string, ReadWarningKind>, int> counts_;
};

}  // namespace tremora
