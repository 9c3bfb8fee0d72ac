#include "record/Bundle.h"

#include <archive.h>
#include <archive_entry.h>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <strings.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <tuple>
#include <unistd.h>

#include "base/Errors.h"
#include "base/SafeFileWrite.h"
#include "base/TextCoding.h"
#include "base/TextFile.h"
#include "record/KnetFormat.h"

namespace tremora {

namespace {

bool EndsWithNoCase(std::string_view text, std::string_view ending) {
  return text.size() >= ending.size() &&
         ::strncasecmp(text.data() + text.size() - ending.size(), ending.data(), ending.size()) == 0;
}

constexpr const char* kComponentLabels[kMaxChannels] = {"NS", "EW", "UD"};

// What a member's file name makes of it: a component file (possibly gzip-compressed) of a record.
struct ComponentName {
  std::string base;
  int channel = 0;
  std::string sensor;
  bool gzip = false;
};

// The same rule as for files on disk: base, first period, then NS / EW / UD in any case with an
// optional digit for the KiK-net sensor.
std::optional<ComponentName> AsComponentName(std::string_view name) {
  ComponentName parts;
  parts.gzip = EndsWithNoCase(name, ".gz");
  if (parts.gzip) name.remove_suffix(3);
  const size_t period = name.find('.');
  if (period == std::string_view::npos || period == 0) return std::nullopt;
  const std::string_view extension = name.substr(period + 1);
  if (extension.size() != 2 && extension.size() != 3) return std::nullopt;
  parts.channel = -1;
  for (int ch = 0; ch < kMaxChannels; ++ch) {
    if (::strncasecmp(extension.data(), kComponentLabels[ch], 2) == 0) parts.channel = ch;
  }
  if (parts.channel < 0) return std::nullopt;
  if (extension.size() == 3) {
    if (extension[2] < '0' || extension[2] > '9') return std::nullopt;
    parts.sensor = extension.substr(2);
  }
  parts.base = name.substr(0, period);
  return parts;
}

// A member's path as folders and a file name, or a refusal when it would leave the bundle's
// folder: an absolute path, or ".." anywhere.
std::vector<std::string> SafePathParts(std::string_view raw, const std::string& bundle, const std::string& member) {
  if (raw.empty() || raw[0] == '/') {
    throw BundleError(bundle + ": member " + member + ": its path would leave the bundle's folder; nothing read");
  }
  std::vector<std::string> parts;
  while (!raw.empty()) {
    const size_t slash = raw.find('/');
    const std::string_view part = raw.substr(0, slash);
    raw = slash == std::string_view::npos ? std::string_view() : raw.substr(slash + 1);
    if (part == "..") {
      throw BundleError(bundle + ": member " + member + ": its path would leave the bundle's folder; nothing read");
    }
    if (!part.empty() && part != ".") parts.emplace_back(part);
  }
  return parts;
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string joined;
  for (const std::string& part : parts) joined += (joined.empty() ? "" : "/") + part;
  return joined;
}

std::string Folded(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string MiB(std::int64_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

using ArchivePtr = std::unique_ptr<archive, decltype(&archive_read_free)>;

// The decompressors libarchive has built in. Where it lacks the library for one, enabling it
// registers an outside program instead (ARCHIVE_WARN), found through PATH; a bundle must never run
// one, so each is tried on a throwaway reader first.
using FilterSupport = int (*)(archive*);
bool BuiltIn(FilterSupport support) {
  ArchivePtr probe(archive_read_new(), archive_read_free);
  return support(probe.get()) == ARCHIVE_OK;
}

ArchivePtr NewReader(bool tar) {
  static const bool gzip = BuiltIn(archive_read_support_filter_gzip);
  static const bool bzip2 = BuiltIn(archive_read_support_filter_bzip2);
  static const bool xz = BuiltIn(archive_read_support_filter_xz);
  static const bool zstd = BuiltIn(archive_read_support_filter_zstd);
  ArchivePtr reader(archive_read_new(), archive_read_free);
  if (gzip) archive_read_support_filter_gzip(reader.get());
  if (tar) {
    archive_read_support_format_tar(reader.get());
    if (bzip2) archive_read_support_filter_bzip2(reader.get());
    if (xz) archive_read_support_filter_xz(reader.get());
    if (zstd) archive_read_support_filter_zstd(reader.get());
  } else {
    archive_read_support_format_raw(reader.get());
  }
  return reader;
}

constexpr size_t kBlockBytes = 65536;

// An archive read from the member its parent is positioned at: archives inside archives are
// streamed, never unpacked whole. The buffer is on the heap: one lives for each nesting level.
struct ParentStream {
  archive* parent = nullptr;
  std::string error;  // the parent's own failure, when the stream broke there
  std::vector<char> buffer = std::vector<char>(kBlockBytes);
};

la_ssize_t ReadFromParent(archive*, void* data, const void** block) {
  auto* stream = static_cast<ParentStream*>(data);
  const la_ssize_t got = archive_read_data(stream->parent, stream->buffer.data(), stream->buffer.size());
  if (got < 0) {
    const char* why = archive_error_string(stream->parent);
    stream->error = why != nullptr ? why : "read error";
  }
  *block = stream->buffer.data();
  return got;
}

// The record a component file belongs to, while the bundle is read.
struct RecordSlot {
  BundleRecord record;
  std::string place;  // where its files are unpacked, below the folder: the first member's folder
  std::string refused;
};

class Unpacker {
 public:
  Unpacker(const std::string& bundle, const std::string& folder, const BundleLimits& limits,
           const BundleProgressCallback& progress)
      : bundle_(bundle), folder_(folder), limits_(limits), progress_(progress), buffer_(kBlockBytes) {}

  void ReadTop(std::int64_t bundle_bytes) {
    bundle_bytes_ = bundle_bytes;
    ArchivePtr reader = NewReader(true);
    top_ = reader.get();
    if (archive_read_open_filename(reader.get(), bundle_.c_str(), kBlockBytes) != ARCHIVE_OK) {
      throw BundleError(bundle_ + ": cannot be read as an archive (" + Reason(reader.get()) + ")");
    }
    ReadMembers(reader.get(), std::string(), nullptr, 1);
    top_ = nullptr;
  }

  // The records, in the listing's order; a refused one's files are removed and its message kept.
  std::vector<BundleRecord> TakeRecords(std::vector<std::string>& refused) {
    std::vector<BundleRecord> list;
    for (auto& [key, slot] : slots_) {
      if (slot.refused.empty()) {
        list.push_back(std::move(slot.record));
        continue;
      }
      refused.push_back(slot.refused);
      for (const std::string& file : slot.record.files) {
        if (!file.empty()) ::unlink(file.c_str());
      }
    }
    return list;
  }

  // Tells how far the reading of the bundle has come; the work stops when the callback says so.
  void Report(double fraction) const {
    if (progress_ && !progress_(BundleProgress{fraction, members_})) throw BundleCancelled();
  }

 private:
  static std::string Reason(archive* a, const ParentStream* stream = nullptr) {
    if (stream != nullptr && !stream->error.empty()) return stream->error;
    const char* why = archive_error_string(a);
    return why != nullptr ? why : "unknown error";
  }

  // The share of the bundle file read so far; the record headers take the last tenth.
  double UnpackedShare() const {
    if (top_ == nullptr || bundle_bytes_ <= 0) return 0;
    const double read = static_cast<double>(archive_filter_bytes(top_, -1));
    return 0.9 * std::min(1.0, read / static_cast<double>(bundle_bytes_));
  }

  // Every member of one archive; prefix is where the archive itself lies in the bundle ("" at
  // the top, "x.knt.tar.gz/" inside), depth how many archives hold it (1 for the bundle's own).
  void ReadMembers(archive* reader, const std::string& prefix, const ParentStream* stream, int depth) {
    std::string last;  // the last member read, to say where a damaged archive broke off
    for (;;) {
      archive_entry* entry = nullptr;
      const int status = archive_read_next_header(reader, &entry);
      if (status == ARCHIVE_EOF) return;
      if (status < ARCHIVE_WARN) {
        const std::string where = last.empty() ? prefix.empty() ? std::string() : "member " + prefix.substr(0, prefix.size() - 1) + ": "
                                               : "after member " + last + ": ";
        const std::string what = last.empty() && prefix.empty() ? "cannot be read as an archive" : "truncated or damaged";
        throw BundleError(bundle_ + ": " + where + what + " (" + Reason(reader, stream) + ")");
      }
      if (++members_ > limits_.max_members) {
        throw BundleError(bundle_ + ": more than " + std::to_string(limits_.max_members) +
                          " members, more than any download bundle holds; nothing read");
      }
      Report(UnpackedShare());
      const char* raw = archive_entry_pathname(entry);
      const std::string raw_path = raw != nullptr ? raw : "";
      last = prefix + VisibleText(raw_path);
      std::vector<std::string> parts = SafePathParts(raw_path, bundle_, last);
      if (archive_entry_filetype(entry) != AE_IFREG || parts.empty()) continue;
      // Names reach the terminal and the windows, and are the unpacked files' names: visible text.
      for (std::string& part : parts) part = VisibleText(part);
      const std::string inside = prefix + Joined(parts);
      if (IsBundleName(parts.back())) {
        ReadNested(reader, inside, stream, depth + 1);
      } else if (const std::optional<ComponentName> name = AsComponentName(parts.back())) {
        if (archive_entry_size_is_set(entry)) CheckSize(archive_entry_size(entry), last);
        Unpack(reader, FolderOf(inside), parts.back(), *name, stream, last);
      }
    }
  }

  void ReadNested(archive* parent, const std::string& inside, const ParentStream* parent_stream, int depth) {
    if (depth > limits_.max_depth) {
      throw BundleError(bundle_ + ": member " + inside + ": archives nested more than " +
                        std::to_string(limits_.max_depth) + " deep; nothing read");
    }
    ArchivePtr reader = NewReader(true);
    auto stream = std::make_unique<ParentStream>();
    stream->parent = parent;
    if (archive_read_open2(reader.get(), stream.get(), nullptr, ReadFromParent, nullptr, nullptr) != ARCHIVE_OK) {
      const std::string why = parent_stream != nullptr && !parent_stream->error.empty() ? parent_stream->error
                                                                                      : Reason(reader.get(), stream.get());
      throw BundleError(bundle_ + ": member " + inside + ": truncated or damaged (" + why + ")");
    }
    ReadMembers(reader.get(), inside + "/", stream.get(), depth);
  }

  void CheckSize(std::int64_t size, const std::string& member) const {
    if (size <= kMaxBundleMemberBytes) return;
    throw BundleError(bundle_ + ": member " + member + ": " + std::to_string(size) +
                      " bytes, more than any record file holds (at most " +
                      std::to_string(kMaxBundleMemberBytes >> 20) + " MiB); nothing read");
  }

  // The bundle's record files together may fill neither the limit nor the disk; the free space is
  // asked again every MiB, as other programs write to the same disk.
  void CountUnpacked(std::int64_t bytes) {
    total_bytes_ += bytes;
    if (total_bytes_ > limits_.max_total_bytes) {
      throw BundleError(bundle_ + ": its record files unpack to more than " + MiB(limits_.max_total_bytes) +
                        "; nothing read");
    }
    if (total_bytes_ < next_space_check_) return;
    next_space_check_ = total_bytes_ + (1 << 20);
    const std::optional<std::int64_t> free = limits_.free_bytes ? limits_.free_bytes(folder_) : std::nullopt;
    if (free && *free < limits_.free_margin_bytes) {
      throw BundleError(bundle_ + ": unpacking it would leave less than " + MiB(limits_.free_margin_bytes) +
                        " free on the temporary folder's disk (TMPDIR); nothing read");
    }
    Report(UnpackedShare());
  }

  // The slot of a component file: its folder, base and component compared without case.
  RecordSlot& SlotOf(const std::string& folder, const ComponentName& name) {
    RecordSlot& slot = slots_[{Folded(name.base), name.sensor, Folded(folder)}];
    if (slot.record.base.empty()) {
      slot.record.base = name.base;
      slot.record.sensor = name.sensor;
      slot.place = folder_ + (folder.empty() ? "" : "/" + folder);
    }
    return slot;
  }

  // Copies the member the reader is positioned at to its record's place in the folder (the
  // bundle's folder layout, the ".gz" of a compressed member taken off) and adds it to the record.
  void Unpack(archive* reader, const std::string& folder, const std::string& file_name, const ComponentName& name,
              const ParentStream* stream, const std::string& member) {
    RecordSlot& slot = SlotOf(folder, name);
    if (!slot.refused.empty()) return;
    const std::string& other = slot.record.members[name.channel];
    if (!other.empty()) {
      slot.refused = bundle_ + ":" + other + " and " + bundle_ + ":" + member + " are both the " +
                     kComponentLabels[name.channel] + name.sensor + " component of one record; that record is not read";
      return;
    }
    // Named as the record's first member spells its base, so that the loader finds the partners.
    std::string target = slot.place + "/" + slot.record.base + file_name.substr(name.base.size());
    if (name.gzip) target.resize(target.size() - 3);
    MakeFolders(slot.place, member);

    auto member_stream = std::make_unique<ParentStream>();  // a compressed member is read through a gzip filter of its own
    ArchivePtr gunzip(nullptr, archive_read_free);
    archive* source = reader;
    if (name.gzip) {
      gunzip = NewReader(false);
      member_stream->parent = reader;
      archive_entry* entry = nullptr;
      if (archive_read_open2(gunzip.get(), member_stream.get(), nullptr, ReadFromParent, nullptr, nullptr) != ARCHIVE_OK ||
          archive_read_next_header(gunzip.get(), &entry) != ARCHIVE_OK) {
        throw BundleError(bundle_ + ": member " + member + ": damaged compressed file (" +
                          Reason(gunzip.get(), member_stream.get()) + ")");
      }
      source = gunzip.get();
      stream = member_stream.get();
    }
    WriteFileSafely(
        target,
        [&](OutputFile& out) {
          std::int64_t total = 0;
          for (;;) {
            const la_ssize_t got = archive_read_data(source, buffer_.data(), buffer_.size());
            if (got == 0) break;
            if (got < 0) {
              throw BundleError(bundle_ + ": member " + member + ": truncated or damaged (" + Reason(source, stream) +
                                ")");
            }
            total += got;
            CheckSize(total, member);
            CountUnpacked(got);
            if (!out.Write(buffer_.data(), static_cast<size_t>(got))) break;
          }
        },
        Durability::Scratch);

    slot.record.members[name.channel] = member;
    slot.record.files[name.channel] = target;
  }

  // The folders of a target inside the private folder; a member whose folder is taken by a file
  // of an earlier member cannot be placed.
  void MakeFolders(const std::string& folder, const std::string& member) const {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder)) {
      throw BundleError(bundle_ + ": member " + member + ": cannot be placed (" +
                        (error ? error.message() : std::string("a file of the bundle stands in its folder's place")) +
                        ")");
    }
  }

  const std::string& bundle_;
  const std::string& folder_;
  const BundleLimits& limits_;
  const BundleProgressCallback& progress_;
  std::vector<char> buffer_;
  archive* top_ = nullptr;
  std::int64_t bundle_bytes_ = 0;
  std::int64_t members_ = 0;
  std::int64_t total_bytes_ = 0;
  std::int64_t next_space_check_ = 0;
  // Ordered as a listing shows them: by file name, then sensor, then where they lie.
  std::map<std::tuple<std::string, std::string, std::string>, RecordSlot> slots_;
};

void ReadFirstHeader(BundleRecord& record) {
  record.first = 0;
  while (record.first < kMaxChannels - 1 && record.files[record.first].empty()) ++record.first;
  try {
    record.header = ParseKnetHeader(ReadWholeFile(record.FirstFile()), record.FirstFile());
  } catch (const RecordFormatError& error) {
    record.header_problem = error.what();
  } catch (const FileAccessError& error) {
    record.header_problem = error.what();
  }
}

}  // namespace

bool IsBundleName(std::string_view path) {
  const std::string_view name = FileNameOf(path);
  return EndsWithNoCase(name, ".tar") || EndsWithNoCase(name, ".tar.gz") || EndsWithNoCase(name, ".tgz");
}

std::string Bundle::Shown(std::string_view text) const {
  const std::string inside = folder + "/";
  const std::string outside = path + ":";
  std::string shown;
  size_t from = 0;
  for (size_t at; (at = text.find(inside, from)) != std::string_view::npos; from = at + inside.size()) {
    shown.append(text.substr(from, at - from)).append(outside);
  }
  return shown.append(text.substr(from));
}

std::optional<std::int64_t> FreeBytesOf(const std::string& folder) {
  struct statvfs disk;
  if (::statvfs(folder.c_str(), &disk) != 0) return std::nullopt;
  return static_cast<std::int64_t>(disk.f_bavail) * static_cast<std::int64_t>(disk.f_frsize);
}

Bundle OpenBundle(const std::string& path, const std::string& folder, const BundleLimits& limits,
                  const BundleProgressCallback& progress) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) throw BundleError(path + ": " + std::strerror(errno));
  if (S_ISDIR(info.st_mode)) throw BundleError(path + ": is a folder, not a bundle");
  if (!S_ISREG(info.st_mode)) throw BundleError(path + ": not a regular file");
  Bundle bundle{path, folder, {}, {}};
  try {
    Unpacker unpacker(path, folder, limits, progress);
    unpacker.ReadTop(info.st_size);
    bundle.records = unpacker.TakeRecords(bundle.refused);
    for (size_t i = 0; i < bundle.records.size(); ++i) {
      unpacker.Report(0.9 + 0.1 * static_cast<double>(i) / static_cast<double>(bundle.records.size()));
      ReadFirstHeader(bundle.records[i]);
    }
  } catch (...) {
    // Nothing of a bundle that was not read stays on the disk.
    std::error_code ignored;
    std::vector<std::filesystem::path> unpacked;
    for (std::filesystem::directory_iterator entry(folder, ignored), end; !ignored && entry != end;
         entry.increment(ignored)) {
      unpacked.push_back(entry->path());
    }
    for (const std::filesystem::path& path : unpacked) std::filesystem::remove_all(path, ignored);
    throw;
  }
  return bundle;
}

double EpicentralDistanceKm(const RecordHeader& header) {
  constexpr double kEarthRadiusKm = 6371.0;
  constexpr double kRadian = 3.14159265358979323846 / 180.0;
  const double lat1 = header.EpicentreLatitude * kRadian;
  const double lat2 = header.StationLatitude * kRadian;
  const double dlat = lat2 - lat1;
  const double dlon = (header.StationLongitude - header.EpicentreLongitude) * kRadian;
  const double h = std::sin(dlat / 2) * std::sin(dlat / 2) +
                   std::cos(lat1) * std::cos(lat2) * std::sin(dlon / 2) * std::sin(dlon / 2);
  return 2 * kEarthRadiusKm * std::asin(std::min(1.0, std::sqrt(h)));
}

}  // namespace tremora
