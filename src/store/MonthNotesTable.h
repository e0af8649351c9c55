#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <optional>

class CalendarDatabase;
class RecordSource;

// One record of the Monthly Notes table: two notes and a highlight flag per day of a month.
struct MonthNotesRecord
{
    QString Month;
    std::array<QString, 31> Note; // Note[k] is NoteK+1; "Click" = no note
    std::array<QString, 31> SecondNote;
    std::array<bool, 31> Highlight{};
    static MonthNotesRecord Fresh(); // every note "Click", every flag off
};

namespace MonthNotesTable {

QString TableName();                  // "Monthly Notes"
QString NoNote();                     // "Click"
QString MonthKey(QDate firstOfMonth); // fixed form M/D/YYYY: 3/1/2024
QString NoteField(int k);             // k 0..30
QString SecondNoteField(int k);
QString HighlightField(int k);

// Selects the month on `source` (attached already); when there is none, adds a record with the
// key, writes it, and selects again. The record is then current.
bool OpenMonthNotes(RecordSource& source, QDate firstOfMonth, QString* error = nullptr);

// Read-only: the month's first record, if any (for the command line, which never writes).
std::optional<MonthNotesRecord> Find(CalendarDatabase& database, QDate firstOfMonth,
                                     QString* error = nullptr);

} // namespace MonthNotesTable
