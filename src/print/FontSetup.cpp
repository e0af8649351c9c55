#include "print/FontSetup.h"

#include <fontconfig/fontconfig.h>

#include <atomic>
#include <mutex>
#include <thread>

namespace FontSetup {

namespace {

struct Reader
{
    std::mutex mutex;
    std::thread thread;
    std::atomic<bool> finished{false};

    // A run that ends before any font was needed still waits for the thread.
    ~Reader()
    {
        if (thread.joinable())
            thread.join();
    }
};

Reader& reader()
{
    static Reader instance;
    return instance;
}

} // namespace

void BeginEarly()
{
    Reader& r = reader();
    const std::lock_guard<std::mutex> lock(r.mutex);
    if (!r.finished && !r.thread.joinable())
        r.thread = std::thread([] { FcInit(); });
}

void Finish()
{
    Reader& r = reader();
    if (r.finished.load(std::memory_order_acquire))
        return;
    const std::lock_guard<std::mutex> lock(r.mutex);
    if (r.thread.joinable())
        r.thread.join();
    r.finished.store(true, std::memory_order_release);
}

} // namespace FontSetup
