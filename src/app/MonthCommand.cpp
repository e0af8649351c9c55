#include "app/MonthCommand.h"

#include "app/ChoiceOptions.h"
#include "app/CommandLine.h"
#include "app/CommandOptions.h"
#include "app/OutputOptions.h"
#include "app/Subcommand.h"
#include "print/MonthPrinter.h"
#include "print/MonthSheetLayout.h"
#include "print/NoteText.h"
#include "print/PrintNames.h"
#include "store/AppState.h"
#include "store/CalendarDatabase.h"
#include "store/DatabasePlacement.h"
#include "store/MonthNotesTable.h"
#include "store/OneLine.h"
#include "store/VacationTable.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <memory>

using namespace Qt::StringLiterals;

namespace MonthCommand {

namespace {

std::optional<QDate> readMonth(const QString& text, QString* error)
{
    static const QRegularExpression shape(u"^(\\d{4})-(\\d{2})$"_s);
    const QRegularExpressionMatch match = shape.match(text.trimmed());
    const int year = match.hasMatch() ? match.captured(1).toInt() : 0;
    const int month = match.hasMatch() ? match.captured(2).toInt() : 0;
    if (match.hasMatch() && !CommandOptions::NotAMonth(year, month).isEmpty()) {
        *error =
            u"%1 is not a month: %2"_s.arg(text.trimmed(), CommandOptions::NotAMonth(year, month));
        return std::nullopt;
    }
    if (!match.hasMatch() || year < 1901 || year > 2124) {
        *error = u"the month must be YYYY-MM, 1901-01 to 2124-12: %1"_s.arg(
            CommandOptions::Quoted(text));
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
        *error = u"the print size must be a whole number from %1 to %2 (percent): %3"_s
                     .arg(MonthPrinter::MinimumPrintSize)
                     .arg(MonthPrinter::MaximumPrintSize)
                     .arg(CommandOptions::Quoted(text));
        return std::nullopt;
    }
    return size;
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

class PrintMonthCommand final : public Subcommand
{
public:
    explicit PrintMonthCommand(const CommandContext& context)
        : Subcommand(
              u"print-month"_s,
              u"Prints one month as the month window's Print button does, with the notes and "
              "highlights stored for it, on the default printer or into a file. The calendar "
              "database (--database, else the working copy) is only read. --year is the year "
              "under which personal entries are looked up (default: the month's year); "
              "--station, --size, --copies and --paydays do not apply to the month page."_s,
              context)
    {
        add({u"month"_s, u"The month to print, YYYY-MM."_s, u"YYYY-MM"_s},
            u"give the month to print with --month YYYY-MM"_s);
        add(ChoiceOptions::Options());
        add({u"print-size"_s, u"Print size in percent, 30..110 (default: 100)."_s, u"N"_s});
        add(OutputOptions::Options(OutputOptions::Out::File));
    }

    int run(const QStringList& arguments) override;
};

} // namespace

int PrintMonthCommand::run(const QStringList& arguments)
{
    if (const std::optional<int> status = read(arguments))
        return *status;
    const QCommandLineParser& parser = this->parser();
    QString error;
    const std::optional<QDate> month = readMonth(parser.value(u"month"_s), &error);
    if (!month)
        return refuse(error);

    std::optional<ChoiceOptions::Choices> choices =
        ChoiceOptions::Build(parser, context().clock.today(), &error);
    if (!choices)
        return refuse(error);
    choices->calendar.calendarDate = *month;
    for (const QString& note : choices->calendar.holidayFiles.coverageNotes(month->year()))
        tell(OneLine::Escaped(note));
    // Without --year entries are looked up under the month's own year, as the window does
    // after start-up.
    if (!parser.isSet(u"year"_s))
        choices->calendar.yearText = QString::number(month->year());

    int printSize = MonthPrinter::DefaultPrintSize;
    if (parser.isSet(u"print-size"_s)) {
        const std::optional<int> size = readPrintSize(parser.value(u"print-size"_s), &error);
        if (!size)
            return refuse(error);
        printSize = *size;
    }

    const std::optional<OutputOptions> output =
        OutputOptions::Read(parser, OutputOptions::Out::File, context().printers, &error);
    if (!output)
        return refuse(error);

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
            return fail(u"cannot read the calendar database %1: %2"_s.arg(
                            CommandOptions::Quoted(databasePath), error),
                        CalendarDatabase::IsWrongFile(database.failure())
                            ? CommandLine::BadArguments
                            : CommandLine::Failed);
        if (!databaseOpen)
            tell(u"printing without stored notes: cannot read %1: %2"_s.arg(
                CommandOptions::Quoted(databasePath), error));
    }
    std::unique_ptr<VacationTable> entries;
    if (databaseOpen && choices->calendar.highlightVacations)
        entries = std::make_unique<VacationTable>(database);

    error.clear();
    const MonthNotesRecord notes =
        notesFor(*choices, databaseOpen ? &database : nullptr, entries.get(), &error);
    if (!error.isEmpty())
        return fail(u"cannot read the notes of %1 from %2: %3"_s.arg(
                        CommandOptions::Quoted(parser.value(u"month"_s)),
                        CommandOptions::Quoted(databasePath), error),
                    CommandLine::Failed);

    int status = CommandLine::Success;
    const std::unique_ptr<PrintSurface> surface =
        output->open(&status, &error, PrintNames::Month(*month));
    if (!surface)
        return fail(error, status);
    AppState state;
    const PageFit fit =
        MonthPrinter(choices->calendar, state, entries.get()).print(*surface, notes, printSize);
    if (!surface->finish(&error))
        return fail(error, output->finishFailure());
    output->deliver(context().bytesOut);
    if (fit.reduced())
        tell(fit.note());
    return CommandLine::Success;
}

std::unique_ptr<Subcommand> PrintMonth(const CommandContext& context)
{
    return std::make_unique<PrintMonthCommand>(context);
}

} // namespace MonthCommand
