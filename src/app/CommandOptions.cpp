#include "app/CommandOptions.h"

#include "rota/NumberText.h"
#include "rota/Rota.h"
#include "store/HolidayFile.h"
#include "store/OneLine.h"
#include "store/OwnRotaFile.h"
#include "store/WholeCharacters.h"

#include <QLocale>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace CommandOptions {

bool Parse(QCommandLineParser& parser, const QStringList& arguments, QString* error)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        // An unknown option is named as it was typed: keep it to one short line.
        for (const QString& name : parser.unknownOptionNames()) {
            const QString shown = Quoted(name).sliced(1).chopped(1);
            if (shown != name)
                error->replace(name, shown);
        }
        return false;
    }
    return true;
}

bool WantsHelp(const QCommandLineParser& parser)
{
    return parser.isSet(u"help"_s) || parser.isSet(u"help-all"_s);
}

QString Quoted(const QString& value)
{
    constexpr qsizetype Longest = 60;
    QString line = OneLine::Escaped(value);
    if (WholeCharacters::Count(line) > Longest)
        line = WholeCharacters::Left(line, Longest - 3) + u"..."_s;
    return u'"' + WholeCharacters::Mended(line) + u'"';
}

bool DatesInRange(QDate first, QDate last, QString* error)
{
    if (first < QDate(1901, 1, 1) || !last.isValid() || last > QDate(2124, 12, 31)) {
        *error = u"dates must lie between 1901-01-01 and 2124-12-31"_s;
        return false;
    }
    return true;
}

QString HelpText(const QCommandLineParser& parser, const QStringList& arguments)
{
    QString text = parser.helpText();
    static const QRegularExpression usage(u"^Usage: \\S+"_s);
    const QString command = arguments.isEmpty() ? QString() : u' ' + arguments.first();
    text.replace(usage, u"Usage: kelvane"_s + command);
    return text;
}

std::optional<QDate> Date(const QString& text, QString* error)
{
    static const QRegularExpression shape(u"^(\\d{4})-(\\d{2})-(\\d{2})$"_s);
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch()) {
        *error = u"not a date (expected YYYY-MM-DD): %1"_s.arg(Quoted(text));
        return std::nullopt;
    }
    const int year = match.captured(1).toInt();
    const int month = match.captured(2).toInt();
    const int day = match.captured(3).toInt();
    if (const QString wrong = NotAMonth(year, month); !wrong.isEmpty()) {
        *error = u"%1 is not a date: %2"_s.arg(text, wrong);
        return std::nullopt;
    }
    const QDate first(year, month, 1);
    if (day < 1) {
        *error = u"%1 is not a date: the days of a month start at 01"_s.arg(text);
        return std::nullopt;
    }
    if (day > first.daysInMonth()) {
        *error = u"%1 is not a date: %2 %3 has %4 days"_s.arg(text, QLocale::c().monthName(month))
                     .arg(year)
                     .arg(first.daysInMonth());
        return std::nullopt;
    }
    return QDate(year, month, day);
}

QString NotAMonth(int year, int month)
{
    if (month < 1 || month > 12)
        return u"a year has 12 months"_s;
    if (!QDate(year, month, 1).isValid())
        return u"there is no year %1"_s.arg(year);
    return {};
}

std::optional<int> Adjustment(const QString& text, QString* error)
{
    if (!NumberText::IsNumeric(text)) {
        *error = u"the adjustment must be a number from 0 to 48: %1"_s.arg(Quoted(text));
        return std::nullopt;
    }
    const double value = NumberText::Val(text);
    if (value < 0 || value > 48) {
        *error = u"the adjustment must be between 0 and 48: %1"_s.arg(Quoted(text));
        return std::nullopt;
    }
    return static_cast<int>(NumberText::WholePart(value));
}

std::optional<int> Year(const QString& text, QString* error)
{
    static const QRegularExpression digits(u"^\\d+$"_s);
    const QString trimmed = text.trimmed();
    if (!digits.match(trimmed).hasMatch() || trimmed.toInt() < 1901 || trimmed.toInt() > 2124) {
        *error = u"the year must be a whole number from 1901 to 2124: %1"_s.arg(Quoted(text));
        return std::nullopt;
    }
    return trimmed.toInt();
}

std::optional<qint64> WholeNumber(const QString& text, const QString& what, qint64 minimum,
                                  QString* error)
{
    static const QRegularExpression digits(u"^[+-]?\\d+$"_s);
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (!digits.match(text.trimmed()).hasMatch() || !ok || value < minimum) {
        *error = u"%1 must be a whole number of at least %2: %3"_s.arg(what).arg(minimum).arg(
            Quoted(text));
        return std::nullopt;
    }
    return value;
}

std::optional<Rota> RotaFile(const QString& path, QString* error)
{
    const OwnRotaFile::Loaded loaded = OwnRotaFile::Load(path);
    // The file's name and the values quoted from it are the file's author's, written as the
    // option values are.
    if (!loaded.rota) {
        *error = OneLine::Escaped(loaded.error);
        return std::nullopt;
    }
    return Rota::FromFile(*loaded.rota);
}

QCommandLineOption RotaOption()
{
    return {u"rota"_s, u"A rota of your own, from its rota file, in place of --kind."_s, u"FILE"_s};
}

std::optional<HolidayFileSet> HolidayFiles(const QStringList& paths, QString* error)
{
    QList<HolidayFileSet::Calendar> calendars;
    for (const QString& path : paths) {
        const HolidayFile::Loaded loaded = HolidayFile::Load(path);
        if (!loaded.calendar) {
            *error = OneLine::Escaped(loaded.error);
            return std::nullopt;
        }
        calendars << loaded.calendar;
    }
    return HolidayFileSet(calendars);
}

QCommandLineOption HolidayFileOption()
{
    return {u"holiday-file"_s,
            u"Also count the holidays of an iCalendar (.ics) file; may be given more than once."_s,
            u"FILE"_s};
}

std::optional<std::array<bool, 13>> HolidayBits(const QString& text, QString* error)
{
    static const QRegularExpression bits(u"^[01]{13}$"_s);
    if (!bits.match(text).hasMatch()) {
        *error = u"the holidays must be 13 characters of 0 and 1: %1"_s.arg(Quoted(text));
        return std::nullopt;
    }
    std::array<bool, 13> flags{};
    for (std::size_t i = 0; i < flags.size(); ++i)
        flags[i] = text[static_cast<qsizetype>(i)] == u'1';
    return flags;
}

} // namespace CommandOptions
