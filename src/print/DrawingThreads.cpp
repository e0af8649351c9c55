#include "print/DrawingThreads.h"

#include "print/PainterSurface.h"

#include <QThread>

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

namespace DrawingThreads {

void Run(int count, const std::function<void(int)>& draw)
{
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int index = next++; index < count; index = next++)
            draw(index);
    };
    const int threads = std::min(QThread::idealThreadCount(), count);
    std::vector<std::unique_ptr<QThread>> helpers;
    for (int i = 1; i < threads; ++i) {
        helpers.emplace_back(QThread::create([&work] {
            const PainterSurface::ThreadTexts texts;
            work();
        }));
        helpers.back()->start();
    }
    work();
    for (const std::unique_ptr<QThread>& helper : helpers)
        helper->wait();
}

} // namespace DrawingThreads
