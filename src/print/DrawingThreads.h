#pragma once

#include <functional>

// Draws printouts that do not depend on one another side by side, one thread per processor
// (the calling thread is one of them).
namespace DrawingThreads {

// Calls draw(0) .. draw(count - 1), each once, spread over the threads, and returns when all
// are done. Calls on different threads must share nothing they change.
void Run(int count, const std::function<void(int)>& draw);

} // namespace DrawingThreads
