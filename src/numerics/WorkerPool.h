#pragma once
// A persistent pool of worker threads for the numeric kernels. Workers stay awake (spinning, then
// yielding) for a while after each job: a sleeping core takes milliseconds to wake, which is the
// whole time a filter pass takes, so a thread woken per call would lose most of the gain. The
// calling thread takes part in every job, and work is handed out index by index, so a worker that
// wakes late costs nothing but its share.

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

namespace tremora {

class WorkerPool {
 public:
  // participants: threads working on a job, the caller included (at least 1).
  explicit WorkerPool(int participants);
  ~WorkerPool();
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  // The pool of the program: one participant per processor the process may run on (at most 8), or
  // as many as the environment variable TREMORA_THREADS says.
  static WorkerPool& Shared();

  int Participants() const { return static_cast<int>(workers_.size()) + 1; }

  // Runs task(i) once for every i in [0, count) and returns when all have finished. Jobs do not
  // nest: task must not call ForEach of the same pool. Calls from several threads are serialised.
  // When a task throws, the indices not yet started are skipped and the first exception is thrown
  // here, in the calling thread, once every running task has returned.
  void ForEach(int count, const std::function<void(int)>& task);

 private:
  void WorkerLoop(unsigned seen);
  // Claims and runs indices of the current job until none is left.
  void RunClaims();

  std::vector<std::thread> workers_;
  std::mutex caller_mutex_;  // one job at a time

  std::mutex mutex_;  // guards the job fields below
  std::condition_variable wake_;
  const std::function<void(int)>* task_ = nullptr;
  int count_ = 0;
  int next_ = 0;
  int sleepers_ = 0;
  bool stopping_ = false;
  std::exception_ptr failure_;  // the first exception a task of the current job threw
  std::atomic<unsigned> generation_{0};
  std::atomic<int> pending_{0};
};

// The processors this process may run on: its CPU affinity (as taskset or Slurm set it), capped by
// a cgroup v2 CPU quota (a container's --cpus); at least 1.
int UsableProcessors();
// The whole processors a cgroup v2 cpu.max text ("150000 100000": quota and period in
// microseconds) allows, rounded up; 0 when it sets no limit ("max 100000") or cannot be read.
int ProcessorsOfCpuQuota(std::string_view cpu_max);
// Participants of the shared pool: TREMORA_THREADS when it is set to a number, else the usable
// processors, kept within 1 .. 8.
int SharedPoolParticipants(const char* threads_setting, int usable_processors);

}  // namespace tremora
