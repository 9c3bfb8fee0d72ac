#pragma once
// A persistent pool of worker threads for the numeric kernels. Workers stay awake (spinning, then
// yielding) for a while after each job: a sleeping core takes milliseconds to wake, which is the
// whole time a filter pass takes, so a thread woken per call would lose most of the gain. The
// calling thread takes part in every job, and work is handed out index by index, so a worker that
// wakes late costs nothing but its share.

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
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

  // The pool of the program: one participant per hardware thread (at most 8), or as many as the
  // environment variable TREMORA_THREADS says.
  static WorkerPool& Shared();

  int Participants() const { return static_cast<int>(workers_.size()) + 1; }

  // Runs task(i) once for every i in [0, count) and returns when all have finished. Jobs do not
  // nest: task must not call ForEach of the same pool, and must not throw. Calls from several threads are serialised.
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
  std::atomic<unsigned> generation_{0};
  std::atomic<int> pending_{0};
};

}  // namespace tremora
