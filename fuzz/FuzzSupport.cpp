#include "FuzzSupport.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace Qt::StringLiterals;

namespace FuzzSupport {

namespace {

// A fuzzer is one process with one application; these live until exit on purpose.
QTemporaryDir& scratch()
{
    // Memory-backed where there is such a folder: saving settings syncs to disk, which
    // would otherwise be most of the time spent per input.
    const QString shm = u"/dev/shm"_s;
    static QTemporaryDir folder((QFileInfo(shm).isWritable() ? shm : QDir::tempPath()) +
                                u"/kelvane-fuzz-XXXXXX"_s);
    return folder;
}

// Qt's warnings about odd input are expected by the thousand; fatal messages still abort.
void quiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "fuzzer: %s\n", qPrintable(message));
        std::abort();
    }
}

std::unique_ptr<QCoreApplication>& application()
{
    static std::unique_ptr<QCoreApplication> app;
    return app;
}

} // namespace

void Start(int* argc, char*** argv, bool graphics)
{
    if (!scratch().isValid()) {
        std::fprintf(stderr, "fuzzer: no scratch folder: %s\n",
                     qPrintable(scratch().errorString()));
        std::abort();
    }
    const QByteArray home = QFile::encodeName(scratch().path());
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/config");
    qputenv("XDG_DATA_HOME", home + "/data");
    qputenv("XDG_CACHE_HOME", home + "/cache");
    qputenv("XDG_STATE_HOME", home + "/state");
    qputenv("XDG_RUNTIME_DIR", home);
    // No printer can be reached: a subcommand without --out must never print for real.
    qputenv("CUPS_SERVER", home + "/no-cups-here");
    QStandardPaths::setTestModeEnabled(true);
    if (qEnvironmentVariableIsEmpty("KELVANE_FUZZ_VERBOSE"))
        qInstallMessageHandler(quiet);
    if (graphics) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application() = std::make_unique<QGuiApplication>(*argc, *argv);
    } else {
        application() = std::make_unique<QCoreApplication>(*argc, *argv);
    }
    QCoreApplication::setOrganizationName(u"Kelvane"_s);
    QCoreApplication::setApplicationName(u"Kelvane"_s);
}

QString Text(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

QString ScratchFolder()
{
    return scratch().path();
}

void Check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "fuzzer: property broken: %s\n", what);
        std::abort();
    }
}

} // namespace FuzzSupport

// fontconfig keeps the patterns Qt's font database got from it until exit; not ours to free.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
