#pragma once
// How a tremora-cli run that is cut short ends: a Ctrl-C, a Slurm time limit or a closed terminal
// (SIGINT, SIGTERM, SIGHUP), or a reader of standard output that went away (`| head`). The private
// folder of unpacked bundles is removed first, then the run ends as the signal would have ended it.

namespace tremora::cli {

// Removes this process's private folders and exits at once with status 128 + signal.
[[noreturn]] void EndRunBySignal(int signal);

// Makes SIGINT, SIGTERM and SIGHUP end the run through EndRunBySignal (a signal ignored when the
// program started, as under nohup, stays ignored) and ignores SIGPIPE: a closed output shows as a
// failed write with EPIPE. Call first thing in main, before any other thread is started.
void EndRunOnTerminationSignals();

}  // namespace tremora::cli
