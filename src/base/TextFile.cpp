#include "base/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <map>
#include <mutex>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/SafeFileWrite.h"
#include "base/Translation.h"

namespace tremora {

namespace {

[[noreturn]] void RefuseLargeFile(const std::string& path) {
  throw RecordFormatError(path, 0,
                          FormatC(Translate("TextFile", "データファイル %s は大きすぎます\n"
                                                        "読み込めるのは 16 MiB (%zu バイト) までです")
                                      .c_str(),
                                  path.c_str(), kReadFileLimit));
}

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
    if (error_number == 0) {
      throw FileAccessError(FileAccessError::Operation::Open, path, Translate("TextFile", "通常のファイルではありません"));
    }
    throw FileAccessError(FileAccessError::Operation::Open, path, error_number);
  }
  if (info.st_size > static_cast<off_t>(kReadFileLimit)) {
    ::close(descriptor);
    RefuseLargeFile(path);
  }
  std::string content;
  content.reserve(static_cast<size_t>(info.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
    if (got > 0) {
      if (content.size() + static_cast<size_t>(got) > kReadFileLimit) {  // grew since it was measured
        ::close(descriptor);
        RefuseLargeFile(path);
      }
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
                                          const std::string& format_name) {
  std::vector<std::string_view> lines;
  LineCursor cursor(text);
  std::string_view line;
  while (static_cast<int>(lines.size()) < count && cursor.Next(line)) lines.push_back(line);
  if (static_cast<int>(lines.size()) < count) {
    const int found = static_cast<int>(lines.size());
    throw RecordFormatError(path, found,
                            FormatC(Translate("TextFile", "データファイル %s は%s形式ではありません\n"
                                                          "ヘッダーは %d 行のはずですが、%d 行しかありません")
                                        .c_str(),
                                    path.c_str(), format_name.c_str(), count, found));
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

namespace {

// A name with everything after its first period in lower case: names that differ only in the case
// of their extension share it.
std::string ExtensionFolded(std::string_view name) {
  std::string folded(name);
  const size_t period = folded.find('.');
  if (period == std::string::npos) return folded;
  for (size_t i = period + 1; i < folded.size(); ++i) {
    if (folded[i] >= 'A' && folded[i] <= 'Z') folded[i] = static_cast<char>(folded[i] - 'A' + 'a');
  }
  return folded;
}

// The entries of a folder by extension-folded name, in the order the folder lists them, kept for
// as long as the folder is the same one with the same modification time.
struct FolderListing {
  dev_t device = 0;
  ino_t inode = 0;
  timespec modified{};
  std::map<std::string, std::vector<std::string>> by_folded_name;
};

bool SameFolderState(const FolderListing& listing, const struct stat& info) {
  return listing.device == info.st_dev && listing.inode == info.st_ino &&
         listing.modified.tv_sec == info.st_mtim.tv_sec && listing.modified.tv_nsec == info.st_mtim.tv_nsec;
}

// The names in folder whose extension-folded form is folded_name; empty when the folder cannot be
// listed. listed_now tells whether the folder was listed for this call; relist asks for that.
std::vector<std::string> NamesFoldingTo(const std::string& folder, const std::string& folded_name, bool relist,
                                        bool& listed_now) {
  constexpr size_t kListingsKept = 64;
  static std::mutex mutex;
  static std::map<std::string, FolderListing> listings;
  const std::string opened = folder.empty() ? "." : folder;
  struct stat info;
  listed_now = true;  // a folder that cannot be looked at has nothing more to show
  if (::stat(opened.c_str(), &info) != 0) return {};

  const std::lock_guard<std::mutex> lock(mutex);
  auto cached = listings.find(opened);
  listed_now = relist || cached == listings.end() || !SameFolderState(cached->second, info);
  if (listed_now) {
    DIR* directory = ::opendir(opened.c_str());
    if (directory == nullptr) return {};
    if (listings.size() >= kListingsKept) listings.clear();
    FolderListing listing;
    listing.device = info.st_dev;
    listing.inode = info.st_ino;
    listing.modified = info.st_mtim;
    while (const dirent* entry = ::readdir(directory)) {
      listing.by_folded_name[ExtensionFolded(entry->d_name)].emplace_back(entry->d_name);
    }
    ::closedir(directory);
    cached = listings.insert_or_assign(opened, std::move(listing)).first;
  }
  const auto names = cached->second.by_folded_name.find(folded_name);
  return names == cached->second.by_folded_name.end() ? std::vector<std::string>() : names->second;
}

}  // namespace

std::optional<std::string> FindWithExtensionInAnyCase(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) == 0) return path;
  const std::string_view name = FileNameOf(path);
  if (name.find('.') == std::string_view::npos) return std::nullopt;
  const std::string folder = FolderOf(path);
  // A folder's time stamp moves in clock ticks: a file made within the tick of the listing is not in
  // it. Nothing found in a kept listing is therefore looked for once more in a new one.
  bool listed_now = false;
  for (bool relist = false;; relist = true) {
    for (const std::string& candidate : NamesFoldingTo(folder, ExtensionFolded(name), relist, listed_now)) {
      const std::string full = folder.empty() ? candidate : (folder == "/" ? "/" : folder + "/") + candidate;
      // Whatever it is: a partner that is a FIFO or a folder is found, and refused when read.
      if (::stat(full.c_str(), &info) == 0) return full;
    }
    if (listed_now) return std::nullopt;
  }
}

}  // namespace tremora
