#pragma once

#include "store/HolidayFile.h"

#include <QString>

// The user's holiday calendar files: copies kept in the folder "holidays" of the per-user data
// folder, beside "rotas", so that the file a user added may be deleted where it came from.
namespace HolidayFolder {

struct Added
{
    QString path; // of the copy; empty when the file was refused or could not be copied
    HolidayFile::Loaded loaded; // the calendar, or why there is none
};

// The folder "holidays" in `dataFolder`, the folder of the working copy of the calendar
// database.
QString In(const QString& dataFolder);
// Reads `source` as HolidayFile::Load does and copies what it read into `folder` (made when
// missing) under the source's file name, "-2", "-3" ... added where that is taken; the calendar
// is the copy's. A refused file is not copied; a copy that cannot be written leaves no
// calendar and its one line.
Added CopyIn(const QString& folder, const QString& source);

} // namespace HolidayFolder
