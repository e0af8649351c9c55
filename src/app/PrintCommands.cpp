#include "app/PrintCommands.h"

#include "app/ChoiceOptions.h"
#include "app/CommandLine.h"
#include "app/CommandOptions.h"
#include "app/OutputOptions.h"
#include "app/Subcommand.h"
#include "print/AllPatternsBatch.h"
#include "print/PrintNames.h"
#include "print/SurfaceFactory.h"
#include "print/YearCalendarPrinter.h"
#include "rota/RotaKind.h"
#include "store/AppState.h"
#include "store/CalendarDatabase.h"
#include "store/MemoryFiles.h"
#include "store/OneLine.h"
#include "store/VacationTable.h"

#include <QCommandLineParser>
#include <QDir>
#include <QtConcurrent/QtConcurrentMap>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace PrintCommands {

namespace {

// The command line of print-year or print-all: the window's choices, then where the pages go.
class Command : public Subcommand
{
public:
    Command(const QString& name, const QString& description, OutputOptions::Out out,
            const CommandContext& context)
        : Subcommand(name, description, context), m_out(out)
    {
        add(ChoiceOptions::Options());
        add({u"key"_s, u"Print a key under the blocks: what each fill, strip and ring of the "
                       "page means."_s});
    }

    const ChoiceOptions::Choices& choices() const { return *m_choices; }
    const OutputOptions& output() const { return *m_output; }

protected:
    // The options of the output, after those of the subcommand's own.
    void addOutputOptions() { add(OutputOptions::Options(m_out)); }

    // Reads the arguments; the exit status when the command ends here (help shown, or a value
    // refused).
    std::optional<int> read(const QStringList& arguments)
    {
        if (const std::optional<int> status = Subcommand::read(arguments))
            return status;
        QString error;
        m_choices = ChoiceOptions::Build(parser(), context().clock.today(), &error);
        if (!m_choices)
            return refuse(error);
        m_choices->calendar.printKey = parser().isSet(u"key"_s);
        if (const std::optional<int> year =
                CommandOptions::Year(m_choices->calendar.yearText, &error)) {
            for (const QString& note : m_choices->calendar.holidayFiles.coverageNotes(*year))
                tell(OneLine::Escaped(note));
        }
        m_output = OutputOptions::Read(parser(), m_out, context().printers, &error);
        if (!m_output)
            return refuse(error);
        return std::nullopt;
    }

private:
    OutputOptions::Out m_out;
    std::optional<ChoiceOptions::Choices> m_choices;
    std::optional<OutputOptions> m_output;
};

// A calendar of the batch to be drawn into its file.
struct BatchFile
{
    int index = 0;
    CalendarChoices calendar;
    AppState state;
    QString name;
};

// The file name of calendar `index` of print-all: "01-1" .. "07-7", "08-A" .. "14-G", with
// the extension; a rota of the user's own numbers its groups the same way ("01-A" ...).
QString BatchFileName(int index, const CalendarChoices& calendar, const QString& extension)
{
    return u"%1-%2.%3"_s.arg(index + 1, 2, 10, QLatin1Char('0'))
        .arg(calendar.highlightGroup.trimmed(), extension);
}

// What drawing it gave: the file's bytes, kept until the files before it are written.
struct DrawnFile
{
    PageFit fit;
    bool drawn = false;
    QString error;
    QString notice;
    MemoryFiles files;
};

class PrintYearCommand final : public Command
{
public:
    explicit PrintYearCommand(const CommandContext& context)
        : Command(u"print-year"_s,
                  u"Prints the year calendar for the given choices, on the default printer or "
                  "into a file."_s,
                  OutputOptions::Out::File, context)
    {
        addOutputOptions();
    }

    int run(const QStringList& arguments) override;
};

class PrintAllCommand final : public Command
{
public:
    explicit PrintAllCommand(const CommandContext& context)
        : Command(u"print-all"_s,
                  u"Prints the year calendar once for every group of the CG six-and-two rota "
                  "(1..7) and of the four-and-two rota (A..G), on the default printer or into "
                  "fourteen files DIR/01-1.EXT .. DIR/14-G.EXT; with --rota, once for every "
                  "group of that rota (DIR/01-A.EXT ...). Personal entries are not drawn."_s,
                  OutputOptions::Out::Folder, context)
    {
        add({u"random-colours"_s, u"Pick the highlight colour of each calendar at random "
                                  "(yellow, pink, green, blue)."_s});
        addOutputOptions();
    }

