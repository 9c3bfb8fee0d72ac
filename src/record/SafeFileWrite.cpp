#include "record/SafeFileWrite.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "record/Errors.h"
#include "record/TextFile.h"

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

// The permissions a newly created file gets: 0666 less the process's umask.
mode_t NewFileMode() {
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return 0666 & ~mask;
}

// Writes straight into a target that is not a regular file; nothing is created or removed.
void WriteDirectly(const std::string& path, const std::function<void(OutputFile&)>& write_content) {
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) Refuse(FileAccessError::Operation::Open, path, errno);
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

// The file a path names once symbolic links are followed; the path itself when it names nothing yet.
std::string ResolvedTarget(const std::string& path) {
  struct stat link_info;
  if (::lstat(path.c_str(), &link_info) != 0 || !S_ISLNK(link_info.st_mode)) return path;
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
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

  const std::string folder = FolderOf(target);
  std::string temporary = (folder.empty() ? std::string() : (folder == "/" ? "/" : folder + "/")) + "." +
                          std::string(FileNameOf(target)) + ".XXXXXX";
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
  if (exists) {
    // Where we may (root saving a user's file) the replacement keeps its owner; otherwise it is ours.
    [[maybe_unused]] const int owner_kept = ::fchown(descriptor, existing.st_uid, existing.st_gid);
  }
  if (!out.failed() && ::fchmod(descriptor, exists ? (existing.st_mode & 07777) : NewFileMode()) != 0) {
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
}

void InjectWriteFault(std::size_t limit, int error_number) { g_write_fault = {true, limit, error_number}; }

void ClearWriteFault() { g_write_fault = {}; }

}  // namespace tremora
