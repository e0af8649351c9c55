#include "print/FontSetup.h"

#include <atomic>
#include <mutex>

namespace FontSetup {

namespace {

std::atomic<void (*)()> waiting{nullptr};
std::once_flag finished;

} // namespace

void WaitWith(void (*wait)())
{
    waiting.store(wait);
}

void Finish()
{
    std::call_once(finished, [] {
        if (void (*wait)() = waiting.load())
            wait();
    });
}

} // namespace FontSetup
