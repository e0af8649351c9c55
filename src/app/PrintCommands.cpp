#include "app/PrintCommands.h"

#include "app/ChoiceOptions.h"
#include "app/CommandLine.h"
#include "app/CommandOptions.h"
#include "print/AllPatternsBatch.h"
#include "print/BatchTarget.h"
#include "print/SurfaceFactory.h"
#include "print/YearCalendarPrinter.h"
#include "rota/RotaKind.h"
#include "store/AppState.h"
#include "store/CalendarDatabase.h"
#include "store/Clock.h"
#include "store/VacationTable.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace PrintCommands {

namespace {

constexpr int MinimumDpi = 10;
constexpr int MaximumDpi = 600;
constexpr int MinimumPageTwips = 1440;
constexpr int MaximumPageTwips = 50000;
// About 160 MB of page image.
constexpr qint64 MaximumImagePixels = 40'000'000;

class Command
{
public:
    Command(const QString& name, QTextStream& err) : m_name(name), m_err(err) {}

    int refuse(const QString& why) const { return fail(why, CommandLine::BadArguments); }
    int fail(const QString& why, int status) const
    {
        m_err << "kelvane " << m_name << ": " << why << Qt::endl;
        return status;
    }

private:
    QString m_name;
    QTextStream& m_err;
};

void addOutputOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {u"dpi"_s, u"Resolution of PNG output (default: 150)."_s, u"N"_s},
        {u"page"_s,
         u"Printable width and height in twips of file output (default: 11520,15120, US Letter "
         "less quarter-inch margins)."_s,
         u"W,H"_s},
    });
}

bool readFileOptions(const QCommandLineParser& parser, SurfaceFactory::FileOptions& options,
                     QString* error)
{
    if (parser.isSet(u"dpi"_s)) {
        const QString text = parser.value(u"dpi"_s);
        const std::optional<qint64> dpi =
            CommandOptions::WholeNumber(text, u"the resolution (--dpi)"_s, MinimumDpi, error);
        if (!dpi)
            return false;
        if (*dpi > MaximumDpi) {
            *error =
                u"the resolution (--dpi) must be at most %1: \"%2\""_s.arg(MaximumDpi).arg(text);
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
        const auto fits = [](int twips) {
            return twips >= MinimumPageTwips && twips <= MaximumPageTwips;
        };
        if (!fits(width) || !fits(height)) {
            *error =
                u"the page must be W,H in twips, each from %1 to %2: \"%3\""_s.arg(MinimumPageTwips)
                    .arg(MaximumPageTwips)
                    .arg(text);
            return false;
        }
        options.printable = QSize(width, height);
    }
    return true;
}

bool imageFits(const SurfaceFactory::FileOptions& options, QString* error)
{
    const auto pixels = [&options](int twips) {
        return qint64(twips + 720) * options.dpi / 1440 + 1;
    };
    const qint64 width = pixels(options.printable.width());
    const qint64 height = pixels(options.printable.height());
    if (width * height > MaximumImagePixels) {
        *error = u"the page image would be %1 x %2 pixels: lower --dpi or --page"_s.arg(width).arg(
            height);
        return false;
    }
    return true;
}

// Fonts and painting need the GUI library started; the .ops trace does not.
bool canPaint()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

QString noPainting()
{
    return u"cannot draw: the program was started without its graphics library"_s;
}

QString noPrinter()
{
    return u"no printer is installed (write a file with --out FILE.pdf)"_s;
}

AppState stateFor(const ChoiceOptions::Choices& choices)
{
    AppState state;
    state.HighlightGroup = choices.calendar.highlightGroup;
    state.shades = choices.calendar.shades;
    return state;
}

// The batch's view of the window over a copy of the choices: each call does what the
// window's handler does to the choices the printout reads.
class CommandBatchTarget final : public BatchTarget
{
public:
    using Printer = std::function<bool(int index, const CalendarChoices&, AppState&)>;

    CommandBatchTarget(const ChoiceOptions::Choices& choices, Printer printer)
        : m_choices(choices), m_state(stateFor(choices)), m_printer(std::move(printer))
    {
    }

    void setBatch(AllPatternsBatch* batch) { m_batch = batch; }
    bool failed() const { return m_failed; }

    QString copiesText() const override { return m_choices.calendar.copiesText; }
    QString yearText() const override { return m_choices.calendar.yearText; }
    void untickVacations() override { m_choices.calendar.highlightVacations = false; }
    void selectSixAndTwo() override { selectKind(RotaKind::CgSixTwo); }
    void selectFourAndTwo() override { selectKind(RotaKind::FourTwo); }
    void selectPattern(int index) override
    {
        m_index = index;
        m_choices.calendar.highlightGroup = RotaKinds::GroupForPatternButton(index);
        m_choices.calendar.noHighlight = false;
        m_state.HighlightGroup = m_choices.calendar.highlightGroup;
    }
    void selectColour(ColourFamily family) override
    {
        m_choices.colour = family;
        m_choices.calendar.shades = ShadeColors::For(family, m_choices.shade);
        m_state.shades = m_choices.calendar.shades;
    }
    void printCalendar() override
    {
        if (!m_printer(m_index, m_choices.calendar, m_state)) {
            m_failed = true;
            if (m_batch)
                m_batch->requestStop();
        }
    }

private:
    void selectKind(RotaKind kind)
    {
        // The window selects "Don't highlight any patterns." with the kind. "Highlight only"
        // stays as given: print-all draws each page as print-year would.
        m_choices.calendar.kind = kind;
        m_choices.calendar.noHighlight = true;
        m_choices.calendar.highlightGroup = u"0"_s;
        m_state.HighlightGroup = m_choices.calendar.highlightGroup;
    }

    ChoiceOptions::Choices m_choices;
    AppState m_state;
    Printer m_printer;
    AllPatternsBatch* m_batch = nullptr;
    int m_index = 0;
    bool m_failed = false;
};

} // namespace

