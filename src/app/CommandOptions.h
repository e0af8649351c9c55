#pragma once

#include "rota/HolidayFileSet.h"
#include "rota/Rota.h"

#include <QCommandLineParser>
#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

// Parsing and checking of the values the subcommands share. Every check returns nullopt and
// fills `error` with one clear line when the value is refused.
namespace CommandOptions {

// Parses `arguments` (subcommand name first) and handles --help; returns false with `error`
// set on an unknown option or a missing value.
bool Parse(QCommandLineParser& parser, const QStringList& arguments, QString* error);

// Whether the arguments ask for the help (--help, -h or --help-all).
bool WantsHelp(const QCommandLineParser& parser);

// A value as an error line quotes it: in double quotes, on one line (control characters
// written as escapes) and at most 60 characters long ("..." ends a value cut short).
QString Quoted(const QString& value);

// The dates a command covers lie between 1901-01-01 and 2124-12-31.
bool DatesInRange(QDate first, QDate last, QString* error);

// The parser's help with its usage line naming the subcommand ("Usage: kelvane holidays
// [options] year") rather than the path the program was started by.
QString HelpText(const QCommandLineParser& parser, const QStringList& arguments);

// YYYY-MM-DD naming a real date; a date of that shape that does not exist is told why
// ("2027-02-30 is not a date: February 2027 has 28 days").
std::optional<QDate> Date(const QString& text, QString* error);
// Why month `month` of `year` does not exist ("a year has 12 months"); empty when it does.
QString NotAMonth(int year, int month);
// The main window's adjustment rule: a number 0..48, of which the whole-number part counts.
std::optional<int> Adjustment(const QString& text, QString* error);
// A whole number 1901..2124.
std::optional<int> Year(const QString& text, QString* error);
// A whole number of at least `minimum`.
std::optional<qint64> WholeNumber(const QString& text, const QString& what, qint64 minimum,
                                  QString* error);

// The rota of the rota file of --rota FILE; nothing, with the file's one line in *error, when
// it is refused.
std::optional<Rota> RotaFile(const QString& path, QString* error);
// The --rota option.
QCommandLineOption RotaOption();

// The calendars of --holiday-file FILE (repeatable), in the order given; nothing, with the
// refused file's one line in *error, when one is refused.
std::optional<HolidayFileSet> HolidayFiles(const QStringList& paths, QString* error);
// The --holiday-file option.
QCommandLineOption HolidayFileOption();

// The thirteen holiday flags written as "1111111100000".
std::optional<std::array<bool, 13>> HolidayBits(const QString& text, QString* error);

} // namespace CommandOptions
