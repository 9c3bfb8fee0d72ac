#pragma once
// NIED's download bundles: an event's .tar holding a .knt.tar.gz and a .kik.tar.gz, or one of those
// alone, each holding the component files of every station that recorded the event. A bundle is
// read where it lies: its record files are unpacked, in one pass, into a private folder and read
// from there by the same loaders as files on disk, so every result is the same as from the
// unpacked files.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "record/RecordSet.h"

namespace tremora {

// A bundle that cannot be read: not an archive, truncated or damaged, a member too large to be a
// record file, a member whose path would leave the bundle's folder. The message names the bundle
// and, where there is one, the member.
class BundleError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The user stopped the unpacking (the progress callback answered false); nothing was kept.
class BundleCancelled : public std::runtime_error {
 public:
  BundleCancelled() : std::runtime_error("unpacking cancelled") {}
};

// No record file comes near this size (70 000 samples of a K-NET file are under 1 MB); a member
// above it is refused before it fills the disk.
constexpr std::int64_t kMaxBundleMemberBytes = 16 << 20;

// Bytes this user may still write to the file system that holds folder; nullopt when it cannot be
// told (statvfs).
std::optional<std::int64_t> FreeBytesOf(const std::string& folder);

// What a bundle may hold before it is refused, so that a hostile or broken one can neither exhaust
// the stack nor fill the disk. NIED's bundles nest two deep and hold a few thousand members.
struct BundleLimits {
  int max_depth = 8;                             // archives inside archives, the bundle itself counted
  std::int64_t max_members = 200'000;            // members of every archive at every depth
  std::int64_t max_total_bytes = 4LL << 30;      // record files unpacked, all together
  std::int64_t free_margin_bytes = 64LL << 20;   // left free on the disk unpacked into
  std::function<std::optional<std::int64_t>(const std::string& folder)> free_bytes = FreeBytesOf;
};

// How far the unpacking has gone, 0 to 1, and the members seen so far.
struct BundleProgress {
  double fraction = 0;
  std::int64_t members = 0;
};
// Called often while a bundle is opened (every member, every MiB); false stops the work.
using BundleProgressCallback = std::function<bool(const BundleProgress&)>;

// True when a file name ends in ".tar", ".tar.gz" or ".tgz", in any case.
bool IsBundleName(std::string_view path);

// A folder of this process alone (mode 0700, under $TMPDIR, else /tmp, named with the process id:
// record/PrivateFolders.h), removed with everything in it when the object goes. Throws
// FileAccessError when it cannot be made.
class PrivateFolder {
 public:
  PrivateFolder();
  ~PrivateFolder();
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;
  const std::string& path() const { return path_; }
  // A new empty folder inside ("1", "2", ...), for one bundle's files.
  std::string NewSubfolder();

 private:
  std::string path_;
  int subfolders_ = 0;
};

// One record of a bundle: the component files of one station, time and sensor.
struct BundleRecord {
  std::string base;    // file name before the extension: "NGNH311106302345"
  std::string sensor;  // the extension's digit: "" for K-NET, "1" KiK-net borehole, "2" KiK-net surface
  bool kiknet() const { return !sensor.empty(); }
  // NS, EW, UD in the bundle ("x.knt.tar.gz/B.NS"), made visible text; empty: absent
  std::array<std::string, kMaxChannels> members;
  std::array<std::string, kMaxChannels> files;    // the unpacked files; empty: absent
  int first = 0;                                  // channel of the first component present
  const std::string& FirstFile() const { return files[first]; }
  const std::string& FirstMember() const { return members[first]; }
  // Header values of the first component; header_problem tells why they are missing (a file that
  // is no K-NET file) and is empty when they were read.
  RecordHeader header;
  std::string header_problem;
};

struct Bundle {
  std::string path;    // the bundle as named
  std::string folder;  // where its record files were unpacked
  std::vector<BundleRecord> records;  // ordered by file name: base, then sensor
  // Records left out, each with its message: two members of the bundle for one component.
  std::vector<std::string> refused;
  // text with every path of an unpacked file written as "BUNDLE:MEMBER", the way a user finds it
  std::string Shown(std::string_view text) const;
};

// Unpacks the record files of the bundle at path into folder (an empty private folder), descending
// into archives inside it (.tar, .tar.gz, .tgz up to limits.max_depth), members plain or
// gzip-compressed (".gz"). A member is a record file when its name, without ".gz", is a K-NET /
// KiK-net component file name: base + ".NS", ".EW" or ".UD" with an optional sensor digit, in any
// case; members whose folder, base and component differ only in case, "./" or ".gz" are one
// component, and a record with two members for one is refused (Bundle::refused). Only the
// decompressors built into the library are used, never an outside program. Throws BundleError for
// a bundle that cannot be read (missing, a folder, not an archive, damaged, beyond a limit),
// FileAccessError when folder cannot be written and BundleCancelled when progress answered false;
// then folder is left empty.
Bundle OpenBundle(const std::string& path, const std::string& folder, const BundleLimits& limits = {},
                  const BundleProgressCallback& progress = {});

// Epicentral distance in km from the header's epicentre and station coordinates (great circle on
// a sphere of the Earth's mean radius).
double EpicentralDistanceKm(const RecordHeader& header);

}  // namespace tremora
