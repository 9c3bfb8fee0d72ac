#include "record/Bundle.h"

#include <archive.h>
#include <archive_entry.h>
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
#include <tuple>
#include <unistd.h>

#include "record/Errors.h"
#include "record/KnetFormat.h"
#include "record/SafeFileWrite.h"
#include "record/TextFile.h"

namespace tremora {

namespace {

bool EndsWithNoCase(std::string_view text, std::string_view ending) {
  return text.size() >= ending.size() &&
         ::strncasecmp(text.data() + text.size() - ending.size(), ending.data(), ending.size()) == 0;
}

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
  static constexpr const char* kComponents[kMaxChannels] = {"NS", "EW", "UD"};
  parts.channel = -1;
  for (int ch = 0; ch < kMaxChannels; ++ch) {
    if (::strncasecmp(extension.data(), kComponents[ch], 2) == 0) parts.channel = ch;
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

using ArchivePtr = std::unique_ptr<archive, decltype(&archive_read_free)>;

// An archive read from the member its parent is positioned at: archives inside archives are
// streamed, never unpacked whole.
struct ParentStream {
  archive* parent = nullptr;
  std::string error;  // the parent's own failure, when the stream broke there
  char buffer[65536];
};

la_ssize_t ReadFromParent(archive*, void* data, const void** block) {
  auto* stream = static_cast<ParentStream*>(data);
  const la_ssize_t got = archive_read_data(stream->parent, stream->buffer, sizeof stream->buffer);
  if (got < 0) {
    const char* why = archive_error_string(stream->parent);
    stream->error = why != nullptr ? why : "read error";
  }
  *block = stream->buffer;
  return got;
}

class Unpacker {
 public:
  Unpacker(const std::string& bundle, const std::string& folder) : bundle_(bundle), folder_(folder) {}

  void ReadTop() {
    ArchivePtr reader(archive_read_new(), archive_read_free);
    archive_read_support_format_tar(reader.get());
    archive_read_support_filter_all(reader.get());
    if (archive_read_open_filename(reader.get(), bundle_.c_str(), 65536) != ARCHIVE_OK) {
      throw BundleError(bundle_ + ": cannot be read as an archive (" + Reason(reader.get()) + ")");
    }
    ReadMembers(reader.get(), std::string(), nullptr);
  }

  std::vector<BundleRecord> TakeRecords() {
    std::vector<BundleRecord> list;
    for (auto& [key, record] : records_) list.push_back(std::move(record));
    return list;
  }

 private:
  static std::string Reason(archive* a, const ParentStream* stream = nullptr) {
    if (stream != nullptr && !stream->error.empty()) return stream->error;
    const char* why = archive_error_string(a);
    return why != nullptr ? why : "unknown error";
  }

  // Every member of one archive; prefix is where the archive itself lies in the bundle ("" at
  // the top, "x.knt.tar.gz/" inside).
  void ReadMembers(archive* reader, const std::string& prefix, const ParentStream* stream) {
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
      const char* raw = archive_entry_pathname(entry);
      const std::string raw_path = raw != nullptr ? raw : "";
      last = prefix + raw_path;
      const std::vector<std::string> parts = SafePathParts(raw_path, bundle_, last);
      if (archive_entry_filetype(entry) != AE_IFREG || parts.empty()) continue;
      const std::string inside = prefix + Joined(parts);
      if (IsBundleName(parts.back())) {
        ReadNested(reader, inside, stream);
      } else if (const std::optional<ComponentName> name = AsComponentName(parts.back())) {
        if (archive_entry_size_is_set(entry)) CheckSize(archive_entry_size(entry), last);
        Unpack(reader, inside, *name, stream, last);
      }
    }
  }

  void ReadNested(archive* parent, const std::string& inside, const ParentStream* parent_stream) {
    ArchivePtr reader(archive_read_new(), archive_read_free);
    archive_read_support_format_tar(reader.get());
    archive_read_support_filter_all(reader.get());
    ParentStream stream;
    stream.parent = parent;
    if (archive_read_open2(reader.get(), &stream, nullptr, ReadFromParent, nullptr, nullptr) != ARCHIVE_OK) {
      const std::string why = parent_stream != nullptr && !parent_stream->error.empty() ? parent_stream->error
                                                                                      : Reason(reader.get(), &stream);
      throw BundleError(bundle_ + ": member " + inside + ": truncated or damaged (" + why + ")");
    }
    ReadMembers(reader.get(), inside + "/", &stream);
  }

  void CheckSize(std::int64_t size, const std::string& member) const {
    if (size <= kMaxBundleMemberBytes) return;
    throw BundleError(bundle_ + ": member " + member + ": " + std::to_string(size) +
                      " bytes, more than any record file holds (at most " +
                      std::to_string(kMaxBundleMemberBytes >> 20) + " MiB); nothing read");
  }

  // Copies the member the reader is positioned at to its place in the folder (the bundle's folder
  // layout, the ".gz" of a compressed member taken off) and adds it to its record.
  void Unpack(archive* reader, const std::string& inside, const ComponentName& name, const ParentStream* stream,
              const std::string& member) {
    std::string target = folder_ + "/" + inside;
    if (name.gzip) target.resize(target.size() - 3);
    MakeFolders(FolderOf(target), member);

    ParentStream member_stream;  // a compressed member is read through a gzip filter of its own
    ArchivePtr gunzip(nullptr, archive_read_free);
    archive* source = reader;
    if (name.gzip) {
      gunzip.reset(archive_read_new());
      archive_read_support_format_raw(gunzip.get());
      archive_read_support_filter_gzip(gunzip.get());
      member_stream.parent = reader;
      archive_entry* entry = nullptr;
      if (archive_read_open2(gunzip.get(), &member_stream, nullptr, ReadFromParent, nullptr, nullptr) != ARCHIVE_OK ||
          archive_read_next_header(gunzip.get(), &entry) != ARCHIVE_OK) {
        throw BundleError(bundle_ + ": member " + member + ": damaged compressed file (" +
                          Reason(gunzip.get(), &member_stream) + ")");
      }
      source = gunzip.get();
      stream = &member_stream;
    }
    WriteFileSafely(
        target,
        [&](OutputFile& out) {
          char buffer[65536];
          std::int64_t total = 0;
          for (;;) {
            const la_ssize_t got = archive_read_data(source, buffer, sizeof buffer);
            if (got == 0) break;
            if (got < 0) {
              throw BundleError(bundle_ + ": member " + member + ": truncated or damaged (" + Reason(source, stream) +
                                ")");
            }
            total += got;
            CheckSize(total, member);
            if (!out.Write(buffer, static_cast<size_t>(got))) break;
          }
        },
        Durability::Scratch);

    BundleRecord& record = records_[{name.base, name.sensor, FolderOf(inside)}];
    record.base = name.base;
    record.sensor = name.sensor;
    record.members[name.channel] = member;
    record.files[name.channel] = target;
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
  // Ordered as a listing shows them: by file name, then sensor, then where they lie.
  std::map<std::tuple<std::string, std::string, std::string>, BundleRecord> records_;
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

Bundle OpenBundle(const std::string& path, const std::string& folder) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) throw BundleError(path + ": " + std::strerror(errno));
  if (S_ISDIR(info.st_mode)) throw BundleError(path + ": is a folder, not a bundle");
  if (!S_ISREG(info.st_mode)) throw BundleError(path + ": not a regular file");
  Bundle bundle{path, folder, {}};
  Unpacker unpacker(path, folder);
  unpacker.ReadTop();
  bundle.records = unpacker.TakeRecords();
  for (BundleRecord& record : bundle.records) ReadFirstHeader(record);
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
