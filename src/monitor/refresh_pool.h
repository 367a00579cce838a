// RefreshPool: a few worker threads that run the client refreshes off the interface thread.
// A folder on a network mount can hang a read for minutes: a job that runs past the bound keeps
// its thread, a new thread takes that one's place, and the stuck one ends when its job does.
// Where the system will start no thread (a process or task limit), the stuck one stays counted
// and the pool tries again at the next check; the program goes on.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

class RefreshPool {
public:
    using Clock = std::chrono::steady_clock;

    // Starts a thread that runs body; raises std::system_error when the system starts none.
    using ThreadStarter = std::function<std::thread(std::function<void()> body)>;

    // threads: how many jobs run at once; bound: how long a job may run before its thread is
    // counted as stuck. start: how threads are started (tests refuse some).
    RefreshPool(unsigned threads, Clock::duration bound, ThreadStarter start = nullptr);
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
    // Puts a new thread in the place of each thread whose job has run past the bound, and
    // starts the threads the system refused before. Cheap: the window calls it on every check
    // of its clients.
    void ReplaceStuckThreads();

    Clock::duration Bound() const;

    // Threads that run or wait for jobs, stuck ones not counted.
    unsigned WorkingThreads() const;
    // Stuck threads of every pool that have not ended yet. A test that lets its hung folders go
    // waits for these before the process ends, as they may still read a client file then.
    static unsigned StuckThreadsRunning();

private:
    struct State;
    std::shared_ptr<State> m_state;
};
