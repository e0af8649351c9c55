#pragma once

#include "rota/DayNumbering.h"
#include "rota/GroupMatch.h"
#include "rota/OwnRota.h"
#include "rota/RotaFileParser.h"
#include "rota/RotaKindTable.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>

#include <memory>

using namespace Qt::StringLiterals;

// Rota files the tests share.
namespace RotaFiles {

// Four crews, four on and four off, each crew two days after the one before.
inline const QByteArray FourOnFourOff = "# Four on, four off, crews A to D\n"
                                        "name = Four On Four Off\n"
                                        "start = 2027-01-04\n"
                                        "groups = A B C D\n"
                                        "pattern = WWWWOOOO\n"
                                        "shift = 2\n";

inline std::shared_ptr<const OwnRota> Parsed(const QByteArray& text)
{
    RotaFileParser::Result result = RotaFileParser::Parse(text, u"test.rota"_s);
    if (!result.rota)
        qWarning("%s", qPrintable(result.error));
    return result.rota ? std::make_shared<const OwnRota>(*result.rota) : nullptr;
}

// A built-in kind written as a rota file: its groups, each with a pattern of its own read off
// the kind's cycle from `start` on.
inline QByteArray BuiltIn(RotaKind kind, QDate start)
{
    const RotaKindInfo& row = RotaKindTable::Of(kind);
    QStringList patterns;
    for (const QChar letter : row.groups) {
        const QString group =
            RotaKinds::GroupForPatternButton(*RotaKinds::PatternButtonForGroup(QString(letter)));
        QString pattern;
        for (int day = 0; day < row.cycle.length; ++day) {
            RotaDay rota;
            rota.PatternDay =
                DayNumbering::PatternPosition(kind, DayNumbering::DayNumber(start.addDays(day)), 0);
            GetPatterns(rota);
            pattern += GroupMatch::IsHighlightedGroupOff(kind, group, rota) ? u'O' : u'W';
        }
        patterns << u"pattern %1 = %2"_s.arg(letter).arg(pattern);
    }
    QStringList groups;
    for (const QChar letter : row.groups)
        groups << QString(letter);
    return (QStringList{u"name = "_s + row.commandName, u"start = "_s + start.toString(Qt::ISODate),
                        u"groups = "_s + groups.join(u' '),
                        u"pattern = "_s + patterns.first().section(u" = "_s, 1)} +
            patterns)
        .join(u'\n')
        .toUtf8();
}

} // namespace RotaFiles