QString BatchFileName(int index, const QString& extension)
{
    return u"%1-%2.%3"_s.arg(index + 1, 2, 10, QLatin1Char('0'))
        .arg(AllPatternsBatch::GroupOf(index), extension);
}

int RunPrintYear(const QStringList& arguments, QTextStream& out, QTextStream& err,
                 const Clock& clock)
{
    const Command command(u"print-year"_s, err);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Prints the year calendar for the given choices, on the default printer or into a "
        "file."_s);
    parser.addHelpOption();
    ChoiceOptions::AddTo(parser);
    parser.addOption(
        {u"out"_s, u"Write the page to FILE (.pdf, .png or .ops) instead."_s, u"FILE"_s});
    addOutputOptions(parser);
    QString error;
    if (!CommandOptions::Parse(parser, arguments, &error))
        return command.refuse(error);
    if (parser.isSet(u"help"_s)) {
        out << parser.helpText();
        out.flush();
        return CommandLine::Success;
    }
    if (!parser.positionalArguments().isEmpty())
        return command.refuse(
            u"unexpected argument \"%1\""_s.arg(parser.positionalArguments().first()));

    const std::optional<ChoiceOptions::Choices> choices =
        ChoiceOptions::Build(parser, clock.today(), &error);
    if (!choices)
        return command.refuse(error);

    SurfaceFactory::FileOptions fileOptions;
    if (!readFileOptions(parser, fileOptions, &error))
        return command.refuse(error);
    const QString outPath = parser.value(u"out"_s);
    std::optional<SurfaceFactory::Format> format;
    if (parser.isSet(u"out"_s)) {
        format = SurfaceFactory::FormatOf(outPath);
        if (!format)
            return command.refuse(
                u"cannot tell the format of \"%1\": the name must end in .pdf, .png or .ops"_s.arg(
                    outPath));
        if (*format == SurfaceFactory::Format::Png && !imageFits(fileOptions, &error))
            return command.refuse(error);
        const QFileInfo info(outPath);
        if (info.isDir())
            return command.refuse(u"\"%1\" is a folder, not a file"_s.arg(outPath));
        if (!info.absoluteDir().exists())
            return command.refuse(u"the folder of \"%1\" does not exist"_s.arg(outPath));
    } else if (parser.isSet(u"page"_s)) {
        return command.refuse(u"--page applies to file output only (--out FILE)"_s);
    }

    CalendarDatabase database;
    std::unique_ptr<VacationTable> entries;
    if (choices->calendar.highlightVacations) {
        if (!database.open(choices->databasePath, &error)) {
            if (!parser.isSet(u"database"_s))
                error += u" (give the file with --database FILE)"_s;
            return command.refuse(error);
        }
        entries = std::make_unique<VacationTable>(database);
    }

    if (format != SurfaceFactory::Format::Ops && !canPaint())
        return command.fail(noPainting(), CommandLine::WriteFailed);
    std::unique_ptr<PrintSurface> surface;
    if (format) {
        surface = SurfaceFactory::OpenFile(outPath, *format, fileOptions, &error);
        if (!surface)
            return command.refuse(error);
    } else {
        surface = SurfaceFactory::OpenDefaultPrinter(&error);
        if (!surface)
            return command.fail(noPrinter(), CommandLine::NoPrinter);
    }

    AppState state = stateFor(*choices);
    YearCalendarPrinter::Print(*surface, choices->calendar, state, entries.get());
    if (!surface->finish(&error))
        return command.fail(error, format ? CommandLine::WriteFailed : CommandLine::NoPrinter);
    return CommandLine::Success;
}

