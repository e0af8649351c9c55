#pragma once

#include "print/CalendarChoices.h"
#include "store/ShadeColors.h"

#include <QCommandLineParser>
#include <QDate>
#include <QString>

#include <optional>

// The main window's choices as command-line options, shared by the print subcommands:
// --year --kind --group --station --adjust --holidays --colour --shade --size --copies
// --paydays --no-patterns --vacations --database. Defaults are the window's first-run
// defaults; the stored settings are never read.
namespace ChoiceOptions {

struct Choices
{
    CalendarChoices calendar;
    ColourFamily colour = ColourFamily::Yellow;
    int shade = 0;
    // The calendar database to read entries from; set only with --vacations (--database, or
    // the user's working copy).
    QString databasePath;
};

QList<QCommandLineOption> Options();

// Checks every value by the main window's rules (year 1901..2124, size 20..100, copies at
// least 1, adjustment 0..48, a group the kind allows, --no-patterns only with a group).
// nullopt with one line in *error when a value is refused. `today` gives the default year.
std::optional<Choices> Build(const QCommandLineParser& parser, QDate today, QString* error);

} // namespace ChoiceOptions
