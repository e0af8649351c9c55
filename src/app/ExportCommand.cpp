#include "app/ExportCommand.h"

#include "app/CommandLine.h"
#include "app/CommandOptions.h"
#include "app/Subcommand.h"
#include "export/DaysOffCalendar.h"
#include "rota/BuiltInRotas.h"
#include "rota/Holidays.h"
#include "store/SafeFile.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace ExportCommand {

namespace {

class ExportIcsCommand final : public Subcommand
{
public:
    explicit ExportIcsCommand(const CommandContext& context)
        : Subcommand(
              u"export-ics"_s,
              u"Writes one group's days off (and the chosen holidays) as an iCalendar file."_s,
              context)
    {
        add({u"kind"_s,
             u"Rota kind (cg-six-two, four-two, ... or %1)."_s.arg(BuiltInRotas::CodeRange()),
             u"KIND"_s});
        add(CommandOptions::RotaOption());
        add({u"group"_s, u"Group: 1..7 or A..N, as the kind allows."_s, u"G"_s},
            u"--group is required"_s);
        add({u"from"_s, u"First date, YYYY-MM-DD."_s, u"DATE"_s}, u"--from is required"_s);
        add({u"to"_s, u"Last date, YYYY-MM-DD."_s, u"DATE"_s}, u"--to is required"_s);
        add({u"adjust"_s, u"Adjustment for non Darizu stations, 0..48."_s, u"N"_s, u"0"_s});
        add({u"holidays"_s, u"Holidays to include, 13 characters of 0/1."_s, u"BITS"_s,
             QLatin1String(Holidays::DefaultSet)});
        add(CommandOptions::HolidayFileOption());
        add({u"out"_s, u"The .ics file to write; - is standard output."_s, u"FILE"_s},
            u"--out is required"_s);
    }

    int run(const QStringList& arguments) override;
};

int ExportIcsCommand::run(const QStringList& arguments)
{
    if (const std::optional<int> status = read(arguments))
        return *status;
    const QCommandLineParser& parser = this->parser();
    QString error;
    DaysOffCalendar::Request request;
    if (parser.isSet(u"rota"_s) == parser.isSet(u"kind"_s))
        return refuse(parser.isSet(u"rota"_s) ? u"give either --kind or --rota, not both"_s
                                              : u"--kind is required (or --rota FILE)"_s);
    if (parser.isSet(u"rota"_s)) {
        const std::optional<Rota> rota = CommandOptions::RotaFile(parser.value(u"rota"_s), &error);
        if (!rota)
            return refuse(error);
        request.rota = *rota;
    } else {
        const std::optional<RotaKind> kind =
            BuiltInRotas::FromCommandName(parser.value(u"kind"_s).trimmed().toLower());
        if (!kind)
            return refuse(
                u"unknown rota kind %1"_s.arg(CommandOptions::Quoted(parser.value(u"kind"_s))));
        request.rota = Rota::BuiltIn(*kind);
    }
    const std::optional<QString> group = request.rota.group(parser.value(u"group"_s));
    if (!group)
        return refuse(u"the %1 rota has no group %2"_s.arg(
            request.rota.argumentName(), CommandOptions::Quoted(parser.value(u"group"_s))));
    request.groupLetter = *group;
    const std::optional<QDate> from = CommandOptions::Date(parser.value(u"from"_s), &error);
    if (!from)
        return refuse(error);
    const std::optional<QDate> to = CommandOptions::Date(parser.value(u"to"_s), &error);
    if (!to)
        return refuse(error);
    if (!CommandOptions::DatesInRange(*from, *to, &error))
        return refuse(error);
    if (*to < *from)
        return refuse(u"--to is before --from"_s);
    request.from = *from;
    request.to = *to;
    const std::optional<int> adjustment =
        CommandOptions::Adjustment(parser.value(u"adjust"_s), &error);
    if (!adjustment)
        return refuse(error);
    request.adjustment = *adjustment;
    const std::optional<std::array<bool, 13>> holidays =
        CommandOptions::HolidayBits(parser.value(u"holidays"_s), &error);
    if (!holidays)
        return refuse(error);
    request.holidays = *holidays;
    const std::optional<HolidayFileSet> files =
        CommandOptions::HolidayFiles(parser.values(u"holiday-file"_s), &error);
    if (!files)
        return refuse(error);
    request.holidayFiles = *files;
    request.stamp = QDateTime::currentDateTimeUtc();
    const QString outPath = parser.value(u"out"_s);
    if (outPath.isEmpty())
        return refuse(u"--out needs the name of a file"_s);
    if (QFileInfo(outPath).isDir())
        return refuse(u"%1 is a folder, not a file"_s.arg(CommandOptions::Quoted(outPath)));

    GoodFriday goodFriday;
    const QByteArray calendar = DaysOffCalendar::Build(request, goodFriday);
    // "-" is standard output, whose errors the program tells once the run is over.
    if (outPath == u"-"_s) {
        context().bytesOut.write(calendar);
        return CommandLine::Success;
    }
    if (!SafeFile::Write(outPath, calendar, &error))
        return fail(error, CommandLine::Failed);
    return CommandLine::Success;
}

} // namespace

std::unique_ptr<Subcommand> ExportIcs(const CommandContext& context)
{
    return std::make_unique<ExportIcsCommand>(context);
}

} // namespace ExportCommand
