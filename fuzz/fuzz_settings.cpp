// The stored settings are a text file the user (or another program) may have edited.
#include "FuzzSupport.h"

#include "store/SettingsStore.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

// QSettings caches parsed files by name and time stamp, so every input gets a fresh name.
QString freshFile(const QString& what)
{
    static quint64 counter = 0;
    return QDir(FuzzSupport::ScratchFolder()).filePath(u"%1-%2.ini"_s.arg(what).arg(++counter));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString stored = freshFile(u"stored"_s);
    {
        QFile file(stored);
        FuzzSupport::Check(file.open(QIODevice::WriteOnly), "the scratch file opens");
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    SettingsStore::Values values;
    {
        SettingsStore store(stored);
        values = store.read();
    }
    QFile::remove(stored);

    // Whatever the file held, the main window gets values it could have written itself.
    FuzzSupport::Check(values.NoDatabase == 0 || values.NoDatabase == 1, "NoDatabase is 0 or 1");
    FuzzSupport::Check(PatternSetting::Parse(values.MyPattern.text()) == values.MyPattern,
                       "MyPattern is well formed");
    FuzzSupport::Check(SettingsStore::IsWellFormedHolidays(values.MyHolidays),
                       "MyHolidays is well formed");

    // And what it writes back on closing reads back unchanged next time.
    const QString rewritten = freshFile(u"rewritten"_s);
    {
        SettingsStore store(rewritten);
        store.write(values);
    }
    {
        SettingsStore store(rewritten);
        FuzzSupport::Check(store.read() == values, "written settings read back unchanged");
    }
    QFile::remove(rewritten);
    return 0;
}
