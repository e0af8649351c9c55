#include "rota/IcsOutline.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

IcsOutline::IcsOutline(const QByteArray& text)
{
    QList<qsizetype> open; // indexes into m_components
    int number = 0;
    bool first = true;
    for (qsizetype at = 0; at <= text.size();) {
        qsizetype end = text.indexOf('\n', at);
        if (end < 0)
            end = text.size();
        QByteArrayView line = QByteArrayView(text).sliced(at, end - at);
        at = end + 1;
        ++number;
        if (line.endsWith('\r'))
            line.chop(1);
        // A folded line goes on the one before.
        if (line.isEmpty() || line.startsWith(' ') || line.startsWith('\t'))
            continue;
        // The name runs up to the first ";" or ":" (or blank, in a line the library refuses).
        qsizetype nameEnd = 0;
        while (nameEnd < line.size() && line[nameEnd] != ';' && line[nameEnd] != ':' &&
               line[nameEnd] != ' ')
            ++nameEnd;
        const QString name = QString::fromLatin1(line.first(nameEnd)).toUpper();
        const QString value = nameEnd < line.size() && line[nameEnd] != ' '
                                  ? QString::fromUtf8(line.sliced(nameEnd + 1)).trimmed().toUpper()
                                  : QString();
        if (first) {
            m_looksLikeCalendar = name == u"BEGIN"_s && value == u"VCALENDAR"_s;
            first = false;
        }
        if (name == u"BEGIN"_s) {
            open.append(m_components.size());
            m_components.append({value, number, {}});
        } else if (name == u"END"_s) {
            if (open.isEmpty() || m_components[open.last()].kind != value) {
                if (m_unpairedLine == 0) {
                    m_unpairedLine = number;
                    m_unpairedReason = open.isEmpty() ? u"END:%1 without its BEGIN"_s.arg(value)
                                                      : u"END:%1 where END:%2 belongs"_s.arg(
                                                            value, m_components[open.last()].kind);
                }
                continue;
            }
            open.removeLast();
        } else if (!open.isEmpty()) {
            m_components[open.last()].properties.append({name, number});
        }
    }
    if (m_unpairedLine == 0 && !open.isEmpty()) {
        m_unpairedLine = m_components[open.last()].line;
        m_unpairedReason = u"BEGIN:%1 without its END"_s.arg(m_components[open.last()].kind);
    }
}

int IcsOutline::lineOf(qsizetype index, const QString& text) const
{
    if (index < 0 || index >= m_components.size())
        return 0;
    const Component& component = m_components[index];
    static const QRegularExpression word(u"[A-Za-z][A-Za-z0-9-]*"_s);
    QStringList words;
    for (const QRegularExpressionMatch& match : word.globalMatch(text))
        words.append(match.captured().toUpper());
    for (const Property& property : component.properties) {
        if (words.contains(property.name))
            return property.line;
    }
    return component.line;
}

int IcsOutline::propertyLine(qsizetype index, const QString& name) const
{
    if (index < 0 || index >= m_components.size())
        return 0;
    const Component& component = m_components[index];
    for (const Property& property : component.properties) {
        if (property.name == name)
            return property.line;
    }
    return component.line;
}
