#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "spectrum/WorkerPool.h"

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

}  // namespace
}  // namespace tremora
