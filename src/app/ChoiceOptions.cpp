#include "app/ChoiceOptions.h"

#include "app/CommandOptions.h"
#include "rota/BuiltInRotas.h"
#include "rota/NumberText.h"
#include "store/CalendarDatabase.h"
#include "store/DatabasePlacement.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace ChoiceOptions {

namespace {

bool refuse(QString* error, const QString& why)
{
    *error = why;
    return false;
}

bool readKind(const QCommandLineParser& parser, Choices& choices, QString* error)
{
    if (parser.isSet(u"rota"_s)) {
        if (parser.isSet(u"kind"_s))
            return refuse(error, u"give either --kind or --rota, not both"_s);
        const std::optional<Rota> rota = CommandOptions::RotaFile(parser.value(u"rota"_s), error);
        if (rota)
            choices.calendar.rota = *rota;
        return rota.has_value();
    }
    if (!parser.isSet(u"kind"_s))
        return true;
    const QString text = parser.value(u"kind"_s);
    const std::optional<RotaKind> kind = BuiltInRotas::FromCommandName(text.trimmed().toLower());
    if (!kind) {
        return refuse(error,
                      u"unknown rota kind %1 (%2 or %3)"_s.arg(
                          CommandOptions::Quoted(text), BuiltInRotas::CommandNames().join(u", "_s),
                          BuiltInRotas::CodeRange()));
    }
    choices.calendar.rota = Rota::BuiltIn(*kind);
    return true;
}

// A group of the rota in any case ("c", "03"), kept as the rota spells it; "Don't highlight
// any patterns." is no longer selected.
bool readGroup(const QCommandLineParser& parser, Choices& choices, QString* error)
{
    if (!parser.isSet(u"group"_s))
        return true;
    const QString text = parser.value(u"group"_s);
    const QString group = text.trimmed().toUpper();
    if (group == u"NONE"_s)
        return true;
    const Rota& rota = choices.calendar.rota;
    const std::optional<QString> named = rota.group(group);
    if (!named) {
        const QString name = rota.argumentName();
        const QString allowed = rota.groups().join(u' ');
        if (allowed.isEmpty())
            return refuse(error, u"the %1 calendar has no groups to highlight: %2"_s.arg(
                                     name, CommandOptions::Quoted(text)));
        return refuse(error, u"the %1 rota has no group %2 (it has %3)"_s.arg(
                                 name, CommandOptions::Quoted(text), allowed));
    }
    choices.calendar.highlightGroup = *named;
    choices.calendar.noHighlight = false;
    return true;
}

bool readColour(const QCommandLineParser& parser, Choices& choices, QString* error)
{
    if (parser.isSet(u"colour"_s)) {
        const QString text = parser.value(u"colour"_s);
        const std::optional<ColourFamily> family =
            ColourFamilies::FromCommandName(text.trimmed().toLower());
        if (!family)
            return refuse(error, u"unknown colour %1 (%2)"_s.arg(CommandOptions::Quoted(text),
                                                                 ColourFamilies::CommandNames()));
        choices.colour = *family;
    }
    if (parser.isSet(u"shade"_s)) {
        static const QRegularExpression whole(u"^[+-]?\\d{1,4}$"_s);
        const QString text = parser.value(u"shade"_s);
        const int shade = text.trimmed().toInt();
        if (!whole.match(text.trimmed()).hasMatch() || shade < -100 || shade > 100)
            return refuse(error, u"the shade must be a whole number from -100 to 100: %1"_s.arg(
                                     CommandOptions::Quoted(text)));
        choices.shade = shade;
    }
    choices.calendar.shades = ShadeColors::For(choices.colour, choices.shade);
    return true;
}

// The size field's rule: the whole-number part of a number, 20..100.
bool readSize(const QCommandLineParser& parser, Choices& choices, QString* error)
{
    if (!parser.isSet(u"size"_s))
        return true;
    const QString text = parser.value(u"size"_s);
    const qint64 size = NumberText::WholePart(NumberText::Val(text));
    if (!NumberText::IsNumeric(text) || size < 20 || size > 100)
        return refuse(error, u"the size must be a number from 20 to 100 (percent): %1"_s.arg(
                                 CommandOptions::Quoted(text)));
    choices.calendar.sizeText = NumberText::Plain(size);
    return true;
}

bool readCopies(const QCommandLineParser& parser, Choices& choices, QString* error)
{
    if (!parser.isSet(u"copies"_s))
        return true;
    const QString text = parser.value(u"copies"_s);
    const std::optional<qint64> copies =
        CommandOptions::WholeNumber(text, u"the number of copies"_s, 1, error);
    if (!copies)
        return false;
    // The copies count is a 16-bit number.
    if (*copies > 32767)
        return refuse(error, u"the number of copies must be at most 32767: %1"_s.arg(
                                 CommandOptions::Quoted(text)));
    choices.calendar.copiesText = NumberText::Plain(*copies);
    return true;
}

bool readVacations(const QCommandLineParser& parser, Choices& choices)
{
    choices.calendar.highlightVacations = parser.isSet(u"vacations"_s);
    if (!choices.calendar.highlightVacations)
        return true;
    if (parser.isSet(u"database"_s)) {
        choices.databasePath = parser.value(u"database"_s);
    } else {
        // The working copy the window uses; it is only read.
        choices.databasePath =
            QDir(PlacementFolders::Standard().dataFolder).filePath(CalendarDatabase::FileName());
    }
    return true;
}

} // namespace

