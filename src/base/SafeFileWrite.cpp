#include "base/SafeFileWrite.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Errors.h"
#include "base/TextFile.h"

namespace tremora {

namespace {

struct WriteFault {
  bool active = false;
  std::size_t limit = 0;
  int error_number = 0;
};
WriteFault g_write_fault;

[[noreturn]] void Refuse(FileAccessError::Operation op, const std::string& path, int error_number) {
  throw FileAccessError(op, path, error_number);
}

// The process's umask, read once before main, while no other thread can be creating files, and
// never changed: setting and resetting it around each save would race with every other thread
// that creates a file. /proc gives it without changing it; the set-and-reset is only the fallback.
mode_t ReadProcessUmask() {
  if (FILE* status = std::fopen("/proc/self/status", "re")) {
    char line[256];
    unsigned mask = 0;
    bool found = false;
    while (!found && std::fgets(line, sizeof line, status) != nullptr) {
      found = std::sscanf(line, "Umask: %o", &mask) == 1;
    }
    std::fclose(status);
    if (found) return static_cast<mode_t>(mask & 0777);
  }
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return mask;
}
const mode_t g_process_umask = ReadProcessUmask();

// The permissions a newly created file gets: 0666 less the process's umask.
mode_t NewFileMode() { return 0666 & ~g_process_umask; }

// The permissions a replacement gets: those of the file it replaces, less setuid and setgid, which
// a program's output must never carry (a copied program written over would keep running as root).
mode_t ReplacementMode(const struct stat& existing) { return existing.st_mode & 07777 & ~(S_ISUID | S_ISGID); }

// Writes straight into a target that is not a regular file; nothing is created or removed. Opened
// without blocking, so a FIFO with no reader is refused at once (ENXIO) instead of waiting for ever;
// the writes themselves block as usual.
void WriteDirectly(const std::string& path, const std::function<void(OutputFile&)>& write_content) {
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) Refuse(FileAccessError::Operation::Open, path, errno);
  const int flags = ::fcntl(descriptor, F_GETFL);
  if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    const int error_number = errno;
    ::close(descriptor);
    Refuse(FileAccessError::Operation::Open, path, error_number);
  }
  OutputFile out(descriptor);
  try {
    write_content(out);
  } catch (...) {
    ::close(descriptor);
    throw;
  }
  const bool closed = ::close(descriptor) == 0;
  if (out.failed()) Refuse(FileAccessError::Operation::Write, path, out.error_number());
  if (!closed) Refuse(FileAccessError::Operation::Write, path, errno);
}

// The file a path names once symbolic links are followed, whether it exists or not: a link that
// names nothing yet (a dangling link) is written through, not replaced. A relative link is read
// against the folder of the link. Throws ELOOP for a chain of links that never ends.
std::string ResolvedTarget(const std::string& path) {
  constexpr int kMostLinks = 40;  // as the kernel's own limit
  std::string current = path;
  for (int hops = 0; hops <= kMostLinks; ++hops) {
    struct stat link_info;
    if (::lstat(current.c_str(), &link_info) != 0 || !S_ISLNK(link_info.st_mode)) return current;
    std::string target(static_cast<size_t>(link_info.st_size > 0 ? link_info.st_size : PATH_MAX) + 1, '\0');
    const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
    if (length < 0) Refuse(FileAccessError::Operation::Open, path, errno);
    if (static_cast<size_t>(length) >= target.size()) Refuse(FileAccessError::Operation::Open, path, ENAMETOOLONG);
    target.resize(static_cast<size_t>(length));
    const std::string folder = FolderOf(current);
    current = target.starts_with('/') || folder.empty() ? target : (folder == "/" ? "/" : folder + "/") + target;
  }
  Refuse(FileAccessError::Operation::Open, path, ELOOP);
}

