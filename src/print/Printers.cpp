#include "print/Printers.h"

#include <dlfcn.h>

#include <string>

using namespace Qt::StringLiterals;

// The library's entry point. A program that has the printers linked in (the tests) has it
// here already; the program loads it.
extern "C" Printers* kelvane_printers() __attribute__((weak));

namespace {

constexpr const char* LibraryName = "libkelvane-printers.so";

// No printers at all: the library could not be loaded.
class Unavailable final : public Printers
{
public:
    explicit Unavailable(const QString& reason) : m_reason(reason) {}

    QStringList names() override { return {}; }
    QString defaultName() override { return {}; }
    std::unique_ptr<PrintSurface> open(const QString&, const std::optional<QPageSize>&,
                                       QString* error) override
    {
        if (error)
            *error = m_reason;
        return nullptr;
    }
    std::unique_ptr<Chosen> ask(QWidget*, const QString&, int, int, int) override
    {
        return nullptr;
    }
    void preview(QWidget*, const QString&, int, const QString&,
                 const std::function<void(PrintSurface&)>&,
                 const std::function<void(const QString&)>& failed) override
    {
        failed(m_reason);
    }

private:
    QString m_reason;
};

// The folder of the library (or program) this code is part of.
std::string ownFolder()
{
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&Printers::System), &info) == 0 || !info.dli_fname)
        return ".";
    const std::string file = info.dli_fname;
    const std::size_t slash = file.rfind('/');
    return slash == std::string::npos ? "." : file.substr(0, slash);
}

Printers* load()
{
    if (kelvane_printers)
        return kelvane_printers();
    // Installed beside the library of the part that runs, in the build folder as in the package.
    const std::string path = ownFolder() + '/' + LibraryName;
    void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    const auto entry =
        library ? reinterpret_cast<Printers* (*)()>(::dlsym(library, "kelvane_printers"))
                : nullptr;
    if (entry)
        return entry();
    static Unavailable unavailable(u"printing is not available: %1"_s.arg(
        QString::fromLocal8Bit(::dlerror())));
    return &unavailable;
}

} // namespace

QString Printers::NoPrinterInstalled()
{
    return u"no printer is installed"_s;
}

Printers& Printers::System()
{
    static Printers* const printers = load();
    return *printers;
}
