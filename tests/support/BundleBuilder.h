#pragma once
// Builds download bundles for the tests with libarchive's writer: a tar or gzip-compressed tar of
// named members, and gzip-compressed single files, in memory.

#include <archive.h>
#include <archive_entry.h>

#include <string>
#include <utility>
#include <vector>

#include "TempFolder.h"

namespace tremora::testing {

using Members = std::vector<std::pair<std::string, std::string>>;  // member path, content

enum class Packing { Tar, TarGz, Gzip };

inline std::string Pack(const Members& members, Packing packing) {
  archive* writer = archive_write_new();
  if (packing == Packing::Gzip) {
    archive_write_set_format_raw(writer);
  } else {
    archive_write_set_format_pax_restricted(writer);
  }
  if (packing != Packing::Tar) archive_write_add_filter_gzip(writer);
  archive_write_set_bytes_in_last_block(writer, 1);
  size_t total = 0;
  for (const auto& member : members) total += member.second.size();
  std::vector<char> buffer(total + total / 8 + (1u << 20));  // room for headers and gzip's worst case
  size_t used = 0;
  archive_write_open_memory(writer, buffer.data(), buffer.size(), &used);
  for (const auto& [path, content] : members) {
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, path.c_str());
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_entry_set_perm(entry, 0644);
    archive_entry_set_size(entry, static_cast<la_int64_t>(content.size()));
    archive_write_header(writer, entry);
    archive_write_data(writer, content.data(), content.size());
    archive_entry_free(entry);
  }
  archive_write_close(writer);
  archive_write_free(writer);
  return std::string(buffer.data(), used);
}

inline std::string Gzip(const std::string& content) { return Pack({{"x", content}}, Packing::Gzip); }

// The sample records' files, as members named by their file names.
inline Members SampleMembers(const std::vector<std::string>& names, const std::string& prefix = "") {
  Members members;
  for (const std::string& name : names) {
    members.emplace_back(prefix + name, ReadFileBytes(std::string(TREMORA_RECORDS_DIR) + "/" + name));
  }
  return members;
}

inline const std::vector<std::string> kKnetSampleFiles = {"AOM0011801241951.EW", "AOM0011801241951.NS",
                                                          "AOM0011801241951.UD"};
inline const std::vector<std::string> kKiknetSampleFiles = {
    "NGNH311106302345.EW1", "NGNH311106302345.EW2", "NGNH311106302345.NS1",
    "NGNH311106302345.NS2", "NGNH311106302345.UD1", "NGNH311106302345.UD2"};

// An event's bundle in NIED's layout: one .tar holding a .knt.tar.gz and a .kik.tar.gz.
inline std::string EventBundle() {
  return Pack({{"20180124195100.knt.tar.gz", Pack(SampleMembers(kKnetSampleFiles), Packing::TarGz)},
               {"20180124195100.kik.tar.gz", Pack(SampleMembers(kKiknetSampleFiles), Packing::TarGz)}},
              Packing::Tar);
}

// A bundle of depth archives, each the only member of the one around it, the innermost holding the
// K-NET sample record: NIED's event bundles are two deep.
inline std::string NestedBundle(int depth) {
  std::string inner = Pack(SampleMembers(kKnetSampleFiles), Packing::Tar);
  for (int level = depth - 1; level >= 1; --level) {
    inner = Pack({{"level" + std::to_string(level + 1) + ".tar", inner}}, Packing::Tar);
  }
  return inner;
}

}  // namespace tremora::testing
