#include "app/MonthCommand.h"

#include "app/ChoiceOptions.h"
#include "app/CommandLine.h"
#include "app/CommandOptions.h"
#include "month/MonthPrinter.h"
#include "month/MonthSheetLayout.h"
#include "month/NoteText.h"
#include "print/SurfaceFactory.h"
#include "store/AppState.h"
#include "store/CalendarDatabase.h"
#include "store/Clock.h"
#include "store/DatabasePlacement.h"
#include "store/MonthNotesTable.h"
#include "store/VacationTable.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>

#include <memory>

using namespace Qt::StringLiterals;

namespace MonthCommand {

namespace {

const QString Name = u"print-month"_s;

// About 160 MB of page image, as for the year page.
constexpr qint64 MaximumImagePixels = 40'000'000;

int refuse(QTextStream& err, const QString& why, int status = CommandLine::BadArguments)
{
    err << "kelvane " << Name << ": " << why << Qt::endl;
    return status;
}

std::optional<QDate> readMonth(const QString& text, QString* error)
{
    static const QRegularExpression shape(u"^(\\d{4})-(\\d{2})$"_s);
    const QRegularExpressionMatch match = shape.match(text.trimmed());
    const int year = match.hasMatch() ? match.captured(1).toInt() : 0;
    const int month = match.hasMatch() ? match.captured(2).toInt() : 0;
    if (!match.hasMatch() || month < 1 || month > 12 || year < 1901 || year > 2124) {
        *error = u"the month must be YYYY-MM, 1901-01 to 2124-12: \"%1\""_s.arg(text);
        return std::nullopt;
    }
    return QDate(year, month, 1);
}

std::optional<int> readPrintSize(const QString& text, QString* error)
{
    static const QRegularExpression whole(u"^\\d{1,4}$"_s);
    const int size = text.trimmed().toInt();
    if (!whole.match(text.trimmed()).hasMatch() || size < MonthPrinter::MinimumPrintSize ||
        size > MonthPrinter::MaximumPrintSize) {
        *error = u"the print size must be a whole number from %1 to %2 (percent): \"%3\""_s
                     .arg(MonthPrinter::MinimumPrintSize)
                     .arg(MonthPrinter::MaximumPrintSize)
                     .arg(text);
        return std::nullopt;
    }
    return size;
}

bool readFileOptions(const QCommandLineParser& parser, SurfaceFactory::FileOptions& options,
                     QString* error)
{
    if (parser.isSet(u"dpi"_s)) {
        const QString text = parser.value(u"dpi"_s);
        const std::optional<qint64> dpi =
            CommandOptions::WholeNumber(text, u"the resolution (--dpi)"_s, 10, error);
        if (!dpi)
            return false;
        if (*dpi > 600) {
            *error = u"the resolution (--dpi) must be at most 600: \"%1\""_s.arg(text);
            return false;
        }
        options.dpi = static_cast<int>(*dpi);
    }
    if (parser.isSet(u"page"_s)) {
        static const QRegularExpression shape(u"^\\s*(\\d{1,6})\\s*,\\s*(\\d{1,6})\\s*$"_s);
        const QString text = parser.value(u"page"_s);
        const QRegularExpressionMatch match = shape.match(text);
        const int width = match.hasMatch() ? match.captured(1).toInt() : 0;
        const int height = match.hasMatch() ? match.captured(2).toInt() : 0;
        const auto fits = [](int twips) { return twips >= 1440 && twips <= 50000; };
        if (!fits(width) || !fits(height)) {
            *error = u"the page must be W,H in twips, each from 1440 to 50000: \"%1\""_s.arg(text);
            return false;
        }
        options.printable = QSize(width, height);
    }
    if (parser.isSet(u"out"_s) &&
        SurfaceFactory::FormatOf(parser.value(u"out"_s)) == SurfaceFactory::Format::Png) {
        const auto pixels = [&options](int twips) {
            return qint64(twips + 720) * options.dpi / 1440 + 1;
        };
        const qint64 width = pixels(options.printable.width());
        const qint64 height = pixels(options.printable.height());
        if (width * height > MaximumImagePixels) {
            *error =
                u"the page image would be %1 x %2 pixels: lower --dpi or --page"_s.arg(width).arg(
                    height);
            return false;
        }
    }
    return true;
}

// The notes as the month window shows them right after opening: the stored record (or a
// fresh one), then the personal-entry words, in memory only.
MonthNotesRecord notesFor(const ChoiceOptions::Choices& choices, CalendarDatabase* database,
                          EntryLookup* entries, QString* error)
{
    const QDate first = choices.calendar.calendarDate;
    MonthNotesRecord notes = MonthNotesRecord::Fresh();
    notes.Month = MonthNotesTable::MonthKey(first);
    if (database) {
        if (std::optional<MonthNotesRecord> stored = MonthNotesTable::Find(*database, first, error))
            notes = *stored;
        else if (!error->isEmpty())
            return notes;
    }
    for (std::size_t k = 0; k < notes.Note.size(); ++k) {
        notes.Note[k] = NoteText::Shown(notes.Note[k]);
        notes.SecondNote[k] = NoteText::Shown(notes.SecondNote[k]);
    }
    if (choices.calendar.highlightVacations && entries) {
        AppState state;
        const MonthSheetLayout layout = MonthSheetLayout::Build(choices.calendar, state, entries);
        for (const MonthSheetLayout::Day& day : layout.days()) {
            const auto k = static_cast<std::size_t>(day.day - 1);
            NoteText::PlaceEntryWord(notes.Note[k], notes.SecondNote[k], day.entryWord);
        }
    }
    return notes;
}

} // namespace

int RunPrintMonth(const QStringList& arguments, QTextStream& out, QTextStream& err,
                  const Clock& clock)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Prints one month as the month window's Print button does, with the notes and "
        "highlights stored for it, on the default printer or into a file. The calendar "
        "database (--database, else the working copy) is only read. --year is the year under "
        "which personal entries are looked up (default: the month's year); --station, --size, "
        "--copies and --paydays do not apply to the month page."_s);
    parser.addHelpOption();
    parser.addOption({u"month"_s, u"The month to print, YYYY-MM."_s, u"YYYY-MM"_s});
    ChoiceOptions::AddTo(parser);
    parser.addOptions({
        {u"print-size"_s, u"Print size in percent, 30..110 (default: 100)."_s, u"N"_s},
        {u"out"_s, u"Write the page to FILE (.pdf, .png or .ops) instead."_s, u"FILE"_s},
        {u"dpi"_s, u"Resolution of PNG output (default: 150)."_s, u"N"_s},
        {u"page"_s,
         u"Printable width and height in twips of file output (default: 11520,15120, US Letter "
         "less quarter-inch margins)."_s,
         u"W,H"_s},
    });
    QString error;
    if (!CommandOptions::Parse(parser, arguments, &error))
        return refuse(err, error);
    if (parser.isSet(u"help"_s)) {
        out << parser.helpText();
        out.flush();
        return CommandLine::Success;
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(err,
                      u"unexpected argument \"%1\""_s.arg(parser.positionalArguments().first()));
    if (!parser.isSet(u"month"_s))
        return refuse(err, u"give the month to print with --month YYYY-MM"_s);
    const std::optional<QDate> month = readMonth(parser.value(u"month"_s), &error);
    if (!month)
        return refuse(err, error);

    std::optional<ChoiceOptions::Choices> choices =
        ChoiceOptions::Build(parser, clock.today(), &error);
    if (!choices)
        return refuse(err, error);
    choices->calendar.calendarDate = *month;
    // Without --year entries are looked up under the month's own year, as the window does
    // after start-up.
    if (!parser.isSet(u"year"_s))
        choices->calendar.yearText = QString::number(month->year());

    int printSize = MonthPrinter::DefaultPrintSize;
    if (parser.isSet(u"print-size"_s)) {
        const std::optional<int> size = readPrintSize(parser.value(u"print-size"_s), &error);
        if (!size)
            return refuse(err, error);
        printSize = *size;
    }

    SurfaceFactory::FileOptions fileOptions;
    if (!readFileOptions(parser, fileOptions, &error))
        return refuse(err, error);
    const QString outPath = parser.value(u"out"_s);
    std::optional<SurfaceFactory::Format> format;
    if (parser.isSet(u"out"_s)) {
        format = SurfaceFactory::FormatOf(outPath);
        if (!format)
            return refuse(
                err,
                u"cannot tell the format of \"%1\": the name must end in .pdf, .png or .ops"_s.arg(
                    outPath));
        const QFileInfo info(outPath);
        if (info.isDir())
            return refuse(err, u"\"%1\" is a folder, not a file"_s.arg(outPath));
        if (!info.absoluteDir().exists())
            return refuse(err, u"the folder of \"%1\" does not exist"_s.arg(outPath));
    } else if (parser.isSet(u"page"_s)) {
        return refuse(err, u"--page applies to file output only (--out FILE)"_s);
    }

    // The notes come from --database, or the working copy when there is one; entries need a
    // readable file.
    QString databasePath = parser.value(u"database"_s);
    const bool databaseRequired =
        parser.isSet(u"database"_s) || choices->calendar.highlightVacations;
    if (databasePath.isEmpty())
        databasePath =
            QDir(PlacementFolders::Standard().dataFolder).filePath(CalendarDatabase::FileName());
    CalendarDatabase database;
    bool databaseOpen = false;
    if (databaseRequired || QFileInfo::exists(databasePath)) {
        databaseOpen = database.open(databasePath, &error);
        if (!databaseOpen && databaseRequired)
            return refuse(
                err, u"cannot read the calendar database \"%1\": %2"_s.arg(databasePath, error));
        if (!databaseOpen)
            err << "kelvane " << Name << ": printing without stored notes: cannot read \""
                << databasePath << "\": " << error << Qt::endl;
    }
    std::unique_ptr<VacationTable> entries;
    if (databaseOpen && choices->calendar.highlightVacations)
        entries = std::make_unique<VacationTable>(database);

    error.clear();
    const MonthNotesRecord notes =
        notesFor(*choices, databaseOpen ? &database : nullptr, entries.get(), &error);
    if (!error.isEmpty())
        return refuse(err, u"cannot read the notes of %1 from \"%2\": %3"_s.arg(
                               parser.value(u"month"_s), databasePath, error));

    const bool canPaint = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (format != SurfaceFactory::Format::Ops && !canPaint)
        return refuse(err, u"cannot draw: the program was started without its graphics library"_s,
                      CommandLine::WriteFailed);
    std::unique_ptr<PrintSurface> surface;
    if (format) {
        surface = SurfaceFactory::OpenFile(outPath, *format, fileOptions, &error);
        if (!surface)
            return refuse(err, error);
    } else {
        surface = SurfaceFactory::OpenDefaultPrinter(&error);
        if (!surface)
            return refuse(err, u"no printer is installed (write a file with --out FILE.pdf)"_s,
                          CommandLine::NoPrinter);
    }

    AppState state;
    state.HighlightGroup = choices->calendar.highlightGroup;
    state.shades = choices->calendar.shades;
    MonthPrinter(choices->calendar, state, entries.get()).print(*surface, notes, printSize);
    if (!surface->finish(&error))
        return refuse(err, error, format ? CommandLine::WriteFailed : CommandLine::NoPrinter);
    return CommandLine::Success;
}

int PrintMonth(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const SystemClock clock;
    return RunPrintMonth(arguments, out, err, clock);
}

} // namespace MonthCommand
