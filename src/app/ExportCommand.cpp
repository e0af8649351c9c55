#include "app/ExportCommand.h"

#include "app/CommandLine.h"
#include "app/CommandOptions.h"
#include "rota/Holidays.h"
#include "store/DaysOffCalendar.h"
#include "store/SafeFile.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QFileInfo>

namespace ExportCommand {

namespace {

int refuse(QTextStream& err, const QString& why)
{
    err << "kelvane export-ics: " << why << Qt::endl;
    return CommandLine::BadArguments;
}

} // namespace

int ExportIcs(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes one group's days off (and the chosen holidays) as an iCalendar file."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("kind"), QStringLiteral("Rota kind (cg-six-two, four-two, ... or 0..7)."),
         QStringLiteral("KIND")},
        {QStringLiteral("group"), QStringLiteral("Group: 1..7 or A..N, as the kind allows."),
         QStringLiteral("G")},
        {QStringLiteral("from"), QStringLiteral("First date, YYYY-MM-DD."), QStringLiteral("DATE")},
        {QStringLiteral("to"), QStringLiteral("Last date, YYYY-MM-DD."), QStringLiteral("DATE")},
        {QStringLiteral("adjust"), QStringLiteral("Adjustment for non Darizu stations, 0..48."),
         QStringLiteral("N"), QStringLiteral("0")},
        {QStringLiteral("holidays"), QStringLiteral("Holidays to include, 13 characters of 0/1."),
         QStringLiteral("BITS"), QLatin1String(Holidays::DefaultSet)},
        {QStringLiteral("out"), QStringLiteral("The .ics file to write."), QStringLiteral("FILE")},
    });
    QString error;
    if (!CommandOptions::Parse(parser, arguments, &error))
        return refuse(err, error);
    if (CommandOptions::WantsHelp(parser)) {
        out << CommandOptions::HelpText(parser, arguments);
        return CommandLine::Success;
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(err, QStringLiteral("unexpected argument %1")
                               .arg(CommandOptions::Quoted(parser.positionalArguments().first())));
    for (const char* required : {"kind", "group", "from", "to", "out"}) {
        if (!parser.isSet(QLatin1String(required)))
            return refuse(err, QStringLiteral("--%1 is required").arg(QLatin1String(required)));
    }

    DaysOffCalendar::Request request;
    const std::optional<RotaKind> kind =
        RotaKinds::FromCommandName(parser.value(QStringLiteral("kind")).trimmed().toLower());
    if (!kind)
        return refuse(err, QStringLiteral("unknown rota kind %1")
                               .arg(CommandOptions::Quoted(parser.value(QStringLiteral("kind")))));
    request.kind = *kind;
    request.groupLetter = parser.value(QStringLiteral("group")).trimmed().toUpper();
    if (!DaysOffCalendar::KindAllowsGroup(request.kind, request.groupLetter))
        return refuse(err, QStringLiteral("the %1 rota has no group %2")
                               .arg(RotaKinds::CommandName(request.kind),
                                    CommandOptions::Quoted(parser.value(QStringLiteral("group")))));
    const std::optional<QDate> from =
        CommandOptions::Date(parser.value(QStringLiteral("from")), &error);
    if (!from)
        return refuse(err, error);
    const std::optional<QDate> to =
        CommandOptions::Date(parser.value(QStringLiteral("to")), &error);
    if (!to)
        return refuse(err, error);
    if (!CommandOptions::DatesInRange(*from, *to, &error))
        return refuse(err, error);
    if (*to < *from)
        return refuse(err, QStringLiteral("--to is before --from"));
    request.from = *from;
    request.to = *to;
    const std::optional<int> adjustment =
        CommandOptions::Adjustment(parser.value(QStringLiteral("adjust")), &error);
    if (!adjustment)
        return refuse(err, error);
    request.adjustment = *adjustment;
    const std::optional<std::array<bool, 13>> holidays =
        CommandOptions::HolidayBits(parser.value(QStringLiteral("holidays")), &error);
    if (!holidays)
        return refuse(err, error);
    request.holidays = *holidays;
    request.stamp = QDateTime::currentDateTimeUtc();
    const QString outPath = parser.value(QStringLiteral("out"));
    if (QFileInfo(outPath).isDir())
        return refuse(
            err, QStringLiteral("%1 is a folder, not a file").arg(CommandOptions::Quoted(outPath)));

    RotaDay rota;
    GoodFriday goodFriday;
    const QByteArray calendar = DaysOffCalendar::Build(request, rota, goodFriday);
    if (!SafeFile::Write(outPath, calendar, &error)) {
        err << "kelvane export-ics: " << error << Qt::endl;
        return CommandLine::WriteFailed;
    }
    return CommandLine::Success;
}

} // namespace ExportCommand
