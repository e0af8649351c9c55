#include "app/CommandLine.h"

#include "app/CommandOptions.h"
#include "app/ExportCommand.h"
#include "app/LookupCommands.h"
#include "app/MonthCommand.h"
#include "app/PrintCommands.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace CommandLine {

namespace {

using Handler = int (*)(const QStringList& arguments, const CommandContext& context);

struct Subcommand
{
    const char* name;
    const char* usage;
    Handler run;
    // Draws pages: needs fonts and painting, i.e. the GUI library.
    bool draws = false;
};

// Every subcommand, in the order the help lists them.
const QList<Subcommand>& subcommands()
{
    static const QList<Subcommand> all = {
        {"whos-off", "whos-off YYYY-MM-DD [--days N] [--adjust N]", LookupCommands::WhosOff},
        {"holidays", "holidays YEAR", LookupCommands::Holidays},
        {"export-ics",
         "export-ics --kind KIND --group G --from YYYY-MM-DD --to YYYY-MM-DD [--adjust N] "
         "[--holidays BITS] --out FILE.ics",
         ExportCommand::ExportIcs},
        {"print-year",
         "print-year [--year TEXT] [--kind KIND] [--group G] [--station TEXT] [--adjust N] "
         "[--holidays BITS] [--colour FAMILY] [--shade V] [--size P] [--copies N] [--paydays] "
         "[--no-patterns] [--vacations] [--key] [--database FILE] [--out FILE.pdf|.png|.ops] "
         "[--dpi N] "
         "[--page W,H]",
         PrintCommands::PrintYear, true},
        {"print-all",
         "print-all [choices of print-year] [--random-colours] [--out DIR [--format pdf|png|ops]] "
         "[--dpi N] [--page W,H]",
         PrintCommands::PrintAll, true},
        {"print-month",
         "print-month --month YYYY-MM [choices of print-year] [--print-size N] "
         "[--database FILE] [--out FILE.pdf|.png|.ops] [--dpi N] [--page W,H]",
         MonthCommand::PrintMonth, true},
    };
    return all;
}

const Subcommand* find(const QString& name)
{
    for (const Subcommand& subcommand : subcommands()) {
        if (name == QLatin1String(subcommand.name))
            return &subcommand;
    }
    return nullptr;
}

QString versionText()
{
    return u"kelvane %1.%2.%3"_s.arg(KELVANE_VERSION_MAJOR)
        .arg(KELVANE_VERSION_MINOR)
        .arg(KELVANE_VERSION_PATCH);
}

bool isHelp(const QString& argument)
{
    return argument == QLatin1String("--help") || argument == QLatin1String("--help-all") ||
           argument == QLatin1String("-h") || argument == QLatin1String("help");
}

bool isVersion(const QString& argument)
{
    return argument == QLatin1String("--version") || argument == QLatin1String("-v");
}

} // namespace

QString HelpText()
{
    QString text =
        u"Usage: kelvane [SUBCOMMAND [OPTIONS]]\n"
        "Prints wall calendars of rostered days off. Without a subcommand the window opens.\n\n"
        "Subcommands:\n"_s;
    for (const Subcommand& subcommand : subcommands())
        text += u"  kelvane "_s + QLatin1String(subcommand.usage) + u'\n';
    text += u"\n  kelvane SUBCOMMAND --help   options of one subcommand\n"
            "  kelvane --version           the program's version\n"_s;
    return text;
}

Application ApplicationFor(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return Application::Widgets;
    const Subcommand* subcommand = find(arguments.at(1));
    return subcommand && subcommand->draws ? Application::Gui : Application::Core;
}

int Run(const QStringList& arguments, const CommandContext& context)
{
    if (arguments.size() < 2 || isHelp(arguments.at(1))) {
        context.out << HelpText();
        context.out.flush();
        return Success;
    }
    const QString name = arguments.at(1);
    if (isVersion(name)) {
        context.out << versionText() << '\n';
        context.out.flush();
        return Success;
    }
    const Subcommand* subcommand = find(name);
    if (!subcommand) {
        context.err << "kelvane: unknown subcommand " << CommandOptions::Quoted(name)
                    << " (see kelvane --help)" << Qt::endl;
        return BadArguments;
    }
    // The subcommand parses its own name as the program name.
    return subcommand->run(arguments.mid(1), context);
}

void NameApplication()
{
    QCoreApplication::setOrganizationName(u"Kelvane"_s);
    QCoreApplication::setApplicationName(u"Kelvane"_s);
}

} // namespace CommandLine
