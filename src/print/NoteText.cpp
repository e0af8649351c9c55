#include "print/NoteText.h"

#include "store/WholeCharacters.h"

#include <array>

using namespace Qt::StringLiterals;

namespace NoteText {

QString Placeholder()
{
    return u"Click"_s;
}

QString Shown(const QVariant& stored)
{
    const QString text = stored.isNull() ? QString() : stored.toString();
    return text.isEmpty() ? Placeholder() : text;
}

QString EntryWord(const QString& type)
{
    struct Code
    {
        QStringView code;
        QStringView word;
    };
    // Tested in this order; the first match wins.
    static constexpr std::array<Code, 7> codes = {{
        {u"V", u"Vacation"},
        {u"D", u"Dat Day"},
        {u"N", u"Sick"},
        {u"B", u"Birthday"},
        {u"E", u"Employment Date"},
        {u"I", u"I Time"},
        {u"R", u"Excused Time"},
    }};
    for (const Code& code : codes) {
        if (type == code.code)
            return code.word.toString();
    }
    return {};
}

bool PlaceEntryWord(QString& firstNote, QString& secondNote, const QString& word)
{
    if (word.isEmpty())
        return false;
    if (firstNote == Placeholder() || firstNote == word) {
        const bool changed = firstNote != word;
        firstNote = word;
        return changed;
    }
    if (secondNote == Placeholder()) {
        secondNote = word;
        return true;
    }
    return false;
}

QString Shortened(const QString& typed)
{
    // Counted and cut by the characters the user sees: an emoji is never split in two.
    return WholeCharacters::Left(typed, MaximumLength);
}

QString ShortenQuestion(const QString& shortened)
{
    return u"Your note was longer than 50 characters"_s + u"\n\r"_s +
           u"and will be truncated to:"_s + u"\n\r"_s + shortened + u"\n\r"_s +
           u"Do you want to continue?"_s;
}

QString Caption(const QString& typed)
{
    if (typed.isEmpty() || typed == Placeholder())
        return Placeholder();
    return WholeCharacters::Mended(Shortened(typed));
}

} // namespace NoteText
