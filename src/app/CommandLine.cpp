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

using Maker = std::unique_ptr<Subcommand> (*)(const CommandContext& context);

struct Entry
{
    const char* name;
    Maker make;
    // Draws pages: needs fonts and painting, i.e. the GUI library.
    bool draws = false;
};

// Every subcommand, in the order the help lists them.
const QList<Entry>& subcommands()
{
    static const QList<Entry> all = {
        {"whos-off", LookupCommands::WhosOff},
        {"holidays", LookupCommands::Holidays},
        {"export-ics", ExportCommand::ExportIcs},
        {"print-year", PrintCommands::PrintYear, true},
        {"print-all", PrintCommands::PrintAll, true},
        {"print-month", MonthCommand::PrintMonth, true},
    };
    return all;
}

const Entry* find(const QString& name)
{
    for (const Entry& subcommand : subcommands()) {
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

// A subcommand's usage in lines of at most 79 characters, cut between its words (an option
// with its value is one word), the lines after the first indented under the subcommand.
QString wrapped(const QStringList& words)
{
    constexpr qsizetype Width = 79;
    const QString indent(6, u' ');
    QString text;
    QString line;
    for (const QString& word : words) {
        const QString start = line.isEmpty() ? (text.isEmpty() ? u"  "_s : indent) : line + u' ';
        if (!line.isEmpty() && start.size() + word.size() > Width) {
            text += line + u'\n';
            line = indent + word;
        } else {
            line = start + word;
        }
    }
    return text + line;
}

} // namespace

QString HelpText(const CommandContext& context)
{
    QString text =
        u"Usage: kelvane [SUBCOMMAND [OPTIONS]]\n"
        "Prints wall calendars of rostered days off. Without a subcommand the window opens.\n\n"
        "Subcommands:\n"_s;
    // Each subcommand lists the options it declares: the help cannot miss one.
    for (const Entry& subcommand : subcommands())
        text += wrapped(QStringList{u"kelvane"_s} + subcommand.make(context)->usage()) + u'\n';
    text += u"\n  kelvane SUBCOMMAND --help   options of one subcommand\n"
            "  kelvane --version           the program's version\n"_s;
    return text;
}

Application ApplicationFor(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return Application::Widgets;
    const Entry* subcommand = find(arguments.at(1));
    return subcommand && subcommand->draws ? Application::Gui : Application::Core;
}

int Run(const QStringList& arguments, const CommandContext& context)
{
    if (arguments.size() < 2 || isHelp(arguments.at(1))) {
        context.out << HelpText(context);
        context.out.flush();
        return Success;
    }
    const QString name = arguments.at(1);
    if (isVersion(name)) {
        context.out << versionText() << '\n';
        context.out.flush();
        return Success;
    }
    const Entry* subcommand = find(name);
    if (!subcommand) {
        context.err << "kelvane: unknown subcommand " << CommandOptions::Quoted(name)
                    << " (see kelvane --help)" << Qt::endl;
        return BadArguments;
    }
    // The subcommand parses its own name as the program name.
    return subcommand->make(context)->run(arguments.mid(1));
}

void NameApplication()
{
    QCoreApplication::setOrganizationName(u"Kelvane"_s);
    QCoreApplication::setApplicationName(u"Kelvane"_s);
}

} // namespace CommandLine
