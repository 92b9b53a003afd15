#include "Background.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {

struct Threads {
    std::mutex mutex;
    std::condition_variable ended;
    int running = 0;
};

// Made once and never destroyed: a thread that ends while the program exits
// finds it still there.
Threads &AllThreads()
{
    static Threads *const threads = new Threads;
    return *threads;
}

} // namespace

namespace Background {

void Started()
{
    Threads &threads = AllThreads();
    const std::lock_guard<std::mutex> lock(threads.mutex);
    ++threads.running;
}

void Ended()
{
    Threads &threads = AllThreads();
    const std::lock_guard<std::mutex> lock(threads.mutex);
    if (--threads.running == 0)
        threads.ended.notify_all();
}

bool WaitIdle(int ms)
{
    Threads &threads = AllThreads();
    std::unique_lock<std::mutex> lock(threads.mutex);
    return threads.ended.wait_for(lock, std::chrono::milliseconds(ms), [&] { return threads.running == 0; });
}

} // namespace Background
