#include "numerics/WorkerPool.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sched.h>
#include <string>
#include <immintrin.h>

namespace tremora {

namespace {
// How long an idle worker keeps watching for the next job before it sleeps. A redraw runs six
// filter passes and a spectrum calculation three channel batches in quick succession.
constexpr auto kStayAwake = std::chrono::milliseconds(20);
}  // namespace

WorkerPool::WorkerPool(int participants) {
  const int extra = std::max(participants, 1) - 1;
  workers_.reserve(extra);
  for (int i = 0; i < extra; ++i) workers_.emplace_back([this] { WorkerLoop(0); });
}

WorkerPool::~WorkerPool() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    generation_.fetch_add(1);
  }
  wake_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

int ProcessorsOfCpuQuota(std::string_view cpu_max) {
  long long quota = 0, period = 0;
  const std::string text(cpu_max);
  if (std::sscanf(text.c_str(), "%lld %lld", &quota, &period) != 2 || quota <= 0 || period <= 0) return 0;
  return static_cast<int>(std::min<long long>((quota + period - 1) / period, 1 << 20));
}

namespace {

// The cpu.max of the process's own cgroup (cgroup v2: the "0::/path" line of /proc/self/cgroup);
// empty when there is none.
std::string OwnCpuMax() {
  std::ifstream cgroups("/proc/self/cgroup");
  std::string line;
  while (std::getline(cgroups, line)) {
    if (!line.starts_with("0::")) continue;
    std::ifstream cpu_max("/sys/fs/cgroup" + line.substr(3) + "/cpu.max");
    std::string text;
    std::getline(cpu_max, text);
    return text;
  }
  return std::string();
}

}  // namespace

int UsableProcessors() {
  // hardware_concurrency counts every processor of the machine, also those a job scheduler or a
  // container keeps from us: 64 spinning workers on 2 allowed cores would starve each other.
  cpu_set_t allowed;
  CPU_ZERO(&allowed);
  int processors = ::sched_getaffinity(0, sizeof allowed, &allowed) == 0
                       ? CPU_COUNT(&allowed)
                       : static_cast<int>(std::thread::hardware_concurrency());
  const int quota = ProcessorsOfCpuQuota(OwnCpuMax());
  if (quota > 0) processors = std::min(processors, quota);
  return std::max(processors, 1);
}

int SharedPoolParticipants(const char* threads_setting, int usable_processors) {
  int threads = usable_processors;
  if (threads_setting != nullptr && *threads_setting != '\0') {
    char* end = nullptr;
    const long setting = std::strtol(threads_setting, &end, 10);
    if (*end == '\0') threads = static_cast<int>(std::clamp<long>(setting, 1, 8));
  }
  return std::clamp(threads, 1, 8);
}

WorkerPool& WorkerPool::Shared() {
  // TREMORA_THREADS sets the number of threads, for measuring.
  static WorkerPool pool(SharedPoolParticipants(std::getenv("TREMORA_THREADS"), UsableProcessors()));
  return pool;
}

void WorkerPool::RunClaims() {
  for (;;) {
    std::unique_lock lock(mutex_);
    if (task_ == nullptr || next_ >= count_) return;
    const int index = next_++;
    const std::function<void(int)>* task = task_;
    const bool skip = failure_ != nullptr;  // a task failed: the rest of the job is not started
    lock.unlock();
    if (!skip) {
      try {
        (*task)(index);
      } catch (...) {
        lock.lock();
        if (failure_ == nullptr) failure_ = std::current_exception();
        lock.unlock();
      }
    }
    pending_.fetch_sub(1, std::memory_order_acq_rel);
  }
}

void WorkerPool::WorkerLoop(unsigned seen) {
  // seen starts at the generation the pool was built with: a thread that starts late still joins
  // a job published before it ran, and still sees the pool being destroyed.
  for (;;) {
    // Watch for a new job, spinning at first and then yielding the core to others.
    const auto awake_until = std::chrono::steady_clock::now() + kStayAwake;
    int spins = 0;
    while (generation_.load(std::memory_order_acquire) == seen) {
      if (++spins < 2000) {
        _mm_pause();
        continue;
      }
      if (std::chrono::steady_clock::now() > awake_until) break;
      std::this_thread::yield();
    }
    {
      std::unique_lock lock(mutex_);
      if (generation_.load() == seen && !stopping_) {
        ++sleepers_;
        wake_.wait(lock, [&] { return generation_.load() != seen || stopping_; });
        --sleepers_;
      }
      seen = generation_.load();
      if (stopping_) return;
    }
    RunClaims();
  }
}

void WorkerPool::ForEach(int count, const std::function<void(int)>& task) {
  if (count <= 0) return;
  std::lock_guard caller_lock(caller_mutex_);
  if (workers_.empty() || count == 1) {
    for (int i = 0; i < count; ++i) task(i);
    return;
  }
  bool notify = false;
  {
    std::lock_guard lock(mutex_);
    task_ = &task;
    count_ = count;
    next_ = 0;
    pending_.store(count);
    generation_.fetch_add(1, std::memory_order_release);
    notify = sleepers_ > 0;
  }
  if (notify) wake_.notify_all();
  RunClaims();
  // Wait for the tasks other workers still run; yield now and then in case one lost its core.
  for (int spins = 0; pending_.load(std::memory_order_acquire) != 0; ++spins) {
    if (spins % 1024 == 1023) std::this_thread::yield();
    _mm_pause();
  }
  std::exception_ptr failure;
  {
    std::lock_guard lock(mutex_);
    task_ = nullptr;  // a worker arriving late finds nothing to claim
    std::swap(failure, failure_);
  }
  if (failure != nullptr) std::rethrow_exception(failure);
}

}  // namespace tremora
