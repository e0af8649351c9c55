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
    QString name;
    QDate start;        // the first group is at its pattern's first letter on this day
    QStringList groups; // pattern-button names "1".."7", "A".."N", in the file's order
    QString pattern;    // upper case
    int shift = 0;
    QMap<QString, QString> groupPatterns; // group -> its own pattern, upper case

    friend bool operator==(const OwnRota&, const OwnRota&) = default;
};
