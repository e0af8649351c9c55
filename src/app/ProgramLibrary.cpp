#include "app/ProgramLibrary.h"

#include <dlfcn.h>
#include <fontconfig/fontconfig.h>
#include <unistd.h>

#include <climits>
#include <mutex>
#include <cstdio>
#include <string>
#include <thread>

namespace ProgramLibrary {

namespace {

using Entry = int (*)(int argc, char* argv[], void (*waitForFonts)());

// Fontconfig reads its configuration (a few dozen XML files) the first time anything asks for
// a font: a good part of a printout's time. It reads it on a thread of its own from the start,
// while the GUI libraries are loaded and linked and the program starts up.
struct FontReading
{
    std::thread thread{[] { FcInit(); }};
    std::once_flag joined;

    void wait()
    {
        std::call_once(joined, [this] { thread.join(); });
    }
    ~FontReading() { wait(); }
};

FontReading& fontReading()
{
    static FontReading reading;
    return reading;
}

void waitForFonts()
{
    fontReading().wait();
}

std::string executableFolder()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    const std::string file(path, static_cast<std::size_t>(length));
    return file.substr(0, file.rfind('/'));
}

// Beside the executable in a build folder; where the package installs it otherwise.
void* load(const std::string& fileName, std::string* error)
{
    for (const std::string& path : {executableFolder() + '/' + fileName,
                                    std::string(KELVANE_LIBRARY_FOLDER) + '/' + fileName}) {
        if (void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL))
            return library;
        *error = ::dlerror();
    }
    return nullptr;
}

} // namespace

int Run(Part part, int argc, char* argv[])
{
    fontReading();
    const bool window = part == Part::Window;
    std::string error;
    void* library = load(window ? "libkelvane-window.so" : "libkelvane-drawing.so", &error);
    const char* entryName = window ? "kelvane_window_main" : "kelvane_drawing_main";
    const auto entry = library ? reinterpret_cast<Entry>(::dlsym(library, entryName)) : nullptr;
    if (!entry) {
        std::fprintf(stderr, "kelvane: cannot load a part of the program: %s\n",
                     library ? ::dlerror() : error.c_str());
        return 1;
    }
    const int status = entry(argc, argv, waitForFonts);
    waitForFonts();
    return status;
}

} // namespace ProgramLibrary
