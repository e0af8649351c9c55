#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Where the components and properties of an iCalendar text are, by line. The library that reads
// the text keeps no line numbers; this finds the line of what it complains about. Lines are those
// of the file (a folded line is counted where it begins).
class IcsOutline
{
public:
    struct Property
    {
        QString name; // upper case
        int line = 0;
    };
    struct Component
    {
        QString kind; // upper case, "VEVENT"
        int line = 0; // of its BEGIN
        QList<Property> properties;
    };

    explicit IcsOutline(const QByteArray& text);

    // Every component in the order of its BEGIN (the order the library walks its tree in).
    const QList<Component>& components() const { return m_components; }
    // Whether the text begins with BEGIN:VCALENDAR (blank lines aside).
    bool looksLikeCalendar() const { return m_looksLikeCalendar; }
    // The first BEGIN without its END or END without its BEGIN: "LINE: reason"; 0 and empty when
    // they pair up.
    int unpairedLine() const { return m_unpairedLine; }
    const QString& unpairedReason() const { return m_unpairedReason; }

    // The line of the first property of component `index` whose name is a word of `text`; the
    // component's own line when none is; 0 for no such component.
    int lineOf(qsizetype index, const QString& text) const;
    // The line of component `index`'s first property `name`, else of the component.
    int propertyLine(qsizetype index, const QString& name) const;

private:
    QList<Component> m_components;
    bool m_looksLikeCalendar = false;
    int m_unpairedLine = 0;
    QString m_unpairedReason;
};
