#include "print/FontSetup.h"

#include <QFontDatabase>
#include <QStringList>

#include <atomic>
#include <mutex>
#include <thread>

namespace FontSetup {

namespace {

std::atomic<void (*)()> fontconfig{nullptr};
std::thread fontList;
std::once_flag finished;

void waitForFontconfig()
{
    if (void (*wait)() = fontconfig.load())
        wait();
}

} // namespace

void WaitWith(void (*wait)())
{
    fontconfig.store(wait);
}

void ReadFontList()
{
    if (!fontList.joinable())
        fontList = std::thread([] {
            waitForFontconfig();
            QFontDatabase::families();
        });
}

void Finish()
{
    std::call_once(finished, [] {
        if (fontList.joinable())
            fontList.join();
        else
            waitForFontconfig();
    });
}

} // namespace FontSetup
