// The refresh pool: jobs run off the calling thread, a stuck job's thread is replaced so the
// others go on, and the pool's end waits for no stuck job.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "monitor/refresh_pool.h"

namespace {

using namespace std::chrono_literals;

// A gate the stuck jobs wait at; shared with them, since they may outlive the test's scope.
struct Gate {
    std::mutex mutex;
    std::condition_variable opened;
    bool open = false;

    void Wait() {
        std::unique_lock<std::mutex> lock(mutex);
        opened.wait(lock, [&] { return open; });
    }
    void Open() {
        {
            std::lock_guard<std::mutex> lock(mutex);
            open = true;
        }
        opened.notify_all();
    }
};

bool WaitFor(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

TEST(RefreshPool, StuckThreadsAreReplacedAndTheOtherJobsGoOn) {
    auto gate = std::make_shared<Gate>();
    auto done = std::make_shared<std::atomic<int>>(0);
    RefreshPool pool(2, 50ms);
    for (int i = 0; i < 2; ++i) {
        pool.Submit([gate] { gate->Wait(); });
    }
    for (int i = 0; i < 5; ++i) {
        pool.Submit([done] { ++*done; });
    }
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(*done, 0) << "both threads hold a stuck job";
    pool.ReplaceStuckThreads();
    EXPECT_EQ(pool.WorkingThreads(), 2u);
    ASSERT_TRUE(WaitFor([&] { return *done == 5; }));
    // A stuck thread that finishes its job ends: the pool stays at its size.
    gate->Open();
    EXPECT_TRUE(WaitFor([] { return RefreshPool::StuckThreadsRunning() == 0; }));
    EXPECT_EQ(pool.WorkingThreads(), 2u);
}

TEST(RefreshPool, ABatchWakesNoThreadUntilItCloses) {
    auto ran = std::make_shared<std::atomic<int>>(0);
    RefreshPool pool(2, 1s);
    {
        const RefreshPool::Batch batch(pool);
        for (int i = 0; i < 10; ++i) {
            pool.Submit([ran] { ++*ran; });
        }
        std::this_thread::sleep_for(50ms);
        EXPECT_EQ(*ran, 0);
    }
    EXPECT_TRUE(WaitFor([&] { return *ran == 10; }));
}

TEST(RefreshPool, ItsEndWaitsForNoJobThatHangs) {
    auto gate = std::make_shared<Gate>();
    auto finished = std::make_shared<std::atomic<bool>>(false);
    const auto start = std::chrono::steady_clock::now();
    {
        // A bound far away: the job is not yet counted as stuck when the pool ends.
        RefreshPool pool(1, 1h);
        pool.Submit([gate, finished] {
            gate->Wait();
            *finished = true;
        });
        std::this_thread::sleep_for(20ms);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
    EXPECT_FALSE(*finished);
    EXPECT_EQ(RefreshPool::StuckThreadsRunning(), 1u);
    gate->Open();
    EXPECT_TRUE(WaitFor([] { return RefreshPool::StuckThreadsRunning() == 0; }));
    EXPECT_TRUE(*finished) << "left to finish alone";
}

}  // namespace
