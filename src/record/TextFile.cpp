#include "record/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include "record/CNumbers.h"
#include "record/Errors.h"

namespace tremora {

std::string ReadWholeFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) throw FileAccessError(FileAccessError::Operation::Open, path, errno);
  std::string content;
  char buffer[65536];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, got);
  const bool failed = std::ferror(file) != 0;
  const int error_number = errno;
  std::fclose(file);
  if (failed) throw FileAccessError(FileAccessError::Operation::Read, path, error_number);
  return content;
}

void WriteWholeFile(const std::string& path, std::string_view content) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) throw FileAccessError(FileAccessError::Operation::Open, path, errno);
  bool ok = std::fwrite(content.data(), 1, content.size(), file) == content.size();
  int error_number = ok ? 0 : errno;
  if (std::fclose(file) != 0 && ok) {
    ok = false;
    error_number = errno;
  }
  if (!ok) {
    std::remove(path.c_str());
    throw FileAccessError(FileAccessError::Operation::Write, path, error_number);
  }
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
  if (FileExists(path)) return path;
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
    if (FileExists(full)) { found = full; break; }
  }
  ::closedir(directory);
  return found;
}

}  // namespace tremora
