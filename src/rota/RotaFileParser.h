#pragma once

#include "rota/OwnRota.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

// Reads a rota file: UTF-8 text, one "key = value" a line, keys in any case; blank lines and
// lines whose first character that is not a blank is "#" are passed over. A file that breaks a
// rule gives one line "FILE:LINE: reason" and no rota: nothing is half read. A key that is
// missing is reported at the last line, where it would go.
class RotaFileParser
{
public:
    struct Result
    {
        std::optional<OwnRota> rota;
        QString error; // set when there is no rota
    };

    // `fileName` begins the error line.
    static Result Parse(const QByteArray& bytes, const QString& fileName);

private:
    explicit RotaFileParser(const QString& fileName) : m_fileName(fileName) {}

    Result run(const QByteArray& bytes);
    // Why the line is refused; nothing when it is read.
    QString readLine(int number, const QString& line);
    // `key` tells the key apart from the others ("pattern a" for "pattern A"), `shown` is
    // how a reason names it.
    QString readValue(int number, const QString& key, const QString& shown, const QString& value);
    QString readPattern(int number, const QString& key, const QString& shown, const QString& value);
    Result failure(int line, const QString& reason) const;

    QString m_fileName;
    OwnRota m_rota;
    QHash<QString, int> m_lineOf; // each key read, with its line
    // The groups' own patterns by OwnRotaRules::GroupKey, each with the group as written.
    QHash<QString, QString> m_ownPatterns;
    QHash<QString, QString> m_writtenGroup;
    // The first pattern read: every other one has its length.
    QString m_firstPattern;
    int m_firstPatternLine = 0;
    qsizetype m_patternLength = 0;
};
