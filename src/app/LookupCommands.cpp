#include "app/LookupCommands.h"

#include "app/CommandLine.h"
#include "app/CommandOptions.h"
#include "app/Subcommand.h"
#include "rota/DayNumbering.h"
#include "rota/Holidays.h"
#include "rota/WhosOff.h"
#include "store/OneLine.h"

#include <QCommandLineParser>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace LookupCommands {

namespace {

class WhosOffCommand final : public Subcommand
{
public:
    explicit WhosOffCommand(const CommandContext& context)
        : Subcommand(u"whos-off"_s, u"Shows which groups of every rota are off on a date."_s,
                     context)
    {
        takes(u"date"_s, u"YYYY-MM-DD"_s, u"YYYY-MM-DD"_s);
        add({u"days"_s, u"List N dates from the date on."_s, u"N"_s});
        add({u"adjust"_s, u"Adjustment for non Darizu stations, 0..48."_s, u"N"_s, u"0"_s});
        add({u"rota"_s,
             u"Also a rota of your own, from its rota file: one more line each time it is given."_s,
             u"FILE"_s});
    }

    int run(const QStringList& arguments) override;
};

class HolidaysCommand final : public Subcommand
{
public:
    explicit HolidaysCommand(const CommandContext& context)
        : Subcommand(u"holidays"_s,
                     u"Lists the thirteen holidays of a year, then the days of the holiday "
                     "files given, YYYY-MM-DD NAME each, in date order."_s,
                     context)
    {
        takes(u"year"_s, u"1901..2124"_s, u"YEAR"_s);
        add(CommandOptions::HolidayFileOption());
    }

    int run(const QStringList& arguments) override;
};

int WhosOffCommand::run(const QStringList& arguments)
{
    if (const std::optional<int> status = read(arguments))
        return *status;
    const QCommandLineParser& parser = this->parser();
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return refuse(u"give exactly one date (YYYY-MM-DD)"_s);
    QString error;
    const std::optional<QDate> date = CommandOptions::Date(positional.first(), &error);
    if (!date)
        return refuse(error);
    const std::optional<int> adjustment =
        CommandOptions::Adjustment(parser.value(u"adjust"_s), &error);
    if (!adjustment)
        return refuse(error);
    // Each --rota one more line, in the order given.
    QList<Rota> own;
    for (const QString& file : parser.values(u"rota"_s)) {
        const std::optional<Rota> rota = CommandOptions::RotaFile(file, &error);
        if (!rota)
            return refuse(error);
        own << *rota;
    }
    QTextStream& out = this->out();

    const QList<Rota> row = ::WhosOff::Row(own);
    if (!parser.isSet(u"days"_s)) {
        if (!CommandOptions::DatesInRange(*date, *date, &error))
            return refuse(error);
        for (const Rota& rota : row)
            out << rota.whosOffHeading() << ": " << rota.whosOffText(*date, *adjustment) << '\n';
        out.flush();
        return CommandLine::Success;
    }

    const std::optional<qint64> days =
        CommandOptions::WholeNumber(parser.value(u"days"_s), u"--days"_s, 1, &error);
    if (!days)
        return refuse(error);
    // Counted without building a date far past the calendar's end.
    const qint64 daysToEnd = date->daysTo(QDate(2124, 12, 31));
    const QDate last = *days - 1 > daysToEnd ? QDate() : date->addDays(*days - 1);
    if (!CommandOptions::DatesInRange(*date, last, &error))
        return refuse(error);
    out << "date";
    for (const Rota& rota : row)
        out << '\t' << rota.whosOffHeading();
    out << '\n';
    QDate day = *date;
    for (qint64 i = 0; i < *days && day.isValid(); ++i, day = day.addDays(1)) {
        out << day.toString(Qt::ISODate);
        for (const Rota& rota : row)
            out << '\t' << rota.whosOffText(day, *adjustment);
        out << '\n';
    }
    out.flush();
    return CommandLine::Success;
}

int HolidaysCommand::run(const QStringList& arguments)
{
    if (const std::optional<int> status = read(arguments))
        return *status;
    const QStringList positional = parser().positionalArguments();
    if (positional.size() != 1)
        return refuse(u"give exactly one year (1901..2124)"_s);
    QString error;
    const std::optional<int> year = CommandOptions::Year(positional.first(), &error);
    if (!year)
        return refuse(error);
    const std::optional<HolidayFileSet> files =
        CommandOptions::HolidayFiles(parser().values(u"holiday-file"_s), &error);
    if (!files)
        return refuse(error);
    QTextStream& out = this->out();

    GoodFriday goodFriday;
    goodFriday.GoodFridayYear = QString::number(*year);
    GetGoodFriday(goodFriday);
    const HolidayYear holidayYear = HolidayYear::From(goodFriday, *year);
    for (int index = 0; index < ::Holidays::Count; ++index) {
        out << index << '\t' << ::Holidays::Caption(index) << '\t';
        for (QDate day(*year, 1, 1); day.year() == *year; day = day.addDays(1)) {
            const int weekday = DayNumbering::WeekdayColumn(DayNumbering::DayNumber(day));
            if (::Holidays::IsHoliday(index, day.month(), day.day(), weekday, holidayYear)) {
                out << day.toString(Qt::ISODate);
                break;
            }
        }
        out << '\n';
    }
    // The files' days of the year together, in date order; a date's names in the order of
    // the files.
    QList<NamedDay> days;
    for (const HolidayFileSet::Calendar& calendar : files->calendars())
        days << calendar->daysOf(*year);
    std::stable_sort(days.begin(), days.end(),
                     [](const NamedDay& a, const NamedDay& b) { return a.date < b.date; });
    for (const NamedDay& day : days)
        out << day.date.toString(Qt::ISODate) << ' ' << OneLine::Escaped(day.name) << '\n';
    out.flush();
    for (const QString& note : files->coverageNotes(*year))
        tell(OneLine::Escaped(note));
    return CommandLine::Success;
}

} // namespace

std::unique_ptr<Subcommand> WhosOff(const CommandContext& context)
{
    return std::make_unique<WhosOffCommand>(context);
}

std::unique_ptr<Subcommand> Holidays(const CommandContext& context)
{
    return std::make_unique<HolidaysCommand>(context);
}

} // namespace LookupCommands
