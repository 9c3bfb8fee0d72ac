#pragma once
// Every file the program writes goes through WriteFileSafely. An existing file is never opened for
// truncation: the new content goes to a temporary file beside it, which is flushed to the disk and
// renamed over the old one only once it is complete. A failure (a full disk, a lost medium) removes
// the temporary file and leaves the old file as it was.

#include <cstddef>
#include <functional>
#include <string>

namespace tremora {

// Where a writer's bytes go. A failed write is kept (with its errno); later writes do nothing.
class OutputFile {
 public:
  explicit OutputFile(int descriptor) : descriptor_(descriptor) {}
  bool Write(const void* data, std::size_t size);
  // Marks the output failed for a reason other than a write (an encoder error).
  void Fail(int error_number);
  bool failed() const { return error_number_ != 0; }
  int error_number() const { return error_number_; }
  int descriptor() const { return descriptor_; }

 private:
  int descriptor_;
  int error_number_ = 0;
  std::size_t written_ = 0;
};

// Writes path with the bytes write_content gives to its OutputFile; throws FileAccessError naming
// path. A target that is not a regular file (a device such as /dev/null, a FIFO) is written
// directly and never removed; a FIFO that nobody reads is refused at once; a folder is refused. A
// symbolic link is followed, so the file it names is written (created if the link names nothing
// yet) and the link stays. A replaced file keeps its permissions (less setuid and setgid), its
// owner and group where the process may set them, else its group where it may. The file and its
// folder are flushed to the disk before the call returns.
// A scratch file (one unpacked into the program's private folder, thrown away at exit) is not
// flushed to the disk: a crash loses nothing the user had.
enum class Durability { Flushed, Scratch };
void WriteFileSafely(const std::string& path, const std::function<void(OutputFile&)>& write_content,
                     Durability durability = Durability::Flushed);

// Test seam: once limit bytes of a file have been written, every further write fails with
// error_number (ENOSPC: a disk that fills up mid-file). ClearWriteFault ends it.
void InjectWriteFault(std::size_t limit, int error_number);
void ClearWriteFault();

}  // namespace tremora