QList<QCommandLineOption> Options()
{
    QStringList kinds = BuiltInRotas::CommandNames();
    const QString defaultKind = CalendarChoices().rota.commandName();
    for (QString& kind : kinds) {
        if (kind == defaultKind)
            kind += u" (default)"_s;
    }
    return {
        {u"year"_s, u"The year to print, 1901..2124 (default: this year)."_s, u"TEXT"_s},
        {u"kind"_s,
         u"Calendar type: %1, or its code %2."_s.arg(kinds.join(u", "_s),
                                                     BuiltInRotas::CodeRange()),
         u"KIND"_s},
        CommandOptions::RotaOption(),
        {u"group"_s,
         u"The group to highlight, one the kind allows: 1..7 or A..N (default: none)."_s, u"G"_s},
        {u"station"_s, u"Station or department name for the title (default: Darizu)."_s, u"TEXT"_s},
        {u"adjust"_s, u"Adjustment for non Darizu stations, 0..48 (default: 0)."_s, u"N"_s},
        {u"holidays"_s, u"The thirteen holidays as 0/1 characters (default: 1111111100000)."_s,
         u"BITS"_s},
        CommandOptions::HolidayFileOption(),
        {u"colour"_s, u"Highlight colour: yellow (default), blue, pink, grey, green."_s,
         u"FAMILY"_s},
        {u"shade"_s, u"Highlight shade, -100 (darker) .. 100 (lighter) (default: 0)."_s, u"V"_s},
        {u"size"_s, u"Print size in percent of full size, 20..100 (default: 100)."_s, u"P"_s},
        {u"copies"_s,
         u"Copies of each page on a printer (default: 1). A file holds one copy of each page "
         "and says so on standard error."_s,
         u"N"_s},
        {u"paydays"_s, u"Highlight pay days."_s},
        {u"no-patterns"_s, u"Highlight only, don't print the groups off (needs --group)."_s},
        {u"vacations"_s, u"Highlight the personal entries of the calendar database."_s},
        {u"database"_s,
         u"The calendar database to read with --vacations (default: the working copy)."_s,
         u"FILE"_s},
    };
}

std::optional<Choices> Build(const QCommandLineParser& parser, QDate today, QString* error)
{
    Choices choices;
    CalendarChoices& calendar = choices.calendar;

    calendar.yearText = QString::number(today.year());
    if (parser.isSet(u"year"_s)) {
        const QString text = parser.value(u"year"_s);
        if (!CommandOptions::Year(text, error))
            return std::nullopt;
        calendar.yearText = text;
    }
    if (!readKind(parser, choices, error) || !readGroup(parser, choices, error))
        return std::nullopt;
    if (parser.isSet(u"station"_s))
        calendar.station = parser.value(u"station"_s);
    if (parser.isSet(u"adjust"_s)) {
        const std::optional<int> adjustment =
            CommandOptions::Adjustment(parser.value(u"adjust"_s), error);
        if (!adjustment)
            return std::nullopt;
        calendar.adjustmentText = NumberText::Plain(*adjustment);
    }
    if (parser.isSet(u"holidays"_s)) {
        const auto holidays = CommandOptions::HolidayBits(parser.value(u"holidays"_s), error);
        if (!holidays)
            return std::nullopt;
        std::copy(holidays->begin(), holidays->end(), calendar.holidays.begin());
    }
    if (parser.isSet(u"holiday-file"_s)) {
        const std::optional<HolidayFileSet> files =
            CommandOptions::HolidayFiles(parser.values(u"holiday-file"_s), error);
        if (!files)
            return std::nullopt;
        calendar.holidayFiles = *files;
    }
    if (!readColour(parser, choices, error) || !readSize(parser, choices, error) ||
        !readCopies(parser, choices, error))
        return std::nullopt;
    calendar.highlightPayday = parser.isSet(u"paydays"_s);
    calendar.noPatterns = parser.isSet(u"no-patterns"_s);
    // The window offers "Highlight only" only while a group is highlighted.
    if (calendar.noPatterns && calendar.noHighlight) {
        *error = u"--no-patterns needs a group to highlight (--group)"_s;
        return std::nullopt;
    }
    readVacations(parser, choices);
    return choices;
}

} // namespace ChoiceOptions
