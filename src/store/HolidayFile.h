#pragma once

#include "rota/HolidayCalendar.h"

#include <QByteArray>
#include <QString>
#include <QTimeZone>

#include <memory>

// One holiday calendar file (.ics) on disk, read whole and only when it is a regular file of at
// most 10 MiB (a FIFO or a device is never opened, so reading never waits).
namespace HolidayFile {

inline constexpr qint64 LargestSize = 10 * 1024 * 1024;
inline constexpr char Suffix[] = ".ics";

struct Loaded
{
    std::shared_ptr<const HolidayCalendar> calendar;
    QString error; // one line, "PATH:LINE: reason" or "PATH: reason"; set when there is no calendar
};

// Timed events mark the dates of `local`. `bytes`, when given, receive what was read of a
// calendar that is not refused.
Loaded Load(const QString& path, const QTimeZone& local = QTimeZone::systemTimeZone(),
            QByteArray* bytes = nullptr);

} // namespace HolidayFile
