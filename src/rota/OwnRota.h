#pragma once

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>

// A rota file as written (RotaFileParser reads one, RotaFileWriter writes one); Rota::FromFile
// makes the rota of it. Group number i runs `pattern` i * shift days after the first, unless it
// has a pattern of its own, which starts on `start` as it stands. In a pattern "W" is a working
// day and "O" a day off.
struct OwnRota
{
    static inline const QString DefaultGroupWord = QStringLiteral("Pattern");

    QString name;
    QDate start;        // the first group is at its pattern's first letter on this day
    QStringList groups; // "A", "3", "A1", "Red": as the file writes them, in its order
    QString pattern;    // upper case
    int shift = 0;
    QMap<QString, QString> groupPatterns; // group -> its own pattern, upper case
    QString groupWord = DefaultGroupWord; // what a group is called: "Pattern", "Crew"

    friend bool operator==(const OwnRota&, const OwnRota&) = default;
};
