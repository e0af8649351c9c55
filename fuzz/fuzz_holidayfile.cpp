// A holiday calendar file comes from a government's, a school's or anyone's web site.
#include "FuzzSupport.h"

#include "rota/HolidayCalendarParser.h"

#include <QByteArray>
#include <QDate>
#include <QTimeZone>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Start(argc, argv);
    return 0;
}

namespace {

// What a page relies on for one year: the year's own dates, in order, each name once a date.
void checkYear(const HolidayCalendar& calendar, int year)
{
    const QList<NamedDay> days = calendar.daysOf(year);
    for (qsizetype index = 0; index < days.size(); ++index) {
        FuzzSupport::Check(days[index].date.year() == year, "a day of the year asked for");
        FuzzSupport::Check(calendar.isHoliday(days[index].date), "a listed day is a holiday");
        if (index > 0) {
            FuzzSupport::Check(days[index - 1].date <= days[index].date, "days in date order");
            FuzzSupport::Check(!(days[index - 1] == days[index]), "each name once a date");
        }
    }
    // A year outside the calendar's years has none of its days, as its note says.
    const std::optional<HolidayCalendar::Years>& years = calendar.years();
    const bool covered = years && years->contains(year);
    FuzzSupport::Check(covered || days.isEmpty(), "no days outside the years covered");
    FuzzSupport::Check(calendar.coverageNote(year).isEmpty() == covered, "a note when outside");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // A zone with daylight saving time, so that timed events move between dates.
    static const QTimeZone local("America/New_York");
    const HolidayCalendarParser::Result read =
        HolidayCalendarParser::Parse(bytes, u"fuzz.ics"_s, local);

    // A calendar or one line that names the file, never both, never neither.
    FuzzSupport::Check(read.calendar.has_value() == read.error.isEmpty(), "a calendar or an error");
    if (!read.calendar) {
        FuzzSupport::Check(read.error.startsWith(u"fuzz.ics:"_s) && !read.error.contains(u'\n'),
                           "the error is one line naming the file");
        return 0;
    }
    const HolidayCalendar& calendar = *read.calendar;
    FuzzSupport::Check(!calendar.name().isEmpty(), "a name");
    for (const int year : {1901, 2024, 2124})
        checkYear(calendar, year);
    if (const std::optional<HolidayCalendar::Years>& years = calendar.years()) {
        checkYear(calendar, years->first);
        if (years->first > 1)
            checkYear(calendar, years->first - 1);
        if (years->last && *years->last < 9999)
            checkYear(calendar, *years->last + 1);
    }
    return 0;
}
