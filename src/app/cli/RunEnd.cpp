#include "app/cli/RunEnd.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <thread>
#include <unistd.h>

#include "record/PrivateFolders.h"

namespace tremora::cli {

void EndRunBySignal(int signal) {
  HoldPrivateFolders();
  // The main thread may go on for a moment and trip over files that are going: nothing it says
  // from here on is news, and nothing more of its output is wanted.
  const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (nowhere >= 0) {
    ::dup2(nowhere, STDOUT_FILENO);
    ::dup2(nowhere, STDERR_FILENO);
  }
  RemoveOwnPrivateFolders();
  // No destructor or exit handler runs while the main thread may be in the middle of a record.
  ::_exit(128 + signal);
}

// Why this is safe: no signal handler runs at all. The signals are blocked in every thread (the
// mask is inherited by threads started later) and taken by sigwait in a thread of their own, which
// then runs ordinary code: it may lock and remove files while the main thread goes on. The folder
// registry's lock, taken for good before anything else, makes a folder being made either seen by
// the removal or never made, and stops the main thread at its next folder or at its end (main
// takes the lock before it returns), so that it cannot end the process first with a status of its
// own; files unpacked meanwhile cannot outlive the removal of their folder.
void EndRunOnTerminationSignals() {
  struct sigaction ignore_pipe = {};
  ignore_pipe.sa_handler = SIG_IGN;
  ::sigaction(SIGPIPE, &ignore_pipe, nullptr);
  sigset_t taken;
  sigemptyset(&taken);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction current = {};
    if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) continue;
    sigaddset(&taken, signal);
  }
  ::pthread_sigmask(SIG_BLOCK, &taken, nullptr);
  std::thread([taken] {
    int signal = 0;
    while (::sigwait(&taken, &signal) != 0) {
    }
    EndRunBySignal(signal);
  }).detach();
}

}  // namespace tremora::cli
