#pragma once

#include "print/CalendarChoices.h"

#include <QDate>
#include <QString>

// What a print job or a PDF is called after what it holds: the name a queue lists, the PDF's
// title and the file name a save dialog proposes.
namespace PrintNames {

// "Kelvane 2026 RDO Calendar - Pattern 3", without the group when none is highlighted; a rota
// file's calendar by its name and group: "Kelvane 2027 Four On Four Off - Crew C".
QString YearCalendar(const CalendarChoices& choices);
// "Kelvane 2026 All Patterns - Pattern C" (a rota file's as YearCalendar); "Kelvane 2026 All
// Patterns" for the whole batch.
QString BatchCalendar(const CalendarChoices& choices);
QString Batch(const QString& yearText);
// "Kelvane March 2026".
QString Month(const QDate& firstOfMonth);

} // namespace PrintNames