// A temporary name beside target, short enough for any name the folder can hold: a target of 255
// bytes leaves no room to add to its own name.
std::string TemporaryBeside(const std::string& target) {
  const std::string folder = FolderOf(target);
  return (folder.empty() ? std::string() : (folder == "/" ? "/" : folder + "/")) + ".tremora.XXXXXX";
}

// Flushes the folder's entry for a renamed file, so that the new file does not revert to the old
// after a power cut. File systems that cannot flush a folder say EINVAL; nothing more can be done.
int FlushFolderOf(const std::string& target) {
  const std::string folder = FolderOf(target);
  const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return errno;
  const int error_number = ::fsync(descriptor) == 0 || errno == EINVAL ? 0 : errno;
  ::close(descriptor);
  return error_number;
}

}  // namespace

bool OutputFile::Write(const void* data, std::size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0 && error_number_ == 0) {
    std::size_t chunk = size;
    if (g_write_fault.active) {
      if (written_ >= g_write_fault.limit) {
        error_number_ = g_write_fault.error_number;
        break;
      }
      chunk = std::min(chunk, g_write_fault.limit - written_);
    }
    const ssize_t done = ::write(descriptor_, bytes, chunk);
    if (done < 0) {
      if (errno == EINTR) continue;
      error_number_ = errno;
      break;
    }
    bytes += done;
    size -= static_cast<std::size_t>(done);
    written_ += static_cast<std::size_t>(done);
  }
  return error_number_ == 0;
}

void OutputFile::Fail(int error_number) {
  if (error_number_ == 0) error_number_ = error_number != 0 ? error_number : EIO;
}

void WriteFileSafely(const std::string& path, const std::function<void(OutputFile&)>& write_content,
                     Durability durability) {
  const std::string target = ResolvedTarget(path);
  struct stat existing;
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) Refuse(FileAccessError::Operation::Open, path, EISDIR);
  if (exists && !S_ISREG(existing.st_mode)) return WriteDirectly(path, write_content);
  // A file the user may not write stays unwritten, although the folder would let us replace it.
  if (exists && ::access(target.c_str(), W_OK) != 0) Refuse(FileAccessError::Operation::Open, path, errno);

  std::string temporary = TemporaryBeside(target);
  const int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (descriptor < 0) Refuse(FileAccessError::Operation::Open, path, errno);
  OutputFile out(descriptor);
  const auto discard = [&] {
    ::close(descriptor);
    ::unlink(temporary.c_str());
  };
  try {
    write_content(out);
  } catch (...) {
    discard();
    throw;
  }
  if (exists && ::fchown(descriptor, existing.st_uid, existing.st_gid) != 0) {
    // Where we may (root saving a user's file) the replacement keeps its owner; otherwise it is
    // ours, but still in the file's group where we belong to it (a shared project folder).
    [[maybe_unused]] const int group_kept = ::fchown(descriptor, static_cast<uid_t>(-1), existing.st_gid);
  }
  if (!out.failed() && ::fchmod(descriptor, exists ? ReplacementMode(existing) : NewFileMode()) != 0) {
    out.Fail(errno);
  }
  if (!out.failed() && durability == Durability::Flushed && ::fsync(descriptor) != 0) out.Fail(errno);
  if (out.failed()) {
    const int error_number = out.error_number();
    discard();
    Refuse(FileAccessError::Operation::Write, path, error_number);
  }
  if (::close(descriptor) != 0) {
    const int error_number = errno;
    ::unlink(temporary.c_str());
    Refuse(FileAccessError::Operation::Write, path, error_number);
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    const int error_number = errno;
    ::unlink(temporary.c_str());
    Refuse(FileAccessError::Operation::Write, path, error_number);
  }
  if (durability == Durability::Flushed) {
    if (const int error_number = FlushFolderOf(target)) Refuse(FileAccessError::Operation::Write, path, error_number);
  }
}

void InjectWriteFault(std::size_t limit, int error_number) { g_write_fault = {true, limit, error_number}; }

void ClearWriteFault() { g_write_fault = {}; }

}  // namespace tremora