int RunPrintAll(const QStringList& arguments, QTextStream& out, QTextStream& err,
                const Clock& clock)
{
    const Command command(u"print-all"_s, err);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Prints the year calendar once for every group of the CG six-and-two rota (1..7) and "
        "of the four-and-two rota (A..G), on the default printer or into fourteen files "
        "DIR/01-1.EXT .. DIR/14-G.EXT. Personal entries are not drawn."_s);
    parser.addHelpOption();
    ChoiceOptions::AddTo(parser);
    parser.addOptions({
        {u"random-colours"_s,
         u"Pick the highlight colour of each calendar at random (yellow, pink, green, blue)."_s},
        {u"out"_s, u"Write the fourteen pages into the folder DIR instead."_s, u"DIR"_s},
        {u"format"_s, u"File format of --out: pdf (default), png or ops."_s, u"FORMAT"_s},
    });
    addOutputOptions(parser);
    QString error;
    if (!CommandOptions::Parse(parser, arguments, &error))
        return command.refuse(error);
    if (parser.isSet(u"help"_s)) {
        out << parser.helpText();
        out.flush();
        return CommandLine::Success;
    }
    if (!parser.positionalArguments().isEmpty())
        return command.refuse(
            u"unexpected argument \"%1\""_s.arg(parser.positionalArguments().first()));

    const std::optional<ChoiceOptions::Choices> choices =
        ChoiceOptions::Build(parser, clock.today(), &error);
    if (!choices)
        return command.refuse(error);
    SurfaceFactory::FileOptions fileOptions;
    if (!readFileOptions(parser, fileOptions, &error))
        return command.refuse(error);

    const bool toFiles = parser.isSet(u"out"_s);
    SurfaceFactory::Format format = SurfaceFactory::Format::Pdf;
    if (parser.isSet(u"format"_s)) {
        const QString name = parser.value(u"format"_s);
        const std::optional<SurfaceFactory::Format> named =
            SurfaceFactory::FormatNamed(name.trimmed().toLower());
        if (!named)
            return command.refuse(u"unknown format \"%1\" (pdf, png or ops)"_s.arg(name));
        format = *named;
    }
    if (!toFiles && parser.isSet(u"format"_s))
        return command.refuse(u"--format applies to file output only (--out DIR)"_s);
    if (!toFiles && parser.isSet(u"page"_s))
        return command.refuse(u"--page applies to file output only (--out DIR)"_s);
    const QString folder = parser.value(u"out"_s);
    if (toFiles) {
        if (format == SurfaceFactory::Format::Png && !imageFits(fileOptions, &error))
            return command.refuse(error);
        const QFileInfo info(folder);
        if (info.exists() && !info.isDir())
            return command.refuse(u"\"%1\" is a file, not a folder"_s.arg(folder));
    }

    if ((!toFiles || format != SurfaceFactory::Format::Ops) && !canPaint())
        return command.fail(noPainting(), CommandLine::WriteFailed);
    std::unique_ptr<PrintSurface> printer;
    if (!toFiles) {
        printer = SurfaceFactory::OpenDefaultPrinter(&error);
        if (!printer)
            return command.fail(noPrinter(), CommandLine::NoPrinter);
    } else if (!QDir().mkpath(folder)) {
        return command.refuse(u"cannot create the folder \"%1\""_s.arg(folder));
    }

    // The batch never draws personal entries, so no database is opened.
    const QString extension = SurfaceFactory::Extension(format);
    const QDir dir(folder);
    QString failure;
    CommandBatchTarget target(
        *choices, [&](int index, const CalendarChoices& calendar, AppState& state) {
            if (printer) {
                YearCalendarPrinter::Print(*printer, calendar, state);
                return true;
            }
            const QString path = dir.filePath(BatchFileName(index, extension));
            std::unique_ptr<PrintSurface> surface =
                SurfaceFactory::OpenFile(path, format, fileOptions, &failure);
            if (!surface)
                return false;
            YearCalendarPrinter::Print(*surface, calendar, state);
            return surface->finish(&failure);
        });
    AllPatternsBatch batch(target);
    target.setBatch(&batch);
    batch.printAll(parser.isSet(u"random-colours"_s));
    if (printer && !printer->finish(&failure))
        return command.fail(failure, CommandLine::NoPrinter);
    if (target.failed())
        return command.fail(failure, CommandLine::WriteFailed);
    return CommandLine::Success;
}

int PrintYear(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const SystemClock clock;
    return RunPrintYear(arguments, out, err, clock);
}

int PrintAll(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const SystemClock clock;
    return RunPrintAll(arguments, out, err, clock);
}

} // namespace PrintCommands
