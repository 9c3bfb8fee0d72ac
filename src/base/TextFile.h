#pragma once
// Whole-file reading, line splitting and path helpers. Records are small (under a megabyte), so a
// file is read at once and its lines are views into that text.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tremora {

// No record or table file comes near this size; a larger one is no record (a sparse file, a disk
// image, a log still being written).
inline constexpr size_t kReadFileLimit = size_t{16} << 20;

// The whole content of a regular file; throws FileAccessError when it cannot be opened or read, or
// is not a regular file (a folder, a FIFO, a device). Throws RecordFormatError, naming the file
// and the limit, when the file is larger than kReadFileLimit: judged from its size before anything
// is read, and again while reading, so a file that keeps growing is not followed.
std::string ReadWholeFile(const std::string& path);

// Writes content to path through WriteFileSafely: an existing file is replaced only by a complete
// new one; throws FileAccessError on any failure.
void WriteWholeFile(const std::string& path, std::string_view content);

// Walks the lines of a text. A line ends with a line feed or with a carriage return and line
// feed; the line end is not part of the line.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : text_(text) {}
  // The next line; false at the end of the text. had_line_end tells whether the line ended with a
  // line feed (only the last line of a file may lack one).
  bool Next(std::string_view& line, bool* had_line_end = nullptr);
  int line_number() const { return line_number_; }  // 1-based number of the last line returned

 private:
  std::string_view text_;
  size_t position_ = 0;
  int line_number_ = 0;
};

// The first count lines of a file's text (line ends taken off). Throws RecordFormatError naming
// the file and its format (format_name) when the text has fewer: its header is incomplete.
std::vector<std::string_view> HeaderLines(std::string_view text, int count, const std::string& path,
                                          const std::string& format_name);

bool FileExists(const std::string& path);

// True when both paths name one existing file (same device and inode, whatever the names): an
// output that is one of the files being read must not be written.
bool SameFile(const std::string& a, const std::string& b);

// A name chosen in a save dialog, with extension (".csv") added when its file name has none: the
// extension is the text from the last period after the last folder separator.
std::string WithDefaultExtension(const std::string& path, std::string_view extension);

// The last path component, and everything before its separator ("/" stays for the root).
std::string_view FileNameOf(std::string_view path);
std::string FolderOf(std::string_view path);

// path itself when that file exists; otherwise an existing file in the same folder whose name
// differs from it only in the case of its extension (published files carry ".NS", ".EW2" while
// derived names are lower case). nullopt when there is none. A folder is listed once and its
// listing kept while the folder stays unchanged (same modification time), so finding the partners
// of thousands of records in one folder costs one listing, not one per record.
std::optional<std::string> FindWithExtensionInAnyCase(const std::string& path);

}  // namespace tremora
