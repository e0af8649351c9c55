#include "app/CommandOptions.h"

#include "rota/NumberText.h"

#include <QRegularExpression>

namespace CommandOptions {

bool Parse(QCommandLineParser& parser, const QStringList& arguments, QString* error)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // The help lists --help-all beside --help; the subcommands take no toolkit options, so
    // both show the same help.
    QStringList words = arguments;
    static const QRegularExpression helpAll(QStringLiteral("^--?help-all$"));
    words.replaceInStrings(helpAll, QStringLiteral("--help"));
    if (!parser.parse(words)) {
        *error = parser.errorText();
        return false;
    }
    return true;
}

QString HelpText(const QCommandLineParser& parser, const QStringList& arguments)
{
    QString text = parser.helpText();
    static const QRegularExpression usage(QStringLiteral("^Usage: \\S+"));
    const QString command = arguments.isEmpty() ? QString() : u' ' + arguments.first();
    text.replace(usage, QStringLiteral("Usage: kelvane") + command);
    return text;
}

std::optional<QDate> Date(const QString& text, QString* error)
{
    static const QRegularExpression shape(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!shape.match(text).hasMatch() || !date.isValid()) {
        *error = QStringLiteral("not a date (expected YYYY-MM-DD): \"%1\"").arg(text);
        return std::nullopt;
    }
    return date;
}

std::optional<int> Adjustment(const QString& text, QString* error)
{
    if (!NumberText::IsNumeric(text)) {
        *error = QStringLiteral("the adjustment must be a number from 0 to 48: \"%1\"").arg(text);
        return std::nullopt;
    }
    const double value = NumberText::Val(text);
    if (value < 0 || value > 48) {
        *error = QStringLiteral("the adjustment must be between 0 and 48: \"%1\"").arg(text);
        return std::nullopt;
    }
    return static_cast<int>(NumberText::WholePart(value));
}

std::optional<int> Year(const QString& text, QString* error)
{
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    const QString trimmed = text.trimmed();
    if (!digits.match(trimmed).hasMatch() || trimmed.toInt() < 1901 || trimmed.toInt() > 2124) {
        *error =
            QStringLiteral("the year must be a whole number from 1901 to 2124: \"%1\"").arg(text);
        return std::nullopt;
    }
    return trimmed.toInt();
}

std::optional<qint64> WholeNumber(const QString& text, const QString& what, qint64 minimum,
                                  QString* error)
{
    static const QRegularExpression digits(QStringLiteral("^[+-]?\\d+$"));
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (!digits.match(text.trimmed()).hasMatch() || !ok || value < minimum) {
        *error = QStringLiteral("%1 must be a whole number of at least %2: \"%3\"")
                     .arg(what)
                     .arg(minimum)
                     .arg(text);
        return std::nullopt;
    }
    return value;
}

std::optional<std::array<bool, 13>> HolidayBits(const QString& text, QString* error)
{
    static const QRegularExpression bits(QStringLiteral("^[01]{13}$"));
    if (!bits.match(text).hasMatch()) {
        *error = QStringLiteral("the holidays must be 13 characters of 0 and 1: \"%1\"").arg(text);
        return std::nullopt;
    }
    std::array<bool, 13> flags{};
    for (std::size_t i = 0; i < flags.size(); ++i)
        flags[i] = text[static_cast<qsizetype>(i)] == u'1';
    return flags;
}

} // namespace CommandOptions
