#include "rota/RotaFileWriter.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace RotaFileWriter {

QByteArray Text(const OwnRota& rota)
{
    QStringList lines = {
        u"# A rota of Kelvane: W a working day, O a day off"_s,
        u"name = "_s + rota.name,
        u"start = "_s + rota.start.toString(Qt::ISODate),
        u"groups = "_s + rota.groups.join(u' '),
        u"pattern = "_s + rota.pattern,
        u"shift = "_s + QString::number(rota.shift),
    };
    if (rota.groupWord != OwnRota::DefaultGroupWord)
        lines.insert(4, u"group word = "_s + rota.groupWord);
    for (const QString& group : rota.groups) {
        if (const auto own = rota.groupPatterns.constFind(group); own != rota.groupPatterns.cend())
            lines << u"pattern %1 = %2"_s.arg(group, *own);
    }
    return (lines.join(u'\n') + u'\n').toUtf8();
}

} // namespace RotaFileWriter
