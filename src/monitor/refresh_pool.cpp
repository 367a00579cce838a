#include "monitor/refresh_pool.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <list>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace {

std::atomic<unsigned> g_stuckThreads{0};

}  // namespace

struct RefreshPool::State {
    struct Worker {
        std::thread thread;
        std::optional<Clock::time_point> busySince;
        bool stuck = false;
    };

    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::function<void()>> jobs;
    // Stable addresses: each thread keeps its own entry.
    std::list<Worker> workers;
    Clock::duration bound{};
    ThreadStarter start;
    unsigned target = 1;  // threads that are not stuck, when the system starts them all
    bool stopping = false;
    int batches = 0;  // open batches: submitted jobs wait for the last to close

    // Caller holds the mutex. False when the system started no thread.
    bool StartWorker(const std::shared_ptr<State>& self) {
        Worker& worker = workers.emplace_back();
        try {
            worker.thread = start([self, &worker] { self->Run(worker); });
            return true;
        } catch (const std::system_error&) {
            workers.pop_back();
            return false;
        }
    }

    // Caller holds the mutex.
    unsigned Working() const {
        unsigned count = 0;
        for (const Worker& worker : workers) {
            count += worker.stuck ? 0 : 1;
        }
        return count;
    }

    // Caller holds the mutex. Up to the target, as far as the system allows.
    void StartMissingWorkers(const std::shared_ptr<State>& self) {
        for (unsigned working = Working(); working < target && StartWorker(self); ++working) {
        }
    }

    void Run(Worker& worker) {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            wake.wait(lock,
                      [&] { return stopping || worker.stuck || (!jobs.empty() && batches == 0); });
            if (stopping || worker.stuck) {
                break;
            }
            std::function<void()> job = std::move(jobs.front());
            jobs.pop_front();
            worker.busySince = Clock::now();
            lock.unlock();
            job();
            lock.lock();
            worker.busySince.reset();
        }
        // A stuck thread was detached when it was replaced: it removes its own entry.
        if (worker.stuck) {
            for (auto it = workers.begin(); it != workers.end(); ++it) {
                if (&*it == &worker) {
                    workers.erase(it);
                    break;
                }
            }
            --g_stuckThreads;
        }
    }

    // Caller holds the mutex.
    static void Detach(Worker& worker) {
        worker.stuck = true;
        worker.thread.detach();
        ++g_stuckThreads;
    }
};

RefreshPool::RefreshPool(unsigned threads, Clock::duration bound, ThreadStarter start)
    : m_state(std::make_shared<State>()) {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->bound = bound;
    m_state->target = threads > 0 ? threads : 1;
    m_state->start = start ? std::move(start) : [](std::function<void()> body) {
        return std::thread(std::move(body));
    };
    m_state->StartMissingWorkers(m_state);
}

RefreshPool::~RefreshPool() {
    std::list<std::thread> waitFor;
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        m_state->stopping = true;
        m_state->jobs.clear();
        // An idle thread ends at once; one inside a job may be stuck on a hung folder, which
        // must not hold up the program's end: it is left to finish alone.
        for (State::Worker& worker : m_state->workers) {
            if (worker.stuck) {
                continue;
            }
            if (worker.busySince) {
                State::Detach(worker);
            } else {
                waitFor.push_back(std::move(worker.thread));
            }
        }
    }
    m_state->wake.notify_all();
    for (std::thread& thread : waitFor) {
        thread.join();
    }
}

void RefreshPool::Submit(std::function<void()> job) {
    bool batched = false;
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        m_state->jobs.push_back(std::move(job));
        batched = m_state->batches > 0;
    }
    if (!batched) {
        m_state->wake.notify_one();
    }
}

RefreshPool::Batch::Batch(RefreshPool& pool) : m_pool(pool) {
    std::lock_guard<std::mutex> lock(m_pool.m_state->mutex);
    ++m_pool.m_state->batches;
}

RefreshPool::Batch::~Batch() {
    {
        std::lock_guard<std::mutex> lock(m_pool.m_state->mutex);
        --m_pool.m_state->batches;
    }
    m_pool.m_state->wake.notify_all();
}

void RefreshPool::ReplaceStuckThreads() {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    const Clock::time_point now = Clock::now();
    // The replacement first: a thread the system refuses leaves the stuck one counted, to be
    // tried again at the next check.
    std::vector<State::Worker*> stuck;
    for (State::Worker& worker : m_state->workers) {
        if (!worker.stuck && worker.busySince && now - *worker.busySince > m_state->bound) {
            stuck.push_back(&worker);
        }
    }
    for (State::Worker* worker : stuck) {
        if (!m_state->StartWorker(m_state)) {
            break;
        }
        State::Detach(*worker);
    }
    m_state->StartMissingWorkers(m_state);
}

RefreshPool::Clock::duration RefreshPool::Bound() const {
    return m_state->bound;
}

unsigned RefreshPool::StuckThreadsRunning() {
    return g_stuckThreads;
}

unsigned RefreshPool::WorkingThreads() const {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->Working();
}
