#include "store/FirstEntriesOfYear.h"

#include "store/SqliteStatement.h"

#include <QDate>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr int Months = 12;
constexpr int Days = 31;

// The first record of one date, found through the index: equal keys are kept in stored order.
// Its plan tells whether the file has such an index.
constexpr const char* SeekSql =
    "SELECT rowid FROM \"Vacation\" WHERE \"Year\" = ?1 AND \"Month\" = ?2 AND \"Day\" = ?3 "
    "ORDER BY rowid LIMIT 1";

// Through the index, in one statement (one state of the file, a third of the time of a
// statement per date): that seek for each day 1..31 of months ?2..?3, then the records whose
// month or day is text or a blob. Those equal no number in a statement, yet text that reads as
// a whole number counts as one; text and blobs sort after every number, so the index finds them
// too: a month of text, or a month of the range with a day of text.
constexpr const char* SeekDatesSql =
    "WITH RECURSIVE \"kelvane_months\"(\"m\") AS (SELECT ?2 UNION ALL SELECT \"m\" + 1 FROM "
    "\"kelvane_months\" WHERE \"m\" < ?3), \"kelvane_pairs\"(\"m\", \"d\") AS (SELECT \"m\", 1 "
    "FROM \"kelvane_months\" UNION ALL SELECT \"m\", \"d\" + 1 FROM \"kelvane_pairs\" WHERE "
    "\"d\" < 31) "
    "SELECT \"kelvane_first\".rowid, \"kelvane_first\".\"Month\", \"kelvane_first\".\"Day\", "
    "\"kelvane_first\".\"Type\", \"kelvane_first\".\"Color\" FROM \"kelvane_pairs\" CROSS JOIN "
    "\"Vacation\" AS \"kelvane_first\" ON \"kelvane_first\".rowid = (SELECT rowid FROM "
    "\"Vacation\" WHERE \"Year\" = ?1 AND \"Month\" = \"kelvane_pairs\".\"m\" AND \"Day\" = "
    "\"kelvane_pairs\".\"d\" ORDER BY rowid LIMIT 1) "
    "UNION ALL SELECT rowid, \"Month\", \"Day\", \"Type\", \"Color\" FROM \"Vacation\" WHERE "
    "\"Year\" = ?1 AND \"Month\" >= '' "
    "UNION ALL SELECT rowid, \"Month\", \"Day\", \"Type\", \"Color\" FROM \"Vacation\" WHERE "
    "\"Year\" = ?1 AND \"Month\" IN (SELECT \"m\" FROM \"kelvane_months\") AND \"Day\" >= ''";

// Without the index: the year's records in the order they were stored, whatever other index
// the file may have. Stepping out to the program for each record costs three times as much as
// reading it, so a function inside the statement drops the records of a date of numbers that
// has had one; the year is compared first, as only its records may take a date.
constexpr const char* ScanSql =
    "SELECT \"Month\", \"Day\", \"Type\", \"Color\" FROM \"Vacation\" NOT INDEXED WHERE CASE "
    "WHEN \"Year\" = ?1 THEN kelvane_first_of_date(\"Month\", \"Day\") ELSE 0 END "
    "ORDER BY rowid";
constexpr const char* FirstOfDateName = "kelvane_first_of_date";

using DatesSeen = std::array<bool, 100 * (Months + 1)>; // by DateKey

// The dates of numbers the scan running on this thread has passed on; none outside a scan.
// (A pointer bound to the statement would cost a tenth of the scan in comparing its type.)
thread_local DatesSeen* ScanDatesSeen = nullptr;

std::optional<int> KeyOfNumbers(double month, double day)
{
    // Written so that a NaN fails before it is cast.
    if (!(month >= 1 && month <= Months && day >= 1 && day <= Days) ||
        month != static_cast<int>(month) || day != static_cast<int>(day))
        return std::nullopt;
    return EntryLookup::DateKey(static_cast<int>(month), static_cast<int>(day));
}

