// The command line takes arguments from scripts and users alike. One argument per input line.
// With KELVANE_FUZZ_GRAPHICS=1 in the environment the print subcommands also draw PDF and PNG
// pages (far fewer inputs per second); without, only their .ops traces. KELVANE_FUZZ_VERBOSE=1
// shows each run.
#include "FuzzSupport.h"

#include "CommandRun.h"
#include "app/CommandLine.h"
#include "store/CalendarDatabase.h"
#include "store/DatabasePlacement.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// The folder every subcommand runs in; emptied after each input.
QString workFolder()
{
    return QDir(FuzzSupport::ScratchFolder()).filePath(u"work"_s);
}

// Every file name given to --out or --database is put inside the work folder; no argument
// keeps a folder separator or a way up, so nothing is written anywhere else.
QStringList confined(QStringList arguments)
{
    for (QString& argument : arguments) {
        argument.replace(QLatin1Char('/'), QLatin1Char('_'));
        argument.replace(u".."_s, u"__"_s);
    }
    const auto inWork = [](const QString& name) -> QString {
        return workFolder() + QLatin1Char('/') + name;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString& argument = arguments[i];
        qsizetype dashes = 0;
        while (dashes < argument.size() && argument.at(dashes) == QLatin1Char('-'))
            ++dashes;
        if (dashes == 0)
            continue;
        const qsizetype equals = argument.indexOf(QLatin1Char('='), dashes);
        const QString name = argument.mid(dashes, equals < 0 ? -1 : equals - dashes);
        if (name != QLatin1String("out") && name != QLatin1String("database"))
            continue;
        if (equals >= 0)
            argument = argument.left(equals + 1) + inWork(argument.mid(equals + 1));
        else if (i + 1 < arguments.size())
            arguments[i + 1] = inWork(arguments.at(i + 1));
    }
    return arguments;
}

// A long listing is what the user asked for, not a fault; keep each run short.
bool asksForLongListing(const QStringList& arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString option = arguments.at(i);
        if (!option.startsWith(QLatin1Char('-')))
            continue;
        while (option.startsWith(QLatin1Char('-')))
            option.remove(0, 1);
        const qsizetype equals = option.indexOf(QLatin1Char('='));
        if (option.left(equals) != QLatin1String("days"))
            continue;
        const QString value = equals >= 0 ? option.mid(equals + 1) : arguments.value(i + 1);
        if (value.trimmed().toLongLong() > 2000 || value.trimmed().size() > 6)
            return true;
    }
    return false;
}

// The user's working copy (in the scratch home) with a few entries, some as odd as a hand
// edit could leave them, for --vacations and print-month.
void placeWorkingCopy()
{
    const QString folder = PlacementFolders::Standard().dataFolder;
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(CalendarDatabase::FileName());
    FuzzSupport::Check(CalendarDatabase::CreateTemplate(path), "the working copy is made");
    const QString connection = u"fuzz-setup"_s;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(u"QSQLITE"_s, connection);
        database.setDatabaseName(path);
        FuzzSupport::Check(database.open(), "the working copy opens");
        QSqlQuery insert(database);
        insert.prepare(
            u"INSERT INTO Vacation (Year, Month, Day, Type, Color) VALUES (?, ?, ?, ?, ?)"_s);
        const struct
        {
            int year, month, day;
            const char* type;
            const char* colour;
        } entries[] = {
            {2024, 2, 14, "V", "255, 180, 000"},
            {2024, 2, 29, "D", "999, -1, 12.5"},
            {2024, 3, 1, "", ""},
            {2024, 12, 31, "X", "\xc2\xa0 1,2,3 and more"},
            {0, 0, 0, "N", "0"},
            {2124, 12, 31, "EE", "1e400, 1e400, 1e400"},
            {2025, 1, 1, "R", "180, 255, 180, 7"},
            {2025, 13, 40, "I", "180, 180, 255"},
        };
        for (const auto& entry : entries) {
            insert.addBindValue(entry.year);
            insert.addBindValue(entry.month);
            insert.addBindValue(entry.day);
            insert.addBindValue(QString::fromUtf8(entry.type));
            insert.addBindValue(QString::fromUtf8(entry.colour));
            FuzzSupport::Check(insert.exec(), "an entry is stored");
        }
    }
    QSqlDatabase::removeDatabase(connection);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Start(argc, argv, qEnvironmentVariableIntValue("KELVANE_FUZZ_GRAPHICS") == 1);
    QDir().mkpath(workFolder());
    placeWorkingCopy();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QStringList arguments = FuzzSupport::Text(data, size).split(QLatin1Char('\n'));
    if (arguments.size() > 40)
        return -1;
    arguments = confined(arguments);
    if (asksForLongListing(arguments))
        return -1;

    const CommandRun run = CommandRun::Kelvane(arguments);
    const int status = run.status;
    const QString& outText = run.out;
    const QString& errText = run.err;

    if (qEnvironmentVariableIsSet("KELVANE_FUZZ_VERBOSE")) {
        std::fprintf(stderr, "%s\nstatus %d\n%s%s", qPrintable(arguments.join(QLatin1Char(' '))),
                     status, qPrintable(outText.left(2000)), qPrintable(errText));
        for (const QString& name :
             QDir(workFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            std::fprintf(stderr, "wrote %s\n", qPrintable(name));
    }
    FuzzSupport::Check(status >= CommandLine::Success && status <= CommandLine::NoPrinter,
                       "a documented exit status");
    FuzzSupport::Check(status == CommandLine::Success || !errText.trimmed().isEmpty(),
                       "a failure says why");

    QDir work(workFolder());
    work.removeRecursively();
    QDir().mkpath(workFolder());
    return 0;
}
