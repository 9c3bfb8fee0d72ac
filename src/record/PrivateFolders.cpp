#include "record/PrivateFolders.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <set>
#include <string_view>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Errors.h"
#include "record/Bundle.h"

namespace tremora {

namespace {

constexpr std::string_view kPrefix = "tremora-";

// The folders this process holds. The lock is also held while a folder is made, so that a removal
// of them all sees each folder that exists on disk.
struct Registry {
  std::mutex lock;
  std::set<std::string> folders;
};

Registry& Folders() {
  static Registry* registry = new Registry;  // never destroyed: a removal may run during the exit
  return *registry;
}

// Removes path and everything in it. A file being unpacked into it meanwhile can make one pass
// fail (a folder no longer empty); once the top folder is gone nothing can be made inside again,
// so a few passes end it.
void RemoveTree(const std::string& path) {
  for (int pass = 0; pass < 100; ++pass) {
    std::error_code error;
    std::filesystem::remove_all(path, error);
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0 && errno == ENOENT) return;
  }
}

// The process id in a private folder's name "tremora-<pid>-XXXXXX" (mkdtemp's six letters and
// digits); 0 when the name is not one.
pid_t OwnerInName(std::string_view name) {
  if (name.substr(0, kPrefix.size()) != kPrefix) return 0;
  name.remove_prefix(kPrefix.size());
  const size_t dash = name.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash > 9 || name.size() - dash - 1 != 6) return 0;
  long pid = 0;
  for (size_t i = 0; i < dash; ++i) {
    if (name[i] < '0' || name[i] > '9') return 0;
    pid = pid * 10 + (name[i] - '0');
  }
  for (const char c : name.substr(dash + 1)) {
    if (!std::isalnum(static_cast<unsigned char>(c))) return 0;
  }
  return static_cast<pid_t>(pid);
}

}  // namespace

std::string PrivateFoldersBase() {
  const char* base = std::getenv("TMPDIR");
  return base != nullptr && *base != '\0' ? base : "/tmp";
}

PrivateFolder::PrivateFolder() {
  std::string pattern = PrivateFoldersBase() + "/" + std::string(kPrefix) + std::to_string(::getpid()) + "-XXXXXX";
  Registry& registry = Folders();
  const std::lock_guard<std::mutex> held(registry.lock);
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw FileAccessError(FileAccessError::Operation::Write, pattern, errno);
  }
  path_ = pattern;
  registry.folders.insert(path_);
}

PrivateFolder::~PrivateFolder() {
  Registry& registry = Folders();
  const std::lock_guard<std::mutex> held(registry.lock);
  if (registry.folders.erase(path_) != 0) RemoveTree(path_);
}

std::string PrivateFolder::NewSubfolder() {
  const std::string folder = path_ + "/" + std::to_string(++subfolders_);
  if (::mkdir(folder.c_str(), 0700) != 0) throw FileAccessError(FileAccessError::Operation::Write, folder, errno);
  return folder;
}

void HoldPrivateFolders() {
  // Held until the process ends: a thread still at work waits at its next folder instead of
  // carrying on (and telling of files that vanished) or ending the process with its own status.
  Folders().lock.lock();
}

void RemoveOwnPrivateFolders() {
  Registry& registry = Folders();
  for (const std::string& folder : registry.folders) RemoveTree(folder);
  registry.folders.clear();
}

int RemoveStalePrivateFolders() {
  int removed = 0;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(PrivateFoldersBase(), error), end; !error && entry != end;
       entry.increment(error)) {
    const pid_t owner = OwnerInName(entry->path().filename().native());
    if (owner <= 0) continue;
    // A directory itself (not a link to one) of this user, whose process is gone. A reused
    // process id keeps the folder until that process ends too: never one too many removed.
    struct stat info;
    const std::string path = entry->path().string();
    if (::lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) continue;
    if (::kill(owner, 0) == 0 || errno != ESRCH) continue;
    RemoveTree(path);
    ++removed;
  }
  return removed;
}

}  // namespace tremora