    int run(const QStringList& arguments) override;
};

int PrintYearCommand::run(const QStringList& arguments)
{
    Command& command = *this;
    if (const std::optional<int> status = read(arguments))
        return *status;
    const ChoiceOptions::Choices& choices = command.choices();

    QString error;
    CalendarDatabase database;
    std::unique_ptr<VacationTable> entries;
    if (choices.calendar.highlightVacations) {
        if (!database.open(choices.databasePath, &error)) {
            const bool wrongFile = CalendarDatabase::IsWrongFile(database.failure());
            if (wrongFile && !command.parser().isSet(u"database"_s))
                error += u" (give the file with --database FILE)"_s;
            return command.fail(error, wrongFile ? CommandLine::BadArguments : CommandLine::Failed);
        }
        entries = std::make_unique<VacationTable>(database);
    }

    int status = CommandLine::Success;
    const std::unique_ptr<PrintSurface> surface =
        command.output().open(&status, &error, PrintNames::YearCalendar(choices.calendar));
    if (!surface)
        return command.fail(error, status);
    AppState state;
    const PageFit fit =
        YearCalendarPrinter::Print(*surface, choices.calendar, state, entries.get());
    if (!surface->finish(&error))
        return command.fail(error, command.output().finishFailure());
    command.output().deliver(context().bytesOut);
    if (fit.reduced())
        command.tell(fit.note());
    command.tell(surface->notice());
    return CommandLine::Success;
}

int PrintAllCommand::run(const QStringList& arguments)
{
    Command& command = *this;
    if (const std::optional<int> status = read(arguments))
        return *status;
    const OutputOptions& output = command.output();

    QString error;
    if (!output.canDraw(&error))
        return command.fail(error, CommandLine::Failed);
    std::unique_ptr<PrintSurface> printer;
    if (output.toPrinter()) {
        printer = output.openPrinter(&error);
        if (!printer)
            return command.fail(error, CommandLine::NoPrinter);
    } else if (!QDir().mkpath(output.path())) {
        return command.fail(
            u"cannot create the folder %1"_s.arg(CommandOptions::Quoted(output.path())),
            CommandLine::Failed);
    }

    // The batch never draws personal entries, so no database is opened. A printer takes the
    // calendars as the batch goes; files are drawn afterwards, side by side.
    const auto noteFit = [&command](int index, const PageFit& fit) {
        if (fit.reduced())
            command.tell(u"calendar %1: %2"_s.arg(index + 1).arg(fit.note()));
    };
    std::vector<BatchFile> files;
    AppState state;
    const auto take = [&](int index, const CalendarChoices& calendar) {
        const QString name = PrintNames::BatchCalendar(calendar);
        if (printer) {
            printer->setDocumentName(name);
            noteFit(index, YearCalendarPrinter::Print(*printer, calendar, state));
        } else {
            files.push_back({index, calendar, state, name});
        }
    };
    const ChoiceOptions::Choices& choices = command.choices();
    AllPatternsBatch batch(AllPatternsBatch::Jobs(choices.calendar.rota));
    batch.run(choices.calendar, command.parser().isSet(u"random-colours"_s), choices.shade, take);
    QString failure;
    if (printer && !printer->finish(&failure))
        return command.fail(failure, CommandLine::Failed);

    // The files are drawn into memory side by side, then put in place in order: the first
    // one that cannot be written ends the run, and none after it is written, as if they were
    // drawn one by one.
    if (const std::optional<int> year = CommandOptions::Year(choices.calendar.yearText, &error))
        choices.calendar.holidayFiles.prepare(*year);
    const QString extension = SurfaceFactory::Extension(output.format());
    const QDir dir(output.path());
    const std::vector<DrawnFile> drawn =
        QtConcurrent::blockingMapped<std::vector<DrawnFile>>(files, [&](const BatchFile& file) {
            DrawnFile result;
            const std::unique_ptr<PrintSurface> surface =
                output.openFile(dir.filePath(BatchFileName(file.index, file.calendar, extension)),
                                &result.error, file.name, &result.files);
            if (!surface)
                return result;
            AppState state = file.state;
            result.fit = YearCalendarPrinter::Print(*surface, file.calendar, state);
            result.drawn = surface->finish(&result.error);
            result.notice = surface->notice();
            return result;
        });
    QString notice;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const DrawnFile& result = drawn[i];
        noteFit(files[i].index, result.fit);
        if (!result.drawn)
            return command.fail(result.error, CommandLine::Failed);
        if (!result.files.writeAll(&failure))
            return command.fail(failure, CommandLine::Failed);
        notice = result.notice;
    }
    command.tell(notice);
    return CommandLine::Success;
}

} // namespace

std::unique_ptr<Subcommand> PrintYear(const CommandContext& context)
{
    return std::make_unique<PrintYearCommand>(context);
}

std::unique_ptr<Subcommand> PrintAll(const CommandContext& context)
{
    return std::make_unique<PrintAllCommand>(context);
}

} // namespace PrintCommands
