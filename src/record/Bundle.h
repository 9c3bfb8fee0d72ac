#pragma once
// NIED's download bundles: an event's .tar holding a .knt.tar.gz and a .kik.tar.gz, or one of those
// alone, each holding the component files of every station that recorded the event. A bundle is
// read where it lies: its record files are unpacked, in one pass, into a private folder and read
// from there by the same loaders as files on disk, so every result is the same as from the
// unpacked files.

#include <array>
#include <cstdint>
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

// No record file comes near this size (70 000 samples of a K-NET file are under 1 MB); a member
// above it is refused before it fills the disk.
constexpr std::int64_t kMaxBundleMemberBytes = 16 << 20;

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
  std::array<std::string, kMaxChannels> members;  // NS, EW, UD in the bundle ("x.knt.tar.gz/B.NS"); empty: absent
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
  // text with every path of an unpacked file written as "BUNDLE:MEMBER", the way a user finds it
  std::string Shown(std::string_view text) const;
};

// Unpacks the record files of the bundle at path into folder (an empty private folder), descending
// into archives inside it (.tar, .tar.gz, .tgz at any depth), members plain or gzip-compressed
// (".gz"). A member is a record file when its name, without ".gz", is a K-NET / KiK-net component
// file name: base + ".NS", ".EW" or ".UD" with an optional sensor digit, in any case. Throws
// BundleError for a bundle that cannot be read (missing, a folder, not an archive, damaged) and
// FileAccessError when folder cannot be written.
Bundle OpenBundle(const std::string& path, const std::string& folder);

// Epicentral distance in km from the header's epicentre and station coordinates (great circle on
// a sphere of the Earth's mean radius).
double EpicentralDistanceKm(const RecordHeader& header);

}  // namespace tremora
