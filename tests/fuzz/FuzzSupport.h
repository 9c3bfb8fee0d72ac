#pragma once
// Helpers shared by the fuzz targets: a scratch folder of this process for the readers that take
// a path, and small station tables so that lookups stay cheap.

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "record/StationTables.h"

namespace tremora::fuzzing {

// A folder of its own for this process (parallel fuzzing jobs never share files), under $TMPDIR,
// removed when the process ends normally.
class ScratchFolder {
 public:
  ScratchFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/tremora-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string File(std::string_view name) const { return path_ + "/" + std::string(name); }

  // Replaces the file by a new one with content; aborts when the scratch folder cannot be written,
  // which is a fault of the machine, not of the code under test. The old file is unlinked rather
  // than truncated: ext4 flushes a truncated file to disk when it is closed, which would make each
  // input take milliseconds.
  void Write(const std::string& file, std::string_view content) const {
    ::unlink(file.c_str());
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0) std::abort();
    size_t done = 0;
    while (done < content.size()) {
      const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
      if (n <= 0) std::abort();
      done += static_cast<size_t>(n);
    }
    ::close(fd);
  }
  void Remove(const std::string& file) const { ::unlink(file.c_str()); }

 private:
  std::string path_;
};

// A few rows of each table, with the codes of the seed records, so that found and unknown
// stations both occur.
inline const StationTables& SmallStationTables() {
  static const StationTables tables = [] {
    StationTables t;
    FillSiteTables(t,
                   "AOM001,大間,K-NET,青森県大間町,N41.5267 E140.9244 H39m\r\n"
                   "AKT013,本荘,K-NET,秋田県由利本荘市,N39.3873 E140.0508 H21m\r\n"
                   "NGNH31,豊野,KiK-net,長野県長野市,N36.8297 E138.2925 H340m\r\n");
    FillHrsmTable(t,
                  "HRS01,中消防署,広島市中区,132.455,34.389\r\n"
                  "HRS02,東消防署,広島市東区,132.482,34.402\r\n");
    return t;
  }();
  return tables;
}

// Stops the run with a crash report when a property of the code under test does not hold.
inline void Require(bool holds) {
  if (!holds) __builtin_trap();
}

}  // namespace tremora::fuzzing
