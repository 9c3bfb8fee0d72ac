// Issue 22: a run of the batch tool cut short (a signal, a reader that went away) or killed
// outright leaves no private folder of unpacked bundles behind. The signals are sent to the real
// program, as a scheduler or a terminal sends them.

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "BundleBuilder.h"
#include "TempFolder.h"
#include "record/Bundle.h"
#include "record/PrivateFolders.h"

extern char** environ;

namespace tremora {
namespace {

using testing::TempFolder;

// A bundle whose listing is far longer than the program's 64 KiB output buffer, so that the run
// writes to its output (and blocks on a full pipe) while its private folder is there.
std::string LongBundle() {
  const std::string record = testing::ReadFileBytes(std::string(TREMORA_RECORDS_DIR) + "/AOM0011801241951.NS");
  size_t header = 0;
  for (int line = 0; line < 18; ++line) header = record.find('\n', header) + 1;
  testing::Members members;
  for (int i = 0; i < 700; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "A%05d1801241951.NS", i);
    members.emplace_back(name, record.substr(0, header));
  }
  return testing::Pack(members, testing::Packing::Tar);
}

// Private folders go under a TMPDIR of the test's own, which the started program inherits.
class CliRunEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* old = std::getenv("TMPDIR")) old_tmpdir_ = old;
    ::setenv("TMPDIR", scratch.path().c_str(), 1);
  }
  void TearDown() override {
    if (old_tmpdir_.empty()) {
      ::unsetenv("TMPDIR");
    } else {
      ::setenv("TMPDIR", old_tmpdir_.c_str(), 1);
    }
  }

  // Starts tremora-cli list on bundle, its standard output to output and its messages to a file,
  // from the folder that holds the station tables (DATA/).
  pid_t StartList(const std::string& bundle, int output) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string data_parent = std::filesystem::path(TREMORA_DATA_DIR).parent_path().string();
    posix_spawn_file_actions_addchdir_np(&actions, data_parent.c_str());
    posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, messages.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::string program = TREMORA_CLI;
    std::string command = "list";
    std::string argument = bundle;
    char* argv[] = {program.data(), command.data(), argument.data(), nullptr};
    pid_t child = 0;
    EXPECT_EQ(posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    return child;
  }

  // The exit status, or minus the signal that ended it, or -1000 - errno when it cannot be had.
  static int ExitStatus(pid_t child) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
      if (errno != EINTR) return -1000 - errno;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
  }

  TempFolder work{"cli-run-end"};
  TempFolder scratch{"cli-run-end-tmp"};
  std::string messages = work / "messages.txt";
  std::string old_tmpdir_;
};

TEST_F(CliRunEnd, TerminationRemovesThePrivateFolderAndExitsWith128PlusTheSignal) {
  const std::string bundle = work.Write("long.tar", LongBundle());
  int pipe_ends[2];
  ASSERT_EQ(::pipe2(pipe_ends, O_CLOEXEC), 0);
  const pid_t child = StartList(bundle, pipe_ends[1]);
  ::close(pipe_ends[1]);
  // Unread, the pipe fills: the run waits in its listing, every record unpacked.
  int waiting = 0;
  for (int tries = 0; tries < 2000 && waiting == 0; ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ::ioctl(pipe_ends[0], FIONREAD, &waiting);
  }
  ASSERT_GT(waiting, 0) << "the run never wrote its listing";
  const std::string mine = "tremora-" + std::to_string(child) + "-";
  // Whatever private folder there is by now is this run's (the first bytes may come before it).
  for (const auto& entry : std::filesystem::directory_iterator(scratch.path())) {
    EXPECT_EQ(entry.path().filename().string().substr(0, mine.size()), mine);
  }

  ::kill(child, SIGTERM);
  EXPECT_EQ(ExitStatus(child), 128 + SIGTERM);
  ::close(pipe_ends[0]);
  EXPECT_TRUE(std::filesystem::is_empty(scratch.path()));
}

TEST_F(CliRunEnd, AReaderThatWentAwayEndsTheRunQuietlyAndLeavesNoFolder) {
  const std::string bundle = work.Write("long.tar", LongBundle());
  int pipe_ends[2];
  ASSERT_EQ(::pipe2(pipe_ends, O_CLOEXEC), 0);
  ::close(pipe_ends[0]);  // as `| head -c 10` does once it has its bytes
  const pid_t child = StartList(bundle, pipe_ends[1]);
  ::close(pipe_ends[1]);
  EXPECT_EQ(ExitStatus(child), 128 + SIGPIPE);
  EXPECT_EQ(testing::ReadFileBytes(messages), "");
  EXPECT_TRUE(std::filesystem::is_empty(scratch.path()));
}

TEST_F(CliRunEnd, FoldersOfProcessesThatAreGoneAreRemovedAndNoOtherIs) {
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ASSERT_EQ(ExitStatus(gone), 0);
  const std::string dead = "tremora-" + std::to_string(gone) + "-";
  work.Write("elsewhere/record.NS", "kept");
  const PrivateFolder live;  // this process's own
  scratch.Write(dead + "aB3xY9/1/AOM0011801241951.NS", "unpacked");
  scratch.Write(dead + "aB3xY/file", "not a private folder's name");
  scratch.Write("tremora-Qw12Er/file", "no process id in the name");
  std::filesystem::create_directory_symlink(work / "elsewhere", scratch / (dead + "Zz9Zz9"));

  EXPECT_EQ(RemoveStalePrivateFolders(), 1);
  std::set<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(scratch.path())) {
    left.insert(entry.path().filename().string());
  }
  EXPECT_EQ(left, (std::set<std::string>{std::filesystem::path(live.path()).filename().string(), dead + "aB3xY",
                                         "tremora-Qw12Er", dead + "Zz9Zz9"}));
  EXPECT_EQ(testing::ReadFileBytes(work / "elsewhere/record.NS"), "kept");
}

}  // namespace
}  // namespace tremora