// The key of a record of the statement whose Month and Day are the columns `month`, `month + 1`.
std::optional<int> KeyOfRow(const SqliteStatement& statement, int month)
{
    if (statement.isNumber(month) && statement.isNumber(month + 1))
        return KeyOfNumbers(statement.number(month), statement.number(month + 1));
    return FirstEntriesOfYear::DateKeyOf(statement.value(month), statement.value(month + 1));
}

VacationEntry EntryOfRow(const SqliteStatement& statement, int type)
{
    return VacationEntry{statement.value(type).toString(), statement.value(type + 1).toString()};
}

// kelvane_first_of_date(month, day): 0 for a record whose month and day are
// numbers that make no date or a date already seen, 1 for any other. Text goes through to the
// program, which reads it as it reads every value.
void FirstOfDate(sqlite3_context* context, int, sqlite3_value** arguments)
{
    DatesSeen* seen = ScanDatesSeen;
    if (!seen) {
        sqlite3_result_int(context, 1);
        return;
    }
    const int monthType = sqlite3_value_type(arguments[0]);
    const int dayType = sqlite3_value_type(arguments[1]);
    std::optional<int> key;
    if (monthType == SQLITE_INTEGER && dayType == SQLITE_INTEGER) {
        // Most records: whole numbers, compared as they are.
        const sqlite3_int64 month = sqlite3_value_int64(arguments[0]);
        const sqlite3_int64 day = sqlite3_value_int64(arguments[1]);
        if (month >= 1 && month <= Months && day >= 1 && day <= Days)
            key = EntryLookup::DateKey(static_cast<int>(month), static_cast<int>(day));
    } else if ((monthType == SQLITE_INTEGER || monthType == SQLITE_FLOAT) &&
               (dayType == SQLITE_INTEGER || dayType == SQLITE_FLOAT)) {
        key = KeyOfNumbers(sqlite3_value_double(arguments[0]), sqlite3_value_double(arguments[1]));
    } else {
        sqlite3_result_int(context, 1);
        return;
    }
    const bool first = key && !(*seen)[*key];
    if (first)
        (*seen)[*key] = true;
    sqlite3_result_int(context, first ? 1 : 0);
}

// Only for statements the program runs itself, never for a view or trigger of the file.
bool AddFirstOfDate(sqlite3* handle)
{
    return sqlite3_create_function_v2(handle, FirstOfDateName, 2, SQLITE_UTF8 | SQLITE_DIRECTONLY,
                                      nullptr, FirstOfDate, nullptr, nullptr, nullptr) == SQLITE_OK;
}

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// Points the function to the dates of one scan while it lasts.
class ScanOf
{
public:
    explicit ScanOf(DatesSeen& seen) { ScanDatesSeen = &seen; }
    ~ScanOf() { ScanDatesSeen = nullptr; }
    ScanOf(const ScanOf&) = delete;
    ScanOf& operator=(const ScanOf&) = delete;
};

// Months first..last of a year.
struct MonthRange
{
    int first;
    int last;

    bool holds(int key) const { return key / 100 >= first && key / 100 <= last; }
};

// Of the seeks' records and the text ones, the earliest stored of each date.
std::optional<QHash<int, VacationEntry>> SeekDates(sqlite3* handle, const QVariant& year,
                                                   MonthRange months, QString* error)
{
    SqliteStatement read(handle, SeekDatesSql);
    read.bind(1, year);
    read.bind(2, months.first);
    read.bind(3, months.last);
    struct Found
    {
        qint64 rowId = -1;
        VacationEntry entry;
    };
    std::array<Found, std::tuple_size_v<DatesSeen>> found; // by DateKey
    while (read.next()) {
        const std::optional<int> key = KeyOfRow(read, 1);
        if (!key || !months.holds(*key))
            continue;
        Found& slot = found[*key];
        const qint64 rowId = read.integer(0);
        if (slot.rowId < 0 || rowId < slot.rowId)
            slot = {rowId, EntryOfRow(read, 3)};
    }
    if (!read.error().isEmpty()) {
        SetError(error, read.error());
        return std::nullopt;
    }
    QHash<int, VacationEntry> entries;
    for (int key = 0; key < static_cast<int>(found.size()); ++key) {
        if (found[key].rowId >= 0)
            entries.insert(key, found[key].entry);
    }
    return entries;
}

