#include "record/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include "record/CNumbers.h"
#include "record/Errors.h"
#include "record/SafeFileWrite.h"

namespace tremora {

namespace {
constexpr const char* kNotRegularFile = "通常のファイルではありません";
}  // namespace

std::string ReadWholeFile(const std::string& path) {
  // Opened without blocking and checked before any read: a FIFO or a device named as a record
  // would otherwise wait for a writer for ever.
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) throw FileAccessError(FileAccessError::Operation::Open, path, errno);
  struct stat info;
  const bool known = ::fstat(descriptor, &info) == 0;
  if (!known || !S_ISREG(info.st_mode)) {
    const int error_number = !known ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
    ::close(descriptor);
    if (error_number == 0) throw FileAccessError(FileAccessError::Operation::Open, path, kNotRegularFile);
    throw FileAccessError(FileAccessError::Operation::Open, path, error_number);
  }
  std::string content;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
    if (got > 0) {
      content.append(buffer, static_cast<size_t>(got));
    } else if (got == 0) {
      break;
    } else if (errno != EINTR) {
      const int error_number = errno;
      ::close(descriptor);
      throw FileAccessError(FileAccessError::Operation::Read, path, error_number);
    }
  }
  ::close(descriptor);
  return content;
}

void WriteWholeFile(const std::string& path, std::string_view content) {
  WriteFileSafely(path, [content](OutputFile& out) { out.Write(content.data(), content.size()); });
}

bool LineCursor::Next(std::string_view& line, bool* had_line_end) {
  if (position_ >= text_.size()) return false;
  const size_t feed = text_.find('\n', position_);
  const bool ended = feed != std::string_view::npos;
  const size_t end = ended ? feed : text_.size();
  line = text_.substr(position_, end - position_);
  if (ended && !line.empty() && line.back() == '\r') line.remove_suffix(1);
  position_ = ended ? feed + 1 : text_.size();
  ++line_number_;
  if (had_line_end != nullptr) *had_line_end = ended;
  return true;
}

std::vector<std::string_view> HeaderLines(std::string_view text, int count, const std::string& path,
                                          const char* format_name) {
  std::vector<std::string_view> lines;
  LineCursor cursor(text);
  std::string_view line;
  while (static_cast<int>(lines.size()) < count && cursor.Next(line)) lines.push_back(line);
  if (static_cast<int>(lines.size()) < count) {
    const int found = static_cast<int>(lines.size());
    throw RecordFormatError(path, found,
                            FormatC("データファイル %s は%s形式ではありません\n"
                                    "ヘッダーは %d 行のはずですが、%d 行しかありません",
                                    path.c_str(), format_name, count, found));
  }
  return lines;
}

bool FileExists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa, sb;
  if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::string WithDefaultExtension(const std::string& path, std::string_view extension) {
  if (FileNameOf(path).find('.') != std::string_view::npos) return path;
  return path + std::string(extension);
}

std::string_view FileNameOf(std::string_view path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(std::string_view path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string_view::npos) return std::string();
  if (slash == 0) return "/";
  return std::string(path.substr(0, slash));
}

std::optional<std::string> FindWithExtensionInAnyCase(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) == 0) return path;
  const std::string_view name = FileNameOf(path);
  const size_t period = name.find('.');
  if (period == std::string_view::npos) return std::nullopt;
  const std::string stem(name.substr(0, period + 1));
  const std::string extension(name.substr(period + 1));
  const std::string folder = FolderOf(path);
  DIR* directory = ::opendir(folder.empty() ? "." : folder.c_str());
  if (directory == nullptr) return std::nullopt;
  std::optional<std::string> found;
  while (const dirent* entry = ::readdir(directory)) {
    const std::string_view candidate = entry->d_name;
    if (candidate.size() != name.size() || candidate.substr(0, stem.size()) != stem) continue;
    if (::strcasecmp(std::string(candidate.substr(stem.size())).c_str(), extension.c_str()) != 0) continue;
    const std::string full = folder.empty() ? std::string(candidate) : (folder == "/" ? "/" : folder + "/") + std::string(candidate);
    // Whatever it is: a partner that is a FIFO or a folder is found, and refused when read.
    struct stat info;
    if (::stat(full.c_str(), &info) == 0) { found = full; break; }
  }
  ::closedir(directory);
  return found;
}

}  // namespace tremora
