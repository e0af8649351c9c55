#pragma once

#include "rota/GroupMatch.h"
#include "rota/OwnRota.h"
#include "rota/Rota.h"
#include "rota/RotaFileParser.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>

#include <memory>
#include <optional>

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

// The rota of a rota file's text.
inline std::optional<Rota> Read(const QByteArray& text)
{
    const std::shared_ptr<const OwnRota> file = Parsed(text);
    return file ? std::optional<Rota>(Rota::FromFile(*file)) : std::nullopt;
}

// A built-in kind written as a rota file: its groups, each with a pattern of its own read off
// the kind's cycle from `start` on.
inline QByteArray BuiltIn(RotaKind kind, QDate start)
{
    const Rota rota = Rota::BuiltIn(kind);
    QStringList patterns;
    for (const QString& group : rota.groups()) {
        QString pattern;
        for (int day = 0; day < rota.length(); ++day)
            pattern +=
                GroupMatch::IsAmong(group, rota.groupsOff(start.addDays(day), 0)) ? u'O' : u'W';
        patterns << u"pattern %1 = %2"_s.arg(group, pattern);
    }
    const QStringList& groups = rota.groups();
    return (QStringList{u"name = "_s + rota.commandName(),
                        u"start = "_s + start.toString(Qt::ISODate),
                        u"groups = "_s + groups.join(u' '),
                        u"pattern = "_s + patterns.first().section(u" = "_s, 1)} +
            patterns)
        .join(u'\n')
        .toUtf8();
}

} // namespace RotaFiles
