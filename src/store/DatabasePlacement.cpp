#include "store/DatabasePlacement.h"

#include "store/AppState.h"
#include "store/CalendarDatabase.h"
#include "store/Prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

#ifndef KELVANE_DATA_DIR
#define KELVANE_DATA_DIR ""
#endif

namespace {

enum class Outcome
{
    Usable,
    Missing,
    Damaged
};

struct Attempt
{
    Outcome outcome = Outcome::Missing;
    QString reason; // why a present file is unusable
};

QString WorkingPath(const PlacementFolders& folders)
{
    return QDir(folders.dataFolder).filePath(CalendarDatabase::FileName());
}

bool SameFile(const QString& a, const QString& b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

// Copies the first usable template to `target`. QFile::copy never replaces an existing file,
// so a working copy that appeared meanwhile is safe too.
bool CopyTemplate(const PlacementFolders& folders, const QString& target)
{
    if (!QDir().mkpath(folders.dataFolder))
        return false;
    for (const QString& folder : folders.sources) {
        if (folder.isEmpty())
            continue;
        const QString candidate = QDir(folder).filePath(CalendarDatabase::FileName());
        if (SameFile(candidate, target) || !QFileInfo(candidate).isFile() ||
            !CalendarDatabase::IsUsable(candidate))
            continue;
        if (!QFile::copy(candidate, target))
            continue;
        // A template installed read-only must still give a working copy we can write to.
        QFile::setPermissions(target,
                              QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner);
        return true;
    }
    return false;
}

Attempt Attach(const PlacementFolders& folders)
{
    const QString path = WorkingPath(folders);
    if (!QFileInfo::exists(path) && !CopyTemplate(folders, path))
        return {Outcome::Missing, {}};
    QString reason;
    CalendarDatabase::Failure failure = CalendarDatabase::Failure::None;
    // A journal that blocks the read-only look is rolled back once; nothing else is tried
    // again (a lock has been waited for already).
    if (CalendarDatabase::IsUsable(path, &reason, &failure) ||
        (failure == CalendarDatabase::Failure::ReadOnlyDisk &&
         CalendarDatabase::RecoverJournal(path) && CalendarDatabase::IsUsable(path, &reason)))
        return {Outcome::Usable, {}};
    // Present but not usable: it is left exactly as it is.
    return {Outcome::Damaged, reason};
}

void Remind(AppState& state, Prompter& prompter)
{
    if (state.NoDatabase != 0)
        return;
    const Prompter::Answer answer =
        prompter.message(DatabasePlacement::ReminderText(), DatabasePlacement::ReminderTitle(),
                         Prompter::Buttons::YesNo);
    if (answer == Prompter::Answer::No)
        state.NoDatabase = 1;
}

} // namespace

PlacementFolders PlacementFolders::Standard()
{
    PlacementFolders folders;
    folders.dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // The installed data folder is looked for beside the program's bin folder first, so a copy
    // installed under another prefix than the one it was built for finds its own template.
    const QString besideBin =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + u"/../share/kelvane"_s);
    const QStringList candidates{QDir::currentPath(), QCoreApplication::applicationDirPath(),
                                 besideBin, QString::fromUtf8(KELVANE_DATA_DIR)};
    for (const QString& folder : candidates) {
        if (!folder.isEmpty() && !folders.sources.contains(folder))
            folders.sources.append(folder);
    }
    return folders;
}

namespace DatabasePlacement {

QString ReminderTitle()
{
    return u"DO YOU WANT TO SEE THIS REMINDER AGAIN?"_s;
}

QString ReminderText()
{
    return QStringList{u"I had trouble copying the file Quenbrook.mdb"_s,
                       u"from the folder that you originally got this program from."_s,
                       u"If you want to save the information on the calendar"_s,
                       u"from month to month, get a copy of this file and put it"_s,
                       u"in your Windows folder."_s,
                       u"CLICK NO TO SKIP THIS MESSAGE IN THE FUTURE!"_s}
        .join(u"\n\r"_s);
}

PlacementResult Place(AppState& state, Prompter& prompter, const PlacementFolders& folders)
{
    PlacementResult result;
    result.databasePath = WorkingPath(folders);
    state.DatabasePath = result.databasePath;
    const Attempt attempt = Attach(folders);
    switch (attempt.outcome) {
    case Outcome::Usable:
        result.attached = true;
        break;
    case Outcome::Damaged:
        result.problem =
            u"The calendar database cannot be used and was left unchanged (%1). "
            "Personal entries and month notes are not available."_s.arg(attempt.reason);
        break;
    case Outcome::Missing:
        Remind(state, prompter);
        break;
    }
    return result;
}

bool Recover(AppState& state, Prompter& prompter, const PlacementFolders& folders)
{
    state.DatabasePath = WorkingPath(folders);
    const Attempt attempt = Attach(folders);
    if (attempt.outcome == Outcome::Missing)
        Remind(state, prompter);
    return attempt.outcome == Outcome::Usable;
}

} // namespace DatabasePlacement
