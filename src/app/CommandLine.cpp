#include "app/CommandLine.h"

#include "app/CommandOptions.h"
#include "app/ExportCommand.h"
#include "app/LookupCommands.h"

#include <cstdio>

using namespace Qt::StringLiterals;

namespace CommandLine {

namespace {

struct Subcommand
{
    const char* name;
    const char* usage;
    // Null for the subcommands that draw: they need fonts and painting, i.e. the GUI
    // library, and come with the drawing part of the program (see RunWith()).
    Handler run = nullptr;
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
         "[--page W,H]"},
        {"print-all",
         "print-all [choices of print-year] [--random-colours] [--out DIR [--format pdf|png|ops]] "
         "[--dpi N] [--page W,H]"},
        {"print-month",
         "print-month --month YYYY-MM [choices of print-year] [--print-size N] "
         "[--database FILE] [--out FILE.pdf|.png|.ops] [--dpi N] [--page W,H]"},
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

// Starting the GUI library without a desktop session warns that XDG_RUNTIME_DIR is unset;
// that says nothing to a user of the command line, whose errors are one line each. Installed
// only while the application object is built; anything else is written as usual.
void dropRuntimeDirWarning(QtMsgType type, const QMessageLogContext& context,
                           const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    const QByteArray line = qFormatLogMessage(type, context, message).toLocal8Bit() + '\n';
    std::fputs(line.constData(), stderr);
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

bool WantsCommandLine(const QStringList& arguments)
{
    return arguments.size() > 1;
}

bool Draws(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return false;
    const Subcommand* subcommand = find(arguments.at(1));
    return subcommand && !subcommand->run;
}

int RunWith(const QStringList& arguments, QTextStream& out, QTextStream& err, Drawing drawing)
{
    if (arguments.size() < 2 || isHelp(arguments.at(1))) {
        out << HelpText();
        out.flush();
        return Success;
    }
    const QString name = arguments.at(1);
    if (isVersion(name)) {
        out << versionText() << '\n';
        out.flush();
        return Success;
    }
    const Subcommand* subcommand = find(name);
    if (!subcommand) {
        err << "kelvane: unknown subcommand " << CommandOptions::Quoted(name)
            << " (see kelvane --help)" << Qt::endl;
        return BadArguments;
    }
    const Handler run = subcommand->run ? subcommand->run : drawing ? drawing(name) : nullptr;
    if (!run) {
        err << "kelvane: " << name << " cannot run here: the drawing part of the program is "
                                      "missing" << Qt::endl;
        return WriteFailed;
    }
    // The subcommand parses its own name as the program name.
    return run(arguments.mid(1), out, err);
}

int Main(int argc, char* argv[], ApplicationMaker makeApplication, Drawing drawing)
{
    const QtMessageHandler previous = qInstallMessageHandler(dropRuntimeDirWarning);
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    qInstallMessageHandler(previous);
    NameApplication();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunWith(QCoreApplication::arguments(), out, err, drawing);
}

void NameApplication()
{
    QCoreApplication::setOrganizationName(u"Kelvane"_s);
    QCoreApplication::setApplicationName(u"Kelvane"_s);
}

} // namespace CommandLine
