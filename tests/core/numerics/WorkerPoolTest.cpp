#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <sched.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "numerics/WorkerPool.h"

namespace tremora {
namespace {

TEST(WorkerPool, RunsEveryIndexOnceJobAfterJob) {
  for (const int participants : {1, 2, 4}) {
    WorkerPool pool(participants);
    for (int job = 0; job < 200; ++job) {
      const int count = job % 17;
      std::vector<std::atomic<int>> runs(count);
      pool.ForEach(count, [&](int i) { runs[i].fetch_add(1); });
      for (int i = 0; i < count; ++i) ASSERT_EQ(runs[i].load(), 1) << participants << " " << job << " " << i;
    }
  }
}

TEST(WorkerPool, CallsFromSeveralThreadsAreServedOneAfterAnother) {
  WorkerPool pool(2);
  std::atomic<long> total{0};
  std::vector<std::thread> callers;
  for (int t = 0; t < 3; ++t) {
    callers.emplace_back([&] {
      for (int job = 0; job < 50; ++job) pool.ForEach(10, [&](int i) { total.fetch_add(i); });
    });
  }
  for (std::thread& caller : callers) caller.join();
  EXPECT_EQ(total.load(), 3L * 50 * 45);
}

// Issue 22: an exception thrown in a task, on a worker or on the caller, reaches the caller once
// every task has stopped; the job's later indices are skipped and the pool serves the next job.
TEST(WorkerPool, AnExceptionOfATaskIsThrownToTheCallerAfterTheOthersStop) {
  for (const int participants : {1, 2, 4}) {
    SCOPED_TRACE(participants);
    WorkerPool pool(participants);
    std::atomic<int> running{0};
    std::atomic<int> finished{0};
    try {
      pool.ForEach(1000, [&](int i) {
        running.fetch_add(1);
        if (i == 3) {
          running.fetch_sub(1);
          throw std::runtime_error("task 3 failed");
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
        finished.fetch_add(1);
        running.fetch_sub(1);
      });
      ADD_FAILURE() << "no exception reached the caller";
    } catch (const std::runtime_error& error) {
      EXPECT_STREQ(error.what(), "task 3 failed");
      EXPECT_EQ(running.load(), 0);  // nothing still runs once the caller has the exception
    }
    EXPECT_LT(finished.load(), 999);
    std::atomic<int> runs{0};
    pool.ForEach(10, [&](int) { runs.fetch_add(1); });
    EXPECT_EQ(runs.load(), 10);
  }
}

// Issue 22: the pool is sized from the processors the process may use, not from the machine's.
TEST(WorkerPoolSize, FollowsTheAffinityMaskACpuQuotaAndTheOverride) {
  // A child process, so that the test's own threads keep their processors.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(0, &one);
    if (::sched_setaffinity(0, sizeof one, &one) != 0) ::_exit(2);
    ::_exit(UsableProcessors() == 1 && SharedPoolParticipants(nullptr, UsableProcessors()) == 1 ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "under an affinity of one processor the pool is not of one";

  EXPECT_EQ(ProcessorsOfCpuQuota("max 100000"), 0);
  EXPECT_EQ(ProcessorsOfCpuQuota("150000 100000\n"), 2);
  EXPECT_EQ(ProcessorsOfCpuQuota("50000 100000"), 1);
  EXPECT_EQ(SharedPoolParticipants(nullptr, 64), 8);
  EXPECT_EQ(SharedPoolParticipants("3", 64), 3);
  EXPECT_EQ(SharedPoolParticipants("lots", 2), 2);
}

}  // namespace
}  // namespace tremora
