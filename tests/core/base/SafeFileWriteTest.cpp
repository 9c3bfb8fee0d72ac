#include "base/SafeFileWrite.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <memory>
#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/sysmacros.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TempFolder.h"
#include "core/wave/SampleRecords.h"
#include "base/Errors.h"
#include "record/KnetFormat.h"
#include "record/KnetLoading.h"
#include "record/StationNamedCopies.h"
#include "base/TextFile.h"
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

// Issue 22: a link that names no file yet is written through, relative to the link's own folder,
// whether it is one link or a chain of them; the links stay links.
TEST(SafeFileWrite, ADanglingLinkIsWrittenThroughAndStaysALink) {
  TempFolder folder("safe-write");
  std::filesystem::create_directories(folder / "links");
  std::filesystem::create_directories(folder / "out");
  std::filesystem::create_symlink("../out/new.csv", folder / "links/relative.csv");
  std::filesystem::create_symlink(folder / "links/relative.csv", folder / "chain.csv");
  WriteWholeFile(folder / "chain.csv", "through two links\r\n");
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "chain.csv"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "links/relative.csv"));
  EXPECT_EQ(ReadFileBytes(folder / "out/new.csv"), "through two links\r\n");
  EXPECT_EQ(NamesIn(folder / "out"), std::vector<std::string>{"new.csv"});

  std::filesystem::create_symlink("loop.csv", folder / "loop.csv");
  try {
    WriteWholeFile(folder / "loop.csv", "x");
    ADD_FAILURE() << "a link to itself was written";
  } catch (const FileAccessError& error) {
    EXPECT_EQ(error.error_number(), ELOOP);
  }
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "loop.csv"));
}

// Issue 22: the longest name a folder holds can be written, and over again.
TEST(SafeFileWrite, ANameOf255BytesIsWrittenAndReplaced) {
  TempFolder folder("safe-write");
  const std::string name = std::string(251, 'n') + ".csv";
  WriteWholeFile(folder / name, kYesterday);
  WriteWholeFile(folder / name, "today\r\n");
  EXPECT_EQ(ReadFileBytes(folder / name), "today\r\n");
  EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{name});
}

// Issue 22: output written over a setuid program must not run as its owner.
TEST(SafeFileWrite, AReplacementDropsSetuidAndSetgidAndKeepsTheOtherBits) {
  TempFolder folder("safe-write");
  const std::string target = folder.Write("tool", kYesterday);
  ASSERT_EQ(::chmod(target.c_str(), 06755), 0);
  WriteWholeFile(target, "not a program\n");
  struct stat info;
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0755u);
}

// Issue 22: a FIFO that nobody reads is refused at once rather than waiting for a reader; one that
// is read gets the bytes. The write runs in a child process, so a regression fails instead of hanging.
TEST(SafeFileWrite, AFifoWithoutAReaderIsRefusedAtOnceAndOneWithAReaderIsWritten) {
  TempFolder folder("safe-write");
  const std::string fifo = folder / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    try {
      WriteWholeFile(fifo, "nobody reads this");
    } catch (const FileAccessError& error) {
      ::_exit(error.error_number() == ENXIO ? 0 : 2);
    }
    ::_exit(1);
  }
  int status = 0;
  pid_t done = 0;
  for (int waited = 0; waited < 500 && done == 0; ++waited) {
    done = ::waitpid(child, &status, WNOHANG);
    if (done == 0) ::usleep(10000);
  }
  if (done == 0) {
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    FAIL() << "the write to a FIFO without a reader was still waiting after 5 s";
  }
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: reported as written, 2: another error than ENXIO";

  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  WriteWholeFile(fifo, "read");
  char got[16] = {};
  EXPECT_EQ(::read(reader, got, sizeof got), 4);
  EXPECT_STREQ(got, "read");
  ::close(reader);
  struct stat info;
  ASSERT_EQ(::stat(fifo.c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
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
