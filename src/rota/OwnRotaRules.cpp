#include "rota/OwnRotaRules.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace OwnRotaRules {

namespace {

// A character in a reason: itself where it can be printed, else its code.
QString shownCharacter(char32_t c)
{
    if (QChar::isPrint(c))
        return QString::fromUcs4(&c, 1);
    return u"U+%1"_s.arg(uint(c), 4, 16, QChar(u'0')).toUpper();
}

QString empty(const QString& key)
{
    return key + u" is empty"_s;
}

} // namespace

QString Quoted(const QString& value)
{
    constexpr qsizetype Shown = 20;
    const QString shown = value.size() > Shown ? value.left(Shown) + u"\u2026"_s : value;
    return u'\'' + shown + u'\'';
}

QString Name(const QString& value)
{
    if (value.isEmpty())
        return empty(u"name"_s);
    const QList<uint> characters = value.toUcs4();
    if (characters.size() > LongestName)
        return u"name has %1 characters; at most %2"_s.arg(characters.size()).arg(LongestName);
    for (const uint character : characters) {
        if (!QChar::isPrint(char32_t(character)))
            return u"name has a character that cannot be printed"_s;
    }
    return {};
}

QString Start(const QString& value, QDate* out)
{
    static const QRegularExpression form(u"^\\d{4}-\\d{2}-\\d{2}$"_s);
    if (value.isEmpty())
        return empty(u"start"_s);
    const QDate date = QDate::fromString(value, Qt::ISODate);
    if (!form.match(value).hasMatch() || !date.isValid())
        return u"start %1 is not a date; write YYYY-MM-DD"_s.arg(Quoted(value));
    *out = date;
    return {};
}

QString Group(const QString& value, QString* out)
{
    const QList<uint> characters = value.toUcs4();
    for (const uint character : characters) {
        const char32_t c = char32_t(character);
        if (!QChar::isLetter(c) && !QChar::isDigit(c))
            return u"group %1 has '%2'; use letters and digits"_s.arg(Quoted(value),
                                                                      shownCharacter(c));
    }
    if (characters.isEmpty() || characters.size() > LongestGroup)
        return u"group %1 is not 1..%2 letters or digits"_s.arg(Quoted(value)).arg(LongestGroup);
    if (GroupKey(value) == u"0"_s || GroupKey(value) == u"none"_s)
        return u"group %1 stands for no group; use another name"_s.arg(Quoted(value));
    *out = value;
    return {};
}

QString GroupKey(const QString& name)
{
    const bool digits = !name.isEmpty() && std::all_of(name.cbegin(), name.cend(),
                                                       [](QChar c) { return c.isDigit(); });
    if (!digits)
        return name.toCaseFolded();
    const auto first = std::find_if(name.cbegin(), name.cend(), [](QChar c) { return c != u'0'; });
    return first == name.cend() ? u"0"_s : QString(first, name.cend() - first);
}

QString Groups(const QString& value, QStringList* out)
{
    static const QRegularExpression apart(u"[\\s,]+"_s);
    const QStringList names = value.split(apart, Qt::SkipEmptyParts);
    if (names.isEmpty())
        return empty(u"groups"_s);
    QStringList groups;
    QStringList keys;
    for (const QString& name : names) {
        QString group;
        if (QString reason = Group(name, &group); !reason.isEmpty())
            return reason;
        if (keys.contains(GroupKey(group)))
            return u"group %1 is named twice"_s.arg(group);
        groups << group;
        keys << GroupKey(group);
    }
    if (groups.size() > MostGroups)
        return u"groups names %1 groups; at most %2"_s.arg(groups.size()).arg(MostGroups);
    *out = groups;
    return {};
}

QString GroupWord(const QString& value)
{
    static const QRegularExpression form(u"^\\p{L}[\\p{L}\\p{Nd} -]*$"_s);
    if (value.isEmpty())
        return empty(u"group word"_s);
    if (value.toUcs4().size() > LongestGroupWord || !form.match(value).hasMatch())
        return u"group word %1 is not 1..%2 letters, digits, blanks or hyphens after a letter"_s
            .arg(Quoted(value))
            .arg(LongestGroupWord);
    return {};
}

QString Pattern(const QString& key, const QString& value, QString* out)
{
    QString letters;
    for (const uint character : value.toUcs4()) {
        const char32_t c = char32_t(character);
        if (c == U' ' || c == U'\t')
            continue;
        if (c != U'W' && c != U'w' && c != U'O' && c != U'o')
            return u"%1 has '%2'; use W and O"_s.arg(key, shownCharacter(c));
        letters += QChar(c).toUpper();
    }
    if (letters.isEmpty())
        return empty(key);
    if (letters.size() > LongestPattern)
        return u"%1 has %2 letters; at most %3"_s.arg(key).arg(letters.size()).arg(LongestPattern);
    *out = letters;
    return {};
}

QString Shift(const QString& value, int* out)
{
    static const QRegularExpression digits(u"^\\d{1,3}$"_s);
    if (value.isEmpty())
        return empty(u"shift"_s);
    if (!digits.match(value).hasMatch() || value.toInt() > LargestShift)
        return u"shift %1 is not a whole number 0..%2"_s.arg(Quoted(value),
                                                             QString::number(LargestShift));
    *out = value.toInt();
    return {};
}

} // namespace OwnRotaRules
