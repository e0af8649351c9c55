#include "store/WholeCharacters.h"

#include <QTextBoundaryFinder>

namespace WholeCharacters {

qsizetype Count(const QString& text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (finder.toNextBoundary() != -1)
        ++count;
    return count;
}

qsizetype EndOf(const QString& text, qsizetype count)
{
    if (count <= 0)
        return 0;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (qsizetype n = 0; n < count; ++n) {
        const qsizetype next = finder.toNextBoundary();
        if (next == -1)
            break;
        end = next;
    }
    return end;
}

QString Left(const QString& text, qsizetype count)
{
    return text.left(EndOf(text, count));
}

QList<qsizetype> Ends(const QString& text)
{
    QList<qsizetype> ends{0};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype end = finder.toNextBoundary(); end != -1; end = finder.toNextBoundary())
        ends.append(end);
    return ends;
}

QString Mended(const QString& original)
{
    QString text = original;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace WholeCharacters
