#include "rotas/RotaDraft.h"

#include "rota/OwnRotaRules.h"
#include "rota/RotaFileParser.h"
#include "rota/RotaFileWriter.h"

using namespace Qt::StringLiterals;

QString RotaDraft::Check::first() const
{
    for (const QString* reason :
         {&name, &start, &groups, &groupWord, &pattern, &shift, &ownPatterns, &whole}) {
        if (!reason->isEmpty())
            return *reason;
    }
    return {};
}

RotaDraft::Check RotaDraft::check() const
{
    Check check;
    OwnRota rota;
    rota.name = name.trimmed();
    check.name = OwnRotaRules::Name(rota.name);
    check.start = OwnRotaRules::Start(start.trimmed(), &rota.start);
    check.groups = OwnRotaRules::Groups(groups.trimmed(), &check.groupList);
    if (!groupWord.trimmed().isEmpty()) {
        rota.groupWord = groupWord.trimmed();
        check.groupWord = OwnRotaRules::GroupWord(rota.groupWord);
    }
    check.pattern = OwnRotaRules::Pattern(u"pattern"_s, pattern.trimmed(), &rota.pattern);
    // As in a file, no shift is a shift of 0.
    if (!shift.trimmed().isEmpty())
        check.shift = OwnRotaRules::Shift(shift.trimmed(), &rota.shift);
    for (const QString& group : std::as_const(check.groupList)) {
        const QString typed = ownPatterns.value(group).trimmed();
        if (typed.isEmpty())
            continue;
        QString letters;
        check.ownPatterns = OwnRotaRules::Pattern(u"pattern "_s + group, typed, &letters);
        if (!check.ownPatterns.isEmpty())
            break;
        rota.groupPatterns.insert(group, letters);
    }
    if (!check.first().isEmpty())
        return check;

    // The rules between the keys are the file reader's: the rota is read back from the text
    // its file would have. The line number means nothing in the window and is left out.
    rota.groups = check.groupList;
    const RotaFileParser::Result read =
        RotaFileParser::Parse(RotaFileWriter::Text(rota), u"rota"_s);
    if (read.rota)
        check.rota = read.rota;
    else
        check.whole = read.error.mid(read.error.indexOf(u": "_s) + 2);
    return check;
}

RotaDraft RotaDraft::Of(const OwnRota& rota)
{
    RotaDraft draft;
    draft.name = rota.name;
    draft.start = rota.start.toString(Qt::ISODate);
    draft.groups = rota.groups.join(u' ');
    draft.pattern = rota.pattern;
    draft.shift = QString::number(rota.shift);
    draft.ownPatterns = rota.groupPatterns;
    if (rota.groupWord != OwnRota::DefaultGroupWord)
        draft.groupWord = rota.groupWord;
    return draft;
}

RotaDraft RotaDraft::FromText(const QByteArray& bytes)
{
    RotaDraft draft;
    const QMap<QString, QString*> values = {
        {u"name"_s, &draft.name},       {u"start"_s, &draft.start},
        {u"groups"_s, &draft.groups},   {u"group word"_s, &draft.groupWord},
        {u"pattern"_s, &draft.pattern}, {u"shift"_s, &draft.shift}};
    for (const QString& line : QString::fromUtf8(bytes).split(u'\n')) {
        const QString text = line.trimmed();
        const qsizetype equals = text.indexOf(u'=');
        if (text.startsWith(u'#') || equals < 0)
            continue;
        const QString key = text.left(equals).simplified();
        const QString value = text.mid(equals + 1).trimmed();
        if (QString* field = values.value(key.toLower()))
            *field = value;
        else if (key.section(u' ', 0, 0).toLower() == u"pattern"_s)
            draft.ownPatterns.insert(key.section(u' ', 1), value);
    }
    return draft;
}

