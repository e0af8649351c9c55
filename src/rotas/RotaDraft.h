#pragma once

#include "rota/OwnRota.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// A rota as the rota window's fields hold it, each value as typed. It is checked the way a rota
// file is read: each value by its key's rule, then the whole rota as its file would be read
// back, so the window can say what is wrong while the user types.
struct RotaDraft
{
    QString name;
    QString start;
    QString groups;
    QString pattern;
    QString shift;
    // By group, as typed; a group without one runs `pattern`, moved by `shift`.
    QMap<QString, QString> ownPatterns;
    // What the groups are called; empty: "Pattern".
    QString groupWord;

    // Why each value is refused; empty where it is accepted.
    struct Check
    {
        QString name;
        QString start;
        QString groups;
        QString groupWord;
        QString pattern;
        QString shift;
        QString ownPatterns; // the first group pattern refused
        // A rule between the values, looked at once each value is accepted.
        QString whole;
        QStringList groupList;       // the groups read, once `groups` is accepted
        std::optional<OwnRota> rota; // when nothing is refused

        // The first reason, in the order of the fields; empty when the rota holds.
        QString first() const;
    };

    Check check() const;

    static RotaDraft Of(const OwnRota& rota);
    // A refused file's values as written, for the window to show each where it is wrong: the
    // "key = value" lines of the keys a rota file has, read without their rules; other lines
    // are left out.
    static RotaDraft FromText(const QByteArray& bytes);

    friend bool operator==(const RotaDraft&, const RotaDraft&) = default;
};
