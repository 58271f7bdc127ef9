#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace TestThreads {

// Runs work(0) .. work(count - 1) on as many threads, released together, and
// joins them all. Plain std::thread so that race detectors see the joins.
inline void RunTogether(int count, const std::function<void(int)>& work)
{
    std::mutex lock;
    std::condition_variable go;
    bool started = false;
    std::vector<std::thread> threads;
    threads.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        threads.emplace_back([&, i] {
            {
                std::unique_lock<std::mutex> guard(lock);
                go.wait(guard, [&] { return started; });
            }
            work(i);
        });
    }
    {
        const std::lock_guard<std::mutex> guard(lock);
        started = true;
    }
    go.notify_all();
    for (std::thread& thread : threads)
        thread.join();
}

} // namespace TestThreads
