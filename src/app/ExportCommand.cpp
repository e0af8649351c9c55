#include "app/ExportCommand.h"

#include "app/CommandLine.h"
#include "app/CommandOptions.h"
#include "app/Subcommand.h"
#include "rota/Holidays.h"
#include "rota/RotaKindTable.h"
#include "store/DaysOffCalendar.h"
#include "store/SafeFile.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace ExportCommand {

int ExportIcs(const QStringList& arguments, const CommandContext& context)
{
    Subcommand command(
        u"export-ics"_s,
        u"Writes one group's days off (and the chosen holidays) as an iCalendar file."_s, context);
    QCommandLineParser& parser = command.parser();
    parser.addOptions({
        {u"kind"_s,
         u"Rota kind (cg-six-two, four-two, ... or %1)."_s.arg(RotaKindTable::CodeRange()),
         u"KIND"_s},
        {u"group"_s, u"Group: 1..7 or A..N, as the kind allows."_s, u"G"_s},
        {u"from"_s, u"First date, YYYY-MM-DD."_s, u"DATE"_s},
        {u"to"_s, u"Last date, YYYY-MM-DD."_s, u"DATE"_s},
        {u"adjust"_s, u"Adjustment for non Darizu stations, 0..48."_s, u"N"_s, u"0"_s},
        {u"holidays"_s, u"Holidays to include, 13 characters of 0/1."_s, u"BITS"_s,
         QLatin1String(Holidays::DefaultSet)},
        {u"out"_s, u"The .ics file to write."_s, u"FILE"_s},
    });
    if (const std::optional<int> status = command.read(arguments))
        return *status;
    for (const char* required : {"kind", "group", "from", "to", "out"}) {
        if (!parser.isSet(QLatin1String(required)))
            return command.refuse(u"--%1 is required"_s.arg(QLatin1String(required)));
    }

    QString error;
    DaysOffCalendar::Request request;
    const std::optional<RotaKind> kind =
        RotaKindTable::FromCommandName(parser.value(u"kind"_s).trimmed().toLower());
    if (!kind)
        return command.refuse(
            u"unknown rota kind %1"_s.arg(CommandOptions::Quoted(parser.value(u"kind"_s))));
    request.kind = *kind;
    request.groupLetter = parser.value(u"group"_s).trimmed().toUpper();
    if (!DaysOffCalendar::KindAllowsGroup(request.kind, request.groupLetter))
        return command.refuse(
            u"the %1 rota has no group %2"_s.arg(RotaKindTable::Of(request.kind).commandName,
                                                 CommandOptions::Quoted(parser.value(u"group"_s))));
    const std::optional<QDate> from = CommandOptions::Date(parser.value(u"from"_s), &error);
    if (!from)
        return command.refuse(error);
    const std::optional<QDate> to = CommandOptions::Date(parser.value(u"to"_s), &error);
    if (!to)
        return command.refuse(error);
    if (!CommandOptions::DatesInRange(*from, *to, &error))
        return command.refuse(error);
    if (*to < *from)
        return command.refuse(u"--to is before --from"_s);
    request.from = *from;
    request.to = *to;
    const std::optional<int> adjustment =
        CommandOptions::Adjustment(parser.value(u"adjust"_s), &error);
    if (!adjustment)
        return command.refuse(error);
    request.adjustment = *adjustment;
    const std::optional<std::array<bool, 13>> holidays =
        CommandOptions::HolidayBits(parser.value(u"holidays"_s), &error);
    if (!holidays)
        return command.refuse(error);
    request.holidays = *holidays;
    request.stamp = QDateTime::currentDateTimeUtc();
    const QString outPath = parser.value(u"out"_s);
    if (outPath.isEmpty())
        return command.refuse(u"--out needs the name of a file"_s);
    if (QFileInfo(outPath).isDir())
        return command.refuse(u"%1 is a folder, not a file"_s.arg(CommandOptions::Quoted(outPath)));

    RotaDay rota;
    GoodFriday goodFriday;
    const QByteArray calendar = DaysOffCalendar::Build(request, rota, goodFriday);
    if (!SafeFile::Write(outPath, calendar, &error))
        return command.fail(error, CommandLine::Failed);
    return CommandLine::Success;
}

} // namespace ExportCommand
