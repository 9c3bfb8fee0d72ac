#include "record/SafeFileWrite.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <memory>
#include <sys/mount.h>
#include <sys/sysmacros.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TempFolder.h"
#include "core/wave/SampleRecords.h"
#include "record/Errors.h"
#include "record/KnetFormat.h"
#include "record/KnetLoading.h"
#include "record/StationNamedCopies.h"
#include "record/TextFile.h"
#include "spectrum/SpectrumCsv.h"
#include "wave/KnetRecordLoad.h"
#include "wave/WaveCsv.h"

namespace tremora {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;

constexpr const char* kYesterday = "yesterday's file, which must survive\r\n";

// Names left in a folder: no temporary file may stay behind.
std::vector<std::string> NamesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

struct FaultGuard {
  FaultGuard(std::size_t limit, int error_number) { InjectWriteFault(limit, error_number); }
  ~FaultGuard() { ClearWriteFault(); }
};

// Issue 10: every writer of the core, saving over an existing file on a disk that fills up.
TEST(SafeFileWrite, AFailedSaveOverAFileOfEveryWriterKeepsTheOldFileAndLeavesNoTemporary) {
  TempFolder folder("safe-write");
  auto record = std::make_unique<RecordSet>();
  LoadKnetRecordCore(*record, LoadStationTables(TREMORA_DATA_DIR).tables,
                     testing::RecordPath("AOM0011801241951.NS"), true, true);
  record->RecordLoaded = true;
  const DisplayedSection section = ChooseDisplayedSection(1156, 5.0f, record->SampleCount, record->SamplingInterval);
  auto spectra = std::make_unique<SpectrumSet>();
  const PeriodGrid grid = MakePeriodGrid();
  const DampingRatios ratios = DampingSet(DampingMultiplier::X1);
  const struct {
    const char* name;
    std::function<void(const std::string&)> write;
  } writers[] = {
      {"text", [](const std::string& path) { WriteWholeFile(path, std::string(5000, 'x')); }},
      {"K-NET file",
       [&](const std::string& path) {
         WriteKnetFile(path, record->ComponentPaths[1], record->Acceleration[0].data(), record->SampleCount,
                       record->Header.ScaleFactor);
       }},
      {"waveform CSV", [&](const std::string& path) { WriteWaveCsv(path, *record, section, WaveQuantity::Acceleration); }},
      {"spectrum CSV", [&](const std::string& path) { WriteSpectrumCsv(path, *record, grid, ratios, *spectra); }},
  };
  for (const auto& writer : writers) {
    const std::string target = folder.Write("old.csv", kYesterday);
    {
      FaultGuard full_disk(100, ENOSPC);
      try {
        writer.write(target);
        ADD_FAILURE() << writer.name << ": a failed write was reported as success";
      } catch (const FileAccessError& error) {
        EXPECT_EQ(error.error_number(), ENOSPC) << writer.name;
        EXPECT_EQ(error.path(), target) << writer.name;
      }
    }
    EXPECT_EQ(ReadFileBytes(target), kYesterday) << writer.name;
    EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{"old.csv"}) << writer.name;
  }

  // The station-named copies go through the same writer.
  record->DataFolder = folder.path().string();
  const std::vector<std::string> targets = StationNamedCopyTargets(*record);
  WriteWholeFile(targets[0], kYesterday);
  {
    FaultGuard full_disk(100, ENOSPC);
    EXPECT_THROW(MakeStationNamedCopies(*record), FileAccessError);
  }
  EXPECT_EQ(ReadFileBytes(targets[0]), kYesterday);
}

TEST(SafeFileWrite, AReplacedFileKeepsItsPermissionsAndALinkStillNamesIt) {
  TempFolder folder("safe-write");
  const std::string target = folder.Write("data.csv", kYesterday);
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  std::filesystem::create_symlink(target, folder / "link.csv");
  WriteWholeFile(folder / "link.csv", "new\r\n");
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.csv"));
  EXPECT_EQ(ReadFileBytes(target), "new\r\n");
  struct stat info;
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(NamesIn(folder.path()), (std::vector<std::string>{"data.csv", "link.csv"}));
}

TEST(SafeFileWrite, ADeviceIsWrittenDirectlyAndNeverRemovedAndAFolderIsRefused) {
  TempFolder folder("safe-write");
  std::string device = "/dev/null";
  // As root a copy of the node shows that it is not replaced by a regular file.
  if (::geteuid() == 0 && ::mknod((folder / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) device = folder / "null";
  WriteWholeFile(device, "discarded");
  struct stat info;
  ASSERT_EQ(::stat(device.c_str(), &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode));
  try {
    WriteWholeFile("/dev/full", "no room");
    ADD_FAILURE() << "a write to /dev/full was reported as success";
  } catch (const FileAccessError& error) {
    EXPECT_EQ(error.error_number(), ENOSPC);
  }
  ASSERT_EQ(::stat("/dev/full", &info), 0);
  EXPECT_THROW(WriteWholeFile(folder.path().string(), "x"), FileAccessError);
  EXPECT_TRUE(std::filesystem::is_directory(folder.path()));
}

// The same as the first test on a real file system that is full, where one can be mounted.
TEST(SafeFileWrite, ASaveOnAFullFileSystemKeepsTheOldFile) {
  TempFolder folder("safe-write");
  const std::string mount_point = folder / "tmpfs";
  std::filesystem::create_directories(mount_point);
  if (::mount("tmpfs", mount_point.c_str(), "tmpfs", 0, "size=64k") != 0) GTEST_SKIP() << "cannot mount a tmpfs here";
  const std::string target = mount_point + "/old.csv";
  WriteWholeFile(target, kYesterday);
  std::string filler(4096, 'f');
  try {
    for (int i = 0; i < 64; ++i) WriteWholeFile(mount_point + "/fill" + std::to_string(i), filler);
  } catch (const FileAccessError&) {
  }
  EXPECT_THROW(WriteWholeFile(target, std::string(65536, 'n')), FileAccessError);
  EXPECT_EQ(ReadFileBytes(target), kYesterday);
  ::umount(mount_point.c_str());
}

}  // namespace
}  // namespace tremora
