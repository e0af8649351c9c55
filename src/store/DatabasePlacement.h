#pragma once

#include <QString>
#include <QStringList>

struct AppState;
class Prompter;

// Where the working copy of the calendar database lives and where templates are looked for.
struct PlacementFolders
{
    QString dataFolder;  // where the working copy lives (per-user AppDataLocation)
    QStringList sources; // where to look for a template, in order: current folder,
                         // beside the executable, installed data folder
    static PlacementFolders Standard();
};

struct PlacementResult
{
    QString databasePath;  // always set (AppState::DatabasePath)
    bool attached = false; // the working copy is usable; Data1 points at it
    QString problem;       // a clear one-line message when the file exists but is unusable
};

// Finds or copies the working copy at start-up.
namespace DatabasePlacement {

// Runs the placement with the reminder through `prompter` (sets state.NoDatabase on "No"),
// sets state.DatabasePath. Never copies over an existing working copy, never creates a
// missing file, never touches a damaged one.
PlacementResult Place(AppState& state, Prompter& prompter, const PlacementFolders& folders);

// The recovery a window runs when its own open fails (copy from sources if the working copy
// is missing, else the reminder); returns true when the file can be opened afterwards.
bool Recover(AppState& state, Prompter& prompter, const PlacementFolders& folders);

QString ReminderText();
QString ReminderTitle();

} // namespace DatabasePlacement