std::optional<QHash<int, VacationEntry>> ScanYear(sqlite3* handle, const QVariant& year,
                                                  MonthRange months, QString* error)
{
    // The function is added to a connection the first time it is missing: adding it again
    // would make SQLite prepare the connection's other statements anew.
    std::optional<SqliteStatement> scan(std::in_place, handle, ScanSql);
    if (!scan->isValid() && AddFirstOfDate(handle))
        scan.emplace(handle, ScanSql);
    if (!scan->isValid()) {
        SetError(error, scan->error());
        return std::nullopt;
    }
    DatesSeen numbersSeen{};
    const ScanOf scanning(numbersSeen);
    scan->bind(1, year);
    const QDate firstDay(year.toInt(), 1, 1);
    int dates = firstDay.isValid() ? 0 : -1;
    for (int month = months.first; month <= months.last && dates >= 0; ++month)
        dates += QDate(firstDay.year(), month, 1).daysInMonth();
    int datesFound = 0;
    DatesSeen seen{};
    QHash<int, VacationEntry> entries;
    // Once every date of the months has its entry, the rest cannot change anything.
    while (datesFound != dates && scan->next()) {
        const std::optional<int> key = KeyOfRow(*scan, 0);
        if (!key || !months.holds(*key) || seen[*key])
            continue;
        seen[*key] = true;
        entries.insert(*key, EntryOfRow(*scan, 2));
        if (QDate::isValid(firstDay.year(), *key / 100, *key % 100))
            ++datesFound;
    }
    if (!scan->error().isEmpty()) {
        SetError(error, scan->error());
        return std::nullopt;
    }
    return entries;
}

} // namespace

std::optional<int> FirstEntriesOfYear::DateKeyOf(const QVariant& month, const QVariant& day)
{
    bool monthOk = false;
    bool dayOk = false;
    const double monthNumber = month.toDouble(&monthOk);
    const double dayNumber = day.toDouble(&dayOk);
    if (!monthOk || !dayOk)
        return std::nullopt;
    return KeyOfNumbers(monthNumber, dayNumber);
}

bool FirstEntriesOfYear::SeeksDates(sqlite3* handle)
{
    // Asked of SQLite's planner: an index on other columns, or one whose collation or
    // condition does not serve the look-up, would turn every seek into a scan.
    const QByteArray sql = QByteArray("EXPLAIN QUERY PLAN ") + SeekSql;
    SqliteStatement plan(handle, sql.constData());
    bool seeks = false;
    while (plan.next()) {
        const QString step = plan.value(3).toString();
        if (step.startsWith(u"SEARCH"_s) && step.contains(u"INDEX"_s) &&
            step.contains(u"Year=?"_s, Qt::CaseInsensitive) &&
            step.contains(u"Month=?"_s, Qt::CaseInsensitive) &&
            step.contains(u"Day=?"_s, Qt::CaseInsensitive))
            seeks = true;
    }
    return seeks;
}

std::optional<QHash<int, VacationEntry>> FirstEntriesOfYear::Read(const QSqlDatabase& connection,
                                                                  const QVariant& year,
                                                                  int firstMonth, int lastMonth,
                                                                  QString* error)
{
    sqlite3* handle = SqliteStatement::Handle(connection);
    if (!handle) {
        SetError(error, u"The calendar database is not open."_s);
        return std::nullopt;
    }
    const MonthRange months{std::max(firstMonth, 1), std::min(lastMonth, Months)};
    return SeeksDates(handle) ? SeekDates(handle, year, months, error)
                              : ScanYear(handle, year, months, error);
}
