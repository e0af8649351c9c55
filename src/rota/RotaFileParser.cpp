#include "rota/RotaFileParser.h"

#include "rota/OwnRotaRules.h"

#include <QStringDecoder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString Name = u"name"_s;
const QString Start = u"start"_s;
const QString Groups = u"groups"_s;
const QString Pattern = u"pattern"_s;
const QString Shift = u"shift"_s;
const QString GroupWord = u"group word"_s;

// "pattern a" -> "a"; nothing for the other keys.
QString groupOf(const QString& key)
{
    return key.startsWith(Pattern + u' ') ? key.mid(Pattern.size() + 1) : QString();
}

} // namespace

RotaFileParser::Result RotaFileParser::Parse(const QByteArray& bytes, const QString& fileName)
{
    return RotaFileParser(fileName).run(bytes);
}

RotaFileParser::Result RotaFileParser::failure(int line, const QString& reason) const
{
    return {std::nullopt, u"%1:%2: %3"_s.arg(m_fileName, QString::number(line), reason)};
}

RotaFileParser::Result RotaFileParser::run(const QByteArray& bytes)
{
    if (bytes.trimmed().isEmpty())
        return failure(1, u"the file is empty"_s);
    QList<QByteArray> lines = bytes.split('\n');
    // A line break ends the last line; it does not start another.
    if (lines.constLast().isEmpty())
        lines.removeLast();
    if (lines.first().startsWith("\xEF\xBB\xBF"))
        lines.first().remove(0, 3);

    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i + 1);
        QByteArray raw = lines.at(i);
        if (raw.endsWith('\r'))
            raw.chop(1);
        // A line break is never part of a longer UTF-8 sequence: each line decodes alone, and
        // a sequence cut short at its end is an error, not the start of the next line.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                         QStringDecoder::Flag::ConvertInitialBom);
        const QString line = decoder.decode(raw);
        if (decoder.hasError())
            return failure(number, u"not UTF-8 text"_s);
        if (const QString reason = readLine(number, line); !reason.isEmpty())
            return failure(number, reason);
    }

    const int last = static_cast<int>(lines.size());
    for (const QString& key : {Name, Start, Groups, Pattern}) {
        if (!m_lineOf.contains(key))
            return failure(last, key + u" is missing"_s);
    }
    // A group's own pattern for a group the file does not name, the first in the file.
    QList<std::pair<int, QString>> strays;
    QStringList keys;
    for (const QString& group : std::as_const(m_rota.groups))
        keys << OwnRotaRules::GroupKey(group);
    for (auto it = m_lineOf.cbegin(); it != m_lineOf.cend(); ++it) {
        const QString group = groupOf(it.key());
        if (!group.isEmpty() && !keys.contains(group))
            strays.append({it.value(), m_writtenGroup.value(group)});
    }
    if (!strays.isEmpty()) {
        const auto& [line, group] = *std::min_element(strays.cbegin(), strays.cend());
        return failure(line, u"groups has no %1 for pattern %1"_s.arg(group));
    }
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (const auto own = m_ownPatterns.constFind(keys.at(i)); own != m_ownPatterns.cend())
            m_rota.groupPatterns.insert(m_rota.groups.at(i), *own);
    }
    return {m_rota, {}};
}

QString RotaFileParser::readLine(int number, const QString& line)
{
    const QString text = line.trimmed();
    if (text.isEmpty() || text.startsWith(u'#'))
        return {};
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0)
        return u"the line has no '='; write key = value"_s;
    const QString written = text.left(equals).simplified();
    const QStringList words = written.split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return u"no key before '='"_s;
    const QString first = words.first().toLower();
    QString key;
    QString shown;
    if (words.size() == 1 && QStringList{Name, Start, Groups, Pattern, Shift}.contains(first)) {
        key = shown = first;
    } else if (words.size() == 2 && first + u' ' + words[1].toLower() == GroupWord) {
        key = shown = GroupWord;
    } else if (words.size() == 2 && first == Pattern) {
        QString group;
        if (const QString reason = OwnRotaRules::Group(words[1], &group); !reason.isEmpty())
            return reason;
        key = Pattern + u' ' + OwnRotaRules::GroupKey(group);
        shown = Pattern + u' ' + group;
        m_writtenGroup.insert(OwnRotaRules::GroupKey(group), group);
    } else {
        return u"unknown key %1; use name, start, groups, group word, pattern, shift or "
               "pattern X"_s.arg(OwnRotaRules::Quoted(written));
    }
    if (const auto seen = m_lineOf.constFind(key); seen != m_lineOf.cend())
        return u"%1 given twice (first on line %2)"_s.arg(shown, QString::number(*seen));
    m_lineOf.insert(key, number);
    return readValue(number, key, shown, text.mid(equals + 1).trimmed());
}

QString RotaFileParser::readValue(int number, const QString& key, const QString& shown,
                                  const QString& value)
{
    if (key == Name) {
        m_rota.name = value;
        return OwnRotaRules::Name(value);
    }
    if (key == Start)
        return OwnRotaRules::Start(value, &m_rota.start);
    if (key == Groups)
        return OwnRotaRules::Groups(value, &m_rota.groups);
    if (key == GroupWord) {
        m_rota.groupWord = value;
        return OwnRotaRules::GroupWord(value);
    }
    if (key == Shift)
        return OwnRotaRules::Shift(value, &m_rota.shift);
    return readPattern(number, key, shown, value);
}

QString RotaFileParser::readPattern(int number, const QString& key, const QString& shown,
                                    const QString& value)
{
    QString letters;
    if (const QString reason = OwnRotaRules::Pattern(shown, value, &letters); !reason.isEmpty())
        return reason;
    if (m_firstPattern.isEmpty()) {
        m_firstPattern = shown;
        m_firstPatternLine = number;
        m_patternLength = letters.size();
    } else if (letters.size() != m_patternLength) {
        return u"%1 has %2 letters but %3 on line %4 has %5; every pattern needs the same length"_s
            .arg(shown, QString::number(letters.size()), m_firstPattern,
                 QString::number(m_firstPatternLine), QString::number(m_patternLength));
    }
    if (key == Pattern)
        m_rota.pattern = letters;
    else
        m_ownPatterns.insert(groupOf(key), letters);
    return {};
}
