// RefreshPool: a few worker threads that run the client refreshes off the interface thread.
// A folder on a network mount can hang a read for minutes: a job that runs past the bound keeps
// its thread, a new thread takes that one's place, and the stuck one ends when its job does.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

class RefreshPool {
public:
    using Clock = std::chrono::steady_clock;

    // threads: how many jobs run at once; bound: how long a job may run before its thread is
    // counted as stuck.
    RefreshPool(unsigned threads, Clock::duration bound);
    // Waits for the threads that are not stuck; stuck ones are left to finish or hang alone.
    ~RefreshPool();
    RefreshPool(const RefreshPool&) = delete;
    RefreshPool& operator=(const RefreshPool&) = delete;

    void Submit(std::function<void()> job);

    // Jobs submitted while a batch is open wait until it closes, and then all threads wake at
    // once: one wake-up for a refresh of every client instead of one per client.
    class Batch {
    public:
        explicit Batch(RefreshPool& pool);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        RefreshPool& m_pool;
    };
    // Puts a new thread in the place of each thread whose job has run past the bound. Cheap:
    // the window calls it on every check of its clients.
    void ReplaceStuckThreads();

    // Threads that run or wait for jobs, stuck ones not counted.
    unsigned WorkingThreads() const;
    // Stuck threads of every pool that have not ended yet. A test that lets its hung folders go
    // waits for these before the process ends, as they may still read a client file then.
    static unsigned StuckThreadsRunning();

private:
    struct State;
    std::shared_ptr<State> m_state;
};
