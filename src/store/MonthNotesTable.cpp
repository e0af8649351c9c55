#include "store/MonthNotesTable.h"

#include "store/CalendarDatabase.h"
#include "store/RecordSource.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

using namespace Qt::StringLiterals;

namespace {

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

} // namespace

MonthNotesRecord MonthNotesRecord::Fresh()
{
    MonthNotesRecord record;
    record.Note.fill(MonthNotesTable::NoNote());
    record.SecondNote.fill(MonthNotesTable::NoNote());
    record.Highlight.fill(false);
    return record;
}

namespace MonthNotesTable {

QString TableName()
{
    return u"Monthly Notes"_s;
}

QString NoNote()
{
    return u"Click"_s;
}

QString MonthKey(QDate firstOfMonth)
{
    // Always month/day/four-digit year, whatever the locale says.
    return u"%1/1/%2"_s.arg(firstOfMonth.month()).arg(firstOfMonth.year(), 4, 10, QChar(u'0'));
}

QString NoteField(int k)
{
    return u"Note%1"_s.arg(k + 1);
}

QString SecondNoteField(int k)
{
    return u"SecondNote%1"_s.arg(k + 1);
}

QString HighlightField(int k)
{
    return u"Highlight%1"_s.arg(k + 1);
}

bool OpenMonthNotes(RecordSource& source, QDate firstOfMonth, QString* error)
{
    if (!source.hasDatabase()) {
        SetError(error, u"No calendar database is attached."_s);
        return false;
    }
    const QString key = MonthKey(firstOfMonth);
    source.setSelection(TableName(), u"\"Month\" = ?"_s, {key});
    // A month's record is the one with its key: two copies of the program each store their
    // own changes to it, even in a file without a key column.
    source.setIdentity({u"Month"_s});
    if (!source.refresh(error))
        return false;
    if (!(source.isBOF() && source.isEOF()))
        return true;
    // First opening of this month: its record is created at once.
    if (!source.addNew(error))
        return false;
    source.setValue(u"Month"_s, key);
    if (!source.writeNow(error))
        return false;
    return source.refresh(error);
}

std::optional<MonthNotesRecord> Find(CalendarDatabase& database, QDate firstOfMonth, QString* error)
{
    if (!database.isOpen()) {
        SetError(error, u"No calendar database is open."_s);
        return std::nullopt;
    }
    QSqlQuery query(database.connection());
    query.setForwardOnly(true);
    query.prepare(u"SELECT * FROM \"Monthly Notes\" WHERE \"Month\" = ? ORDER BY rowid LIMIT 1"_s);
    query.addBindValue(MonthKey(firstOfMonth));
    if (!query.exec()) {
        SetError(error, query.lastError().text());
        return std::nullopt;
    }
    if (!query.next())
        return std::nullopt;
    const QSqlRecord fields = query.record();
    MonthNotesRecord record = MonthNotesRecord::Fresh();
    record.Month = query.value(fields.indexOf(u"Month"_s)).toString();
    for (int k = 0; k < 31; ++k) {
        record.Note[k] = query.value(fields.indexOf(NoteField(k))).toString();
        record.SecondNote[k] = query.value(fields.indexOf(SecondNoteField(k))).toString();
        record.Highlight[k] = query.value(fields.indexOf(HighlightField(k))).toBool();
    }
    return record;
}

} // namespace MonthNotesTable
