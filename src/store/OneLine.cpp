#include "store/OneLine.h"

using namespace Qt::StringLiterals;

namespace OneLine {

QString Escaped(const QString& text)
{
    QString line;
    line.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\n':
            line += u"\\n"_s;
            break;
        case u'\r':
            line += u"\\r"_s;
            break;
        case u'\t':
            line += u"\\t"_s;
            break;
        default:
            if (c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF)
                line += u"\\x"_s + QString::number(c.unicode() - 0xDC00, 16).toUpper();
            else if (c.category() == QChar::Other_Control ||
                     c.category() == QChar::Separator_Line ||
                     c.category() == QChar::Separator_Paragraph)
                line += u"\\u%1"_s.arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                line += c;
        }
    }
    return line;
}

} // namespace OneLine
