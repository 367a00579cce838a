// The refresh pool: jobs run off the calling thread, a stuck job's thread is replaced so the
// others go on, and the pool's end waits for no stuck job.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <system_error>
#include <thread>

#include "monitor/refresh_pool.h"

namespace {

using namespace std::chrono_literals;

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
    std::promise<void> gate;  // the stuck jobs wait until it is set
    const std::shared_future<void> opened = gate.get_future().share();
    auto done = std::make_shared<std::atomic<int>>(0);
    RefreshPool pool(2, 50ms);
    for (int i = 0; i < 2; ++i) {
        pool.Submit([opened] { opened.wait(); });
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
    gate.set_value();
    EXPECT_TRUE(WaitFor([] { return RefreshPool::StuckThreadsRunning() == 0; }));
    EXPECT_EQ(pool.WorkingThreads(), 2u);
}

// Where the system starts no thread (a task limit), the stuck threads stay counted and their
// jobs' places wait; the pool tries again at the next check and goes on once it can.
TEST(RefreshPool, AThreadTheSystemRefusesIsTriedAgainLater) {
    auto refuse = std::make_shared<std::atomic<bool>>(false);
    const RefreshPool::ThreadStarter start = [refuse](std::function<void()> body) {
        if (*refuse) {
            throw std::system_error(EAGAIN, std::generic_category());
        }
        return std::thread(std::move(body));
    };
    auto done = std::make_shared<std::atomic<int>>(0);
    std::promise<void> gate;
    const std::shared_future<void> opened = gate.get_future().share();
    RefreshPool pool(2, 50ms, start);
    for (int i = 0; i < 2; ++i) {
        pool.Submit([opened] { opened.wait(); });
    }
    pool.Submit([done] { ++*done; });
    std::this_thread::sleep_for(100ms);
    *refuse = true;
    pool.ReplaceStuckThreads();
    EXPECT_EQ(pool.WorkingThreads(), 2u) << "the stuck threads stay counted";
    EXPECT_EQ(RefreshPool::StuckThreadsRunning(), 0u);
    *refuse = false;
    pool.ReplaceStuckThreads();
    ASSERT_TRUE(WaitFor([&] { return *done == 1; }));
    gate.set_value();
    EXPECT_TRUE(WaitFor([] { return RefreshPool::StuckThreadsRunning() == 0; }));
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
    std::promise<void> gate;
    const std::shared_future<void> opened = gate.get_future().share();
    auto finished = std::make_shared<std::atomic<bool>>(false);
    const auto start = std::chrono::steady_clock::now();
    {
        // A bound far away: the job is not yet counted as stuck when the pool ends.
        RefreshPool pool(1, 1h);
        pool.Submit([opened, finished] {
            opened.wait();
            *finished = true;
        });
        std::this_thread::sleep_for(20ms);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
    EXPECT_FALSE(*finished);
    EXPECT_EQ(RefreshPool::StuckThreadsRunning(), 1u);
    gate.set_value();
    EXPECT_TRUE(WaitFor([] { return RefreshPool::StuckThreadsRunning() == 0; }));
    EXPECT_TRUE(*finished) << "left to finish alone";
}

}  // namespace
